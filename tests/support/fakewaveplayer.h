#pragma once

#include "platform/waveplayer.h"

#include <memory>
#include <string>
#include <vector>

// What the fake players of a test have played, shared by every player the factory opened.
struct WavePlays {
    std::vector<std::string> opened; // the files players were opened on
    int plays = 0;
};

// A player that only counts its plays.
class FakeWavePlayer final : public WavePlayer {
public:
    explicit FakeWavePlayer(std::shared_ptr<WavePlays> log) : log_(std::move(log)) {}
    void play() override { ++log_->plays; }

private:
    std::shared_ptr<WavePlays> log_;
};

// A factory that opens a fake player on every file name but those it is told are missing.
inline WavePlayerFactory fakeWavePlayerFactory(std::shared_ptr<WavePlays> log,
                                               std::vector<std::string> missing = {}) {
    return [log, missing](const std::string& path) -> std::unique_ptr<WavePlayer> {
        for (const std::string& gone : missing) {
            if (gone == path) return nullptr;
        }
        log->opened.push_back(path);
        return std::make_unique<FakeWavePlayer>(log);
    };
}
