#include "storage/exchange_file.h"

#include "storage/atomic_file.h"
#include "storage/descriptor.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

Result cannot(const std::string& what, const std::string& path, int error) {
    return Result::failed(what + " " + path + ": " + std::strerror(error));
}

// The new file, written in full and flushed to the disk beside the one it is to replace, under
// the name that the next start clears away if the program is cut off before it is put in place.
Result writeBeside(const std::string& target, const std::vector<std::uint8_t>& bytes, mode_t mode,
                   const SaveStageHook& hook, std::string& temporary) {
    const fs::path place(target);
    const std::string folder = place.parent_path().empty() ? "." : place.parent_path().string();
    temporary = folder + "/." + place.filename().string() + ".tmp-XXXXXX";
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0) {
        const int error = errno;
        temporary.clear();
        return cannot("Cannot create a file in", folder, error);
    }
    ::fchmod(fd.get(), mode);
    int error = 0;
    for (std::size_t done = 0; done < bytes.size() && error == 0;) {
        const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n < 0 && errno != EINTR)
            error = errno;
        else if (n == 0)
            error = EIO;
    }
    if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
    if (::close(fd.release()) != 0 && error == 0) error = errno;
    if (error == 0 && hook) error = hook(SaveStage::TemporaryWritten);
    if (error == 0) return Result::done();
    ::unlink(temporary.c_str());
    temporary.clear();
    return cannot("Cannot write", target, error);
}

// What stands at the path now, for the report: its identity and bytes.
void takeNoteOf(const std::string& path, Exchanged& report) {
    report.displaced = identityOf(path);
    if (report.displaced.exists) readWholeFile(path, report.displacedBytes);
}

} // namespace

Exchanged exchangeInto(const std::string& path, const std::vector<std::uint8_t>& bytes,
                       const SaveStageHook& hook) {
    Exchanged report;
    const std::string target = resolveLinks(path);
    struct stat old {};
    const bool existed = ::lstat(target.c_str(), &old) == 0;
    // Never anything but a regular file: the ordinary write says what is in the way, and
    // leaves it.
    if (existed && !S_ISREG(old.st_mode)) {
        report.result = writeAtomically(path, bytes);
        return report;
    }
    std::string temporary;
    report.result =
        writeBeside(target, bytes, existed ? (old.st_mode & 07777) : mode_t{0600}, hook, temporary);
    if (!report.result) return report;

    report.placed = identityOf(temporary);
    int error = 0;
    // A file that comes or goes between the tries is met by the next one.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) ==
            0) {
            // The old file has the temporary name now: what it held is the caller's to see.
            takeNoteOf(temporary, report);
            ::unlink(temporary.c_str());
            error = 0;
            break;
        }
        error = errno;
        if (error == ENOENT) {
            if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(),
                            RENAME_NOREPLACE) == 0) {
                error = 0;
                break;
            }
            error = errno;
            if (error == EEXIST) continue;
        }
        if (error == EINVAL || error == ENOSYS) {
            // This file system cannot exchange: the old way, telling what was there just before.
            takeNoteOf(target, report);
            error = ::rename(temporary.c_str(), target.c_str()) == 0 ? 0 : errno;
        }
        break;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        report.result = cannot("Cannot write", path, error);
        report.displaced = {};
        report.displacedBytes.clear();
        return report;
    }
    const std::string folder = fs::path(target).parent_path().string();
    Descriptor dir(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
    return report;
}
