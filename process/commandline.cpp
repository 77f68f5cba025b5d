#include "process/commandline.h"

#include "look/l10n.h"
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
    line.errors = QStringLiteral("quillbox: %1\n%2\n")
                      .arg(problem, l10n::text(QT_TRANSLATE_NOOP(
                                        "msg", "Try 'quillbox --help' for more information.")));
    return line;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(l10n::text(QT_TRANSLATE_NOOP(
        "msg",
        "Notes, lendings and reminders as Stickums on the desktop, living in the tray.\n"
        "A command given while Quillbox runs on the same data file goes to that Quillbox.")));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  l10n::text(QT_TRANSLATE_NOOP("msg", "Show this help and end.")));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        l10n::text(QT_TRANSLATE_NOOP("msg", "Show the version and end.")));
    const QCommandLineOption data(
        QStringLiteral("data"),
        l10n::text(
            QT_TRANSLATE_NOOP("msg", "Keep everything in FILE instead of the usual quillbox.dat.")),
        QStringLiteral("FILE"));
    const QCommandLineOption toggle(
        QStringLiteral("toggle"),
        l10n::text(QT_TRANSLATE_NOOP(
            "msg", "Switch the Stickums off or on, as a left click on the tray icon.")));
    const QCommandLineOption show(
        QStringLiteral("show"),
        l10n::text(QT_TRANSLATE_NOOP("msg", "Open the main window, as a right click on the "
                                            "tray icon.")));
    const QCommandLineOption newNote(
        QStringLiteral("new-note"),
        l10n::text(QT_TRANSLATE_NOOP(
            "msg", "Add a note with TEXT and show its Stickum; - reads the text from "
                   "standard input; an empty TEXT gives a blank Stickum to type into.")),
        QStringLiteral("TEXT"));
    const QCommandLineOption quit(
        QStringLiteral("quit"),
        l10n::text(QT_TRANSLATE_NOOP(
            "msg", "Make the running Quillbox save everything and end, without asking.")));
    const QCommandLineOption exportData(
        QStringLiteral("export"),
        l10n::text(QT_TRANSLATE_NOOP(
            "msg", "Write the notes, lendings and reminders to standard output as text. "
                   "Only reads the data file; works while Quillbox runs.")));
    const QCommandLineOption json(
        QStringLiteral("json"),
        l10n::text(QT_TRANSLATE_NOOP("msg", "With --export: write JSON, with every field "
                                            "and the options.")));
    const QCommandLineOption autostart(
        QStringLiteral("autostart"),
        l10n::text(QT_TRANSLATE_NOOP("msg", "Start Quillbox at login (on), or no longer (off), "
                                            "with the data file given by --data.")),
        QStringLiteral("on|off"));
    parser.addOptions(
        {help, version, data, toggle, show, newNote, quit, exportData, json, autostart});
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
    // The parser's own headings, which it words before there is an application to translate them.
    helpText.replace(QStringLiteral("Usage: "), l10n::text(QT_TRANSLATE_NOOP("msg", "Usage: ")));
    helpText.replace(QStringLiteral("\nOptions:\n"),
                     QLatin1Char('\n') + l10n::text(QT_TRANSLATE_NOOP("msg", "Options:")) +
                         QLatin1Char('\n'));
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
        line.output = QStringLiteral("%1 %2\n").arg(l10n::text(msg::ProgramName),
                                                    QStringLiteral(QUILLBOX_VERSION));
        return line;
    }
    if (!parser.positionalArguments().isEmpty())
        return misused(l10n::text(QT_TRANSLATE_NOOP("msg", "Unexpected argument '%1'."))
                           .arg(parser.positionalArguments().first()));

    CommandLine line;
    int commands = 0;
    for (const auto& [option, command] :
         {std::pair{&toggle, Command::Toggle}, std::pair{&show, Command::Show},
          std::pair{&newNote, Command::NewNote}, std::pair{&quit, Command::Quit},
          std::pair{&exportData, Command::Export}, std::pair{&autostart, Command::Autostart}}) {
        if (!parser.isSet(*option)) continue;
        line.command = command;
        ++commands;
    }
    if (commands > 1)
        return misused(
            l10n::text(QT_TRANSLATE_NOOP("msg", "Give one of --toggle, --show, --new-note, --quit, "
                                                "--export and --autostart at a time.")));
    line.json = parser.isSet(json);
    if (line.command == Command::Autostart) {
        const QString value = parser.value(autostart);
        if (value != QLatin1String("on") && value != QLatin1String("off"))
            return misused(
                l10n::text(QT_TRANSLATE_NOOP("msg", "--autostart takes on or off, not '%1'."))
                    .arg(value));
        line.autostart = value == QLatin1String("on");
    }
    line.displayGiven = parser.isSet(QStringLiteral("display"));
    if (line.json && line.command != Command::Export)
        return misused(l10n::text(QT_TRANSLATE_NOOP("msg", "--json goes with --export.")));
    // An empty text makes a blank Stickum to type into (the launcher's "New note").
    if (line.command == Command::NewNote) line.noteText = parser.value(newNote);
    if (parser.isSet(data)) {
        const QFileInfo file(parser.value(data));
        if (parser.value(data).isEmpty() || file.isDir())
            return misused(l10n::text(QT_TRANSLATE_NOOP("msg", "--data needs a file, not '%1'."))
                               .arg(parser.value(data)));
        // Well said, but not there: a failure, as a file that cannot be read is.
        if (!file.absoluteDir().exists()) {
            line.exitStatus = kFailureStatus;
            line.errors =
                QStringLiteral("quillbox: %1\n")
                    .arg(l10n::text(QT_TRANSLATE_NOOP("msg", "The folder of '%1' does not exist."))
                             .arg(file.filePath()));
            return line;
        }
        line.dataFile = file.absoluteFilePath();
    }
    return line;
}

std::string storedNoteText(QString text) {
    // A text written with CR LF breaks is not given a second CR.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return fromEditText(text, kTextBytes);
}
