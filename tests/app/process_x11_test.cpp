// The real program as its own process on a real X11 desktop: told to stop by a signal, it
// saves what the user typed into a Stickum; a second start against the same data file steps
// back. Runs inside scripts/xsession.sh.
#include "fakes.h"
#include "notefiles.h"
#include "process/singleinstance.h"
#include "programrun.h"
#include "setfor.h"
#include "storage/datafile.h"
#include "storage/fileidentity.h"

#include <QDir>
#include <QPoint>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// A copy of Quillbox in a directory of its own, with a data file holding one note.
class RealProgram : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(writeNotes(dataPath(), {{"milk", {300, 200}}})); }

    std::string dataPath() const { return run.dataPath().toStdString(); }
    qint64 start() { return run.start().processId(); }
    std::string savedText() const {
        const std::vector<std::string> texts = notesIn(dataPath());
        return texts.empty() ? std::string() : texts[0];
    }
    // Types the text at the end of the note's Stickum's text, once the Stickum is on show and has
    // the focus, and gives the keys time to reach the program.
    static void typeIntoStickum(qint64 pid, const QString& text) {
        ASSERT_FALSE(windowOf(pid, "^Stickum$").isEmpty()) << "the note's Stickum did not appear";
        ASSERT_TRUE(waitFor(
            [&] {
                const QString shown = windowOf(pid, "^Stickum$");
                runCommand("xdotool", {"mousemove", "--window", shown, "30", "30", "click", "1"});
                return output("xdotool", {"getwindowfocus"}) == shown;
            },
            10s));
        runCommand("xdotool", {"key", "ctrl+End", "type", text});
        std::this_thread::sleep_for(300ms);
    }

    ProgramRun run{ProgramRun::Place::Copied};
};

} // namespace

TEST_F(RealProgram, AStopSignalSavesWhatWasTypedIntoAStickum) {
    for (const int signalNumber : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signalNumber);
        QProcess& program = run.start();
        const std::string typed = " and tea " + std::to_string(signalNumber);
        ASSERT_NO_FATAL_FAILURE(
            typeIntoStickum(program.processId(), QString::fromStdString(typed)));
        sendSignal(program, signalNumber);
        EXPECT_EQ(waitForExit(program), 0);
        EXPECT_EQ(savedText().find("milk"), 0u);
        EXPECT_NE(savedText().find(typed), std::string::npos) << savedText();
    }
}

TEST_F(RealProgram, ASecondStartStepsBackAndAStaleLockDoesNot) {
    QProcess& first = run.start();
    ASSERT_FALSE(windowOf(first.processId(), "^Stickum$").isEmpty());

    QProcess& second = run.start();
    const QString box = windowOf(second.processId(), "^Quillbox$");
    ASSERT_FALSE(box.isEmpty()) << "the second start said nothing";
    // The user answers the box (OK) and the second one ends.
    std::optional<int> status;
    waitFor(
        [&] {
            runCommand("xdotool", {"windowactivate", "--sync", box, "key", "Return"});
            status = waitForExit(second, 500ms);
            return status.has_value();
        },
        10s);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(waitForExit(first, 200ms), std::nullopt) << "the first one is still running";
    EXPECT_EQ(savedText(), "milk");

    // A Quillbox that died leaves its lock behind; the next start takes it over.
    first.kill();
    waitForExit(first);
    QProcess& third = run.start();
    EXPECT_FALSE(windowOf(third.processId(), "^Stickum$").isEmpty());
    sendSignal(third, SIGTERM);
    EXPECT_EQ(waitForExit(third), 0);
    EXPECT_EQ(savedText(), "milk");
}

TEST_F(RealProgram, ALostXServerSavesWhatWasJustTypedAndGivesTheLockBack) {
    // An X server of the test's own, which it ends: the program and xdotool use it.
    OwnXServer server(QSize(800, 600));
    ASSERT_FALSE(server.display().isEmpty());
    const SetFor display("DISPLAY", server.display());
    QProcess& program = run.start();
    ASSERT_NO_FATAL_FAILURE(typeIntoStickum(program.processId(), " and bread"));
    // The keys reached the program; long before the Stickum's own save, the X server goes.
    server.process().kill();
    EXPECT_TRUE(waitForExit(program).has_value()) << "the program did not end";
    EXPECT_EQ(savedText(), "milk and bread");
    const SetFor runtime("XDG_RUNTIME_DIR", run.runtimePath());
    const SetFor state("XDG_STATE_HOME", run.statePath);
    const QString lock = runtimeNamesFor(run.dataPath()).lockFile;
    EXPECT_FALSE(lock.isEmpty() || QFile::exists(lock)) << lock.toStdString();
}

TEST_F(RealProgram, OneStopSignalEndsAStartUpBoxAndWritesNothing) {
    std::vector<std::uint8_t> damaged = run.readBytes();
    damaged.resize(damaged.size() - 30); // cut into the options block: the damage notice
    const std::vector<std::uint8_t> old{2, 0, 0, 0, 0, 0, 0, 0, 0, 0}; // the old-file question
    for (const auto& bytes : {damaged, old}) {
        run.writeBytes(bytes);
        QProcess& program = run.start();
        ASSERT_FALSE(windowOf(program.processId(), "^Quillbox - WARNING$").isEmpty())
            << "no box at start";
        sendSignal(program, SIGTERM);
        EXPECT_EQ(waitForExit(program), 0);
        EXPECT_EQ(run.readBytes(), bytes);
        EXPECT_FALSE(QFile::exists(run.backupPath()));
    }
}

TEST_F(RealProgram, LogoutThroughASessionManagerSavesEverythingWithoutABox) {
    // xsm starts the program as the only client of a session in a home of the test's own; a
    // small script tells the test its process id and, at the end, its exit status.
    const fs::path dir = run.directory().toStdString();
    const fs::path home = dir / "home";
    fs::create_directory(home);
    const fs::path script = dir / "run-quillbox";
    std::ofstream(script) << "#!/bin/sh\n'" << run.programPath().toStdString() << "' &\necho $! > '"
                          << (dir / "pid").string() << "'\nwait $!\necho $? > '"
                          << (dir / "status").string() << "'\n";
    fs::permissions(script, fs::perms::owner_all);
    std::ofstream(home / ".xsmstartup") << script.string() << "\n";
    QProcess manager;
    QProcessEnvironment env = run.environment();
    env.insert("HOME", QString::fromStdString(home.string()));
    manager.setProcessEnvironment(env);
    manager.start("xsm");
    const auto firstLine = [](const fs::path& path) {
        std::string line;
        std::ifstream(path) >> line;
        return line;
    };
    ASSERT_TRUE(waitFor([&] { return !firstLine(dir / "pid").empty(); }, 15s));
    const qint64 pid = std::stoi(firstLine(dir / "pid"));
    ASSERT_NO_FATAL_FAILURE(typeIntoStickum(pid, " and jam"));

    // The session ends as at a shutdown of the machine: quickly, with no questions.
    sendSignal(manager, SIGTERM);
    EXPECT_TRUE(waitFor([&] { return !firstLine(dir / "status").empty(); }, 15s))
        << "the program did not end (a box?)";
    EXPECT_EQ(firstLine(dir / "status"), "0");
    EXPECT_EQ(savedText(), "milk and jam");
    PostItHolder holder;
    const auto questions = OldFileQuestions::answered(false);
    DataFile(dataPath()).load(holder, questions);
    ASSERT_NE(holder.note(0), nullptr);
    EXPECT_TRUE(holder.note(0)->active()) << "the logout closed the note's Stickum";
    manager.kill();
    manager.waitForFinished(3000);
}

// Killed at random moments while it saves without pause, the program leaves a whole file each
// time, holding the last save it completed (or the one it was completing). QB_KILL_ROUNDS sets
// how many kills (a long run: QB_KILL_ROUNDS=1000).
TEST_F(RealProgram, KilledWhileSavingItLeavesAWholeFileNoOlderThanTheLastSave) {
    const char* asked = std::getenv("QB_KILL_ROUNDS");
    const int rounds = asked ? std::atoi(asked) : 40;
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> moment(0, 30000); // microseconds after the first save
    long saves = 0;
    for (int round = 0; round < rounds; ++round) {
        QProcess helper;
        helper.start(AUTOSAVE_HELPER, {run.directory()});
        // The saves have begun once the first number arrives.
        ASSERT_TRUE(waitFor([&] { return helper.canReadLine(); }, 15s));
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        helper.kill();
        helper.waitForFinished();
        QByteArray printed = helper.readAllStandardOutput();
        printed.truncate(printed.lastIndexOf('\n'));
        const long lastSaved = printed.mid(printed.lastIndexOf('\n') + 1).toLong();
        saves += lastSaved;

        PostItHolder holder;
        Options options;
        const auto questions = OldFileQuestions::answered(false);
        DataFile file(dataPath());
        ASSERT_EQ(file.load(holder, questions).status, LoadStatus::Loaded) << "round " << round;
        EXPECT_TRUE(file.readOptions(options)) << "round " << round;
        ASSERT_NE(holder.note(0), nullptr);
        const std::string text = holder.note(0)->text();
        ASSERT_EQ(text.rfind("turn ", 0), 0u) << text;
        const long onDisk = std::stol(text.substr(5));
        EXPECT_GE(onDisk, lastSaved) << "round " << round;
        EXPECT_LE(onDisk, lastSaved + 1) << "round " << round;
    }
    std::printf("%d kills among %ld completed saves\n", rounds, saves);
}

TEST_F(RealProgram, WhatTheWindowManagerDoesWritesNothingAndClosingAStickumKeepsThePlaces) {
    // One note kept off the screen (a bigger monitor elsewhere), one on it.
    ASSERT_TRUE(writeNotes(dataPath(), {{"far", {3000, 2000}}, {"near", {300, 200}}}));
    const FileIdentity before = identityOf(dataPath());
    QProcess& program = run.start();
    const auto shown = [&] { return windowIds("^Stickum$", program.processId()); };
    QString far;
    QString near;
    ASSERT_TRUE(waitFor(
        [&] {
            for (const QString& id : shown())
                (windowGeometry(id).x() == 300 ? near : far) = id;
            return !near.isEmpty() && !far.isEmpty();
        },
        15s))
        << "both Stickums on show";
    // Past the save that follows a change in a Stickum by a few seconds: the window manager
    // placing them, and the far one shown elsewhere, are none.
    std::this_thread::sleep_for(3500ms);
    EXPECT_EQ(identityOf(dataPath()), before) << "the file was written again";

    // The window manager is replaced; it takes every window over anew.
    const QStringList wmCheck{"-root", "-notype", "_NET_SUPPORTING_WM_CHECK"};
    const QString wm = output("xprop", wmCheck);
    std::system("setsid openbox --replace --sm-disable >/dev/null 2>&1 &");
    ASSERT_TRUE(waitFor(
        [&] {
            const QString now = output("xprop", wmCheck);
            return now != wm && now.contains("window id");
        },
        15s));
    // It puts the far one where it likes, as a compositor placing windows itself does.
    runCommand("xdotool", {"windowmove", "--sync", far, "32", "32"});
    // The user closes the near one with its title bar's Close button, at its right end.
    const int width = windowGeometry(near).width();
    runCommand("xdotool",
               {"mousemove", "--window", near, QString::number(width - 5), "5", "click", "1"});
    ASSERT_TRUE(waitFor([&] { return shown().size() == 1; }, 10s))
        << "the near Stickum did not close";
    sendSignal(program, SIGTERM);
    EXPECT_EQ(waitForExit(program), 0);

    PostItHolder saved;
    const auto questions = OldFileQuestions::answered(false);
    DataFile(dataPath()).load(saved, questions);
    ASSERT_EQ(saved.noteCount(), 2);
    EXPECT_EQ(QPoint(saved.attrAt(0)->x, saved.attrAt(0)->y), QPoint(3000, 2000));
    EXPECT_EQ(QPoint(saved.attrAt(1)->x, saved.attrAt(1)->y), QPoint(300, 200));
    EXPECT_FALSE(saved.note(1)->active()) << "closed";
}

TEST_F(RealProgram, AStopWhoseSaveFailsKeepsTheUnsavedVersionAndSaysWhere) {
    QProcess& program = run.start();
    ASSERT_NO_FATAL_FAILURE(typeIntoStickum(program.processId(), " and tea"));
    // Something the save cannot replace takes the data file's place.
    QFile::remove(run.dataPath());
    QDir().mkpath(run.dataPath() + "/in the way");
    sendSignal(program, SIGTERM);
    EXPECT_EQ(waitForExit(program), 1);
    const QString said = run.errors();
    const QString marker = "The unsaved version is in ";
    const qsizetype at = said.indexOf(marker);
    ASSERT_NE(at, -1) << said.toStdString();
    const fs::path rescue =
        said.mid(at + marker.size(), said.indexOf('\n', at) - at - marker.size()).toStdString();
    EXPECT_EQ(rescue.parent_path().parent_path(),
              fs::path(run.statePath.toStdString()) / "Quillbox");
    EXPECT_EQ(notesIn(rescue.string()), std::vector<std::string>{"milk and tea"}) << rescue;
}
