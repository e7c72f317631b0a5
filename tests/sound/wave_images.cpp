#include "tests/sound/wave_images.h"

#include <cmath>
#include <cstring>
#include <numbers>

namespace zelkora::testing {

namespace {

void append16(Bytes& b, std::uint32_t v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}

void append32(Bytes& b, std::uint32_t v) {
    append16(b, v & 0xFFFF);
    append16(b, v >> 16);
}

void appendTag(Bytes& b, const char* tag) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(tag[i]));
}

void appendBig32(Bytes& b, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) b.push_back((v >> shift) & 0xFF);
}

int bytesPerSample(SampleFormat f) {
    switch (f) {
        case SampleFormat::Pcm8: return 1;
        case SampleFormat::Pcm16: return 2;
        case SampleFormat::Pcm24: return 3;
        case SampleFormat::Float32: return 4;
    }
    return 2;
}

void appendSample(Bytes& b, SampleFormat f, double value) {
    switch (f) {
        case SampleFormat::Pcm8: b.push_back(static_cast<std::uint8_t>(std::lround(128 + 127 * value))); break;
        case SampleFormat::Pcm16: append16(b, static_cast<std::uint16_t>(std::lround(32767 * value))); break;
        case SampleFormat::Pcm24: {
            const auto v = static_cast<std::uint32_t>(std::lround(8388607 * value));
            b.push_back(v & 0xFF);
            b.push_back((v >> 8) & 0xFF);
            b.push_back((v >> 16) & 0xFF);
            break;
        }
        case SampleFormat::Float32: {
            const float x = static_cast<float>(value);
            std::uint32_t bits;
            static_assert(sizeof bits == sizeof x);
            std::memcpy(&bits, &x, sizeof bits);
            append32(b, bits);
            break;
        }
    }
}

Bytes header(int channels, int rate, int formatTag, int bits, std::uint32_t dataBytes) {
    const int blockAlign = channels * bits / 8;
    Bytes b;
    appendTag(b, "RIFF");
    append32(b, 36 + dataBytes);
    appendTag(b, "WAVE");
    appendTag(b, "fmt ");
    append32(b, 16);
    append16(b, formatTag);
    append16(b, channels);
    append32(b, rate);
    append32(b, rate * blockAlign);
    append16(b, blockAlign);
    append16(b, bits);
    appendTag(b, "data");
    append32(b, dataBytes);
    return b;
}

}  // namespace

Bytes makeWave(const WaveShape& shape) {
    const int size = bytesPerSample(shape.format);
    const auto dataBytes = static_cast<std::uint32_t>(shape.frames * shape.channels * size);
    Bytes b = header(shape.channels, shape.rate, shape.format == SampleFormat::Float32 ? 3 : 1, size * 8, dataBytes);
    for (int i = 0; i < shape.frames; ++i) {
        const double v = 0.5 * std::cos(2 * std::numbers::pi * shape.frequency * i / shape.rate);
        for (int c = 0; c < shape.channels; ++c) appendSample(b, shape.format, v);
    }
    return b;
}

Bytes makeWave16(const std::vector<std::int16_t>& samples, int rate) {
    Bytes b = header(1, rate, 1, 16, static_cast<std::uint32_t>(samples.size() * 2));
    for (std::int16_t s : samples) append16(b, static_cast<std::uint16_t>(s));
    return b;
}

Bytes makeAu(int frames) {
    Bytes b;
    appendTag(b, ".snd");
    appendBig32(b, 24);                  // header size
    appendBig32(b, frames * 2);          // data size
    appendBig32(b, 3);                   // 16-bit linear
    appendBig32(b, 22050);
    appendBig32(b, 1);
    for (int i = 0; i < frames; ++i) {
        const auto v = static_cast<std::uint16_t>(std::lround(16000 * std::sin(i * 0.1)));
        b.push_back(v >> 8);
        b.push_back(v & 0xFF);
    }
    return b;
}

Bytes randomBytes(std::size_t length, std::uint32_t seed) {
    Bytes b(length);
    std::uint32_t x = seed * 2654435761u + 1;
    for (auto& byte : b) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        byte = static_cast<std::uint8_t>(x);
    }
    return b;
}

void put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = (value >> (8 * i)) & 0xFF;
}

}  // namespace zelkora::testing
