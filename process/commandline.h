#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The exit statuses of the command line (the manual page lists them).
inline constexpr int kFailureStatus = 1;  // not done: unreadable data, no answer, no display
inline constexpr int kUsageStatus = 2;    // a mistake on the command line
inline constexpr int kNotSavedStatus = 3; // --new-note: the note was added but not saved

// What Quillbox was asked to do on its command line.
enum class Command {
    Run,       // start, or say that one already runs on the data file
    Toggle,    // the display switch of the running Quillbox
    Show,      // the main window of the running Quillbox
    NewNote,   // a new note with its Stickum on show
    Quit,      // the running Quillbox saves and ends
    Export,    // the data file's contents on standard output
    Autostart, // start with the session, or no longer
};

struct CommandLine {
    Command command = Command::Run;
    QString dataFile; // --data, made absolute; empty: the usual data file
    QString noteText; // --new-note's text ("-": read standard input)
    bool json = false;
    bool autostart = false;    // --autostart on (true) or off
    bool displayGiven = false; // -display: the X server to use, without DISPLAY
    // Set when the program ends at once (help, version, a bad command line) with this status,
    // after printing output on standard output and errors on standard error.
    std::optional<int> exitStatus;
    QString output;
    QString errors;

    // The commands that work without a display and never start the program.
    bool withoutDisplay() const {
        return command == Command::Quit || command == Command::Export ||
               command == Command::Autostart;
    }
};

// Reads the arguments (the program's name first). Qt's own options for the display and the
// session (-platform, -display, -session, ...) are accepted and left to the application.
CommandLine parseCommandLine(const QStringList& arguments);

// The text of a note given on the command line as the Notes page would store it: line breaks
// as CR LF, cut to the note's limit.
std::string storedNoteText(QString text);
