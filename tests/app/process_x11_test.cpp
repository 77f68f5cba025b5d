// The real program as its own process on a real X11 desktop: told to stop by a signal, it
// saves what the user typed into a Stickum; a second start against the same data file steps
// back. Runs inside scripts/xsession.sh.
#include "fakes.h"
#include "notefiles.h"
#include "process/singleinstance.h"
#include "storage/datafile.h"
#include "storage/fileidentity.h"

#include <QPoint>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// What a shell command prints, without the last line break.
std::string output(const std::string& command) {
    std::string text;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe))
            text += buffer;
        ::pclose(pipe);
    }
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

template <typename Condition> bool waitFor(Condition condition, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(50ms);
    }
    return condition();
}

// A copy of Quillbox in a directory of its own, with a data file holding one note.
class RealProgram : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "qbprocXXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        fs::copy_file(QUILLBOX_BINARY, dir / "quillbox");
        PostItHolder holder;
        auto note = std::make_unique<Note>();
        note->setText("milk");
        note->setActive(true);
        holder.addAttached(std::move(note));
        holder.attrAt(0)->x = 300;
        holder.attrAt(0)->y = 200;
        ASSERT_TRUE(DataFile(dataPath()).save(holder, Options::initial({})).ok());
    }
    void TearDown() override {
        for (const pid_t pid : started) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        if (!sessionDisplay.empty()) ::setenv("DISPLAY", sessionDisplay.c_str(), 1);
        fs::remove_all(dir);
    }

    // An X server of the test's own (without a window manager), which the test may end: from
    // now on the programs and xdotool use it. Its process id, or -1.
    pid_t startOwnXServer() {
        int fds[2];
        if (::pipe(fds) != 0) return -1;
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "800x600x24",
                     "-nolisten", "tcp", nullptr);
            ::_exit(127);
        }
        ::close(fds[1]);
        started.push_back(pid);
        // The number, then a newline in a write of its own: the server ends if its pipe is
        // closed before the newline is through.
        std::string number;
        char c = 0;
        while (::read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        ::close(fds[0]);
        if (number.empty()) return -1;
        if (const char* current = std::getenv("DISPLAY")) sessionDisplay = current;
        ::setenv("DISPLAY", (":" + number).c_str(), 1);
        return pid;
    }

    std::string dataPath() const { return (dir / "quillbox.dat").string(); }

    // Starts the program; with errors, what it writes on its standard error goes there.
    pid_t start(const fs::path& errors = {}) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            // What Quillbox keeps about its data file stays with the test.
            ::setenv("XDG_STATE_HOME", (dir / "state").c_str(), 1);
            if (!errors.empty()) std::freopen(errors.c_str(), "w", stderr);
            const std::string program = (dir / "quillbox").string();
            ::execl(program.c_str(), program.c_str(), nullptr);
            ::_exit(127);
        }
        started.push_back(pid);
        return pid;
    }
    // The exit status once the program has ended by itself, or -1.
    int waitForExit(pid_t pid, std::chrono::milliseconds limit = 10s) {
        int status = 0;
        const bool ended = waitFor([&] { return ::waitpid(pid, &status, WNOHANG) == pid; }, limit);
        if (!ended) return -1;
        std::erase(started, pid);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    // A window of the process with that name that is on show (and not its tray icon).
    std::string windowOf(pid_t pid, const std::string& name) {
        std::string found;
        waitFor(
            [&] {
                const std::string ids =
                    output("xdotool search --all --onlyvisible --pid " + std::to_string(pid) +
                           " --name '^" + name + "$' 2>/dev/null");
                std::size_t start = 0;
                while (start < ids.size()) {
                    const std::size_t end = std::min(ids.find('\n', start), ids.size());
                    const std::string id = ids.substr(start, end - start);
                    start = end + 1;
                    const std::string width = output("xdotool getwindowgeometry --shell " + id +
                                                     " | sed -n 's/^WIDTH=//p'");
                    if (!width.empty() && std::stoi(width) > 40) {
                        found = id;
                        return true;
                    }
                }
                return false;
            },
            15s);
        return found;
    }
    std::string savedText() const {
        PostItHolder holder;
        const auto questions = OldFileQuestions::answered(false);
        DataFile(dataPath()).load(holder, questions);
        return holder.note(0) ? holder.note(0)->text() : std::string();
    }
    // Types the text at the end of the Stickum's text, once it has the focus.
    void typeIntoStickum(pid_t pid, const std::string& text) {
        ASSERT_TRUE(waitFor(
            [&] {
                const std::string shown = windowOf(pid, "Stickum");
                std::system(("xdotool mousemove --window " + shown + " 30 30 click 1").c_str());
                return output("xdotool getwindowfocus") == shown;
            },
            10s));
        std::system(("xdotool key ctrl+End type '" + text + "'").c_str());
    }

    fs::path dir;
    std::vector<pid_t> started;
    std::string sessionDisplay; // the desktop's own display while the test uses its own
};

} // namespace

TEST_F(RealProgram, AStopSignalSavesWhatWasTypedIntoAStickum) {
    for (const int signalNumber : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signalNumber);
        const pid_t pid = start();
        const std::string stickum = windowOf(pid, "Stickum");
        ASSERT_FALSE(stickum.empty()) << "the note's Stickum did not appear";
        const std::string typed = " and tea " + std::to_string(signalNumber);
        typeIntoStickum(pid, typed);
        std::this_thread::sleep_for(300ms);
        ::kill(pid, signalNumber);
        EXPECT_EQ(waitForExit(pid), 0);
        EXPECT_EQ(savedText().find("milk"), 0u);
        EXPECT_NE(savedText().find(typed), std::string::npos) << savedText();
    }
}

TEST_F(RealProgram, ASecondStartStepsBackAndAStaleLockDoesNot) {
    const pid_t first = start();
    ASSERT_FALSE(windowOf(first, "Stickum").empty());

    const pid_t second = start();
    const std::string box = windowOf(second, "Quillbox");
    ASSERT_FALSE(box.empty()) << "the second start said nothing";
    // The user answers the box (OK) and the second one ends.
    int status = -1;
    waitFor(
        [&] {
            std::system(("xdotool windowactivate --sync " + box + " key Return").c_str());
            status = waitForExit(second, 500ms);
            return status != -1;
        },
        10s);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(waitForExit(first, 200ms), -1) << "the first one is still running";
    EXPECT_EQ(savedText(), "milk");

    // A Quillbox that died leaves its lock behind; the next start takes it over.
    ::kill(first, SIGKILL);
    waitForExit(first);
    const pid_t third = start();
    EXPECT_FALSE(windowOf(third, "Stickum").empty());
    ::kill(third, SIGTERM);
    EXPECT_EQ(waitForExit(third), 0);
    EXPECT_EQ(savedText(), "milk");
}

TEST_F(RealProgram, ALostXServerSavesWhatWasJustTypedAndGivesTheLockBack) {
    const pid_t server = startOwnXServer();
    ASSERT_GT(server, 0);
    const pid_t pid = start();
    ASSERT_FALSE(windowOf(pid, "Stickum").empty()) << "the note's Stickum did not appear";
    typeIntoStickum(pid, " and bread");
    // The keys reach the program; long before the Stickum's own save, the X server goes.
    std::this_thread::sleep_for(300ms);
    ::kill(server, SIGKILL);
    const int status = waitForExit(pid);
    EXPECT_NE(status, -1) << "the program did not end";
    EXPECT_EQ(savedText(), "milk and bread");
    const QString lock = runtimeNamesFor(QString::fromStdString(dataPath())).lockFile;
    EXPECT_FALSE(fs::exists(lock.toStdString())) << lock.toStdString();
}

TEST_F(RealProgram, OneStopSignalEndsAStartUpBoxAndWritesNothing) {
    const auto bytesOf = [](const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    std::string damaged = bytesOf(dataPath());
    damaged.resize(damaged.size() - 30); // cut into the options block: the damage notice
    const std::string old("\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00", 10); // the old-file question
    for (const std::string& bytes : {damaged, old}) {
        std::ofstream(dataPath(), std::ios::binary | std::ios::trunc) << bytes;
        const pid_t pid = start();
        ASSERT_FALSE(windowOf(pid, "Quillbox - WARNING").empty()) << "no box at start";
        ::kill(pid, SIGTERM);
        EXPECT_EQ(waitForExit(pid), 0);
        EXPECT_EQ(bytesOf(dataPath()), bytes);
        EXPECT_FALSE(fs::exists(dataPath() + ".bak"));
    }
}

TEST_F(RealProgram, LogoutThroughASessionManagerSavesEverythingWithoutABox) {
    // xsm starts the program as the only client of a session in a home of the test's own; a
    // small script tells the test its process id and, at the end, its exit status.
    const fs::path home = dir / "home";
    fs::create_directory(home);
    const fs::path script = dir / "run-quillbox";
    std::ofstream(script) << "#!/bin/sh\n'" << (dir / "quillbox").string() << "' &\necho $! > '"
                          << (dir / "pid").string() << "'\nwait $!\necho $? > '"
                          << (dir / "status").string() << "'\n";
    fs::permissions(script, fs::perms::owner_all);
    std::ofstream(home / ".xsmstartup") << script.string() << "\n";
    const pid_t manager = ::fork();
    if (manager == 0) {
        ::setenv("HOME", home.c_str(), 1);
        ::execlp("xsm", "xsm", nullptr);
        ::_exit(127);
    }
    started.push_back(manager);
    const auto firstLine = [](const fs::path& path) {
        std::string line;
        std::ifstream(path) >> line;
        return line;
    };
    ASSERT_TRUE(waitFor([&] { return !firstLine(dir / "pid").empty(); }, 15s));
    const pid_t pid = std::stoi(firstLine(dir / "pid"));
    ASSERT_FALSE(windowOf(pid, "Stickum").empty()) << "the note's Stickum did not appear";
    typeIntoStickum(pid, " and jam");
    std::this_thread::sleep_for(300ms);

    // The session ends as at a shutdown of the machine: quickly, with no questions.
    ::kill(manager, SIGTERM);
    EXPECT_TRUE(waitFor([&] { return !firstLine(dir / "status").empty(); }, 15s))
        << "the program did not end (a box?)";
    EXPECT_EQ(firstLine(dir / "status"), "0");
    EXPECT_EQ(savedText(), "milk and jam");
    PostItHolder holder;
    const auto questions = OldFileQuestions::answered(false);
    DataFile(dataPath()).load(holder, questions);
    ASSERT_NE(holder.note(0), nullptr);
    EXPECT_TRUE(holder.note(0)->active()) << "the logout closed the note's Stickum";
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
        int out[2];
        ASSERT_EQ(::pipe(out), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::execl(AUTOSAVE_HELPER, AUTOSAVE_HELPER, dir.c_str(), nullptr);
            ::_exit(127);
        }
        ::close(out[1]);
        started.push_back(pid);
        // The saves have begun once the first number arrives.
        std::string printed;
        char buffer[4096];
        ASSERT_TRUE(waitFor(
            [&] {
                pollfd ready{out[0], POLLIN, 0};
                if (::poll(&ready, 1, 0) == 1) {
                    const ssize_t n = ::read(out[0], buffer, sizeof buffer);
                    if (n > 0) printed.append(buffer, static_cast<std::size_t>(n));
                }
                return printed.find('\n') != std::string::npos;
            },
            15s));
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        std::erase(started, pid);
        for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;)
            printed.append(buffer, static_cast<std::size_t>(n));
        ::close(out[0]);
        printed.erase(printed.find_last_of('\n'));
        const long lastSaved = std::stol(printed.substr(printed.find_last_of('\n') + 1));
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
    const pid_t pid = start();
    const auto shown = [pid] {
        std::istringstream ids(output("xdotool search --all --onlyvisible --pid " +
                                      std::to_string(pid) + " --name '^Stickum$'"));
        return std::vector<std::string>(std::istream_iterator<std::string>(ids), {});
    };
    const auto geometry = [](const std::string& window, const std::string& field) {
        return output("xdotool getwindowgeometry --shell " + window + " | sed -n 's/^" + field +
                      "=//p'");
    };
    std::string far;
    std::string near;
    ASSERT_TRUE(waitFor(
        [&] {
            for (const std::string& id : shown())
                (geometry(id, "X") == "300" ? near : far) = id;
            return !near.empty() && !far.empty();
        },
        15s))
        << "both Stickums on show";
    // Past the save that follows a change in a Stickum by a few seconds: the window manager
    // placing them, and the far one shown elsewhere, are none.
    std::this_thread::sleep_for(3500ms);
    EXPECT_EQ(identityOf(dataPath()), before) << "the file was written again";

    // The window manager is replaced; it takes every window over anew.
    const std::string wm = output("xprop -root -notype _NET_SUPPORTING_WM_CHECK");
    std::system("setsid openbox --replace --sm-disable >/dev/null 2>&1 &");
    ASSERT_TRUE(waitFor(
        [&] {
            const std::string now = output("xprop -root -notype _NET_SUPPORTING_WM_CHECK");
            return now != wm && now.find("window id") != std::string::npos;
        },
        15s));
    // It puts the far one where it likes, as a compositor placing windows itself does.
    std::system(("xdotool windowmove --sync " + far + " 32 32").c_str());
    // The user closes the near one with its title bar's Close button, at its right end.
    const int width = std::stoi(geometry(near, "WIDTH"));
    std::system(
        ("xdotool mousemove --window " + near + " " + std::to_string(width - 5) + " 5 click 1")
            .c_str());
    ASSERT_TRUE(waitFor([&] { return shown().size() == 1; }, 10s))
        << "the near Stickum did not close";
    ::kill(pid, SIGTERM);
    EXPECT_EQ(waitForExit(pid), 0);

    PostItHolder saved;
    const auto questions = OldFileQuestions::answered(false);
    DataFile(dataPath()).load(saved, questions);
    ASSERT_EQ(saved.noteCount(), 2);
    EXPECT_EQ(QPoint(saved.attrAt(0)->x, saved.attrAt(0)->y), QPoint(3000, 2000));
    EXPECT_EQ(QPoint(saved.attrAt(1)->x, saved.attrAt(1)->y), QPoint(300, 200));
    EXPECT_FALSE(saved.note(1)->active()) << "closed";
}

TEST_F(RealProgram, AStopWhoseSaveFailsKeepsTheUnsavedVersionAndSaysWhere) {
    const pid_t pid = start(dir / "errors");
    ASSERT_FALSE(windowOf(pid, "Stickum").empty());
    typeIntoStickum(pid, " and tea");
    std::this_thread::sleep_for(300ms);
    // Something the save cannot replace takes the data file's place.
    fs::remove(dataPath());
    fs::create_directories(fs::path(dataPath()) / "in the way");
    ::kill(pid, SIGTERM);
    EXPECT_EQ(waitForExit(pid), 1);
    std::ifstream errors(dir / "errors");
    const std::string said(std::istreambuf_iterator<char>(errors), {});
    const std::string marker = "The unsaved version is in ";
    const std::size_t at = said.find(marker);
    ASSERT_NE(at, std::string::npos) << said;
    const fs::path rescue =
        said.substr(at + marker.size(), said.find('\n', at) - at - marker.size());
    EXPECT_EQ(rescue.parent_path().parent_path(), dir / "state" / "Quillbox");
    EXPECT_EQ(notesIn(rescue.string()), std::vector<std::string>{"milk and tea"}) << rescue;
}
