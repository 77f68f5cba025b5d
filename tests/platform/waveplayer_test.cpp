#include "platform/waveplayer.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A tenth of a second of a quiet 440 Hz square wave: 8 kHz, 16-bit, mono.
void writeWave(const std::string& path) {
    constexpr std::uint32_t rate = 8000;
    constexpr std::uint32_t samples = rate / 10;
    std::ofstream out(path, std::ios::binary);
    const auto put = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.put(static_cast<char>(value >> (8 * i)));
    };
    out << "RIFF";
    put(36 + samples * 2, 4);
    out << "WAVEfmt ";
    put(16, 4);
    put(1, 2); // PCM
    put(1, 2); // mono
    put(rate, 4);
    put(rate * 2, 4);
    put(2, 2);
    put(16, 2);
    out << "data";
    put(samples * 2, 4);
    for (std::uint32_t i = 0; i < samples; ++i)
        put(static_cast<std::uint16_t>((i / 9) % 2 == 0 ? 2000 : -2000), 2);
}

// Whether Qt Multimedia is loaded into this process.
bool multimediaLoaded() {
    std::ifstream maps("/proc/self/maps");
    std::stringstream text;
    text << maps.rdbuf();
    return text.str().find("libQt6Multimedia") != std::string::npos;
}

class WaveFiles : public ::testing::Test {
protected:
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    QTemporaryDir dir;
};

TEST_F(WaveFiles, NoPlayerForAMissingUnreadableOrForeignFile) {
    EXPECT_EQ(openWavePlayer(""), nullptr);
    EXPECT_EQ(openWavePlayer(path("absent.wav")), nullptr);
    EXPECT_EQ(openWavePlayer(dir.path().toStdString()), nullptr) << "a directory";
    ASSERT_EQ(::mkfifo(path("pipe.wav").c_str(), 0600), 0);
    EXPECT_EQ(openWavePlayer(path("pipe.wav")), nullptr) << "a FIFO, without waiting for a writer";

    std::ofstream(path("text.wav")) << "not a sound at all";
    EXPECT_EQ(openWavePlayer(path("text.wav")), nullptr);
    std::ofstream(path("short.wav")) << "RIFF";
    EXPECT_EQ(openWavePlayer(path("short.wav")), nullptr) << "cut off inside the header";

    // A valid header on 300 MB (a sparse file): never read, and the refusal says why.
    writeWave(path("huge.wav"));
    ASSERT_EQ(::truncate(path("huge.wav").c_str(), 300LL * 1024 * 1024), 0);
    EXPECT_EQ(openWavePlayer(path("huge.wav")), nullptr);
    EXPECT_NE(waveFileRefusal(path("huge.wav")).find("300 MB"), std::string::npos);
    EXPECT_EQ(waveFileRefusal(path("text.wav")), "");
}

TEST_F(WaveFiles, PlaysAWaveFileAgainAndAgainWithoutWaiting) {
    const std::string wave = path("ding.wav");
    writeWave(wave);
    const bool loadedBefore = multimediaLoaded();
    auto player = openWavePlayer(wave);
    ASSERT_NE(player, nullptr);
    // Opening only looks at the file: the sound system waits for the first sound.
    EXPECT_EQ(multimediaLoaded(), loadedBefore);

    // Whether or not this machine has a sound device, playing returns at once.
    QElapsedTimer clock;
    clock.start();
    player->play();
    QTest::qWait(50);
    player->play();
    player->play();
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_TRUE(multimediaLoaded()) << "the sound module was not found";
    player.reset(); // closing a playing player is fine too
}

TEST_F(WaveFiles, TheProgramCarriesNoSoundSystemUntilTheFirstSound) {
    // Nothing in this process has played yet when this runs on its own (as ctest runs it).
    if (multimediaLoaded()) GTEST_SKIP() << "a sound was played earlier in this process";
    writeWave(path("ding.wav"));
    auto first = openWavePlayer(path("ding.wav"));
    auto second = openWavePlayer(path("ding.wav"));
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(multimediaLoaded());
    second->play();
    EXPECT_TRUE(multimediaLoaded());
    first->play(); // the module is loaded once and serves every player
}

} // namespace
