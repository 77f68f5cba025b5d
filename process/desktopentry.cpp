#include "process/desktopentry.h"

#include "look/l10n.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

constexpr const char* kEntryName = "org.quillbox.Quillbox.desktop";

const char* const kGenericName = QT_TRANSLATE_NOOP("msg", "Sticky notes organiser");
const char* const kComment =
    QT_TRANSLATE_NOOP("msg", "Sticky notes, lendings and reminders that live in the tray");
//: Words a launcher finds the program by, each ending in a semicolon.
const char* const kKeywords = QT_TRANSLATE_NOOP("msg", "notes;sticky;reminder;lending;tray;");
const char* const kNewNote = QT_TRANSLATE_NOOP("msg", "New note");
const char* const kToggle = QT_TRANSLATE_NOOP("msg", "Show or hide the Stickums");

// A localisable key: the English value, then one line per language that says it otherwise.
QString localised(const char* key, const char* text) {
    QString lines = QStringLiteral("%1=%2\n").arg(QLatin1String(key), QString::fromUtf8(text));
    for (const QString& language : l10n::languages()) {
        const QString said = l10n::textIn(language, text);
        if (said != QString::fromUtf8(text))
            lines += QStringLiteral("%1[%2]=%3\n").arg(QLatin1String(key), language, said);
    }
    return lines;
}

// One argument of Exec=: quoted when it holds a character the desktop entry format reserves, with
// the characters that stay special within quotes escaped.
QString execArgument(const QString& argument) {
    static const QRegularExpression reserved(QStringLiteral("[\\s\"'\\\\><~|&;$*?#()`]"));
    if (!argument.isEmpty() && !argument.contains(reserved)) return argument;
    QString quoted(QLatin1Char('"'));
    for (const QChar c : argument) {
        if (QStringLiteral("\"`$\\").contains(c)) quoted += QLatin1Char('\\');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

} // namespace

QString execLine(const QStringList& command) {
    QStringList arguments;
    for (const QString& argument : command)
        arguments << execArgument(argument);
    // The value is a string of the entry: its backslashes are escaped once more, and a percent
    // sign is doubled so that it is no field code.
    return arguments.join(QLatin1Char(' '))
        .replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('%'), QLatin1String("%%"));
}

QString desktopEntry(const QStringList& command, EntryKind kind) {
    const QString exec = execLine(command);
    QString entry =
        QStringLiteral("[Desktop Entry]\nType=Application\nVersion=1.0\nName=Quillbox\n");
    entry += localised("GenericName", kGenericName);
    entry += localised("Comment", kComment);
    entry += QStringLiteral("Exec=%1\nIcon=org.quillbox.Quillbox\nTerminal=false\n").arg(exec);
    if (kind == EntryKind::Autostart)
        return entry + QStringLiteral("X-GNOME-Autostart-enabled=true\n");
    entry += QStringLiteral("Categories=Utility;\n");
    entry += localised("Keywords", kKeywords);
    entry += QStringLiteral("StartupNotify=false\nActions=new-note;toggle;\n");
    entry += QStringLiteral("\n[Desktop Action new-note]\n") + localised("Name", kNewNote);
    entry += QStringLiteral("Exec=%1 --new-note \"\"\n").arg(exec);
    entry += QStringLiteral("\n[Desktop Action toggle]\n") + localised("Name", kToggle);
    entry += QStringLiteral("Exec=%1 --toggle\n").arg(exec);
    return entry;
}

QString Autostart::entryPath() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("autostart/") + QLatin1String(kEntryName));
}

bool Autostart::on() {
    QFile entry(entryPath());
    if (!entry.open(QIODevice::ReadOnly)) return false;
    // An entry the desktop's own settings switched off stays there, hidden.
    static const QRegularExpression hidden(QStringLiteral("^Hidden\\s*=\\s*true\\s*$"),
                                           QRegularExpression::MultilineOption);
    return !QString::fromUtf8(entry.readAll()).contains(hidden);
}

Result Autostart::set(bool on) const {
    const QString path = entryPath();
    if (!on) {
        if (!QFileInfo::exists(path) || QFile::remove(path)) return Result::done();
        return Result::failed(QFile(path).errorString().toStdString());
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return Result::failed(l10n::text(QT_TRANSLATE_NOOP("msg", "Cannot make the folder %1"))
                                  .arg(QFileInfo(path).absolutePath())
                                  .toStdString());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(desktopEntry(command_, EntryKind::Autostart).toUtf8()) < 0 || !file.commit())
        return Result::failed(file.errorString().toStdString());
    return Result::done();
}

QStringList startCommand(const QString& programPath, const QString& dataFileGiven) {
    QStringList command{programPath};
    if (!dataFileGiven.isEmpty()) command << QStringLiteral("--data") << dataFileGiven;
    return command;
}
