#pragma once

#include "model/options.h"

#include <QAbstractButton>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <vector>

// One button of a mini title bar: drawn by the title bar's own rules. A click never takes the
// focus from the text; Tab does, and Space presses it then.
class TitleBarButton : public QAbstractButton {
    Q_OBJECT
public:
    TitleBarButton(int flag, int size, QWidget* parent);
    int flag() const { return flag_; }
    // Replaces the picture; the disabled look is made again when next needed.
    void setPicture(int pictureId, const QImage& picture);
    int pictureId() const { return pictureId_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& grayImage(const QRect& face);

    int flag_;
    int pictureId_ = 0;
    QImage icon_;
    QImage grayImage_; // the disabled look, made the first time it is drawn disabled
};

// The thin caption strip along the top of a Stickum: a gradient or flat caption picture with
// the caption text, up to 16 small buttons at its right end, and dragging of its parent.
class MiniTitleBar : public QWidget {
    Q_OBJECT
public:
    enum Button : int { Maximise = 1, Minimise = 2, Close = 4, RollUp = 8 };
    static constexpr int kMaxButtons = 16;
    static constexpr int kCaptionBytes = 49;

    MiniTitleBar(QWidget* parent, const QString& caption, int height, int border);

    // At most 49 bytes of UTF-8; the picture shows it from its next rebuild.
    void setCaption(const QString& caption);
    // Stores the colours and rebuilds the picture, unless nothing changed.
    void setColors(bool gradient, ColorRef startColor, ColorRef endColor);
    void setButtons(int flags);
    bool enableButton(int flag, bool enabled);
    bool setButtonImage(int flag, int pictureId);

    // Button geometry for this strip.
    int buttonSize() const;
    int buttonTop() const;
    TitleBarButton* button(int flag) const;
    int buttonCount() const { return static_cast<int>(buttons_.size()); }
    bool rolledUp() const { return rolledUp_; }

    // The size change of the strip: the width follows, the height stays.
    void setWidth(int width);
    // The ready-made caption picture (null before the first drawing).
    const QImage& captionImage() const { return captionImage_; }

    // Dragging of the parent; the owning frame passes its own mouse events here too.
    void dragPress(const QPoint& globalPos);
    void dragMove(const QPoint& globalPos);
    void dragRelease();

signals:
    // The RollUp button: true to roll the parent up to its title bar, false to unroll it.
    void rollRequested(bool up);
    // The user let go of the parent after dragging it somewhere else.
    void dragged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    friend struct MiniTitleBarTestPeer;

    void rebuild();
    QRect workOutCaptionRect() const;
    void layoutButtons(int x);
    void addButton(int flag, int pictureId);
    void buttonClicked(int flag);
    // What a screen reader calls the button: its action in the state the strip is in.
    void nameButton(TitleBarButton* button) const;
    QImage loadPicture(int pictureId) const;
    // Makes the pictures again when the strip's screen has another pixel density.
    void followPixelRatio();

    int height_;
    int border_;
    QRect captionRect_;
    bool ready_ = false;
    bool gradient_ = false;
    ColorRef startColor_ = 0;
    ColorRef endColor_ = 0;
    QPoint dragOrigin_;
    bool dragging_ = false;
    bool dragMoved_ = false; // the parent moved since the press
    QFont font_;
    bool hasFont_ = false;
    QString caption_;
    int textLeft_ = 2;
    int textRight_ = -1;
    QImage captionImage_;
    int buttonFlags_ = 0;
    std::vector<TitleBarButton*> buttons_;
    bool rolledUp_ = false;
    bool maximised_ = false;
};
