#include "programrun.h"

#include "storage/datafile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <csignal>

namespace {

// A tray icon is at most this wide; the program's other windows are wider.
constexpr int kTrayIconWidth = 40;

} // namespace

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    QElapsedTimer clock;
    clock.start();
    while (true) {
        QCoreApplication::processEvents();
        if (condition()) return true;
        if (clock.elapsed() > limit.count()) return false;
        QThread::msleep(20);
    }
}

CommandResult runCommand(const QString& program, const QStringList& arguments,
                         const QProcessEnvironment& env, const QByteArray& input, int timeoutMs) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    process.waitForStarted(5000);
    process.write(input);
    process.closeWriteChannel();
    CommandResult result;
    if (process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit)
        result.status = process.exitCode();
    else
        process.kill();
    process.waitForFinished(3000);
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QString output(const QString& program, const QStringList& arguments,
               const QProcessEnvironment& env) {
    return QString::fromUtf8(runCommand(program, arguments, env).out).trimmed();
}

QStringList windowIds(const QString& pattern, qint64 pid, const QProcessEnvironment& env) {
    QStringList arguments{"search", "--all", "--onlyvisible"};
    if (pid) arguments << "--pid" << QString::number(pid);
    arguments << "--name" << pattern;
    return output(QStringLiteral("xdotool"), arguments, env).split(u'\n', Qt::SkipEmptyParts);
}

QRect windowGeometry(const QString& window) {
    const QString shell =
        output(QStringLiteral("xdotool"), {"getwindowgeometry", "--shell", window});
    const auto value = [&](const char* key) {
        return QRegularExpression(QStringLiteral("^%1=(-?\\d+)$").arg(QLatin1String(key)),
                                  QRegularExpression::MultilineOption)
            .match(shell)
            .captured(1)
            .toInt();
    };
    return {value("X"), value("Y"), value("WIDTH"), value("HEIGHT")};
}

QString windowOf(qint64 pid, const QString& pattern, std::chrono::milliseconds limit) {
    QString found;
    waitFor(
        [&] {
            for (const QString& id : windowIds(pattern, pid)) {
                if (windowGeometry(id).width() > kTrayIconWidth) {
                    found = id;
                    return true;
                }
            }
            return false;
        },
        limit);
    return found;
}

std::optional<int> waitForExit(QProcess& process, std::chrono::milliseconds limit) {
    if (process.error() == QProcess::FailedToStart) return std::nullopt;
    if (process.state() != QProcess::NotRunning && !process.waitForFinished(int(limit.count())))
        return std::nullopt;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode()
                                                        : 128 + process.exitCode();
}

void sendSignal(const QProcess& process, int number) {
    // (No pid is 0: kill(0) would reach the whole process group.)
    if (process.processId() > 0) ::kill(pid_t(process.processId()), number);
}

OwnXServer::OwnXServer(QSize screen, const QString& log) {
    process_.setStandardErrorFile(log.isEmpty() ? QProcess::nullDevice() : log);
    process_.start(QStringLiteral("Xvfb"),
                   {"-displayfd", "1", "-screen", "0",
                    QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
                    "-nolisten", "tcp", "-noreset"});
    // It writes its display number once it takes clients.
    while (!process_.canReadLine() && process_.waitForReadyRead(10000)) {
    }
    const QByteArray number = process_.readLine().trimmed();
    if (!number.isEmpty()) display_ = QStringLiteral(":") + QString::fromLatin1(number);
}

OwnXServer::~OwnXServer() {
    process_.kill();
    process_.waitForFinished(5000);
}

ProgramRun::ProgramRun(Place place) : program_(QString::fromUtf8(QB_PROGRAM_FILE)) {
    statePath = filePath(QStringLiteral("state"));
    QDir().mkdir(runtimePath());
    QFile::setPermissions(runtimePath(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (place == Place::Copied) {
        QFile::copy(program_, filePath(QStringLiteral("quillbox")));
        QFile::copy(QString::fromUtf8(QB_WAVE_FILE), wavePath());
        program_ = filePath(QStringLiteral("quillbox"));
    }
}

ProgramRun::~ProgramRun() {
    stop();
}

QProcessEnvironment ProgramRun::environment(bool withDisplay) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimePath());
    env.insert(QStringLiteral("XDG_STATE_HOME"), statePath);
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (!display.isEmpty()) env.insert(QStringLiteral("DISPLAY"), display);
    if (!withDisplay) env.remove(QStringLiteral("DISPLAY"));
    return env;
}

CommandResult ProgramRun::run(const QStringList& arguments, const QByteArray& input,
                              bool withDisplay, int timeoutMs) const {
    return runCommand(program_, arguments, environment(withDisplay), input, timeoutMs);
}

QProcess& ProgramRun::start(const QStringList& arguments, const QProcessEnvironment& extra) {
    QProcess& process = started_.emplace_back();
    QProcessEnvironment env = environment();
    env.insert(extra);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(directory());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(filePath(QStringLiteral("stderr.log")), QIODevice::Append);
    process.start(program_, arguments);
    process.waitForStarted(5000);
    return process;
}

void ProgramRun::stop() {
    for (QProcess& process : started_) {
        if (process.state() == QProcess::NotRunning) continue;
        process.kill();
        process.waitForFinished(3000);
    }
}

QString ProgramRun::errors() const {
    QFile log(filePath(QStringLiteral("stderr.log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

bool ProgramRun::writeData(PostItHolder& holder, const Options& options) const {
    return DataFile(dataPath().toStdString()).save(holder, options).ok();
}

bool ProgramRun::writeBytes(const std::vector<std::uint8_t>& bytes, const QString& path) const {
    QFile file(path.isEmpty() ? dataPath() : path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) ==
               qint64(bytes.size());
}

std::vector<std::uint8_t> ProgramRun::readBytes(const QString& path) const {
    QFile file(path.isEmpty() ? dataPath() : path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray all = file.readAll();
    return {all.begin(), all.end()};
}

LoadResult ProgramRun::readBack(PostItHolder& holder, Options& options) const {
    DataFile file(dataPath().toStdString());
    const LoadResult loaded = file.load(holder, OldFileQuestions::answered(true));
    file.readOptions(options);
    return loaded;
}
