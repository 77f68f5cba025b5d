#include "process/commandline.h"

#include "look/recordtext.h"
#include "model/catalogue.h"
#include "model/postit.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <array>
#include <utility>

namespace {

// Options the toolkit reads itself: they pass through untouched and stay out of the help.
constexpr std::array kToolkitValueOptions{
    "platform", "platformpluginpath", "platformtheme",   "plugin",      "display",      "session",
    "style",    "stylesheet",         "qwindowgeometry", "qwindowicon", "qwindowtitle", "geometry"};
constexpr std::array kToolkitFlags{"reverse", "sync"};

// A mistake on the command line: what it is, and where the whole usage is.
CommandLine misused(const QString& problem) {
    CommandLine line;
    line.exitStatus = kUsageStatus;
    line.errors =
        QStringLiteral("quillbox: %1\nTry 'quillbox --help' for more information.\n").arg(problem);
    return line;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Notes, lendings and reminders as Stickums on the desktop, living in the tray.\n"
        "A command given while Quillbox runs on the same data file goes to that Quillbox."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    const QCommandLineOption data(
        QStringLiteral("data"),
        QStringLiteral("Keep everything in FILE instead of the usual quillbox.dat."),
        QStringLiteral("FILE"));
    const QCommandLineOption toggle(
        QStringLiteral("toggle"),
        QStringLiteral("Switch the Stickums off or on, as a left click on the tray icon."));
    const QCommandLineOption show(QStringLiteral("show"),
                                  QStringLiteral("Open the main window, as a right click on the "
                                                 "tray icon."));
    const QCommandLineOption newNote(
        QStringLiteral("new-note"),
        QStringLiteral("Add a note with TEXT and show its Stickum; - reads the text from "
                       "standard input; an empty TEXT gives a blank Stickum to type into."),
        QStringLiteral("TEXT"));
    const QCommandLineOption quit(
        QStringLiteral("quit"),
        QStringLiteral("Make the running Quillbox save everything and end, without asking."));
    const QCommandLineOption exportData(
        QStringLiteral("export"),
        QStringLiteral("Write the notes, lendings and reminders to standard output as text. "
                       "Only reads the data file; works while Quillbox runs."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("With --export: write JSON, with every field "
                                                 "and the options."));
    parser.addOptions({help, version, data, toggle, show, newNote, quit, exportData, json});
    for (const char* name : kToolkitValueOptions) {
        QCommandLineOption passed(QString::fromLatin1(name), {}, QStringLiteral("value"));
        passed.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(passed);
    }
    for (const char* name : kToolkitFlags) {
        QCommandLineOption passed(QString::fromLatin1(name));
        passed.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(passed);
    }

    QString helpText = parser.helpText();
    helpText.replace(QStringLiteral("<executable_name>"), QStringLiteral("quillbox"));
    if (!arguments.isEmpty())
        helpText.replace(arguments.first() + QStringLiteral(" [options]"),
                         QStringLiteral("quillbox [options]"));

    if (!parser.parse(arguments)) return misused(parser.errorText());
    if (parser.isSet(help)) {
        CommandLine line;
        line.exitStatus = 0;
        line.output = helpText;
        return line;
    }
    if (parser.isSet(version)) {
        CommandLine line;
        line.exitStatus = 0;
        line.output = QStringLiteral("%1 %2\n").arg(QString::fromUtf8(msg::ProgramName),
                                                    QStringLiteral(QUILLBOX_VERSION));
        return line;
    }
    if (!parser.positionalArguments().isEmpty())
        return misused(
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));

    CommandLine line;
    int commands = 0;
    for (const auto& [option, command] :
         {std::pair{&toggle, Command::Toggle}, std::pair{&show, Command::Show},
          std::pair{&newNote, Command::NewNote}, std::pair{&quit, Command::Quit},
          std::pair{&exportData, Command::Export}}) {
        if (!parser.isSet(*option)) continue;
        line.command = command;
        ++commands;
    }
    if (commands > 1)
        return misused(QStringLiteral("Give one of --toggle, --show, --new-note, --quit and "
                                      "--export at a time."));
    line.json = parser.isSet(json);
    line.displayGiven = parser.isSet(QStringLiteral("display"));
    if (line.json && line.command != Command::Export)
        return misused(QStringLiteral("--json goes with --export."));
    // An empty text makes a blank Stickum to type into (the launcher's "New note").
    if (line.command == Command::NewNote) line.noteText = parser.value(newNote);
    if (parser.isSet(data)) {
        const QFileInfo file(parser.value(data));
        if (parser.value(data).isEmpty() || file.isDir())
            return misused(
                QStringLiteral("--data needs a file, not '%1'.").arg(parser.value(data)));
        // Well said, but not there: a failure, as a file that cannot be read is.
        if (!file.absoluteDir().exists()) {
            line.exitStatus = kFailureStatus;
            line.errors = QStringLiteral("quillbox: The folder of '%1' does not exist.\n")
                              .arg(file.filePath());
            return line;
        }
        line.dataFile = file.absoluteFilePath();
    }
    return line;
}

std::string storedNoteText(QString text) {
    // Lines broken as on any system are broken as a note typed into the page: a text written
    // with CR LF breaks is not given a second CR.
    return fromEditText(withEditLineBreaks(std::move(text)), kTextBytes);
}
