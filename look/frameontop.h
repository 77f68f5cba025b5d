#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class QPainter;

// At fractional scales (1.25, 1.5, 1.75) the one-pixel frame a widget draws around itself
// shares screen pixels with the edges of its own children (an edit's text area, a list's rows,
// a scroll bar), which paint after it and over it, and its outermost pixels may fall outside
// what the widget itself may paint. A FrameOnTop draws the frame once more, from a
// transparent layer over the widget and one pixel around it, after everything in it. The
// layer takes no input and follows the widget's place, size and visibility.
class FrameOnTop : public QWidget {
    Q_OBJECT
public:
    // Draws the frame, in the framed widget's coordinates.
    using Draw = std::function<void(QPainter&)>;

    FrameOnTop(QWidget* framed, Draw draw);

    // Whether frames need a layer here: only a fractional scale puts a frame and the edges of
    // what it holds on the same screen pixels.
    static bool needed();

    // A layer over every framed scroll area (a list, an edit) inside the widget.
    static void coverScrollAreas(QWidget* root);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();

    QPointer<QWidget> framed_;
    Draw draw_;
};
