#pragma once

#include "model/options.h"

#include <QFont>
#include <QImage>
#include <QWidget>

#include <vector>

// Sizes of a gradient-caption frame, all in pixels, following the caption font.
struct CaptionMetrics {
    int frame = 3;          // the border on every side of the window
    int captionHeight = 19; // the caption with the line under it
    int line = 1;           // the line between the caption and the client
    int buttonWidth = 18;   // one caption button's cell
    int buttonHeight = 18;

    static CaptionMetrics forFont(const QFont& captionFont);
};

// The colours of the caption, taken from the desktop's palette: the highlight colour is the
// active caption, the dark shade the inactive one.
struct CaptionColors {
    ColorRef active = 0;
    ColorRef activeText = 0;
    ColorRef inactive = 0;
    ColorRef inactiveText = 0;

    static CaptionColors fromPalette(const QPalette& palette);
    bool operator==(const CaptionColors&) const = default;
};

// A top-level window without the window manager's decoration that draws its own caption: a
// gradient from black to the active caption colour with decoration pictures laid over it while
// the window is active, the flat inactive colour otherwise, the window's icon, its title and
// pictures of the close and (disabled) maximise buttons. The two caption pictures are made once
// per size and colours and kept; painting the caption is a single copy. Dragging the caption
// moves the window; a click on the close picture asks the window to close.
class TGradFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxDecorations = 10;
    static constexpr QSize kDecorationSize{64, 32};

    // The frame takes the client as its child and sizes itself around it.
    explicit TGradFrame(const QString& title, QWidget* client = nullptr);
    ~TGradFrame() override;

    QWidget* client() const { return client_; }

    // Lays a picture (from the picture table) over the active caption at x, y relative to the
    // caption; its top-left pixel's colour is transparent. False when ten exist already or the
    // picture cannot be loaded.
    bool addDecoration(int pictureId, int x, int y);
    int decorationCount() const { return static_cast<int>(decorations_.size()); }

    // Which button pictures the caption shows besides the close picture.
    void setCaptionButtons(bool minimiseBox, bool maximiseBox);

    // Forgets the caption font and both pictures; the next paint makes them again.
    void resetCaption();

    // The caption rectangle in window coordinates.
    QRect captionRect() const;
    // The caption picture for a state, made when missing or when the caption's size changed.
    const QImage& captionPicture(bool active);
    // The state the caption is drawn for: active while the window is active and enabled.
    bool captionActive() const { return isActiveWindow() && isEnabled(); }
    // The close picture's rectangle in caption coordinates.
    QRect closeButtonRect() const;

    // The buttons the caption draws, from its right end, for a screen reader.
    enum class CaptionButton { Close, Maximise, Minimise };
    std::vector<CaptionButton> captionButtons() const;
    // A button's picture in caption coordinates, and whether it is drawn enabled.
    QRect captionButtonRect(CaptionButton button) const;
    bool captionButtonEnabled(CaptionButton button) const;
    // What pressing the button asks of the window: to close, to minimise, to maximise or come
    // back; a button drawn disabled does nothing.
    void pressCaptionButton(CaptionButton button);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend struct TGradFrameTestPeer;

    struct Decoration {
        QImage picture;
        int x;
        int y;
    };

    QImage makePicture(bool active, QSize size);
    static void putDecoration(QImage& picture, const Decoration& decoration, qreal ratio);
    void drawButtons(QImage& picture, int& lastButtonLeft) const;
    void layOut();
    void fitToClient();

    QWidget* client_;
    QWidget* strip_;
    QFont captionFont_;
    bool haveCaptionFont_ = false;
    CaptionMetrics metrics_;
    CaptionColors colors_;
    QRect captionBar_{-1, -1, -1, -1};
    qreal captionRatio_ = 1; // the pixel ratio the kept pictures were made for
    QImage inactivePicture_;
    QImage activePicture_;
    std::vector<Decoration> decorations_;
    bool minimiseBox_ = false;
    bool maximiseBox_ = false;
    int pictureBuilds_ = 0;
    QString shownTitle_;
};
