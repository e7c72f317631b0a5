// Wave images to 16-bit samples through libsndfile, reading from memory.
#include "wave_decoder.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include <sndfile.h>

namespace zelkora::sound {

namespace {

// A read-only view of the image for libsndfile's virtual I/O.
struct MemoryView {
    const std::uint8_t* data;
    sf_count_t length;
    sf_count_t position;
};

sf_count_t viewLength(void* user) { return static_cast<MemoryView*>(user)->length; }

sf_count_t viewSeek(sf_count_t offset, int whence, void* user) {
    auto* view = static_cast<MemoryView*>(user);
    sf_count_t base = 0;
    switch (whence) {
        case SEEK_SET: base = 0; break;
        case SEEK_CUR: base = view->position; break;
        case SEEK_END: base = view->length; break;
        default: return -1;
    }
    const sf_count_t target = base + offset;
    if (target < 0 || target > view->length) return -1;
    view->position = target;
    return target;
}

sf_count_t viewRead(void* destination, sf_count_t count, void* user) {
    auto* view = static_cast<MemoryView*>(user);
    if (count <= 0) return 0;
    const sf_count_t left = view->length - view->position;
    const sf_count_t n = count < left ? count : left;
    std::memcpy(destination, view->data + view->position, static_cast<std::size_t>(n));
    view->position += n;
    return n;
}

sf_count_t viewWrite(const void*, sf_count_t, void*) { return 0; }

sf_count_t viewTell(void* user) { return static_cast<MemoryView*>(user)->position; }

std::uint32_t littleEndian32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// "RIFF" <size> "WAVE", the image holds all the bytes the size promises
// (trailing bytes after the RIFF chunk are allowed, as some writers pad), and
// the chunks up to the "data" chunk, that one included, lie within it.
bool completeRiffWave(const std::uint8_t* image, std::size_t length) {
    if (image == nullptr || length < 12) return false;
    if (std::memcmp(image, "RIFF", 4) != 0 || std::memcmp(image + 8, "WAVE", 4) != 0) return false;
    const std::uint64_t riffEnd = 8ULL + littleEndian32(image + 4);
    if (riffEnd > length) return false;
    std::uint64_t at = 12;
    while (at + 8 <= riffEnd) {
        const std::uint64_t size = littleEndian32(image + at + 4);
        const std::uint64_t end = at + 8 + size;
        if (end > riffEnd) return false;
        if (std::memcmp(image + at, "data", 4) == 0) return true;
        at = end + (size & 1);   // chunks are padded to an even length
    }
    return false;
}

}  // namespace

bool decodeWave(const std::uint8_t* image, std::size_t length, DecodedWave& out) {
    if (!completeRiffWave(image, length)) return false;

    MemoryView view{image, static_cast<sf_count_t>(length), 0};
    SF_VIRTUAL_IO io{viewLength, viewSeek, viewRead, viewWrite, viewTell};
    SF_INFO info{};
    SNDFILE* file = sf_open_virtual(&io, SFM_READ, &info, &view);
    if (file == nullptr) return false;

    const int type = info.format & SF_FORMAT_TYPEMASK;
    const bool acceptable = (type == SF_FORMAT_WAV || type == SF_FORMAT_WAVEX) &&
                            (info.channels == 1 || info.channels == 2) && info.frames > 0 &&
                            info.samplerate >= MIN_RATE && info.samplerate <= MAX_RATE &&
                            info.frames <= MAX_SAMPLES / info.channels;
    DecodedWave decoded;
    if (acceptable) {
        // Read as floats (every format converts to them with the same scale)
        // and round to 16 bits: 16-bit samples come back unchanged.
        std::vector<float> samples(static_cast<std::size_t>(info.frames * info.channels));
        decoded.channels = info.channels;
        decoded.rate = info.samplerate;
        decoded.frames = sf_readf_float(file, samples.data(), info.frames);
        decoded.samples.reserve(samples.size());
        for (float s : samples)
            decoded.samples.push_back(static_cast<std::int16_t>(std::lround(std::clamp(s * 32768.0f, -32768.0f, 32767.0f))));
    }
    sf_close(file);
    // Fewer frames than the header announced means the data is damaged.
    if (!acceptable || decoded.frames != info.frames) return false;
    out = std::move(decoded);
    return true;
}

}  // namespace zelkora::sound
