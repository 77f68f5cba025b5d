// The real program's command line without a display: help, version, mistakes, --quit with no
// Quillbox running, and --export of data files of every version.
#include "file_bytes.h"
#include "look/gradient.h"
#include "look/recordtext.h"
#include "look/stickumlook.h"
#include "process/commandchannel.h"
#include "process/singleinstance.h"
#include "programrun.h"
#include "resources/dialogs.h"
#include "setfor.h"
#include "storage/datafile.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QTest>

#include <unistd.h>

#include <gtest/gtest.h>

namespace {

QString shown(const std::string& bytes) {
    return toEditText(bytes);
}

QString iso(Date date) {
    const DayMonthYear day = splitDate(date);
    return QString::asprintf("%04d-%02d-%02d", day.year, day.month, day.day);
}

QString hex(ColorRef c) {
    return QString::asprintf("#%02x%02x%02x", redOf(c), greenOf(c), blueOf(c));
}

// Every field of the exported record against the record read in this process.
void expectRecord(const QJsonObject& json, const PostIt& record, const PostItAttr& attr) {
    EXPECT_EQ(json["text"].toString(), shown(record.text()));
    EXPECT_EQ(json["active"].toBool(), record.active());
    EXPECT_EQ(json["displayState"].toInt(), static_cast<int>(record.displayState()));
    EXPECT_EQ(json["x"].toInt(), attr.x);
    EXPECT_EQ(json["y"].toInt(), attr.y);
    if (record.kind() == KindLending) {
        const auto& lending = static_cast<const Prestito&>(record);
        EXPECT_EQ(json["person"].toString(), shown(lending.person()));
        EXPECT_EQ(json["date"].toString(), iso(lending.date()));
        EXPECT_EQ(json["daysAfter"].toInt(), lending.daysAfter());
        EXPECT_EQ(json["iOwe"].toBool(), lending.iOwe());
        EXPECT_EQ(json["sound"].toBool(), lending.sound());
    } else if (record.kind() == KindReminder) {
        const auto& reminder = static_cast<const Appointement&>(record);
        EXPECT_EQ(json["date"].toString(), iso(reminder.date()));
        EXPECT_EQ(json["daysBefore"].toInt(), reminder.daysBefore());
        EXPECT_EQ(json["sound"].toBool(), reminder.sound());
    }
}

void expectOptions(const QJsonObject& json, const Options& options) {
    EXPECT_EQ(json["stickumColor"].toString(), hex(options.stickumColor));
    EXPECT_EQ(json["textColor"].toString(), hex(options.textColor));
    EXPECT_EQ(json["titleBarColor"].toString(), hex(options.titleBarColor));
    EXPECT_EQ(json["defaultCaptionColor"].toBool(), options.defaultCaptionColor);
    EXPECT_EQ(json["dimensionMode"].toInt(), options.dimensionMode);
    EXPECT_EQ(json["scrollBar"].toBool(), options.scrollBar);
    EXPECT_EQ(json["heightInLines"].toInt(), options.heightInLines);
    EXPECT_EQ(json["reminderDaysBefore"].toInt(), options.reminderDaysBefore);
    EXPECT_EQ(json["lendingDaysAfter"].toInt(), options.lendingDaysAfter);
    EXPECT_EQ(json["defaultSound"].toBool(), options.defaultSound);
    EXPECT_EQ(json["waveFile"].toString(), shown(options.waveFile));
    const QJsonValue font = json["stickumFont"];
    ASSERT_EQ(font.isNull(), !options.stickumFont.has_value());
    if (!options.stickumFont) return;
    EXPECT_EQ(font["face"].toString(), shown(options.stickumFont->face()));
    EXPECT_EQ(font["height"].toInt(), options.stickumFont->height);
    EXPECT_EQ(font["weight"].toInt(), options.stickumFont->weight);
    EXPECT_EQ(font["italic"].toInt(), options.stickumFont->italic);
    EXPECT_EQ(font["charSet"].toInt(), options.stickumFont->charSet);
}

// The records of one kind in the order of the file.
QJsonArray arrayOf(const QJsonObject& all, int kind) {
    const char* name = kind == KindNote ? "notes" : kind == KindLending ? "lendings" : "reminders";
    return all[QLatin1String(name)].toArray();
}

std::vector<std::uint8_t> fontRecord() {
    std::vector<std::uint8_t> record = FileBytes::defaultFont();
    record[0] = 0xF3; // height -13
    record[1] = record[2] = record[3] = 0xFF;
    const std::string face = "Liberation Sans";
    std::copy(face.begin(), face.end(), record.begin() + 28);
    return record;
}

// Version 4, as Quillbox writes it.
std::vector<std::uint8_t> versionFour() {
    FileBytes f;
    f.i16(4).i16(3);
    f.i16(1).string("Buy milk\r\nand tea").i16(3).flag(true).i16(-20).i16(-5);
    f.i16(2).string("book").i16(1).flag(true).raw("January 5, 1998").i16(50);
    f.flag(true).flag(true).flag(true).string("Ann").i16(300).i16(10);
    f.i16(3).string("dentist").i16(1).flag(false).raw("March 5, 1999").i16(3);
    f.flag(false).flag(true).i16(400).i16(20);
    f.i32(0x00C0FFEE).i32(0x00102030).font(fontRecord()).i16(3).i16(45).flag(true).i16(2);
    f.flag(true).string("/home/u/ding.wav").i16(7).flag(false).i32(0x00336699);
    return f.bytes;
}

// Version 3: the last two options are missing.
std::vector<std::uint8_t> versionThree() {
    FileBytes f;
    f.i16(3).i16(1).i16(1).string("caf\xE9 old text").i16(1).flag(false).i16(100).i16(200);
    f.optionsUpToScrollBar(FileBytes::defaultFont()).string("/w.wav").i16(9);
    return f.bytes;
}

// The old layout (versions 0 to 2): positions first, then each kind in a list of its own;
// the wave file and the height in lines came with version 2.
std::vector<std::uint8_t> oldLayout(int version) {
    FileBytes f;
    f.i16(version).i16(3).i16(11).i16(12).i16(21).i16(22).i16(31).i16(32);
    f.i16(1).string("old note").flag(true);
    f.i16(1).string("ladder").flag(false).raw("December 31, 2001").i16(14);
    f.flag(false).flag(false).flag(true).string("Bob");
    f.i16(1).string("birthday").flag(false).raw("July 4, 2002").i16(5).flag(true).flag(false);
    f.optionsUpToScrollBar(FileBytes::defaultFont());
    if (version >= 2) f.string("/v2.wav").i16(6);
    return f.bytes;
}

class CommandLineTest : public ::testing::Test {
protected:
    QString write(const std::vector<std::uint8_t>& bytes) {
        EXPECT_TRUE(program.writeBytes(bytes));
        return program.dataPath();
    }

    ProgramRun program;
};

} // namespace

TEST_F(CommandLineTest, HelpAndVersionNeedNoDisplayAndMistakesSaySoWithTheUsage) {
    for (const char* option : {"--help", "-h", "--version"}) {
        const CommandResult result = program.run({QString::fromLatin1(option)}, {}, false);
        EXPECT_EQ(result.status, 0) << option << result.err.constData();
        EXPECT_TRUE(result.out.contains("--new-note") || result.out.startsWith("Quillbox "))
            << result.out.constData();
    }
    for (const QStringList& wrong :
         {QStringList{"--bogus"}, QStringList{"--data"}, QStringList{"--json"},
          QStringList{"--toggle", "--quit"}, QStringList{"--new-note", "-"},
          QStringList{"--autostart", "maybe"}}) {
        const CommandResult result = program.run(wrong, {}, false);
        EXPECT_EQ(result.status, 2) << wrong.join(' ').toStdString();
        EXPECT_TRUE(result.err.startsWith("quillbox: ")) << result.err.constData();
        // One line for the mistake and where the usage is, not the whole help.
        if (wrong.first() != "--new-note") {
            EXPECT_TRUE(result.err.endsWith("\nTry 'quillbox --help' for more information.\n"));
            EXPECT_EQ(result.err.count('\n'), 2) << result.err.constData();
        }
    }
    // Well said, but the folder is not there: a failure, not a mistake.
    const CommandResult nowhere =
        program.run({"--export", "--data", program.filePath("gone/quillbox.dat")}, {}, false);
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_EQ(nowhere.err.count('\n'), 1) << nowhere.err.constData();
    // One version: the one the About page names.
    const QByteArray version = program.run({"--version"}, {}, false).out.trimmed();
    const auto about = dialogTable(kAboutPage)->items;
    EXPECT_TRUE(std::any_of(about.begin(), about.end(), [&](const DialogItem& item) {
        return QByteArray(item.text) == "version " + version.mid(int(qstrlen("Quillbox ")));
    })) << version.constData();
    const CommandResult quit =
        program.run({"--quit", "--data", program.filePath("quillbox.dat")}, {}, false);
    EXPECT_EQ(quit.status, 0);
    EXPECT_TRUE(quit.out.contains("not running")) << quit.out.constData();
}

TEST_F(CommandLineTest, AutostartOnWritesTheEntryForTheDataFileAndOffRemovesIt) {
    QTemporaryDir config;
    const SetFor configHome("XDG_CONFIG_HOME", config.path());
    const QString data = program.filePath("my notes.dat");
    const QString entry = config.filePath("autostart/org.quillbox.Quillbox.desktop");
    const CommandResult on = program.run({"--autostart", "on", "--data", data}, {}, false);
    EXPECT_EQ(on.status, 0) << on.err.constData();
    EXPECT_TRUE(on.out.contains(entry.toUtf8())) << on.out.constData();
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("\nExec=" + program.programPath().toUtf8() + " --data \"" +
                                        data.toUtf8() + "\"\n"));
    const CommandResult off = program.run({"--autostart", "off"}, {}, false);
    EXPECT_EQ(off.status, 0) << off.err.constData();
    EXPECT_FALSE(QFile::exists(entry));
}

TEST_F(CommandLineTest, AStartWithoutADisplayItCanUseSaysSoAndEnds) {
    const QString data = program.filePath("quillbox.dat");
    const CommandResult none = program.run({"--data", data}, {}, false);
    EXPECT_EQ(none.status, 1) << "no abort, no core dump";
    EXPECT_TRUE(none.err.contains("no display")) << none.err.constData();
    // A display named but not there.
    program.display = QStringLiteral(":7919");
    const CommandResult unreachable = program.run({"--data", data});
    EXPECT_EQ(unreachable.status, 1);
    EXPECT_TRUE(unreachable.err.contains("quillbox: Quillbox cannot start"));
    EXPECT_FALSE(QFile::exists(data));
}

TEST_F(CommandLineTest, ACommandForTheRunningQuillboxWithoutADisplaySaysNoneRuns) {
    // From a timer or a remote shell: handed over when Quillbox runs (see the X11 tests),
    // otherwise told, never a crash.
    const CommandResult result =
        program.run({"--new-note", "later", "--data", program.filePath("quillbox.dat")}, {}, false);
    EXPECT_EQ(result.status, 1) << result.err.constData();
    EXPECT_TRUE(result.err.contains("not running")) << result.err.constData();
    EXPECT_FALSE(QFile::exists(program.filePath("quillbox.dat")));
}

TEST_F(CommandLineTest, JsonExportOfEveryVersionHoldsWhatTheProgramUsesAndWritesNothing) {
    // The options a file leaves unsettled are what the program takes: the desktop's caption
    // colour (the toolkit's here, without a display), the sound beside the program.
    const ColorRef caption = toColorRef(desktop::activeCaption(QApplication::palette()));
    const std::string ding =
        QFileInfo(program.programPath()).dir().filePath("ding.wav").toStdString();
    const QStringList newer{"defaultCaptionColor", "titleBarColor"};
    const QStringList older{"defaultCaptionColor", "heightInLines", "titleBarColor", "waveFile"};
    for (const auto& [bytes, defaults] :
         {std::pair{versionFour(), QStringList{}}, std::pair{versionThree(), newer},
          std::pair{oldLayout(2), newer}, std::pair{oldLayout(1), older},
          std::pair{oldLayout(0), older}}) {
        SCOPED_TRACE(bytes[0]);
        const QString path = write(bytes);
        const CommandResult result = program.run({"--export", "--json", "--data", path}, {}, false);
        ASSERT_EQ(result.status, 0) << result.err.constData();
        const QJsonObject all = QJsonDocument::fromJson(result.out).object();
        EXPECT_EQ(all["version"].toInt(), bytes[0]);
        EXPECT_EQ(all["defaults"].toVariant().toStringList(), defaults);

        PostItHolder holder;
        Options options = Options::initial({caption, ding});
        DataFile file(path.toStdString());
        ASSERT_EQ(file.load(holder, OldFileQuestions::answered(true)).status, LoadStatus::Loaded);
        ASSERT_TRUE(file.readOptions(options));
        if (options.defaultCaptionColor) options.titleBarColor = caption;
        ASSERT_GT(holder.count(), 0);
        int seen[4] = {};
        for (int i = 0; i < holder.count(); ++i) {
            const PostIt* record = holder.recordAt(i);
            const QJsonArray records = arrayOf(all, record->kind());
            ASSERT_LT(seen[record->kind()], records.size());
            const QJsonObject json = records[seen[record->kind()]++].toObject();
            EXPECT_EQ(json["index"].toInt(), i) << "the file's order";
            expectRecord(json, *record, *holder.attrAt(i));
        }
        for (int kind : {KindNote, KindLending, KindReminder})
            EXPECT_EQ(arrayOf(all, kind).size(), seen[kind]);
        expectOptions(all["options"].toObject(), options);
        EXPECT_EQ(QDir(program.directory()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}

TEST_F(CommandLineTest, AnExportThatCannotBeWrittenSaysSoAndFails) {
    // Standard output on a full disk: the export is not done, and must not end as if it were.
    QProcess process;
    process.setProcessEnvironment(program.environment(false));
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(program.programPath(), {"--export", "--json", "--data", write(versionFour())});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("No space left")) << "no reason given";
}

TEST_F(CommandLineTest, TextExportShowsOneBlockPerRecordWithThePagesDates) {
    const QString path = write(versionFour());
    const CommandResult result = program.run({"--export", "--data", path}, {}, false);
    ASSERT_EQ(result.status, 0) << result.err.constData();
    EXPECT_EQ(result.out.toStdString(),
              "Note\nBuy milk\nand tea\n\n"
              "Lending: I owe Ann since 01/05/1998 (alert after 50 days)\nbook\n\n"
              "Reminder: March 5th 1999\ndentist\n");

    // A note cannot steer the terminal: its control characters are shown, not sent. A lone
    // CR breaks a line, as the Stickum shows it.
    FileBytes f;
    f.i16(4).i16(1).i16(1).string("\x1b]0;owned\x07\x1b[2Jred\tend\rline").i16(3).flag(true);
    f.i16(0).i16(0);
    const CommandResult steering = program.run({"--export", "--data", write(f.bytes)}, {}, false);
    EXPECT_EQ(steering.out.toStdString(), "Note\n\\x1b]0;owned\\x07\\x1b[2Jred\tend\nline\n");
}

TEST_F(CommandLineTest, AnInstalledProgramExportsTheDataFileOfTheUsersFolder) {
    // Installed where the user may not write, the program keeps its data in the user's own
    // folder: --export must read that file, not look for another.
    const QString bin = program.filePath(QStringLiteral("bin"));
    const QString copy = QDir(bin).filePath(QStringLiteral("quillbox"));
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QFile::copy(program.programPath(), copy));
    QFile::setPermissions(bin, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool locked = ::geteuid() == 0 && QProcess::execute("chattr", {"+i", bin}) == 0;
    const auto unlock = qScopeGuard([&] {
        if (locked) QProcess::execute("chattr", {"-i", bin});
        QFile::setPermissions(bin, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner);
    });
    if (QFile probe(QDir(bin).filePath("probe")); probe.open(QIODevice::WriteOnly))
        GTEST_SKIP() << "no folder the program may not write to";

    const QString share = program.filePath(QStringLiteral("share"));
    ASSERT_TRUE(QDir().mkpath(share + QStringLiteral("/Quillbox")));
    ASSERT_TRUE(
        QFile::rename(write(versionFour()), share + QStringLiteral("/Quillbox/quillbox.dat")));
    QProcess process;
    QProcessEnvironment env = program.environment(false);
    env.insert(QStringLiteral("XDG_DATA_HOME"), share);
    process.setProcessEnvironment(env);
    process.start(copy, {"--export"});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    EXPECT_TRUE(process.readAllStandardOutput().contains("Buy milk"));
}

TEST_F(CommandLineTest, QuitWaitsForAQuillboxThatIsStillStarting) {
    // A Quillbox that holds the lock but takes no commands yet (a question at its start).
    const QString path = program.filePath(QStringLiteral("quillbox.dat"));
    const SetFor runtime("XDG_RUNTIME_DIR", program.runtimePath());
    const SetFor state("XDG_STATE_HOME", program.statePath);
    SingleInstance starting(path);
    ASSERT_TRUE(starting.acquired());
    QProcess quit;
    quit.setProcessEnvironment(program.environment(false));
    quit.start(program.programPath(), {"--quit", "--data", path});
    // Time for a --quit that does not wait to end, saying nothing runs.
    quit.waitForFinished(500);

    bool quitSeen = false;
    const CommandServer started(starting.names().socketName, [&](Command command, const QString&) {
        quitSeen = command == Command::Quit;
        return QString();
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return quit.state() == QProcess::NotRunning; }, 20000));
    EXPECT_TRUE(quitSeen) << quit.readAllStandardOutput().constData();
    EXPECT_EQ(quit.exitCode(), 0);
}
