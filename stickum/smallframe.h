#pragma once

#include "model/holder.h"
#include "model/options.h"
#include "platform/nativewindow.h"
#include "stickum/minititlebar.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class PostIt;
class QWindow;
class WPostIt;

// What the Stickums of one desktop share, kept by whoever shows them.
struct StickumSession {
    // Set while Quillbox has the Stickums hidden (display off, main window open): owner windows
    // coming back do not bring their Stickums back.
    bool suppressed = false;
    // The first frame painted lays itself out once more; set once that was done.
    bool firstPaintLaidOut = false;
};

// The Stickum's outer window: a frameless tool window (no task-bar entry) with the mini title
// bar along its top edge and the content window below it. It lays them out, rolls up to its
// title bar and back, hides on Close, and is dragged by its title bar or by itself.
//
// The keyboard: Alt+Up rolls it up, Alt+Down unrolls it, Ctrl+W (or Ctrl+F4) closes it, F6 and
// Shift+F6 go to the next and the previous Stickum on show, Ctrl+Tab goes from the text to the
// buttons. A screen reader calls it after the first line of its text.
class SmallFrame : public QWidget, public StickumView {
    Q_OBJECT
public:
    static constexpr int kTitleHeight = 12;
    static constexpr int kTitleBorder = 1;
    // The content window starts one row above the title bar's bottom edge.
    static constexpr int kContentTop = kTitleHeight - 1;
    static constexpr int kSummaryBytes = 49;

    enum CaptionSlot { Summary, Title };

    // Takes the content window as its own. owner: the window this Stickum belongs to (none:
    // a free Stickum). The record is not owned and only has its `active` cleared on Close.
    SmallFrame(const Options& options, StickumSession& session, PostIt* record, WPostIt* content,
               QWidget* owner);

    // Creates the pieces: the content window's set-up, the frame's size from the content
    // window's, the title bar's Close and RollUp buttons. The frame stays hidden at (0, 0).
    void setUp();

    // Text for the rolled-up (Summary) or unrolled (Title) caption, at most 49 bytes.
    void setCaption(const QString& text, CaptionSlot slot);
    QString title() const { return title_; }
    // Rolls up to the title bar or back; false without a content window.
    bool roll(bool up);
    // Rolls up or unrolls as the title bar's button does, unless it is so already.
    void rollTo(bool up);
    void layout();

    WPostIt* content() const { return content_; }
    MiniTitleBar* titleBar() const { return titleBar_; }
    PostIt* record() const { return record_; }
    // The record read afresh that this Stickum shows from now on.
    void setRecord(PostIt* record) { record_ = record; }
    bool rolledUp() const { return rolledUp_; }

    // What the holder does with a Stickum.
    // Moves the frame to (x, y) on the screen, above all normal windows, keeping its size.
    void placeAt(int x, int y);
    // Moves the frame to a point of the screen, keeping whether it stays above all windows.
    void moveTo(QPoint topLeft);
    void showStickum();
    // A Stickum hidden here stays hidden when its owner window comes back.
    void hideStickum();
    // Makes the Stickum belong to another window (for instance another application's window
    // the note is pinned to): it stays in front of that window, and is no longer topmost.
    void setOwnerWindow(QWindow* owner);
    // The owner window was minimised or hidden: the Stickum goes with it.
    void ownerHidden();
    // The owner window came back: the Stickum comes back too, unless it was hidden by
    // Quillbox or the display of Stickums is off.
    void ownerShown();

    // Where the frame's top-left corner stands on the screen. Asked of the window system once
    // per pass: a second question in the same turn of the event loop (frameY() after frameX(),
    // the data file after the hide pass) is answered from the first, unless the frame moved.
    int frameX() const override;
    int frameY() const override;
    // Asks where all these frames stand in one round trip, the answers holding as frameX() and
    // frameY() would hold them: for a pass over many Stickums. With AfterAsking::Unmap they are
    // taken off the screen in the same batch; each must then be hidden in the same pass.
    static void askPositions(const std::vector<SmallFrame*>& frames,
                             AfterAsking after = AfterAsking::Nothing);
    bool onScreen() const override;

    // The Stickums on show, top to bottom and left to right.
    static std::vector<SmallFrame*> onShow();
    // Gives the keys to the Stickum on show step places after this one (none: the first or the
    // last); false when none is on show.
    static bool focusStickum(const SmallFrame* from, int step);
    // Activates the Stickum with the keys in its text or, rolled up, on its Unroll button.
    void takeKeys();

    // The frame's size handling, run for every size change (also while hidden).
    void handleResize(const QSize& size);
    // A new size with the top-left corner kept, then the size handling.
    void resizeKeepingTopLeft(int width, int height);

signals:
    // The user dragged the Stickum somewhere else (by its title bar or by itself) and let go.
    void movedByUser();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend struct SmallFrameTestPeer;

    // Makes Qt's idea of the frame's position agree with the window system's.
    void syncPosition();
    QPoint screenTopLeft() const;
    void refreshSummary();
    void placeContent(const QRect& rect);
    void addShortcuts();
    // The name a screen reader gives the Stickum: the first line of its text.
    void nameAfterText();

    const Options& options_;
    StickumSession& session_;
    PostIt* record_;
    WPostIt* content_;
    QString summary_;
    QString title_;
    MiniTitleBar* titleBar_;
    int layoutWidth_ = -1;
    int layoutHeight_ = -1;
    int rolledWidth_ = -1;
    int rolledHeight_ = -1;
    bool rolledUp_ = false;
    bool hiddenByOwner_ = false;
    bool hiddenByQuillbox_ = true; // not shown by showStickum(), or hidden or closed since
    QColor desktopCaption_;        // the desktop's caption colour last seen
    // The last answer of the window system about the frame's position, and when it came.
    mutable std::optional<QPoint> asked_;
    mutable unsigned long askedTurn_ = 0;
};
