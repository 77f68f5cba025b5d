#pragma once

#include "model/result.h"

#include <QString>
#include <QStringList>

// Quillbox's desktop entry (org.quillbox.Quillbox.desktop): its name, comment, keywords and
// launcher actions in English and in every language Quillbox speaks. The build writes the
// installed one; "Start at login" puts one into the session's autostart folder.

// The entry that starts Quillbox with the command given (program and arguments); the launcher
// entry also offers the actions "New note" and "Show or hide the Stickums".
enum class EntryKind { Launcher, Autostart };
QString desktopEntry(const QStringList& command, EntryKind kind);

// The command's Exec= value, quoted and escaped as desktop entries want it.
QString execLine(const QStringList& command);

// Starting Quillbox with the session: the desktop entry in $XDG_CONFIG_HOME/autostart/.
class Autostart {
public:
    // command: what starts this Quillbox (the program, and --data with its file when given).
    explicit Autostart(QStringList command) : command_(std::move(command)) {}

    // ~/.config/autostart/org.quillbox.Quillbox.desktop, or where XDG_CONFIG_HOME says.
    static QString entryPath();
    // Whether the session starts Quillbox: the entry is there and not hidden.
    static bool on();
    // Writes the entry (replacing one that is there) or removes it.
    Result set(bool on) const;

private:
    QStringList command_;
};

// The command that starts this program again: its own path, and --data with the file when one
// was given.
QStringList startCommand(const QString& programPath, const QString& dataFileGiven);
