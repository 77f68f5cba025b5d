// The part of the wave player that needs Qt Multimedia, built as a module of its own that the
// program loads at the first alert sound: Qt Multimedia, the audio backend and what they pull in
// (network, codec and sound-server libraries) stay out of the program until a sound is played.
#include "platform/soundeffect.h"

#include <QSoundEffect>
#include <QUrl>

namespace {

// The sound is decoded when the player opens and plays as soon as it is ready; every later
// alert starts it again from its first sample on the default output. Where there is no output
// device, Qt plays nothing.
class SoundEffectPlayer final : public WavePlayer {
public:
    explicit SoundEffectPlayer(const char* path) {
        effect_.setSource(QUrl::fromLocalFile(QString::fromUtf8(path)));
    }
    void play() override {
        effect_.stop();
        effect_.play();
    }

private:
    QSoundEffect effect_;
};

} // namespace

extern "C" Q_DECL_EXPORT WavePlayer* quillboxOpenSoundEffect(const char* path) {
    return new SoundEffectPlayer(path);
}
