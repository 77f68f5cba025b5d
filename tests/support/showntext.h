#pragma once

#include <QString>

// A control's text as the user reads it: the "&" that marks its Alt+letter is not shown.
inline QString shownText(QString text) {
    return text.remove(QLatin1Char('&'));
}
