// The real program as its own process on a real X11 desktop: told to stop by a signal, it
// saves what the user typed into a Stickum; a second start against the same data file steps
// back. Runs inside scripts/xsession.sh.
#include "storage/datafile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
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

class NoQuestions : public OldFileQuestions {
    bool continueReadingOldFile() override { return false; }
    void oldFileFailed(const std::string&) override {}
};

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
        holder.addAttached(std::move(note), KindNote);
        holder.attrAt(0)->x = 300;
        holder.attrAt(0)->y = 200;
        ASSERT_TRUE(DataFile(dataPath()).save(holder, Options::initial({})).ok);
    }
    void TearDown() override {
        for (const pid_t pid : started) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        fs::remove_all(dir);
    }

    std::string dataPath() const { return (dir / "quillbox.dat").string(); }

    pid_t start() {
        const pid_t pid = ::fork();
        if (pid == 0) {
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
        NoQuestions questions;
        DataFile(dataPath()).load(holder, questions);
        return holder.note(0) ? holder.note(0)->text() : std::string();
    }

    fs::path dir;
    std::vector<pid_t> started;
};

} // namespace

TEST_F(RealProgram, AStopSignalSavesWhatWasTypedIntoAStickum) {
    for (const int signalNumber : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signalNumber);
        const pid_t pid = start();
        const std::string stickum = windowOf(pid, "Stickum");
        ASSERT_FALSE(stickum.empty()) << "the note's Stickum did not appear";
        // Click into the text below the title bar until it has the focus, then type at its end.
        ASSERT_TRUE(waitFor(
            [&] {
                const std::string shown = windowOf(pid, "Stickum");
                std::system(("xdotool mousemove --window " + shown + " 30 30 click 1").c_str());
                return output("xdotool getwindowfocus") == shown;
            },
            10s));
        const std::string typed = " and tea " + std::to_string(signalNumber);
        std::system(("xdotool key ctrl+End type '" + typed + "'").c_str());
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
