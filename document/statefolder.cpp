#include "document/statefolder.h"

#include "storage/atomic_file.h"
#include "storage/descriptor.h"
#include "storage/fileidentity.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// How many versions that came from elsewhere are kept.
constexpr int kArrivals = 8;
constexpr const char* kArrivalPrefix = "arrival-";
constexpr const char* kBase = "base.dat";
constexpr const char* kHandled = "handled-copies";
constexpr const char* kRescue = "rescue.dat";
constexpr const char* kDeclined = "rescue-declined.dat";

std::string local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

std::optional<std::vector<std::uint8_t>> bytesOf(const QString& path) {
    std::vector<std::uint8_t> bytes;
    if (readWholeFile(local(path), bytes).outcome != ReadOutcome::Read) return std::nullopt;
    return bytes;
}

// A copy as the ledger of handled copies knows it: its name, size and modification time.
QString markOf(const QString& copyPath) {
    const FileIdentity seen = identityOf(local(copyPath));
    return QStringLiteral("%1 %2 %3")
        .arg(seen.size)
        .arg(seen.modifiedNs)
        .arg(QFileInfo(copyPath).fileName());
}

} // namespace

QString dataFileKey(const QString& dataPath) {
    const std::string file = resolveLinks(local(QFileInfo(dataPath).absoluteFilePath()));
    const std::size_t slash = file.rfind('/');
    std::string identity = file;
    struct stat seen {};
    if (slash != std::string::npos && ::stat(file.substr(0, slash).c_str(), &seen) == 0)
        identity =
            std::to_string(seen.st_dev) + ":" + std::to_string(seen.st_ino) + file.substr(slash);
    return QString::fromLatin1(
        QCryptographicHash::hash(QByteArray::fromStdString(identity), QCryptographicHash::Sha256)
            .toHex()
            .left(16));
}

QString StateFolder::userFolder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::home().filePath(QStringLiteral(".local/state"));
    return QDir(state).filePath(QStringLiteral("Quillbox"));
}

StateFolder::StateFolder(const QString& dataPath, const QString& folder)
    : folder_(QDir(folder).filePath(dataFileKey(dataPath))), key_(dataFileKey(dataPath)) {}

QString StateFolder::file(const QString& name) const {
    return QDir(folder_).filePath(name);
}

Result StateFolder::keep(const QString& name, const std::vector<std::uint8_t>& bytes) const {
    // Open to the user alone: Quillbox's folder and the data file's part of it.
    if (!QDir().mkpath(folder_)) return Result::failed("Cannot make the folder " + local(folder_));
    ::chmod(local(QFileInfo(folder_).path()).c_str(), 0700);
    ::chmod(local(folder_).c_str(), 0700);
    return writeAtomically(local(file(name)), bytes, 0600);
}

std::optional<std::vector<std::uint8_t>> StateFolder::base() const {
    return bytesOf(file(QString::fromLatin1(kBase)));
}

void StateFolder::keepBase(const std::vector<std::uint8_t>& bytes) {
    if (base() == bytes) return;
    (void)keep(QString::fromLatin1(kBase), bytes);
}

std::vector<std::pair<qint64, QString>> StateFolder::arrivals() const {
    std::vector<std::pair<qint64, QString>> found;
    const QString prefix = QString::fromLatin1(kArrivalPrefix);
    for (const QString& name : QDir(folder_).entryList({prefix + "*"}, QDir::Files)) {
        bool number = false;
        const qint64 time = name.mid(prefix.size()).toLongLong(&number);
        if (number) found.emplace_back(time, file(name));
    }
    // The latest first.
    std::sort(found.begin(), found.end(), std::greater<>());
    return found;
}

void StateFolder::keepArrival(const std::vector<std::uint8_t>& bytes, std::int64_t modifiedNs) {
    if (!keep(QString::fromLatin1(kArrivalPrefix) + QString::number(modifiedNs), bytes)) return;
    const auto kept = arrivals();
    for (std::size_t i = kArrivals; i < kept.size(); ++i)
        QFile::remove(kept[i].second);
}

std::optional<std::vector<std::uint8_t>> StateFolder::arrivalBefore(std::int64_t modifiedNs) const {
    for (const auto& [time, path] : arrivals())
        if (time < modifiedNs) return bytesOf(path);
    return std::nullopt;
}

bool StateFolder::handled(const QString& copyPath) const {
    QFile ledger(file(QString::fromLatin1(kHandled)));
    if (!ledger.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    const QString mark = markOf(copyPath);
    QTextStream in(&ledger);
    while (!in.atEnd())
        if (in.readLine() == mark) return true;
    return false;
}

void StateFolder::markHandled(const QString& copyPath) {
    if (handled(copyPath) || !QDir().mkpath(folder_)) return;
    QFile ledger(file(QString::fromLatin1(kHandled)));
    if (!ledger.open(QIODevice::Append | QIODevice::Text)) return;
    ledger.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ledger.write((markOf(copyPath) + QLatin1Char('\n')).toUtf8());
}

QString StateFolder::rescueInTemporaryFolder() const {
    // Made with a name of its own (mkstemp) where others may plant links: the latest that is a
    // plain file of this user's.
    QString found;
    qint64 newest = -1;
    const QString pattern = QStringLiteral("quillbox-rescue-%1-*").arg(key_);
    for (const QFileInfo& info : QDir(QDir::tempPath()).entryInfoList({pattern}, QDir::Files)) {
        struct stat seen {};
        if (::lstat(local(info.filePath()).c_str(), &seen) != 0 || !S_ISREG(seen.st_mode) ||
            seen.st_uid != ::getuid())
            continue;
        if (seen.st_mtime > newest) {
            newest = seen.st_mtime;
            found = info.filePath();
        }
    }
    return found;
}

Result StateFolder::keepRescue(const std::vector<std::uint8_t>& bytes, QString& where) {
    const Result kept = keep(QString::fromLatin1(kRescue), bytes);
    if (kept) {
        where = file(QString::fromLatin1(kRescue));
        return kept;
    }
    std::string temporary = local(
        QDir(QDir::tempPath()).filePath(QStringLiteral("quillbox-rescue-%1-XXXXXX").arg(key_)));
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return Result::failed(kept.why() + "; " + temporary + ": " + std::strerror(errno));
    ::fchmod(fd.get(), 0600);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    if (done < bytes.size() || ::fsync(fd.get()) != 0) {
        const int error = errno ? errno : EIO;
        ::unlink(temporary.c_str());
        return Result::failed(kept.why() + "; " + temporary + ": " + std::strerror(error));
    }
    where = QFile::decodeName(temporary.c_str());
    return Result::done();
}

QString StateFolder::rescueCopy() const {
    const QString here = file(QString::fromLatin1(kRescue));
    if (QFileInfo(here).isFile()) return here;
    return rescueInTemporaryFolder();
}

void StateFolder::dropRescue(bool taken) {
    const QString rescue = rescueCopy();
    if (rescue.isEmpty()) return;
    if (taken) {
        QFile::remove(rescue);
        return;
    }
    // Declined: kept under a name that is not offered, in the same folder.
    const QFileInfo info(rescue);
    const QString aside =
        info.fileName() == QLatin1String(kRescue)
            ? file(QString::fromLatin1(kDeclined))
            : info.dir().filePath(info.fileName().replace(QStringLiteral("quillbox-rescue-"),
                                                          QStringLiteral("quillbox-declined-")));
    QFile::remove(aside);
    QFile::rename(rescue, aside);
}
