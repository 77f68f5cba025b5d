#pragma once

#include "model/options.h"

#include <QColor>
#include <QFont>
#include <QPalette>

// Fonts and desktop colours of Stickums and their title bars.

// The font a stored logical-font record describes: a negative height is the character height
// in pixels, a positive one the cell height; weight 0 is normal; an empty face keeps the
// application font's family.
QFont fontFromLogFont(const LogFont& logFont);

// The record of a chosen font: its face (cut to what the record holds), its character height
// in pixels as a negative height, weight, italic, underline and strike-out; the default
// character set and 0 for everything else.
LogFont logFontFromFont(const QFont& font);

// The Stickum text font: the options' font, or the application font when they hold none.
QFont stickumFont(const Options& options);

// The title bar's caption font: "Arial" at weight 200 with the given character height. Debian
// ships Arial's metric twin "Liberation Sans", which takes its place when Arial is missing.
QFont captionFont(int pixelSize);

// The desktop colours the title bar and the Stickum are drawn in, read from a palette so that
// a theme change (or a test) reaches them.
namespace desktop {
inline QColor activeCaption(const QPalette& p) {
    return p.color(QPalette::Active, QPalette::Highlight);
}
inline QColor captionText(const QPalette& p) {
    return p.color(QPalette::Active, QPalette::HighlightedText);
}
inline QColor windowFrame(const QPalette& p) {
    return p.color(QPalette::Active, QPalette::Shadow);
}
inline QColor buttonFace(const QPalette& p) {
    return p.color(QPalette::Active, QPalette::Button);
}
inline QColor buttonShadow(const QPalette& p) {
    return p.color(QPalette::Active, QPalette::Dark);
}
inline QColor buttonLight(const QPalette& p) {
    return p.color(QPalette::Active, QPalette::Midlight);
}
inline QColor buttonHighlight(const QPalette& p) {
    return p.color(QPalette::Active, QPalette::Light);
}
inline QColor grayText(const QPalette& p) {
    return p.color(QPalette::Disabled, QPalette::WindowText);
}
} // namespace desktop
