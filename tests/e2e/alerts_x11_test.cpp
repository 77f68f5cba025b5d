// Alerts on a real desktop, with a sound server of the journey's own: an armed lending and an
// armed reminder that are due pop up their Stickums with their texts, and the alert sound
// comes out of the speakers (a null sink whose monitor the journey records).
#include "journey.h"

#include "model/date.h"
#include "model/formats.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

using namespace xdesk;

namespace {

// A PulseAudio server with one null sink, reachable only through a socket in its directory.
class SoundServer {
public:
    SoundServer() {
        const QString conf = dir_.filePath(QStringLiteral("server.pa"));
        QFile file(conf);
        if (!file.open(QIODevice::WriteOnly)) return;
        file.write(QStringLiteral("load-module module-null-sink sink_name=speakers\n"
                                  "load-module module-native-protocol-unix socket=%1 "
                                  "auth-anonymous=1\n"
                                  "set-default-sink speakers\n")
                       .arg(socket())
                       .toUtf8());
        file.close();
        server_.setProcessEnvironment(environment());
        server_.setStandardOutputFile(QProcess::nullDevice());
        server_.setStandardErrorFile(dir_.filePath(QStringLiteral("server.log")));
        server_.start(QStringLiteral("pulseaudio"),
                      {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                       QStringLiteral("--use-pid-file=no"), QStringLiteral("-n"),
                       QStringLiteral("-F"), conf});
        if (!server_.waitForStarted(5000)) return;
        up_ = waitFor([this] {
                  return !running() ? true
                                    : runCommand(QStringLiteral("pactl"),
                                                 {QStringLiteral("--server"),
                                                  QStringLiteral("unix:") + socket(),
                                                  QStringLiteral("info")})
                                              .status == 0;
              }) &&
              running();
    }
    ~SoundServer() {
        stopRecording();
        if (running()) {
            server_.terminate();
            if (!server_.waitForFinished(3000)) server_.kill();
            server_.waitForFinished(1000);
        }
    }

    bool up() const { return up_; }
    bool running() const { return server_.state() != QProcess::NotRunning; }
    QString socket() const { return dir_.filePath(QStringLiteral("native")); }
    QString log() const {
        QFile file(dir_.filePath(QStringLiteral("server.log")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    // What a client of this server needs in its environment.
    QProcessEnvironment environment() const {
        QProcessEnvironment env;
        env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + socket());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
        env.insert(QStringLiteral("HOME"), dir_.path());
        return env;
    }

    // Records what the speakers play.
    void startRecording() {
        recorder_.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        QProcessEnvironment env = recorder_.processEnvironment();
        env.insert(environment());
        recorder_.setProcessEnvironment(env);
        recorder_.start(QStringLiteral("parecord"),
                        {QStringLiteral("--device=speakers.monitor"),
                         QStringLiteral("--file-format=wav"), recording()});
        recorder_.waitForStarted(5000);
    }
    void stopRecording() {
        if (recorder_.state() == QProcess::NotRunning) return;
        recorder_.terminate();
        if (!recorder_.waitForFinished(3000)) recorder_.kill();
        recorder_.waitForFinished(1000);
    }
    QString recording() const { return dir_.filePath(QStringLiteral("speakers.wav")); }

    // The loudest sample of the recording, 0 to 1 (sox's "Maximum amplitude").
    double loudest() const {
        QProcess sox;
        sox.start(QStringLiteral("sox"),
                  {recording(), QStringLiteral("-n"), QStringLiteral("stat")});
        sox.waitForFinished(10000);
        const QString stat = QString::fromUtf8(sox.readAllStandardError());
        const auto match =
            QRegularExpression(QStringLiteral("Maximum amplitude:\\s+([-0-9.]+)")).match(stat);
        return match.hasMatch() ? match.captured(1).toDouble() : -1;
    }

private:
    QTemporaryDir dir_;
    QProcess server_;
    QProcess recorder_;
    bool up_ = false;
};

// An armed lending I owe, due 30 days after its date.
void addLending(PostItHolder& holder, const char* person, const char* text, Date date, bool sound) {
    auto lending = std::make_unique<Prestito>();
    lending->setPerson(person);
    lending->setText(text);
    lending->setDate(date);
    lending->setDaysAfter(30);
    lending->setIOwe(true);
    lending->setSound(sound);
    lending->setActive(true);
    holder.addAttached(std::move(lending));
}

// The text of a Stickum as the user selects it with the mouse. What another window selected
// before may be read until this one's selection has come through.
QString selectedText(const Window& stickum) {
    const QString before = primarySelection();
    const QRect r = stickum.geometry;
    drag(r.topLeft() + QPoint(3, 15), r.bottomRight() - QPoint(3, 3));
    QString text;
    waitFor([&] { return !(text = primarySelection()).isEmpty() && text != before; },
            std::chrono::seconds(3));
    return text;
}

} // namespace

TEST_F(Journey, DueLendingAndReminderPopUpWithTheirTextsAndSound) {
    SoundServer speakers;
    if (!speakers.up())
        GTEST_SKIP() << "PulseAudio cannot start here, so the sound cannot be heard:\n"
                     << speakers.log().toStdString();

    PostItHolder holder;
    addLending(holder, "Ann", "the red umbrella", makeDate(5, 1, 1998), true);
    const std::string lendingAlert = formatIOwe(makeDate(5, 1, 1998), "Ann", "the red umbrella");
    auto reminder = std::make_unique<Appointement>();
    reminder->setText("Dentist at nine");
    reminder->setDate(systemToday() + 1);
    reminder->setDaysBefore(2);
    reminder->setSound(true);
    reminder->setActive(true);
    const std::string reminderAlert = formatReminder(reminder->date(), "Dentist at nine");
    Appointement* marked = reminder.get();
    holder.addReminder(std::move(reminder));
    auto reminderPlace = std::make_unique<PostItAttr>();
    reminderPlace->x = 400;
    reminderPlace->y = 250;
    holder.attach(std::move(reminderPlace), marked);
    Options options = Options::initial({});
    options.waveFile = run->wavePath().toStdString();
    run->writeData(holder, options);

    speakers.startRecording();
    run->start({}, speakers.environment());
    ASSERT_TRUE(stickumsShown(2)) << "both alerts pop up at the first tick";
    screenshot(QStringLiteral("journey3-alerts"));

    std::vector<Window> alerts = stickums();
    QStringList texts;
    for (const Window& alert : alerts)
        texts << selectedText(alert).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QString wantLending =
        QString::fromStdString(lendingAlert).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QString wantReminder =
        QString::fromStdString(reminderAlert).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    EXPECT_TRUE(texts.contains(wantLending))
        << texts.join(" | ").toStdString() << " lacks " << wantLending.toStdString();
    EXPECT_TRUE(texts.contains(wantReminder))
        << texts.join(" | ").toStdString() << " lacks " << wantReminder.toStdString();

    // The ding plays at the first tick and lasts under a second; the sound server may take a
    // moment to pass it on, so the recording runs a little longer.
    QThread::msleep(1500);
    speakers.stopRecording();
    const double loudest = speakers.loudest();
    EXPECT_GT(loudest, 0.05) << "no sound came out of the speakers";
    ASSERT_TRUE(quitFromTray());
}

TEST_F(Journey, AGermanSessionShowsTheAlertInGerman) {
    PostItHolder holder;
    addLending(holder, "Anna", "den roten Schirm", makeDate(5, 1, 2020), false);
    run->writeData(holder, Options::initial({}));

    QProcessEnvironment german;
    german.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    german.insert(QStringLiteral("LANGUAGE"), QString());
    run->start({}, german);
    ASSERT_TRUE(stickumsShown(1)) << "the lending's alert pops up at the first tick";
    const std::vector<Window> alerts = stickums();
    EXPECT_EQ(
        selectedText(alerts.front()).replace(QLatin1String("\r\n"), QLatin1String("\n")),
        QString::fromUtf8("Anna:\n ich schulde ihm seit dem 5. Januar 2020:\nden roten Schirm"));
    ASSERT_TRUE(quitFromTray());
}
