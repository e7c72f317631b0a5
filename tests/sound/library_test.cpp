// The exported functions of the sound library on OpenAL's null output
// (ALSOFT_DRIVERS=null): buffers from wave images, play, loop, stop, free,
// the controls, and that handle 0 or a stale handle does nothing anywhere.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "registry.h"
#include "tests/sound/wave_images.h"
#include "zelkora_sound.h"

namespace zelkora::testing {
namespace {

using sound::findBuffer;

constexpr int32_t MUSIC = 1;    // flags the game gives its music
constexpr int32_t EFFECT = 3;   // flags the game gives its effects

class SoundLibraryTest : public ::testing::Test {
protected:
    int32_t device = 0;
    Bytes image = makeWave({1, 22050, SampleFormat::Pcm16, 44100, 440});   // two seconds

    void SetUp() override {
        device = dsInitialize(0);
        ASSERT_NE(device, 0) << "no OpenAL device: run with ALSOFT_DRIVERS=null";
    }
    void TearDown() override { dsTerminate(device); }

    int32_t create(int32_t flags, const Bytes& bytes) {
        return dsCreateDSB(device, bytes.data(), static_cast<int32_t>(bytes.size()), flags);
    }
    int32_t create(int32_t flags) { return create(flags, image); }

    static ALint sourceInt(int32_t buffer, ALenum what) {
        ALint value = -1;
        alGetSourcei(findBuffer(buffer)->source, what, &value);
        return value;
    }
    static float sourceFloat(int32_t buffer, ALenum what) {
        float value = -1;
        alGetSourcef(findBuffer(buffer)->source, what, &value);
        return value;
    }
    static std::filesystem::path writeTemporary(const Bytes& bytes) {
        const auto path = std::filesystem::temp_directory_path() /
                          ("zelkora_sound_test_" + std::to_string(::getpid()) +
                           "_駒.wav");
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    static bool playing(int32_t buffer) { return sourceInt(buffer, AL_SOURCE_STATE) == AL_PLAYING; }
    static bool looping(int32_t buffer) { return sourceInt(buffer, AL_LOOPING) == AL_TRUE; }
    // Moves the play position of a sounding buffer to one second in.
    static void seekToOneSecond(int32_t buffer) { alSourcei(findBuffer(buffer)->source, AL_SAMPLE_OFFSET, 22050); }
};

TEST_F(SoundLibraryTest, BufferPlaysOnceLoopsStopsAndIsFreed) {
    const int32_t buffer = create(EFFECT);
    ASSERT_NE(buffer, 0);
    const sound::Buffer made = *findBuffer(buffer);
    ALint size = 0, channels = 0;
    alGetBufferi(made.buffer, AL_SIZE, &size);
    alGetBufferi(made.buffer, AL_CHANNELS, &channels);
    EXPECT_EQ(size, 44100 * 2);
    EXPECT_EQ(channels, 1);
    EXPECT_EQ(sourceInt(buffer, AL_SOURCE_STATE), AL_INITIAL);

    dsPlay(buffer);
    EXPECT_TRUE(playing(buffer));
    EXPECT_FALSE(looping(buffer));
    dsStop(buffer);
    EXPECT_EQ(sourceInt(buffer, AL_SOURCE_STATE), AL_STOPPED);
    dsPlayLooping(buffer);
    EXPECT_TRUE(playing(buffer));
    EXPECT_TRUE(looping(buffer));
    dsStop(buffer);
    EXPECT_FALSE(playing(buffer));

    dsPlayLooping(buffer);
    dsFree(buffer);
    EXPECT_EQ(findBuffer(buffer), nullptr);
    EXPECT_FALSE(alIsSource(made.source));
    EXPECT_FALSE(alIsBuffer(made.buffer));
    EXPECT_EQ(alGetError(), AL_NO_ERROR);
}

TEST_F(SoundLibraryTest, EffectRestartsOnEveryPlayMusicKeepsItsPlace) {
    const int32_t effect = create(EFFECT);
    const int32_t music = create(MUSIC);
    dsPlay(effect);
    seekToOneSecond(effect);
    dsPlay(effect);
    EXPECT_TRUE(playing(effect));
    EXPECT_LT(sourceInt(effect, AL_SAMPLE_OFFSET), 22050);

    dsPlayLooping(music);
    seekToOneSecond(music);
    dsPlayLooping(music);   // start-up run again while the music sounds
    EXPECT_TRUE(playing(music));
    EXPECT_TRUE(looping(music));
    EXPECT_GE(sourceInt(music, AL_SAMPLE_OFFSET), 22050);

    // After a stop the music starts again from the beginning.
    dsStop(music);
    dsPlayLooping(music);
    EXPECT_TRUE(playing(music));
    EXPECT_LT(sourceInt(music, AL_SAMPLE_OFFSET), 22050);
}

TEST_F(SoundLibraryTest, BuffersPlayIndependently) {
    const int32_t a = create(EFFECT), b = create(EFFECT);
    ASSERT_NE(a, b);
    dsPlayLooping(a);
    dsPlay(b);
    dsStop(b);
    EXPECT_TRUE(playing(a));
    dsFree(b);
    EXPECT_TRUE(playing(a));
    EXPECT_NE(findBuffer(a), nullptr);
}

// Handles are never handed out twice, so a handle kept after dsFree cannot
// reach a sound made later.
TEST_F(SoundLibraryTest, FreedHandlesAreNotReused) {
    const int32_t first = create(EFFECT);
    dsFree(first);
    const int32_t second = create(EFFECT);
    EXPECT_NE(second, first);
    dsPlay(first);
    dsStop(first);
    dsFree(first);
    EXPECT_EQ(sourceInt(second, AL_SOURCE_STATE), AL_INITIAL);
    EXPECT_NE(findBuffer(second), nullptr);
}

TEST_F(SoundLibraryTest, HandleZeroAndUnknownHandlesDoNothing) {
    const int32_t live = create(MUSIC | EFFECT);
    const std::filesystem::path file = writeTemporary(image);
    dsPlayLooping(live);
    // 0, ids never handed out, and a device id used as a buffer.
    for (int32_t handle : {0, -1, 123456, device}) {
        dsPlay(handle);
        dsPlayLooping(handle);
        dsStop(handle);
        dsPlayPan(handle, 5000);
        dsPlayEx(handle, -5000, 5000, 11025);
        dsPlayLoopingEx(handle, -5000, 5000, 11025);
        dsSetVolume(handle, -5000);
        dsSetPan(handle, -5000);
        dsSetFrequency(handle, 8000);
        dsFree(handle);
    }
    // 0, ids never handed out, and a buffer id used as a device.
    for (int32_t handle : {0, -1, 123456, live}) {
        EXPECT_EQ(dsCreateDSB(handle, image.data(), static_cast<int32_t>(image.size()), EFFECT), 0) << handle;
        EXPECT_EQ(dsCreateResDSB(handle, file.string().c_str(), EFFECT), 0) << handle;
        dsTerminate(handle);
    }
    // The live buffer was touched by none of them, and the device still works.
    ASSERT_NE(findBuffer(live), nullptr);
    EXPECT_TRUE(playing(live));
    EXPECT_TRUE(looping(live));
    EXPECT_FLOAT_EQ(sourceFloat(live, AL_GAIN), 1.0f);
    EXPECT_FLOAT_EQ(sourceFloat(live, AL_PITCH), 1.0f);
    EXPECT_NE(dsCreateResDSB(device, file.string().c_str(), EFFECT), 0);
    std::filesystem::remove(file);
}

TEST_F(SoundLibraryTest, BadImagesGiveZero) {
    const Bytes truncated(image.begin(), image.begin() + static_cast<long>(image.size() / 2));
    EXPECT_EQ(create(EFFECT, Bytes{}), 0);
    EXPECT_EQ(create(EFFECT, truncated), 0);
    EXPECT_EQ(create(EFFECT, randomBytes(4096, 7)), 0);
    EXPECT_EQ(create(EFFECT, makeAu(1000)), 0);
    EXPECT_EQ(dsCreateDSB(device, nullptr, 100, EFFECT), 0);
    EXPECT_EQ(dsCreateDSB(device, image.data(), 0, EFFECT), 0);
    EXPECT_EQ(dsCreateDSB(device, image.data(), -5, EFFECT), 0);
    // A length shorter than the image is a truncated image.
    EXPECT_EQ(dsCreateDSB(device, image.data(), static_cast<int32_t>(image.size() - 1), EFFECT), 0);
    EXPECT_EQ(alGetError(), AL_NO_ERROR);
}

struct ControlCase {
    const char* name;
    int32_t volume, pan, frequency;
    float gain, x, pitch;
};

class SoundControls : public SoundLibraryTest, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(SoundControls, MapVolumePanAndFrequency) {
    const ControlCase& c = GetParam();
    const int32_t buffer = create(EFFECT);
    dsPlayEx(buffer, c.volume, c.pan, c.frequency);
    EXPECT_TRUE(playing(buffer));
    EXPECT_FALSE(looping(buffer));
    EXPECT_NEAR(sourceFloat(buffer, AL_GAIN), c.gain, 1e-4);
    EXPECT_NEAR(sourceFloat(buffer, AL_PITCH), c.pitch, 1e-4);
    float x = 0, y = 0, z = 0;
    alGetSource3f(findBuffer(buffer)->source, AL_POSITION, &x, &y, &z);
    EXPECT_NEAR(x, c.x, 1e-4);
    EXPECT_NEAR(x * x + z * z, 1.0f, 1e-4) << "the sound stays at the listener's distance";
    EXPECT_LE(z, 0.0f);

    // The single controls set the same values.
    const int32_t other = create(EFFECT);
    dsSetVolume(other, c.volume);
    dsSetPan(other, c.pan);
    dsSetFrequency(other, c.frequency);
    dsPlayLoopingEx(other, c.volume, c.pan, c.frequency);
    EXPECT_TRUE(looping(other));
    EXPECT_NEAR(sourceFloat(other, AL_GAIN), c.gain, 1e-4);
    EXPECT_NEAR(sourceFloat(other, AL_PITCH), c.pitch, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SoundControls,
    ::testing::Values(ControlCase{"full", 0, 0, 0, 1.0f, 0.0f, 1.0f},
                      ControlCase{"minus6dB", -600, 0, 22050, 0.501187f, 0.0f, 1.0f},
                      ControlCase{"minus20dBLeft", -2000, -10000, 44100, 0.1f, -1.0f, 2.0f},
                      ControlCase{"silentRight", -10000, 10000, 11025, 0.0f, 1.0f, 0.5f},
                      ControlCase{"clampedBelow", -30000, -20000, 50, 0.0f, -1.0f, 100.0f / 22050},
                      ControlCase{"clampedAbove", 500, 99999, 1000000, 1.0f, 1.0f, 100000.0f / 22050},
                      ControlCase{"halfRight", -1000, 5000, 0, 0.316228f, 0.5f, 1.0f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SoundLibraryTest, ControlsNeedTheControlsFlag) {
    const int32_t plain = create(ZS_FLAG_EFFECT);
    dsSetVolume(plain, -2000);
    dsSetFrequency(plain, 44100);
    dsPlayPan(plain, 10000);
    EXPECT_TRUE(playing(plain));
    EXPECT_FLOAT_EQ(sourceFloat(plain, AL_GAIN), 1.0f);
    EXPECT_FLOAT_EQ(sourceFloat(plain, AL_PITCH), 1.0f);
    float x = 1, y = 1, z = 1;
    alGetSource3f(findBuffer(plain)->source, AL_POSITION, &x, &y, &z);
    EXPECT_FLOAT_EQ(x, 0.0f);

    const int32_t controlled = create(EFFECT);
    dsPlayPan(controlled, -10000);
    alGetSource3f(findBuffer(controlled)->source, AL_POSITION, &x, &y, &z);
    EXPECT_FLOAT_EQ(x, -1.0f);
}

TEST_F(SoundLibraryTest, BufferFromAFileByPath) {
    const std::filesystem::path path = writeTemporary(image);
    const int32_t buffer = dsCreateResDSB(device, path.string().c_str(), EFFECT);
    EXPECT_NE(buffer, 0);
    dsPlay(buffer);
    EXPECT_TRUE(playing(buffer));
    std::filesystem::remove(path);
    EXPECT_EQ(dsCreateResDSB(device, path.string().c_str(), EFFECT), 0);
    EXPECT_EQ(dsCreateResDSB(device, nullptr, EFFECT), 0);
    EXPECT_EQ(dsCreateResDSB(device, std::filesystem::temp_directory_path().string().c_str(), EFFECT), 0);
    EXPECT_EQ(dsCreateResDSB(device, "/dev/zero", EFFECT), 0);
}

// Closing the device frees its buffers; a second device is not disturbed.
TEST(SoundLibraryDevices, TerminateFreesTheDevicesBuffersOnly) {
    const Bytes image = makeWave({});
    const int32_t first = dsInitialize(0), second = dsInitialize(0);
    ASSERT_NE(first, 0);
    ASSERT_NE(second, 0);
    EXPECT_NE(first, second);
    const int32_t a = dsCreateDSB(first, image.data(), static_cast<int32_t>(image.size()), EFFECT);
    const int32_t b = dsCreateDSB(second, image.data(), static_cast<int32_t>(image.size()), MUSIC);
    ASSERT_NE(a, 0);
    ASSERT_NE(b, 0);
    dsPlayLooping(b);
    dsPlayLooping(a);
    dsTerminate(first);
    EXPECT_EQ(findBuffer(a), nullptr);
    dsPlay(a);
    dsFree(a);
    dsTerminate(first);
    ASSERT_NE(findBuffer(b), nullptr);
    dsStop(b);
    ALint state = 0;
    alGetSourcei(findBuffer(b)->source, AL_SOURCE_STATE, &state);
    EXPECT_EQ(state, AL_STOPPED);
    dsTerminate(second);
    EXPECT_EQ(findBuffer(b), nullptr);
    EXPECT_EQ(alcGetCurrentContext(), nullptr);
}

}  // namespace
}  // namespace zelkora::testing
