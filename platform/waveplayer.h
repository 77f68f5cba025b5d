#pragma once

#include <functional>
#include <memory>
#include <string>

// Plays the alert sound: one wave file, opened once, played from its start on every alert.
// Playing never blocks and never fails loudly: without a sound device it is silence.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    virtual void play() = 0;
};

// The largest wave file played: an alert sound is a few seconds long, and the whole file is
// decoded into memory when it first plays.
inline constexpr long long kMaxWaveBytes = 10LL * 1024 * 1024;

// Opens a player on the named wave file; none when the file is missing, unreadable, not a wave
// file or larger than kMaxWaveBytes.
std::unique_ptr<WavePlayer> openWavePlayer(const std::string& path);

// How the program opens its player; tests put a fake one in its place.
using WavePlayerFactory = std::function<std::unique_ptr<WavePlayer>(const std::string& path)>;

// Whether the file can be read and starts like a wave file (RIFF ... WAVE).
bool isReadableWaveFile(const std::string& path);

// Why a wave file that is there is refused for its size, in words for the user; empty when it is
// not.
std::string waveFileRefusal(const std::string& path);
