// The 44-byte PCM wave header and the sample data.
#include "wav_writer.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace makesounds {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void putTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::int16_t> toPcm16(const std::vector<double>& samples) {
    std::vector<std::int16_t> pcm;
    pcm.reserve(samples.size());
    for (double s : samples) pcm.push_back(static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767)));
    return pcm;
}

std::vector<std::uint8_t> waveImage(const std::vector<std::int16_t>& samples, int rate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);                          // size of the format chunk
    put16(out, 1);                           // PCM
    put16(out, 1);                           // mono
    put32(out, static_cast<std::uint32_t>(rate));
    put32(out, static_cast<std::uint32_t>(rate) * 2);   // bytes per second
    put16(out, 2);                           // bytes per frame
    put16(out, 16);                          // bits per sample
    putTag(out, "data");
    put32(out, dataBytes);
    for (std::int16_t s : samples) put16(out, static_cast<std::uint16_t>(s));
    return out;
}

bool writeWave(const std::string& path, const std::vector<std::int16_t>& samples, int rate) {
    const std::vector<std::uint8_t> image = waveImage(samples, rate);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    return static_cast<bool>(out);
}

}  // namespace makesounds
