#pragma once

#include "app/traywindow.h"
#include "desktop/stickumtracker.h"
#include "desktop/ticktimer.h"
#include "document/document.h"
#include "model/result.h"
#include "pages/dialoghost.h"
#include "platform/waveplayer.h"
#include "platform/windowsystem.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class AboutDialog;
class CalendarDialog;
class MessageBoxes;
class NotesDialog;
class OptionDialog;
class PrestitiDialog;
class QTabWidget;
class QuietNotices;

// What the main dialog uses of the desktop beyond its own windows; tests put fakes here.
struct DesktopParts {
    // Other applications' windows; none: the one of the running platform.
    std::unique_ptr<WindowSystem> windows;
    // How the alert sound's player is opened; none: the real player.
    WavePlayerFactory openWave;
    // Today's date; none: the system clock's.
    TodaySource today;
};

// The main tabbed dialog: owns the document (the records, the options and their keeping), the
// five pages, the tray icon and the Stickums. It has the data file read when it is built and
// tells what the document's saves report. The pages are built when the dialog is first shown:
// a start into the tray builds none of them.
class MyDialog : public TrayWindow, public DialogHost {
    Q_OBJECT
public:
    static constexpr int kPageCount = 5;

    // Reads the data file at dataPath. When the file ends the program (an old file the user
    // declined or one that failed to read), exitStatus() says so.
    MyDialog(MessageBoxes& messages, std::unique_ptr<TrayIcon> tray, const QString& dataPath,
             const PlatformDefaults& platform, DesktopParts desktop = {});
    ~MyDialog() override;

    std::optional<int> exitStatus() const { return exitStatus_; }

    // Once the frame exists: the tray icon, the tabs, the size, then collapse.
    void setUp();

    // Hides the main window into the tray and puts the Stickums on the desktop.
    void collapse();
    // Saves what the user did since the last save without asking anything: before a crash or
    // a power cut can lose it. A failure is reported once for each reason.
    Result saveNow();
    // Saves as saveNow() does but shows no failure. For a caller that tells the reason itself.
    Result saveQuietly();
    // The desktop session ends or the program was told to stop: everything is saved as at a
    // Yes on the quit question, without asking. Failed when that save failed: the unsaved
    // version was kept aside and the terminal says where.
    Result endSession();
    // The session has ended (or the X server is gone): nothing is saved any more.
    bool ended() const { return ended_; }
    // The program ends by a way that unwinds nothing (the X server is gone): what is in memory,
    // the Stickums' texts and the pages' fields included, is saved (or kept aside, as a stop
    // does), and nothing is shown, asked or played any more. The window system is not asked
    // anything.
    void saveBeforeExit();
    // How long after the user's last change inside a Stickum it is saved (tests shorten it).
    void setAutosaveDelay(int ms);

    // Brings the main window back and takes the Stickums off the desktop.
    void restore();
    // The tray's left button: switches the Stickums on and off while collapsed.
    void toggleDisplay();
    // The tray's right button: the main window comes back.
    void showMainWindow();
    // A note made outside the main window (the command line, the tray's menu), as "Add" on the
    // Notes page makes it, with its Stickum on show at once while collapsed (the display switched
    // on if it was off), taking the keyboard for the one who asked for it. Saved soon, as any
    // change to a Stickum; a caller that answers for the save saves it now. False when the list
    // is full.
    bool addNoteFromOutside(const std::string& text);
    // The display switch for desktops without a tray: acts at once while collapsed, otherwise
    // at the next collapse.
    void setDisplayOn(bool on);
    // Starts Quillbox with the session from now on, or no longer; a failure is told in a box.
    void setStartAtLogin(bool on);
    // What starts this Quillbox again at login (the program, and --data when it was given).
    void setStartCommand(QStringList command) { startCommand_ = std::move(command); }
    bool displayOn() const { return displayOn_; }
    // The main window is on the screen (shown and not minimised).
    bool isOpen() const;
    // True while collapse or restore is hiding, minimising or showing the main window.
    bool switchingWindow() const { return switchingWindow_; }

    // The first steps of closing: takes the Stickums back, lets the pages store their forms and
    // saves. False when the save failed and the user chose to stay.
    bool mayClose();
    // The last steps: the timer stops and the tray icon goes.
    void shutdown();

    // Builds the five pages and their tabs, once; the first show of the dialog does it.
    void buildPages();
    // The page at a tab's index, or none before the pages are built.
    QWidget* page(int index) const;
    TickTimer& timer() { return timer_; }
    const StickumTracker& tracker() const { return tracker_; }
    WindowSystem& windowSystem() override { return *windows_; }
    // The player of the alert sound, opened on the options' wave file; none when that file is
    // missing or unreadable.
    WavePlayer* wavePlayer();
    const QString& dataPath() const { return dataPath_; }
    Document& document() { return document_; }

    // DialogHost
    PostItHolder& holder() override { return document_.records(); }
    Options& options() override { return document_.options(); }
    MessageBoxes& messages() override { return messages_; }
    Date today() override { return today_(); }
    bool attachNew(PostIt* record) override { return tracker_.attachNew(record); }
    bool detach(PostIt* record) override { return tracker_.detach(record); }
    bool setTarget(PostIt* record, WindowHandle window) override {
        return tracker_.setTarget(record, window);
    }
    std::optional<std::string> targetTitle(const PostIt* record) override {
        return tracker_.targetTitle(record);
    }
    Result save() override;
    void markStickumsStale() override { tracker_.markStale(); }
    void waveFileChanged() override;

protected:
    void onTrayLeftButton() override { toggleDisplay(); }
    void onTrayRightButton() override { showMainWindow(); }
    void onTrayMenu(TrayEntry entry) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend struct MyDialogTestPeer;

    // The Stickum of the note made last takes the keyboard; nothing while the main window is
    // open.
    void newestNoteTakesKeys();
    void collapseWindow();
    // Hides the window into the tray, or minimises it when there is none.
    void tuckAway();
    // The tray went away while the window was hidden in it: the window is minimised, where the
    // user can find it again.
    void keepReachable();
    // Puts the Stickums on the desktop as the window collapses, or after a reload.
    void showStickums();
    void load();
    // A stop whose save failed left the unsaved version aside: the user may take it.
    void offerRescue();
    // A version read from disk takes the place of what is in memory, Stickums and all.
    void adopt(const Incoming& incoming);
    // How a save's report is told: a box at every failure ("Save all"), a box once for each
    // reason, nothing of a failure (the caller tells it), without taking the focus (nobody
    // asked for the save), or on the terminal (the program ends).
    enum class Telling { Box, Once, Quietly, Background, Ending };
    void present(const SaveReport& report, Telling how);
    void reportDamage(const LoadResult& loaded, bool optionsRead);
    void fillTabs();
    // Takes the pages and their tabs away; buildPages() makes them again. They are destroyed
    // once the event loop has them (or with the dialog).
    void dropPages();
    void focusPage();
    void tick();
    void showDisplayState();
    void pagesLeft(bool withOptions);
    void pagesEntered();
    void closeFromButton();
    // Whether the control (or the one it belongs to) has a use of its own for Enter.
    bool usesEnterItself(const QWidget* control) const;

    MessageBoxes& messages_;
    QString dataPath_;
    QStringList startCommand_{QCoreApplication::applicationFilePath()};
    Document document_;
    std::unique_ptr<WindowSystem> windows_;
    WavePlayerFactory openWave_;
    TodaySource today_;
    std::unique_ptr<WavePlayer> wavePlayer_;
    std::optional<std::string> wavePlayerFile_; // the file the player was opened on
    StickumTracker tracker_{document_.records(), document_.options(), *windows_, messages_};
    TickTimer timer_;
    std::optional<int> exitStatus_;
    bool displayOn_ = true;
    bool switchingWindow_ = false;
    bool ended_ = false;
    bool serverGone_ = false;
    QString lastSaveFailure_;      // the failure already told
    QElapsedTimer stickumTouched_; // since the user last typed into or moved a Stickum
    QuietNotices* notices_ = nullptr;
    int currentPage_ = 0;
    QTabWidget* tabs_ = nullptr;
    NotesDialog* notes_ = nullptr;
    PrestitiDialog* lendings_ = nullptr;
    CalendarDialog* reminders_ = nullptr;
    OptionDialog* optionsPage_ = nullptr;
    AboutDialog* about_ = nullptr;
    std::vector<QPointer<QWidget>> droppedPages_; // taken away, not destroyed yet
};
