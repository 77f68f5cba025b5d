#pragma once

#include "model/options.h"
#include "process/commandchannel.h"
#include "process/commandline.h"

#include <QString>

#include <functional>
#include <optional>

class MyApp;
class SingleInstance;

// The data file the command line names, or else the usual one: quillbox.dat in dataDirectory
// when the caller has found it already, so it is not looked for twice.
QString dataPathFor(const CommandLine& line, const QString& dataDirectory = {});

// What the program takes from the desktop for the options a data file leaves unsettled: the
// caption colour (when the application knows the desktop's palette) and the default sound.
PlatformDefaults desktopDefaults();

// Help, version or a bad command line: prints what there is to print; the exit status.
int finishEarly(const CommandLine& line);

// A plain start where no display is named: says so; the exit status.
int noDisplayToStartOn();

// While it is in force, a fatal message from the toolkit (a display that cannot be reached, no
// platform that starts) ends the program with status 1 and the message, instead of an abort
// and a core dump.
class FatalAsFailure {
public:
    FatalAsFailure();
    ~FatalAsFailure();
    FatalAsFailure(const FatalAsFailure&) = delete;
    FatalAsFailure& operator=(const FatalAsFailure&) = delete;
    // Puts the toolkit's own handling back before the end of the scope.
    void restore();

private:
    bool inForce_ = true;
};

// --new-note - : the note's text from standard input (one final line break dropped). False,
// with the reason printed, when there is none.
bool readNoteText(CommandLine& line);

// The commands that need no display (--export and --quit), and the others when there is no
// display: then only a Quillbox that runs, or is starting, can take them. The exit status.
int runWithoutDisplay(const CommandLine& line, const QString& dataPath);

// Another Quillbox holds the data file: hands it the command, waiting a little while it starts.
// The exit status, or nothing when that Quillbox ended meanwhile and the lock is now ours.
std::optional<int> handOver(const CommandLine& line, SingleInstance& instance);

// What the running program does with a command: the display switch, the main window, a new
// note, or stop (which calls stop once the answer has gone). Nothing it does waits on the user:
// the one who gave the command is waiting for the answer.
CommandAnswer carryOut(MyApp& app, Command command, const QString& text,
                       std::function<void()> stop);
