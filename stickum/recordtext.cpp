#include "stickum/recordtext.h"

#include "model/text.h"

#include <QByteArray>

#include <string_view>

namespace {

// The text as UTF-8, cut to at most maxBytes bytes without splitting a character.
std::string cutUtf8(const QString& text, std::size_t maxBytes) {
    const QByteArray utf8 = text.toUtf8();
    return cutToBytes(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                      maxBytes);
}

} // namespace

QString toEditText(const std::string& bytes) {
    QString text = QString::fromStdString(displayUtf8(bytes));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

std::string fromEditText(const QString& text, std::size_t maxBytes) {
    QString stored = text;
    stored.replace(u'\n', QStringLiteral("\r\n"));
    const QByteArray utf8 = stored.toUtf8();
    // A text from the earliest versions may fit its field only in their single-byte encoding:
    // it goes back in that rather than losing its end.
    if (static_cast<std::size_t>(utf8.size()) > maxBytes) {
        const auto old = toWindows1252(std::string_view(utf8.constData(), utf8.size()));
        if (old && old->size() <= maxBytes) return *old;
    }
    return cutUtf8(stored, maxBytes);
}

QString cutToBytes(const QString& text, std::size_t maxBytes) {
    return QString::fromStdString(cutUtf8(text, maxBytes));
}
