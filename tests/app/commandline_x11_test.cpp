// Commands handed to a running Quillbox on a real X11 desktop: each reaches the Quillbox of its
// own data file; a Quillbox killed outright leaves a socket that the next one takes over. Runs
// inside scripts/xsession.sh.
#include "fakes.h"
#include "notefiles.h"
#include "process/commandline.h"
#include "process/singleinstance.h"
#include "programrun.h"
#include "setfor.h"
#include "storage/atomic_file.h"
#include "storage/datafile.h"

#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>

namespace {

int shownWindows(const QProcess& process, const QString& name) {
    return int(windowIds(name, process.processId()).size());
}

// The name of the window that has the keyboard.
QString activeWindowName() {
    return output(QStringLiteral("xdotool"), {"getactivewindow", "getwindowname"});
}

class RunningQuillbox : public ::testing::Test {
protected:
    // A data file with one note in a folder of its own.
    static QString dataFile(const QTemporaryDir& dir, const std::string& text) {
        const QString path = dir.filePath(QStringLiteral("quillbox.dat"));
        EXPECT_TRUE(writeNotes(path.toStdString(), {{text, QPoint(10, 10)}}));
        return path;
    }
    static bool holds(const QString& path, const std::string& text) {
        const auto texts = notesIn(path.toStdString());
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    // Starts Quillbox on the data file and waits for its Stickum: it holds the lock then, so a
    // command started next cannot become the running Quillbox itself.
    QProcess& launch(const QString& path) {
        QProcess& process = program.start({"--data", path});
        EXPECT_TRUE(QTest::qWaitFor([&] { return shownWindows(process, "^Stickum$") > 0; }, 15000));
        return process;
    }
    CommandResult command(const QString& path, QStringList arguments,
                          const QByteArray& input = {}) {
        arguments << "--data" << path;
        return program.run(arguments, input);
    }
    // Tells the Quillbox of the data file to quit; the notes it left there once it ended.
    std::vector<std::string> quitThenNotes(QProcess& process, const QString& path) {
        EXPECT_EQ(command(path, {"--quit"}).status, 0);
        EXPECT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitCode(), 0);
        return notesIn(path.toStdString());
    }

    ProgramRun program;
    QTemporaryDir one;
    QTemporaryDir two;
};

} // namespace

TEST_F(RunningQuillbox, EachCommandReachesTheQuillboxOfItsDataFile) {
    const QString milk = dataFile(one, "milk");
    const QString bread = dataFile(two, "bread");
    QProcess& first = launch(milk);
    QProcess& second = launch(bread);

    // The command waits while the program starts, then the note is there and shown.
    EXPECT_EQ(command(milk, {"--new-note", "tea\nand cake"}).status, 0);
    EXPECT_TRUE(holds(milk, "tea\r\nand cake"));
    EXPECT_FALSE(holds(bread, "tea\r\nand cake"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownWindows(first, "^Stickum$") == 2; }, 10000));
    EXPECT_TRUE(command(milk, {"--export"}).out.contains("tea\nand cake"));

    // The display switch of one leaves the other alone.
    EXPECT_EQ(command(milk, {"--toggle"}).status, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownWindows(first, "^Stickum$") == 0; }, 10000));
    EXPECT_EQ(shownWindows(second, "^Stickum$"), 1);
    EXPECT_EQ(command(milk, {"--toggle"}).status, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownWindows(first, "^Stickum$") == 2; }, 10000));

    EXPECT_EQ(command(bread, {"--show"}).status, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownWindows(second, "^Quillbox") == 1; }, 10000));
    EXPECT_EQ(shownWindows(first, "^Quillbox"), 0);
    // A command from where there is no display (a timer, a remote shell) is handed over too.
    EXPECT_EQ(program.run({"--new-note", "no display", "--data", bread}, {}, false).status, 0);
    EXPECT_TRUE(holds(bread, "no display"));

    // Nothing but the data file stands beside it: lock and socket live in the runtime folder.
    EXPECT_EQ(QDir(one.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"quillbox.dat"});

    EXPECT_EQ(quitThenNotes(first, milk), (std::vector<std::string>{"milk", "tea\r\nand cake"}));
    EXPECT_EQ(second.state(), QProcess::Running);
}

TEST_F(RunningQuillbox, AKilledQuillboxIsTakenOverAndANewNoteStartsOne) {
    const QString milk = dataFile(one, "milk");
    QProcess& first = launch(milk);
    ASSERT_EQ(command(milk, {"--toggle"}).status, 0);
    first.kill();
    first.waitForFinished(3000);
    ASSERT_FALSE(QDir(program.runtimePath()).entryList({"*.socket"}, QDir::System).isEmpty());

    // Nobody listens on the socket left behind: --new-note starts Quillbox, which takes over the
    // lock and the socket and adds the note from standard input.
    QProcess& second = program.start({"--new-note", "-", "--data", milk});
    second.write("from a pipe\n");
    second.closeWriteChannel();
    EXPECT_TRUE(QTest::qWaitFor([&] { return holds(milk, "from a pipe"); }, 15000));
    EXPECT_EQ(quitThenNotes(second, milk), (std::vector<std::string>{"milk", "from a pipe"}));
}

TEST_F(RunningQuillbox, ANewNoteThatStartsAFullQuillboxSaysThereIsNoSpace) {
    const QString path = one.filePath(QStringLiteral("quillbox.dat"));
    PostItHolder holder;
    while (holder.addAttached(std::make_unique<Note>())) {
    }
    ASSERT_TRUE(DataFile(path.toStdString()).save(holder, Options::initial({})).ok());
    const QProcess& first = program.start({"--new-note", "one too many", "--data", path});
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownWindows(first, "^ERROR$") == 1; }, 15000));
}

TEST_F(RunningQuillbox, ANoteAddedOnOneMachineAppearsOnTheOther) {
    // The same data file on two machines, each with its Quillbox; a note added here.
    const QString here = dataFile(one, "milk");
    const QString there = two.filePath(QStringLiteral("quillbox.dat"));
    ASSERT_TRUE(QFile::copy(here, there));
    launch(here);
    QProcess& second = launch(there);
    ASSERT_EQ(command(here, {"--new-note", "from here"}).status, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shownWindows(second, "^Stickum$") == 1; }, 10000));

    // The sync tool brings this machine's version there.
    std::vector<std::uint8_t> bytes;
    readWholeFile(here.toStdString(), bytes);
    ASSERT_TRUE(arrive(there.toStdString(), bytes));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownWindows(second, "^Stickum$") == 2; }, 2000));
    EXPECT_EQ(quitThenNotes(second, there), (std::vector<std::string>{"milk", "from here"}));
    EXPECT_EQ(QDir(two.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"quillbox.dat"});
}

TEST_F(RunningQuillbox, AHandedOverNoteIsStoredByTheOneRuleForTexts) {
    const QString milk = dataFile(one, "milk");
    launch(milk);
    // Longer than a note in UTF-8, short enough in the earliest versions' encoding: kept whole
    // in that. A hundred euro signs likewise; and what fits neither is cut at a character.
    QString list = QStringLiteral("Einkaufen:");
    while (list.toUtf8().size() < 267)
        list += QStringLiteral(" Brötchen, Käse,");
    ASSERT_LE(list.size(), 255);
    for (const QString& text :
         {list, QString(100, QChar(0x20AC)), QString(200, QChar(0x0416)) + QStringLiteral("!")}) {
        ASSERT_EQ(command(milk, {"--new-note", text}).status, 0);
        EXPECT_TRUE(holds(milk, storedNoteText(text))) << text.toStdString();
    }
}

TEST_F(RunningQuillbox, OneQuillboxPerDataFileWhateverBecomesOfItsRuntimeFolder) {
    const QString milk = dataFile(one, "milk");
    const QString bread = dataFile(two, "bread");
    QProcess& first = launch(milk);
    QProcess& second = launch(bread);
    // Another session of the same user, with a runtime folder of its own: its commands reach
    // the Quillbox that runs.
    ProgramRun elsewhere;
    elsewhere.statePath = program.statePath;
    EXPECT_EQ(elsewhere.run({"--toggle", "--data", milk}).status, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownWindows(first, "^Stickum$") == 0; }, 10000));

    // Its socket taken away: the commands say so, and start no second Quillbox.
    QString milkSocket;
    {
        const SetFor runtime("XDG_RUNTIME_DIR", program.runtimePath());
        const SetFor state("XDG_STATE_HOME", program.statePath);
        milkSocket = runtimeNamesFor(milk).socketName;
    }
    ASSERT_TRUE(QFile::remove(milkSocket));
    const CommandResult quit = elsewhere.run({"--quit", "--data", milk});
    EXPECT_EQ(quit.status, 1);
    EXPECT_TRUE(quit.err.contains("is gone")) << quit.err.constData();
    EXPECT_EQ(first.state(), QProcess::Running);

    // A Quillbox killed outright leaves its socket; the next start clears it away, and only it.
    second.kill();
    second.waitForFinished(3000);
    sendSignal(first, SIGTERM);
    first.waitForFinished(10000);
    const QStringList left = QDir(program.runtimePath()).entryList({"*.socket"}, QDir::System);
    ASSERT_EQ(left.size(), 1);
    launch(milk);
    EXPECT_EQ(QDir(program.runtimePath()).entryList({"*.socket"}, QDir::System),
              QStringList{QFileInfo(milkSocket).fileName()});
}

TEST_F(RunningQuillbox, ANewBlankNoteTakesTheKeyboard) {
    const QString milk = dataFile(one, "milk");
    QProcess& first = launch(milk);
    // Another program has the keyboard when the command comes (a terminal, a launcher).
    QProcess other;
    other.start(QStringLiteral("xmessage"), {"-name", "elsewhere", "elsewhere"});
    ASSERT_TRUE(QTest::qWaitFor([] { return activeWindowName() == "elsewhere"; }, 10000));

    ASSERT_EQ(command(milk, {"--new-note", ""}).status, 0);
    EXPECT_TRUE(QTest::qWaitFor([] { return activeWindowName() == "Stickum"; }, 10000))
        << activeWindowName().toStdString();
    QProcess::execute(QStringLiteral("xdotool"), {"type", "--delay", "20", "typed here"});
    EXPECT_EQ(quitThenNotes(first, milk), (std::vector<std::string>{"milk", "typed here"}));
    other.kill();
    other.waitForFinished(3000);
}
