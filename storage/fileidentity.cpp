#include "storage/fileidentity.h"

#include "storage/atomic_file.h"

#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

FileIdentity identityOf(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return {};
    FileIdentity identity;
    identity.exists = true;
    identity.regular = S_ISREG(status.st_mode);
    identity.device = static_cast<std::uint64_t>(status.st_dev);
    identity.inode = static_cast<std::uint64_t>(status.st_ino);
    identity.size = static_cast<std::int64_t>(status.st_size);
    identity.modifiedNs =
        static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
    return identity;
}

std::string conflictCopyPath(const std::string& path) {
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) != 0 || host[0] == '\0') std::strcpy(host, "host");
    for (char* c = host; *c; ++c)
        if (*c == '/') *c = '_';
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char stamp[32] = {};
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    // Beside the file itself, not beside a symlink to it: in the folder that is kept in step,
    // where the save replaces the file.
    const std::string base = resolveLinks(path) + ".conflict-" + host + "-" + stamp;
    // A name taken by anything, a link that leads nowhere included, is not free.
    const auto taken = [](const std::string& name) {
        struct stat seen {};
        return ::lstat(name.c_str(), &seen) == 0;
    };
    std::string candidate = base;
    for (int n = 2; taken(candidate); ++n)
        candidate = base + "-" + std::to_string(n);
    return candidate;
}

Result keepConflictCopy(const std::string& path, const std::string& copyPath) {
    // Through a symlink to the file itself: the copy must not follow the link to what is written
    // next.
    // A second name never replaces what is at copyPath, nor follows a link someone put there;
    // neither does a copy written as a new file, which says what is in the way.
    if (::linkat(AT_FDCWD, path.c_str(), AT_FDCWD, copyPath.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return Result::done();
    std::vector<std::uint8_t> bytes;
    if (const ReadReport read = readWholeFile(path, bytes); read.outcome != ReadOutcome::Read)
        return Result::failed("Cannot read " + path + ": " + read.reason);
    return writeNewFile(copyPath, bytes);
}
