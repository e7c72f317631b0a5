// Writing mono 16-bit PCM wave files: the 44-byte RIFF header and the samples,
// little-endian, nothing else.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace makesounds {

// Samples in -1..1 are scaled to 16 bits (values outside are clipped).
std::vector<std::int16_t> toPcm16(const std::vector<double>& samples);

// The complete file image.
std::vector<std::uint8_t> waveImage(const std::vector<std::int16_t>& samples, int rate);

// Writes the image to `path`; false when the file cannot be written.
bool writeWave(const std::string& path, const std::vector<std::int16_t>& samples, int rate);

}  // namespace makesounds
