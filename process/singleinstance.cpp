#include "process/singleinstance.h"

#include "document/statefolder.h"
#include "look/l10n.h"
#include "process/unixsocket.h"
#include "storage/descriptor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kPrefix = QStringLiteral("quillbox-");
const QString kLockSuffix = QStringLiteral(".lock");
const QString kSocketSuffix = QStringLiteral(".socket");

// Why a Quillbox without a private runtime folder neither starts nor sends a command.
QString noRuntimeFolder() {
    return l10n::text(QT_TRANSLATE_NOOP(
        "msg", "There is no runtime folder that only you can use (XDG_RUNTIME_DIR) "
               "for Quillbox's command socket."));
}

// $XDG_STATE_HOME/Quillbox, made open to the user only when it is not there; empty when it
// cannot be made or is not the user's alone.
QString stateFolder() {
    const QString folder = StateFolder::userFolder();
    QDir().mkpath(QFileInfo(folder).path());
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    struct stat seen {};
    if (::lstat(QFile::encodeName(folder).constData(), &seen) != 0 || !S_ISDIR(seen.st_mode) ||
        seen.st_uid != ::getuid() || (seen.st_mode & 0022) != 0)
        return {};
    return folder;
}

// An exclusive lock on the whole file, owned by the open file description: two starts in one
// process exclude each other as two processes do.
struct flock wholeFile(short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    return lock;
}

// Whether a Quillbox holds the lock file at path, without taking it even for a moment.
bool isHeld(const QString& path) {
    const Descriptor fd(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY));
    if (fd.get() < 0) return false;
    struct flock probe = wholeFile(F_WRLCK);
    return ::fcntl(fd.get(), F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
}

// Whether the name still leads to the open file: a Quillbox that ends removes its lock file,
// and a start that opened it meanwhile must not hold a lock nobody finds.
bool nameLeadsTo(int fd, const QByteArray& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// The lock file says who holds it: the pid, then the command socket once it listens.
void writeLockFile(int fd, const QByteArray& text, const QByteArray& path) {
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, text.constData(), text.size(), 0) < 0)
        qWarning("Quillbox cannot write its lock file %s", path.constData());
}

// Whether anybody takes calls on the socket.
bool isListening(const QByteArray& path) {
    const auto address = unixsocket::addressOf(path);
    if (!address) return false;
    const Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (fd.get() < 0) return false;
    if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0)
        return true;
    // A full queue is still somebody listening.
    return errno != ECONNREFUSED && errno != ENOENT;
}

} // namespace

RuntimeNames runtimeNamesFor(const QString& dataPath) {
    // The toolkit hands out XDG_RUNTIME_DIR, or a folder of its own, only when it is the
    // user's alone; never the shared temporary folder instead.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QString state = stateFolder();
    if (runtime.isEmpty() || state.isEmpty()) return {};
    const QString key = dataFileKey(dataPath);
    return {QDir(state).filePath(kPrefix + key + kLockSuffix),
            QDir(runtime).filePath(kPrefix + key + kSocketSuffix)};
}

SingleInstance::SingleInstance(const QString& dataPath) : names_(runtimeNamesFor(dataPath)) {
    if (names_.lockFile.isEmpty()) {
        problem_ = noRuntimeFolder();
        return;
    }
    tryAgain();
}

SingleInstance::~SingleInstance() {
    release();
}

bool SingleInstance::tryAgain() {
    if (acquired() || names_.lockFile.isEmpty()) return acquired();
    const QByteArray path = QFile::encodeName(names_.lockFile);
    // A lock file removed by the Quillbox that ended between our open and our lock is not the
    // lock any more: the next start would make a new one. Locked, the name must still lead to
    // the file that was locked.
    for (int attempt = 0; attempt < 3; ++attempt) {
        Descriptor fd(::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
        if (fd.get() < 0) return false;
        struct flock lock = wholeFile(F_WRLCK);
        if (::fcntl(fd.get(), F_OFD_SETLK, &lock) != 0) return false;
        if (nameLeadsTo(fd.get(), path)) {
            fd_ = fd.release();
            writeLockFile(fd_, QByteArray::number(qint64(::getpid())) + '\n', path);
            return true;
        }
    }
    return false;
}

void SingleInstance::announce(const QString& socketName) {
    if (!acquired()) return;
    writeLockFile(
        fd_, QByteArray::number(qint64(::getpid())) + '\n' + QFile::encodeName(socketName) + '\n',
        QFile::encodeName(names_.lockFile));
}

std::optional<Holder> SingleInstance::holder() const {
    if (acquired() || names_.lockFile.isEmpty() || !isHeld(names_.lockFile)) return std::nullopt;
    QFile file(names_.lockFile);
    Holder holder;
    if (!file.open(QIODevice::ReadOnly)) return holder;
    const QList<QByteArray> lines = file.read(4096).split('\n');
    holder.pid = lines.value(0).toLongLong();
    holder.socketName = QFile::decodeName(lines.value(1));
    return holder;
}

void SingleInstance::release() {
    if (!acquired()) return;
    // Removed while still held: a start that opened it meanwhile finds the name gone and tries
    // with a new file.
    const QByteArray path = QFile::encodeName(names_.lockFile);
    if (nameLeadsTo(fd_, path)) ::unlink(path.constData());
    ::close(fd_);
    fd_ = -1;
}

int removeStaleSockets(const QString& runtimeFolder) {
    const QString state = stateFolder();
    if (runtimeFolder.isEmpty() || state.isEmpty()) return 0;
    static const QRegularExpression ours(QStringLiteral("^quillbox-([0-9a-f]{16})\\.socket$"));
    int removed = 0;
    const QDir folder(runtimeFolder);
    for (const QString& name : folder.entryList(QDir::System | QDir::Hidden)) {
        const auto match = ours.match(name);
        if (!match.hasMatch()) continue;
        const QByteArray path = QFile::encodeName(folder.filePath(name));
        struct stat seen {};
        if (::lstat(path.constData(), &seen) != 0 || !S_ISSOCK(seen.st_mode) ||
            seen.st_uid != ::getuid())
            continue;
        // A Quillbox that holds the lock is running, or starting and not listening yet.
        if (isHeld(QDir(state).filePath(kPrefix + match.captured(1) + kLockSuffix))) continue;
        if (isListening(path)) continue;
        if (::unlink(path.constData()) == 0) ++removed;
    }
    return removed;
}
