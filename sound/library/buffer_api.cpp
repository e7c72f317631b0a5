// dsCreateDSB, dsCreateResDSB and dsFree: making and releasing buffers.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "registry.h"
#include "wave_decoder.h"
#include "zelkora_sound.h"

using namespace zelkora::sound;

namespace {

// Larger files cannot hold a wave the decoder accepts (see MAX_SAMPLES).
constexpr std::uintmax_t MAX_FILE_BYTES = 256u * 1024 * 1024;

// Uploads a decoded wave into a new OpenAL buffer with its own source. The
// device's context must be current. 0 when OpenAL refuses.
int32_t makeBuffer(int32_t device, const DecodedWave& wave, int32_t flags) {
    Buffer made;
    made.device = device;
    made.flags = flags;
    made.rate = wave.rate;
    alGetError();
    alGenBuffers(1, &made.buffer);
    if (alGetError() != AL_NO_ERROR) return 0;
    alBufferData(made.buffer, wave.channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16, wave.samples.data(),
                 static_cast<ALsizei>(wave.samples.size() * sizeof(std::int16_t)), wave.rate);
    if (alGetError() == AL_NO_ERROR) alGenSources(1, &made.source);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &made.buffer);
        return 0;
    }
    alSourcei(made.source, AL_BUFFER, static_cast<ALint>(made.buffer));
    // Positions are relative to the listener, so pan is a plain left-right place.
    alSourcei(made.source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(made.source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    const int32_t id = addBuffer(made);
    if (id == 0) {
        alSourcei(made.source, AL_BUFFER, 0);
        alDeleteSources(1, &made.source);
        alDeleteBuffers(1, &made.buffer);
    }
    return id;
}

int32_t createFromImage(int32_t device, const std::uint8_t* image, std::size_t length, int32_t flags) {
    if (!useDevice(device)) return 0;
    DecodedWave wave;
    if (!decodeWave(image, length, wave)) return 0;
    return makeBuffer(device, wave, flags);
}

}  // namespace

extern "C" {

int32_t dsCreateDSB(int32_t device, const uint8_t* image, int32_t length, int32_t flags) {
    auto lock = lockRegistry();
    if (image == nullptr || length <= 0) return 0;
    return createFromImage(device, image, static_cast<std::size_t>(length), flags);
}

int32_t dsCreateResDSB(int32_t device, const char* path, int32_t flags) {
    auto lock = lockRegistry();
    if (path == nullptr || findDevice(device) == nullptr) return 0;
    // Only regular files of a sane size: a device file or a pipe could be read forever.
    std::error_code error;
    const std::filesystem::path file = std::filesystem::u8path(path);
    if (!std::filesystem::is_regular_file(file, error)) return 0;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > MAX_FILE_BYTES) return 0;
    std::ifstream in(file, std::ios::binary);
    if (!in) return 0;
    const std::vector<std::uint8_t> image{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return 0;
    return createFromImage(device, image.data(), image.size(), flags);
}

void dsFree(int32_t buffer) {
    auto lock = lockRegistry();
    if (useBuffer(buffer) != nullptr) releaseBuffer(buffer);
}

}  // extern "C"
