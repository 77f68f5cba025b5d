#include "storage/atomic_file.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string describe(const std::string& what, const std::string& path, int error) {
    return what + " " + path + ": " + std::strerror(error);
}

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

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

std::function<int(SaveStage)>& saveStageHook() {
    static std::function<int(SaveStage)> hook;
    return hook;
}

} // namespace

void setSaveStageHook(std::function<int(SaveStage)> hook) {
    saveStageHook() = std::move(hook);
}

ReadOutcome readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return errno == ENOENT ? ReadOutcome::Missing : ReadOutcome::Unreadable;
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return ReadOutcome::Unreadable;
        if (n == 0) break;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return ReadOutcome::Read;
}

std::string writeAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::string temporary = path + ".XXXXXX";
    Descriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0) return describe("Cannot create a file in", directoryOf(path), errno);

    // The new file gets the old one's permissions, or the usual ones for a new file.
    struct stat old {};
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd.get(), ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~mask));

    int error = 0;
    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0) error = errno ? errno : EIO;
    if (::close(fd.release()) != 0 && error == 0) error = errno;
    if (error == 0 && saveStageHook()) error = saveStageHook()(SaveStage::TemporaryWritten);
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return describe("Cannot write", path, error);
    }
    syncDirectory(directoryOf(path));
    return {};
}

int removeLeftoverTemporaries(const std::string& path) {
    namespace fs = std::filesystem;
    const fs::path file(path);
    const std::string prefix = file.filename().string() + ".";
    constexpr std::size_t kSuffix = 6; // the X's of the temporary name
    int removed = 0;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(directoryOf(path), error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != prefix.size() + kSuffix || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        bool temporary = entry.is_regular_file(error);
        for (std::size_t i = prefix.size(); i < name.size(); ++i)
            temporary = temporary && std::isalnum(static_cast<unsigned char>(name[i]));
        if (temporary && fs::remove(entry.path(), error)) ++removed;
    }
    return removed;
}

std::string keepAside(const std::string& path, const std::string& backupPath,
                      const std::vector<std::uint8_t>* originalBytes) {
    if (originalBytes) return writeAtomically(backupPath, *originalBytes);
    if (::rename(path.c_str(), backupPath.c_str()) != 0 && errno != ENOENT)
        return describe("Cannot move aside", path, errno);
    return {};
}
