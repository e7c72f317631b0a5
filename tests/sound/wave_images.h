// Wave file images built in memory for the sound tests, byte by byte, so each
// header field can be set (or broken) on purpose.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zelkora::testing {

enum class SampleFormat { Pcm8, Pcm16, Pcm24, Float32 };

struct WaveShape {
    int channels = 1;
    int rate = 22050;
    SampleFormat format = SampleFormat::Pcm16;
    int frames = 2205;
    double frequency = 440;    // a cosine of this frequency, amplitude 0.5
};

using Bytes = std::vector<std::uint8_t>;

// A complete RIFF/WAVE image: "fmt " chunk (format 1, or 3 for floats) and
// "data" chunk holding the cosine on every channel.
Bytes makeWave(const WaveShape& shape);
// A 16-bit mono image holding exactly these samples.
Bytes makeWave16(const std::vector<std::int16_t>& samples, int rate = 22050);
// A Sun/NeXT ".snd" image: a valid sound file that is not a wave.
Bytes makeAu(int frames);

// Deterministic pseudo-random bytes.
Bytes randomBytes(std::size_t length, std::uint32_t seed);

void put32(Bytes& bytes, std::size_t at, std::uint32_t value);   // little-endian, in place

}  // namespace zelkora::testing
