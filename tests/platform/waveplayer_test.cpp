#include "platform/fakewaveplayer.h"
#include "platform/waveplayer.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>

namespace {

void put16(std::ofstream& out, std::uint16_t v) {
    const char bytes[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

// A tenth of a second of a quiet 440 Hz square wave: 8 kHz, 16-bit, mono.
void writeWave(const std::string& path) {
    constexpr std::uint32_t rate = 8000;
    constexpr std::uint32_t samples = rate / 10;
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    put32(out, 36 + samples * 2);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, rate);
    put32(out, rate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, samples * 2);
    for (std::uint32_t i = 0; i < samples; ++i) {
        put16(out, static_cast<std::uint16_t>((i / 9) % 2 == 0 ? 2000 : -2000));
    }
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

    std::ofstream(path("text.wav")) << "not a sound at all";
    EXPECT_EQ(openWavePlayer(path("text.wav")), nullptr);
    std::ofstream(path("short.wav")) << "RIFF";
    EXPECT_EQ(openWavePlayer(path("short.wav")), nullptr) << "cut off inside the header";
}

TEST_F(WaveFiles, PlaysAWaveFileAgainAndAgainWithoutWaiting) {
    const std::string wave = path("ding.wav");
    writeWave(wave);
    auto player = openWavePlayer(wave);
    ASSERT_NE(player, nullptr);

    // Whether or not this machine has a sound device, playing returns at once.
    QElapsedTimer clock;
    clock.start();
    player->play();
    QTest::qWait(50);
    player->play();
    player->play();
    EXPECT_LT(clock.elapsed(), 2000);
    player.reset(); // closing a playing player is fine too
}

TEST(FakeWavePlayer, CountsThePlaysOfEveryPlayerItOpened) {
    auto log = std::make_shared<WavePlays>();
    const WavePlayerFactory open = fakeWavePlayerFactory(log, {"gone.wav"});
    EXPECT_EQ(open("gone.wav"), nullptr);
    auto first = open("ding.wav");
    auto second = open("chimes.wav");
    first->play();
    second->play();
    first->play();
    EXPECT_EQ(log->plays, 3);
    EXPECT_EQ(log->opened, (std::vector<std::string>{"ding.wav", "chimes.wav"}));
}

} // namespace
