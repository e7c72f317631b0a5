// Playing, looping and stopping buffers, and the controls volume, pan and
// frequency.
#include <algorithm>
#include <cmath>

#include "registry.h"
#include "zelkora_sound.h"

using namespace zelkora::sound;

namespace {

constexpr int32_t VOLUME_MIN = -10000;   // silent
constexpr int32_t PAN_LIMIT = 10000;     // full left / full right
constexpr int32_t FREQUENCY_MIN = 100;
constexpr int32_t FREQUENCY_MAX = 100000;

void start(const Buffer& buffer, bool looping) {
    ALint state = AL_INITIAL;
    alGetSourcei(buffer.source, AL_SOURCE_STATE, &state);
    alSourcei(buffer.source, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
    // Music that is already sounding keeps its place; OpenAL would restart it.
    if (state == AL_PLAYING && (buffer.flags & ZS_FLAG_EFFECT) == 0) return;
    alSourcePlay(buffer.source);
}

bool hasControls(const Buffer& buffer) { return (buffer.flags & ZS_FLAG_CONTROLS) != 0; }

// Hundredths of a decibel to a linear gain; the bottom of the range is silence.
void applyVolume(const Buffer& buffer, int32_t volume) {
    const int32_t v = std::clamp(volume, VOLUME_MIN, 0);
    const float gain = v == VOLUME_MIN ? 0.0f : static_cast<float>(std::pow(10.0, v / 2000.0));
    alSourcef(buffer.source, AL_GAIN, gain);
}

// A place on the unit circle in front of the listener: -1 left, +1 right.
void applyPan(const Buffer& buffer, int32_t pan) {
    const double x = std::clamp(pan, -PAN_LIMIT, PAN_LIMIT) / static_cast<double>(PAN_LIMIT);
    alSource3f(buffer.source, AL_POSITION, static_cast<float>(x), 0.0f, static_cast<float>(-std::sqrt(1.0 - x * x)));
}

// Playback rate as a pitch factor of the wave's own rate; 0 restores it.
void applyFrequency(const Buffer& buffer, int32_t frequency) {
    const double rate = frequency == 0 ? buffer.rate : std::clamp(frequency, FREQUENCY_MIN, FREQUENCY_MAX);
    alSourcef(buffer.source, AL_PITCH, static_cast<float>(rate / buffer.rate));
}

void playWith(int32_t id, int32_t volume, int32_t pan, int32_t frequency, bool looping) {
    auto lock = lockRegistry();
    Buffer* buffer = useBuffer(id);
    if (buffer == nullptr) return;
    if (hasControls(*buffer)) {
        applyVolume(*buffer, volume);
        applyPan(*buffer, pan);
        applyFrequency(*buffer, frequency);
    }
    start(*buffer, looping);
}

template <typename Apply>
void control(int32_t id, int32_t value, Apply apply) {
    auto lock = lockRegistry();
    Buffer* buffer = useBuffer(id);
    if (buffer != nullptr && hasControls(*buffer)) apply(*buffer, value);
}

}  // namespace

extern "C" {

void dsPlay(int32_t buffer) {
    auto lock = lockRegistry();
    if (Buffer* b = useBuffer(buffer)) start(*b, false);
}

void dsPlayLooping(int32_t buffer) {
    auto lock = lockRegistry();
    if (Buffer* b = useBuffer(buffer)) start(*b, true);
}

void dsStop(int32_t buffer) {
    auto lock = lockRegistry();
    // A stopped source starts from the beginning when played again.
    if (Buffer* b = useBuffer(buffer)) alSourceStop(b->source);
}

void dsPlayPan(int32_t buffer, int32_t pan) {
    auto lock = lockRegistry();
    Buffer* b = useBuffer(buffer);
    if (b == nullptr) return;
    if (hasControls(*b)) applyPan(*b, pan);
    start(*b, false);
}

void dsPlayEx(int32_t buffer, int32_t volume, int32_t pan, int32_t frequency) {
    playWith(buffer, volume, pan, frequency, false);
}

void dsPlayLoopingEx(int32_t buffer, int32_t volume, int32_t pan, int32_t frequency) {
    playWith(buffer, volume, pan, frequency, true);
}

void dsSetVolume(int32_t buffer, int32_t volume) { control(buffer, volume, applyVolume); }

void dsSetPan(int32_t buffer, int32_t pan) { control(buffer, pan, applyPan); }

void dsSetFrequency(int32_t buffer, int32_t frequency) { control(buffer, frequency, applyFrequency); }

}  // extern "C"
