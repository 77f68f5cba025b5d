#include "pages/dialogunits.h"

#include <QFontMetrics>

namespace {

// The average width is taken over the 52 letters, the way dialog layouts have always measured
// it, rather than over whatever the font reports as its average.
int averageCharWidth(const QFontMetrics& metrics) {
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
}

} // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    baseX_ = averageCharWidth(metrics);
    baseY_ = metrics.height();
}

int DialogUnits::scale(int units, int base, int divisor) {
    const long long product = static_cast<long long>(units) * base;
    const long long half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}
