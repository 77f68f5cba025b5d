#pragma once

#include "model/options.h"

#include <QFont>
#include <QImage>
#include <QWidget>

// The title bar over the Options page's sample Stickum: a 12-pixel strip graded from black to
// the title bar colour with "Stickum" in the small caption font, and no buttons.
class SampleMiniTitleBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 12;
    static constexpr int kCaptionHeight = 10;

    SampleMiniTitleBar(const Options& options, QWidget* parent);

    // Takes the place of the placeholder, which is hidden: as wide as it, 12 pixels high, at
    // its top left.
    void placeOver(QWidget* placeholder);
    // The caption picture as it is drawn now.
    QImage captionImage() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Options& options_;
    QFont font_;
};
