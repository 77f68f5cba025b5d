#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// Converts dialog units to pixels for one dialog font: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}

    int baseX() const { return baseX_; } // average character width in pixels
    int baseY() const { return baseY_; } // character height in pixels

    int x(int units) const { return scale(units, baseX_, 4); }
    int y(int units) const { return scale(units, baseY_, 8); }
    QSize size(int cx, int cy) const { return {x(cx), y(cy)}; }
    QRect rect(int left, int top, int cx, int cy) const { return {x(left), y(top), x(cx), y(cy)}; }

private:
    // units * base / divisor, rounded half away from zero.
    static int scale(int units, int base, int divisor);

    int baseX_;
    int baseY_;
};
