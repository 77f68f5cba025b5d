#include "storage/atomic_file.h"

#include "storage/descriptor.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// The temporary file of a save: a dot-file with a fixed marker, a name no user would choose.
constexpr const char* kTemporaryMarker = ".tmp-";
constexpr std::size_t kTemporarySuffix = 6; // the X's of mkstemp

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string temporaryPrefix(const std::string& name) {
    return "." + name + kTemporaryMarker;
}

std::string describe(const std::string& what, const std::string& path, int error) {
    return what + " " + path + ": " + std::strerror(error);
}

// What a file that is not a regular file is, in words.
std::string kindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISFIFO(mode)) return "a FIFO (named pipe)";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    return "not a regular file";
}

ReadReport unreadable(int error) {
    return {ReadOutcome::Unreadable, std::strerror(error)};
}

ReadReport notRegular(mode_t mode) {
    return {ReadOutcome::NotRegular, kindOf(mode)};
}

bool writeAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void syncDirectory(const std::string& directory) {
    Descriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

// Puts a file at a name that must be free: what another hand put there in the meantime (a
// symbolic link above all) is neither followed nor replaced. File systems without the kernel's
// own way do it with a second name, which never replaces anything either. 0 or an errno value.
int renameToFreeName(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    if (::link(from.c_str(), to.c_str()) != 0) return errno;
    ::unlink(from.c_str());
    return 0;
}

// Fails saying that a name Quillbox is about to make is not free for it. A link there is
// someone else's doing and is never followed.
Result takenName(const std::string& path) {
    struct stat seen {};
    if (::lstat(path.c_str(), &seen) == 0 && S_ISLNK(seen.st_mode))
        return Result::failed(
            path + " is a symbolic link that Quillbox did not make; it is left as it is");
    return Result::failed(path + " is already there; it is left as it is");
}

// How the written file takes its name: over the file it replaces, or at a name that must be
// free.
enum class Placement { Replace, New };

// Writes the bytes to a new temporary file beside target (mkstemp: never through a link),
// flushes it and gives it target's name; path is the name the user knows, for the messages.
Result writeAndPlace(const std::string& path, const std::string& target,
                     const std::vector<std::uint8_t>& bytes, mode_t mode,
                     const std::function<Result()>& beforeReplacing, Placement placement) {
    const std::string folder = directoryOf(target);
    std::string temporary = folder + "/" + temporaryPrefix(nameOf(target)) + "XXXXXX";
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0) return Result::failed(describe("Cannot create a file in", folder, errno));
    ::fchmod(fd.get(), mode);

    int error = 0;
    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0) error = errno ? errno : EIO;
    if (::close(fd.release()) != 0 && error == 0) error = errno;
    if (error == 0 && beforeReplacing) {
        if (Result ready = beforeReplacing(); !ready) {
            ::unlink(temporary.c_str());
            return ready;
        }
    }
    if (error == 0) {
        if (placement == Placement::Replace) {
            if (::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
        } else {
            error = renameToFreeName(temporary, target);
        }
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        if (error == EEXIST) return takenName(target);
        return Result::failed(describe("Cannot write", path, error));
    }
    syncDirectory(folder);
    return Result::done();
}

} // namespace

ReadReport readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    // Without O_NONBLOCK a FIFO would hold the open until some writer came.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat seen {};
    if (fd.get() < 0) {
        const int error = errno;
        if (error == ENOENT) return {};
        // A socket cannot be opened at all: what it is says more than why the open failed.
        if (::stat(path.c_str(), &seen) == 0 && !S_ISREG(seen.st_mode))
            return notRegular(seen.st_mode);
        return unreadable(error);
    }
    if (::fstat(fd.get(), &seen) != 0) return unreadable(errno);
    if (!S_ISREG(seen.st_mode)) return notRegular(seen.st_mode);
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            bytes.clear();
            return unreadable(error);
        }
        if (n == 0) break;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return {ReadOutcome::Read, {}, seen.st_nlink};
}

std::string resolveLinks(const std::string& path) {
    std::string current = path;
    // As many links as the system itself follows; a longer chain (a loop) is left as it is.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat seen {};
        if (::lstat(current.c_str(), &seen) != 0 || !S_ISLNK(seen.st_mode)) return current;
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) return current;
        target.resize(static_cast<std::size_t>(n));
        current = target.front() == '/' ? target : directoryOf(current) + "/" + target;
    }
    return current;
}

Result writeAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes, int mode,
                       const std::function<Result()>& beforeReplacing) {
    const std::string target = resolveLinks(path);
    struct stat old {};
    const bool existed = ::lstat(target.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode))
        return Result::failed("Cannot write " + path + ": it is " + kindOf(old.st_mode) +
                              ", not a regular file; it is left as it is");
    // The new file gets the old one's permissions; a new one is private to its owner.
    const mode_t newMode = mode >= 0 ? static_cast<mode_t>(mode)
                           : existed ? (old.st_mode & 07777)
                                     : mode_t{0600};
    return writeAndPlace(path, target, bytes, newMode, beforeReplacing, Placement::Replace);
}

Result writeNewFile(const std::string& path, const std::vector<std::uint8_t>& bytes, int mode,
                    const std::function<Result()>& beforeReplacing) {
    return writeAndPlace(path, path, bytes, mode >= 0 ? static_cast<mode_t>(mode) : mode_t{0600},
                         beforeReplacing, Placement::New);
}

int removeLeftoverTemporaries(const std::string& path) {
    namespace fs = std::filesystem;
    const std::string target = resolveLinks(path);
    const std::string prefix = temporaryPrefix(nameOf(target));
    int removed = 0;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(directoryOf(target), error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != prefix.size() + kTemporarySuffix || !name.starts_with(prefix)) continue;
        bool temporary = entry.is_regular_file(error) && !entry.is_symlink(error);
        for (std::size_t i = prefix.size(); i < name.size(); ++i)
            temporary = temporary && std::isalnum(static_cast<unsigned char>(name[i]));
        if (temporary && fs::remove(entry.path(), error)) ++removed;
    }
    return removed;
}

Result keepBackup(const std::string& path, const std::string& backupPath,
                  const std::vector<std::uint8_t>* originalBytes, int generations,
                  const SaveStageHook& hook) {
    auto generation = [&backupPath](int n) {
        return n == 0 ? backupPath : backupPath + "." + std::to_string(n);
    };
    // Only backups of ours are moved on: anything else at their names (a link planted in a
    // folder others can write to) stops the backup and is left as it is.
    for (int n = 0; n < generations; ++n) {
        struct stat seen {};
        if (::lstat(generation(n).c_str(), &seen) == 0 && !S_ISREG(seen.st_mode))
            return takenName(generation(n));
    }
    // Room is made for the new backup only: the backups up to the first free generation move on
    // one (backupPath.1 to .2, then backupPath to .1), the oldest is dropped when none is free.
    const auto makeRoom = [&]() -> Result {
        struct stat seen {};
        int firstFree = 0;
        while (firstFree < generations - 1 && ::lstat(generation(firstFree).c_str(), &seen) == 0)
            ++firstFree;
        if (::unlink(generation(firstFree).c_str()) != 0 && errno != ENOENT)
            return Result::failed(
                describe("Cannot drop the oldest backup", generation(firstFree), errno));
        for (int n = firstFree; n > 0; --n) {
            if (const int error = renameToFreeName(generation(n - 1), generation(n)); error != 0)
                return error == EEXIST ? takenName(generation(n))
                                       : Result::failed(describe("Cannot keep the earlier backup",
                                                                 generation(n - 1), error));
        }
        return Result::done();
    };
    if (!originalBytes) {
        if (Result room = makeRoom(); !room) return room;
        // The file itself, not a link to it: the link stays, and leads to the next save.
        if (const int error = renameToFreeName(resolveLinks(path), backupPath);
            error != 0 && error != ENOENT)
            return error == EEXIST ? takenName(backupPath)
                                   : Result::failed(describe("Cannot move aside", path, error));
        syncDirectory(directoryOf(backupPath));
        return Result::done();
    }
    // A backup is never more open to others than the file itself. The earlier ones move on
    // only once the new one is written: a backup that cannot be written drops none of them.
    struct stat file {};
    const mode_t mode = ::stat(path.c_str(), &file) == 0 ? (file.st_mode & 0777) : 0600;
    return writeNewFile(backupPath, *originalBytes, static_cast<int>(mode), [&]() -> Result {
        if (const int error = hook ? hook(SaveStage::TemporaryWritten) : 0; error != 0)
            return Result::failed(describe("Cannot write", backupPath, error));
        return makeRoom();
    });
}
