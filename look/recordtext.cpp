#include "look/recordtext.h"

#include "model/text.h"

#include <QApplication>
#include <QByteArray>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextCursor>
#include <QTextDocument>

#include <string_view>

namespace {

// The text as UTF-8, cut to at most maxBytes bytes without splitting a character.
std::string cutUtf8(const QString& text, std::size_t maxBytes) {
    const QByteArray utf8 = text.toUtf8();
    return cutToBytes(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                      maxBytes);
}

} // namespace

QString withStoredLineBreaks(QString text) {
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

QString toEditText(const std::string& bytes) {
    return withEditLineBreaks(QString::fromStdString(displayUtf8(bytes)));
}

std::string fromEditText(const QString& text, std::size_t maxBytes) {
    const QString stored = withStoredLineBreaks(text);
    const QByteArray utf8 = stored.toUtf8();
    // A text from the earliest versions may fit its field only in their single-byte encoding:
    // it goes back in that rather than losing its end.
    if (static_cast<std::size_t>(utf8.size()) > maxBytes) {
        const auto old = toWindows1252(
            std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
        if (old && old->size() <= maxBytes) return *old;
    }
    return cutUtf8(stored, maxBytes);
}

std::size_t storedSize(const QString& text) {
    return static_cast<std::size_t>(withStoredLineBreaks(text).toUtf8().size());
}

QString cutToBytes(const QString& text, std::size_t maxBytes) {
    return QString::fromStdString(cutUtf8(text, maxBytes));
}

QString withEditLineBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

QString fittingStart(const QString& text, qsizetype from, qsizetype to, const QString& insert,
                     std::size_t maxBytes) {
    const std::size_t kept = storedSize(text.left(from)) + storedSize(text.mid(to));
    std::size_t left = kept < maxBytes ? maxBytes - kept : 0;
    qsizetype length = 0;
    while (length < insert.size()) {
        const qsizetype n = insert[length].isHighSurrogate() && length + 1 < insert.size() ? 2 : 1;
        const std::size_t bytes = storedSize(insert.mid(length, n));
        if (bytes > left) break;
        left -= bytes;
        length += n;
    }
    return insert.left(length);
}

StoredTextLimit::Place StoredTextLimit::Place::of(const QTextCursor& cursor) {
    return {cursor.document()->toPlainText(), cursor.selectionStart(), cursor.selectionEnd()};
}

bool StoredTextLimit::refusesKey(const QKeyEvent& key, const Place& place) const {
    QString typed = key.text();
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) typed = QStringLiteral("\n");
    const bool inserts =
        !typed.isEmpty() && !(key.modifiers() & Qt::ControlModifier) &&
        (typed == u'\n' || typed == u'\t' || typed.at(0).isPrint() || typed.at(0).isSurrogate());
    return inserts && fittingStart(place.text, place.from, place.to, typed, maxBytes_) != typed;
}

QString StoredTextLimit::fit(const QString& added, const Place& place) {
    const QString plain = withEditLineBreaks(added);
    const QString fitting = fittingStart(place.text, place.from, place.to, plain, maxBytes_);
    if (fitting.size() < plain.size()) {
        QApplication::beep();
        emit inputCut();
    }
    return fitting;
}

std::unique_ptr<QInputMethodEvent> StoredTextLimit::fitted(const QInputMethodEvent& event,
                                                           const Place& place) {
    if (event.commitString().isEmpty()) return nullptr;
    auto cut = std::make_unique<QInputMethodEvent>(event.preeditString(), event.attributes());
    cut->setCommitString(fit(event.commitString(), place), event.replacementStart(),
                         event.replacementLength());
    return cut;
}
