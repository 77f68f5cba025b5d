#pragma once

#include "platform/waveplayer.h"

// The entry point of the sound module (libquillbox_sound.so): a new player on the wave file,
// owned by the caller. The module stays loaded as long as the program runs.
extern "C" {
using OpenSoundEffect = WavePlayer* (*)(const char* path);
inline constexpr const char* kOpenSoundEffectSymbol = "quillboxOpenSoundEffect";
}
