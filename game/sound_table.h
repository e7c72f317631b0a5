// The game's four sounds, declared once: the wave file beside the program,
// the flags its buffer is made with, and whether it plays as a loop (the
// music, started with every start-up and by the "BGM" switch) or once.
// Start-up makes one buffer per row, in this order, into the handle the row
// names; the rest of the game plays the handles.
#pragma once

#include <cstdint>

#include "game/Form1.h"

namespace zelkora {

struct SoundEntry {
    std::int32_t SoundState::*handle;
    const char* file;
    std::int32_t flags;
    bool looping;
};

inline constexpr SoundEntry SOUNDS[] = {
    {&SoundState::other, "その他.wav", 3, false},
    {&SoundState::refusal, "禁止.wav", 3, false},
    {&SoundState::placed, "駒打音.wav", 3, false},
    {&SoundState::bgm, "BGM.wav", 1, true},
};

}  // namespace zelkora
