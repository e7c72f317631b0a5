// Decoding a wave file's image in memory into 16-bit samples for OpenAL.
//
// The image comes from the game (a file it read whole) or from anybody calling
// the library, so nothing in it is trusted: the RIFF/WAVE header and its size
// field are checked before libsndfile sees the bytes, and libsndfile reads only
// through a bounded view of the image. A truncated image (shorter than its RIFF
// size says) is refused rather than played in part.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zelkora::sound {

struct DecodedWave {
    std::vector<std::int16_t> samples;   // interleaved, frames * channels
    int channels = 0;                    // 1 or 2
    int rate = 0;                        // frames per second
    std::int64_t frames = 0;
};

// Limits of what is accepted: rates OpenAL mixes sensibly, and at most ten
// minutes of stereo at 48 kHz, so a forged header cannot demand gigabytes.
constexpr int MIN_RATE = 1000;
constexpr int MAX_RATE = 192000;
constexpr std::int64_t MAX_SAMPLES = 60LL * 10 * 48000 * 2;

// True and `out` filled when the image is a complete wave of one or two
// channels with at least one frame; false (and `out` untouched) otherwise.
bool decodeWave(const std::uint8_t* image, std::size_t length, DecodedWave& out);

}  // namespace zelkora::sound
