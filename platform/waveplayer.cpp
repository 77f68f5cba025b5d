#include "platform/waveplayer.h"

#include "platform/soundeffect.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <array>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kModuleName = "quillbox_sound";

// The sound module, loaded once on first need and kept until the program ends.
OpenSoundEffect soundModule() {
    static bool tried = false;
    static OpenSoundEffect open = nullptr;
    if (tried) return open;
    tried = true;
    QStringList places;
    if (QCoreApplication::instance()) {
        const QDir program(QCoreApplication::applicationDirPath());
        places << program.path();
        places << program.filePath(QStringLiteral(QB_SOUND_MODULE_FROM_BIN));
    }
#ifdef QB_SOUND_MODULE_DIR
    places << QStringLiteral(QB_SOUND_MODULE_DIR);
#endif
    for (const QString& dir : places) {
        QLibrary module(QDir(dir).filePath(QString::fromLatin1(kModuleName)));
        if (!module.load()) continue;
        open = reinterpret_cast<OpenSoundEffect>(module.resolve(kOpenSoundEffectSymbol));
        if (open) break;
    }
    return open;
}

// Opens the real player at the first play: most runs never sound an alert, and nothing of
// the sound system is loaded or started before one does.
class LazyWavePlayer final : public WavePlayer {
public:
    explicit LazyWavePlayer(std::string path) : path_(std::move(path)) {}
    void play() override {
        if (!player_ && !failed_) {
            const OpenSoundEffect open = soundModule();
            if (open) player_.reset(open(path_.c_str()));
            failed_ = !player_;
        }
        if (player_) player_->play();
    }

private:
    std::string path_;
    std::unique_ptr<WavePlayer> player_;
    bool failed_ = false; // without the sound module, alerts are silent
};

} // namespace

bool isReadableWaveFile(const std::string& path) {
    // Only a regular file: opening a FIFO would wait for a writer, and a device may never end.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return false;
    struct stat seen {};
    std::array<char, 12> header{};
    const bool read = ::fstat(fd, &seen) == 0 && S_ISREG(seen.st_mode) &&
                      ::read(fd, header.data(), header.size()) == std::ssize(header);
    ::close(fd);
    if (!read) return false;
    return std::memcmp(header.data(), "RIFF", 4) == 0 &&
           std::memcmp(header.data() + 8, "WAVE", 4) == 0;
}

std::string waveFileRefusal(const std::string& path) {
    struct stat seen {};
    if (path.empty() || ::stat(path.c_str(), &seen) != 0 || !S_ISREG(seen.st_mode) ||
        seen.st_size <= kMaxWaveBytes)
        return {};
    const auto megabytes = [](long long bytes) { return std::to_string(bytes / (1024 * 1024)); };
    return "The wave file " + path + " is too large to be played as an alert (" +
           megabytes(seen.st_size) + " MB; at most " + megabytes(kMaxWaveBytes) +
           " MB): alerts stay silent until a smaller one is chosen on the Options page.";
}

std::unique_ptr<WavePlayer> openWavePlayer(const std::string& path) {
    if (path.empty() || !isReadableWaveFile(path) || !waveFileRefusal(path).empty()) return nullptr;
    return std::make_unique<LazyWavePlayer>(path);
}
