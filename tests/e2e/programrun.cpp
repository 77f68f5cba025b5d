#include "programrun.h"

#include <QDir>
#include <QFile>

ProgramRun::ProgramRun() {
    const QString program = QString::fromUtf8(QB_PROGRAM_FILE);
    QFile::copy(program, QDir(directory()).filePath(QStringLiteral("quillbox")));
    QFile::copy(QString::fromUtf8(QB_WAVE_FILE), wavePath());
    process_.setWorkingDirectory(directory());
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.setStandardErrorFile(QDir(directory()).filePath(QStringLiteral("stderr.log")));
}

ProgramRun::~ProgramRun() {
    if (running()) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

QString ProgramRun::dataPath() const {
    return QDir(directory()).filePath(QStringLiteral("quillbox.dat"));
}

QString ProgramRun::wavePath() const {
    return QDir(directory()).filePath(QStringLiteral("ding.wav"));
}

void ProgramRun::writeData(PostItHolder& holder, const Options& options) {
    (void)DataFile(dataPath().toStdString()).save(holder, options);
}

void ProgramRun::writeBytes(const std::vector<std::uint8_t>& bytes, const QString& path) {
    QFile file(path.isEmpty() ? dataPath() : path);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

std::vector<std::uint8_t> ProgramRun::readBytes(const QString& path) const {
    QFile file(path.isEmpty() ? dataPath() : path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray all = file.readAll();
    return {all.begin(), all.end()};
}

void ProgramRun::start(const QProcessEnvironment& extra) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(extra);
    process_.setProcessEnvironment(environment);
    process_.start(QDir(directory()).filePath(QStringLiteral("quillbox")), {});
    process_.waitForStarted(5000);
}

std::optional<int> ProgramRun::waitForExit(int timeoutMs) {
    if (running() && !process_.waitForFinished(timeoutMs)) return std::nullopt;
    if (process_.exitStatus() != QProcess::NormalExit) return std::nullopt;
    return process_.exitCode();
}

QString ProgramRun::errors() {
    QFile log(QDir(directory()).filePath(QStringLiteral("stderr.log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

LoadResult ProgramRun::readBack(PostItHolder& holder, Options& options) const {
    DataFile file(dataPath().toStdString());
    const LoadResult loaded = file.load(holder, OldFileQuestions::answered(true));
    file.readOptions(options);
    return loaded;
}
