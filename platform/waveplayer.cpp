#include "platform/waveplayer.h"

#include <QSoundEffect>
#include <QUrl>

#include <array>
#include <cstring>
#include <fstream>

namespace {

// The wave through Qt Multimedia: the sound is decoded once, when the player opens, and each
// alert starts it again from its first sample on the default output. Where there is no output
// device, Qt plays nothing.
class SoundEffectPlayer final : public WavePlayer {
public:
    explicit SoundEffectPlayer(const std::string& path) {
        effect_.setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    }
    void play() override {
        effect_.stop();
        effect_.play();
    }

private:
    QSoundEffect effect_;
};

} // namespace

bool isReadableWaveFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::array<char, 12> header{};
    if (!in.read(header.data(), header.size())) return false;
    return std::memcmp(header.data(), "RIFF", 4) == 0 &&
           std::memcmp(header.data() + 8, "WAVE", 4) == 0;
}

std::unique_ptr<WavePlayer> openWavePlayer(const std::string& path) {
    if (path.empty() || !isReadableWaveFile(path)) return nullptr;
    return std::make_unique<SoundEffectPlayer>(path);
}
