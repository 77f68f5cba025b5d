// Two machines on one: two Syncthing instances on loopback keep a folder in step, each with its
// own Quillbox on its own X display (of different sizes) on a data file in that folder. Each
// test is one scenario on a data file of its own. Needs syncthing, Xvfb and xdotool.
#include "fakes.h"
#include "notefiles.h"
#include "programrun.h"
#include "storage/fileidentity.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <memory>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Notes = std::vector<std::string>;
constexpr int kWaitMs = 30000;

// Loopback ports free now, four different ones as the system hands them out: none that
// another run, or a connection going out, holds.
std::array<int, 4> freePorts() {
    std::array<int, 4> ports{};
    std::array<int, 4> held{};
    for (std::size_t i = 0; i < ports.size(); ++i) {
        sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
        socklen_t size = sizeof address;
        held[i] = ::socket(AF_INET, SOCK_STREAM, 0);
        ::bind(held[i], reinterpret_cast<sockaddr*>(&address), size);
        ::getsockname(held[i], reinterpret_cast<sockaddr*>(&address), &size);
        ports[i] = ntohs(address.sin_port);
    }
    for (const int fd : held)
        ::close(fd);
    return ports;
}

// One of the two machines: its X display, its Syncthing, its folder kept in step, and Quillbox
// run there with folders of its own.
struct Machine {
    QString name;
    QString root;
    QSize screen;
    int syncPort = 0;
    int guiPort = 0;
    QString id{}; // Syncthing's device id
    std::unique_ptr<OwnXServer> xserver{};
    std::unique_ptr<QProcess> syncthing{};
    std::unique_ptr<ProgramRun> quillbox = std::make_unique<ProgramRun>();

    QString folder() const { return root + "/Sync"; }
    QString home() const { return root + "/syncthing"; }
    // Asks Syncthing's REST interface.
    QString rest(const QString& what, const char* method = "POST") const {
        return output("curl",
                      {"-s", "-X", method, "-H", "X-API-Key: quillbox-test",
                       QStringLiteral("http://127.0.0.1:%1/rest/%2").arg(guiPort).arg(what)});
    }
};

QString config(const Machine& self, const Machine& other) {
    const QString device = QStringLiteral(
        "<device id=\"%1\" name=\"%2\" compression=\"metadata\"><address>%3</address></device>");
    return QStringLiteral(
               "<configuration version=\"36\"><folder id=\"quillbox\" label=\"quillbox\" "
               "path=\"%1\" type=\"sendreceive\" rescanIntervalS=\"2\" fsWatcherEnabled=\"true\" "
               "fsWatcherDelayS=\"1\"><device id=\"%2\"></device><device id=\"%3\"></device>"
               "<minDiskFree unit=\"%\">0</minDiskFree><maxConflicts>10</maxConflicts></folder>%4%5"
               "<gui enabled=\"true\" tls=\"false\"><address>127.0.0.1:%6</address>"
               "<apikey>quillbox-test</apikey></gui><options>"
               "<listenAddress>tcp://127.0.0.1:%7</listenAddress>"
               "<globalAnnounceEnabled>false</globalAnnounceEnabled>"
               "<localAnnounceEnabled>false</localAnnounceEnabled><relaysEnabled>false"
               "</relaysEnabled><natEnabled>false</natEnabled><startBrowser>false</startBrowser>"
               "<urAccepted>-1</urAccepted><autoUpgradeIntervalH>0</autoUpgradeIntervalH>"
               "<crashReportingEnabled>false</crashReportingEnabled><reconnectionIntervalS>1"
               "</reconnectionIntervalS><minHomeDiskFree unit=\"%\">0</minHomeDiskFree></options>"
               "</configuration>")
        .arg(self.folder(), self.id, other.id)
        .arg(device.arg(self.id, self.name, QStringLiteral("dynamic")))
        .arg(device.arg(other.id, other.name,
                        QStringLiteral("tcp://127.0.0.1:%1").arg(other.syncPort)))
        .arg(self.guiPort)
        .arg(self.syncPort);
}

class TwoMachines : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QStandardPaths::findExecutable("syncthing").isEmpty()) return;
        root = std::make_unique<QTemporaryDir>();
        // Ports of this run's own: other test runs may be going on.
        const std::array<int, 4> port = freePorts();
        machines[0] = {"one", root->filePath("one"), {1280, 800}, port[0], port[1]};
        machines[1] = {"two", root->filePath("two"), {1024, 600}, port[2], port[3]};
        for (Machine& m : machines) {
            QDir().mkpath(m.folder() + "/.stfolder");
            output("syncthing", {"generate", "--home=" + m.home(), "--no-default-folder",
                                 "--skip-port-probing"});
            m.id = output("syncthing", {"serve", "--home=" + m.home(), "--device-id"});
            m.xserver = std::make_unique<OwnXServer>(m.screen, m.root + "/xvfb.log");
            m.quillbox->display = m.xserver->display();
            ASSERT_GT(m.quillbox->display.size(), 1) << "no X server started";
        }
        for (int i = 0; i < 2; ++i) {
            Machine& m = machines[i];
            QFile file(m.home() + "/config.xml");
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(config(m, machines[1 - i]).toUtf8());
            file.close();
            m.syncthing = std::make_unique<QProcess>();
            m.syncthing->setStandardOutputFile(m.root + "/syncthing.log");
            m.syncthing->setProcessChannelMode(QProcess::MergedChannels);
            m.syncthing->start("syncthing", {"serve", "--home=" + m.home(), "--no-browser",
                                             "--no-restart", "--no-upgrade"});
        }
        // The two are in touch before the first scenario.
        ASSERT_TRUE(QTest::qWaitFor(
            [] {
                return machines[0]
                    .rest("system/connections", "GET")
                    .contains("\"connected\": true");
            },
            60000))
            << "the two Syncthing instances did not connect";
    }
    static void TearDownTestSuite() {
        for (Machine& m : machines)
            if (m.syncthing) {
                m.syncthing->kill();
                m.syncthing->waitForFinished(5000);
            }
        machines = {};
        root.reset();
    }

    void SetUp() override {
        if (!root) GTEST_SKIP() << "needs syncthing";
    }
    void TearDown() override {
        for (Machine& m : machines)
            m.quillbox->stop();
    }

    std::string dataPath(const Machine& m) const {
        return (m.folder() + "/" + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                ".dat")
            .toStdString();
    }
    Notes notesOn(const Machine& m) const {
        Notes texts = notesIn(dataPath(m));
        std::sort(texts.begin(), texts.end());
        return texts;
    }
    // The data file, with one note kept at the place, on machine one; once on machine two too,
    // Quillbox on each machine's display, with its Stickum up.
    void startWith(QPoint place) {
        ASSERT_TRUE(writeNotes(dataPath(machines[0]), {{"milk", place}}));
        ASSERT_TRUE(QTest::qWaitFor([&] { return notesOn(machines[1]) == Notes{"milk"}; }, kWaitMs))
            << "Syncthing did not bring the file to the second machine";
        for (const Machine& m : machines) {
            m.quillbox->start({"--data", QString::fromStdString(dataPath(m))});
            ASSERT_TRUE(QTest::qWaitFor([&] { return stickums(m) > 0; }, kWaitMs));
        }
    }
    // Windows of that name on the machine's display (its Quillbox's, the only program there).
    static int windowsNamed(const Machine& m, const QString& name) {
        return int(windowIds(name, 0, m.quillbox->environment()).size());
    }
    static int stickums(const Machine& m) { return windowsNamed(m, QStringLiteral("^Stickum$")); }
    void addNote(const Machine& m, const QString& text) {
        const CommandResult added =
            m.quillbox->run({"--data", QString::fromStdString(dataPath(m)), "--new-note", text});
        ASSERT_EQ(added.status, 0) << added.err.constData();
    }
    // How many times the data file on each machine was replaced by another file while the time
    // passed (Syncthing may set the time of a file it has, which is no write).
    std::array<int, 2> writesDuring(std::chrono::milliseconds time) {
        std::array<FileIdentity, 2> last{identityOf(dataPath(machines[0])),
                                         identityOf(dataPath(machines[1]))};
        std::array<int, 2> writes{};
        const auto end = std::chrono::steady_clock::now() + time;
        while (std::chrono::steady_clock::now() < end) {
            QTest::qWait(200);
            for (int i = 0; i < 2; ++i) {
                const FileIdentity now = identityOf(dataPath(machines[i]));
                writes[i] += now.inode != last[i].inode || now.size != last[i].size;
                last[i] = now;
            }
        }
        return writes;
    }

    static std::unique_ptr<QTemporaryDir> root;
    static std::array<Machine, 2> machines;
};

std::unique_ptr<QTemporaryDir> TwoMachines::root;
std::array<Machine, 2> TwoMachines::machines;

// The second machine's smaller screen cannot show the note where it is kept: that place is
// shown elsewhere there, and neither machine writes the file back for a minute.
TEST_F(TwoMachines, AChangeTravelsWithoutAWriteBackNorALoopOnScreensOfDifferentSizes) {
    ASSERT_NO_FATAL_FAILURE(startWith({1100, 650}));
    ASSERT_NO_FATAL_FAILURE(addNote(machines[0], "from one"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return stickums(machines[1]) == 2; }, kWaitMs))
        << "the note did not show on the second machine";
    EXPECT_EQ(writesDuring(std::chrono::minutes(1)), (std::array<int, 2>{0, 0}))
        << "the file was written back";
    EXPECT_EQ(notesOn(machines[0]), (Notes{"from one", "milk"}));
}

// Each machine adds a note while the link between them is paused: Syncthing keeps one version
// and a conflict copy of the other, which each Quillbox merges, says once and leaves in place.
TEST_F(TwoMachines, ChangesMadeApartEndWithEveryNoteOnBothAndTheConflictCopyToldOnceAndLeft) {
    ASSERT_NO_FATAL_FAILURE(startWith({200, 150}));
    machines[0].rest("system/pause?device=" + machines[1].id);
    ASSERT_NO_FATAL_FAILURE(addNote(machines[0], "from one"));
    ASSERT_NO_FATAL_FAILURE(addNote(machines[1], "from two"));
    // Each Syncthing has seen its own change (a scan answers once it is done) before the link
    // is back.
    for (const Machine& m : machines)
        m.rest("db/scan?folder=quillbox");
    machines[0].rest("system/resume?device=" + machines[1].id);
    const Notes all{"from one", "from two", "milk"};
    for (const Machine& m : machines)
        EXPECT_TRUE(QTest::qWaitFor([&] { return notesOn(m) == all; }, kWaitMs))
            << m.name.toStdString();

    const QString copies =
        QString::fromUtf8(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
        ".sync-conflict-*";
    QStringList kept;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !(kept = QDir(machines[0].folder()).entryList({copies})).isEmpty(); },
        kWaitMs));
    // Without a tray, each machine says so in a box, which waits for the user; once.
    const QString warning = QStringLiteral("^Quillbox - WARNING$");
    for (const Machine& m : machines)
        EXPECT_TRUE(QTest::qWaitFor([&] { return windowsNamed(m, warning) == 1; }, kWaitMs))
            << m.name.toStdString();
    QTest::qWait(3000);
    for (const Machine& m : machines) {
        EXPECT_EQ(windowsNamed(m, warning), 1) << "told once on " << m.name.toStdString();
        EXPECT_EQ(QDir(m.folder()).entryList({copies}), kept) << "the copy stays";
    }
}

} // namespace
