// The committed wave files beside the program: each decodes as the library
// will see it, in the modest format chosen (mono, 22050 Hz, 16-bit), is
// audible without clipping, and has the character its use asks for: effects
// start and end at silence, the buzz is low, the chime high, the click short,
// and the music is long and joins its end to its start without a step.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/sound/wave_images.h"
#include "wave_decoder.h"

namespace zelkora::testing {
namespace {

struct WaveFile {
    Bytes image;
    sound::DecodedWave wave;
};

WaveFile load(const char* name) {
    WaveFile f;
    std::ifstream in(std::filesystem::path(ZELKORA_WAVES_DIR) / std::filesystem::u8path(name), std::ios::binary);
    f.image.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    sound::decodeWave(f.image.data(), f.image.size(), f.wave);
    return f;
}

int peakOf(const std::vector<std::int16_t>& s, std::size_t from = 0, std::size_t to = SIZE_MAX) {
    int peak = 0;
    for (std::size_t i = from; i < std::min(to, s.size()); ++i) peak = std::max(peak, std::abs(static_cast<int>(s[i])));
    return peak;
}

// The period (in Hz) that best repeats in the window, by autocorrelation over
// lags for 60..2000 Hz.
double pitchOf(const std::vector<std::int16_t>& s, std::size_t from, std::size_t length, int rate) {
    double best = -1;
    int bestLag = 0;
    for (int lag = rate / 2000; lag <= rate / 60; ++lag) {
        double sum = 0, energy = 0;
        for (std::size_t i = from; i < from + length; ++i) {
            sum += static_cast<double>(s[i]) * s[i + lag];
            energy += static_cast<double>(s[i + lag]) * s[i + lag];
        }
        const double score = energy > 0 ? sum / std::sqrt(energy) : 0;
        if (score > best) {
            best = score;
            bestLag = lag;
        }
    }
    return static_cast<double>(rate) / bestLag;
}

struct Expected {
    const char* name;
    double minSeconds, maxSeconds;
};

class CommittedWave : public ::testing::TestWithParam<Expected> {};

TEST_P(CommittedWave, IsAModestAudibleWave) {
    const Expected& e = GetParam();
    const WaveFile f = load(e.name);
    ASSERT_FALSE(f.image.empty()) << e.name << " missing";
    ASSERT_FALSE(f.wave.samples.empty()) << e.name << " does not decode";
    EXPECT_EQ(f.wave.channels, 1);
    EXPECT_EQ(f.wave.rate, 22050);
    EXPECT_EQ(f.image[34] | (f.image[35] << 8), 16) << "bits per sample";
    const double seconds = static_cast<double>(f.wave.frames) / f.wave.rate;
    EXPECT_GE(seconds, e.minSeconds);
    EXPECT_LE(seconds, e.maxSeconds);
    const int peak = peakOf(f.wave.samples);
    EXPECT_GT(peak, 32768 / 5) << "too quiet";
    EXPECT_LT(peak, 32767 * 95 / 100) << "at the edge of clipping";
}

INSTANTIATE_TEST_SUITE_P(Files, CommittedWave,
                         ::testing::Values(Expected{"その他.wav", 0.5, 2.5}, Expected{"禁止.wav", 0.15, 0.6},
                                           Expected{"駒打音.wav", 0.04, 0.3}, Expected{"BGM.wav", 20, 40}),
                         [](const auto& info) { return std::to_string(info.index); });

TEST(CommittedWaves, EffectsStartAndEndAtSilence) {
    for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav"}) {
        const WaveFile f = load(name);
        ASSERT_GT(f.wave.samples.size(), 100u) << name;
        const auto& s = f.wave.samples;
        const int peak = peakOf(s);
        EXPECT_LE(std::abs(s.front()), peak / 100) << name;
        EXPECT_LE(std::abs(s.back()), peak / 100) << name;
        // The last few milliseconds are already quiet: no click when cut off.
        EXPECT_LE(peakOf(s, s.size() - 22), peak / 10) << name;
    }
}

TEST(CommittedWaves, BuzzIsLowAndChimeIsHigh) {
    const WaveFile buzz = load("禁止.wav"), chime = load("その他.wav");
    ASSERT_GT(buzz.wave.samples.size(), 4000u);
    ASSERT_GT(chime.wave.samples.size(), 8000u);
    EXPECT_LT(pitchOf(buzz.wave.samples, 1000, 2000, 22050), 200);
    // The chime's first note alone, before the second one strikes.
    EXPECT_GT(pitchOf(chime.wave.samples, 500, 2000, 22050), 400);
}

TEST(CommittedWaves, ClickIsOverQuickly) {
    const WaveFile click = load("駒打音.wav");
    ASSERT_GT(click.wave.samples.size(), 1100u);
    const int peak = peakOf(click.wave.samples);
    // Loud within the first 10 ms, and down to a tenth after 50 ms.
    EXPECT_EQ(peakOf(click.wave.samples, 0, 220), peak);
    EXPECT_LE(peakOf(click.wave.samples, 1100), peak / 10);
}

// Played in a loop the last sample is followed by the first: that step, and
// the change of slope across it, must be no larger than anywhere inside.
TEST(CommittedWaves, MusicLoopsWithoutAStep) {
    const WaveFile bgm = load("BGM.wav");
    const auto& s = bgm.wave.samples;
    ASSERT_GT(s.size(), 22050u * 20);
    EXPECT_GE(bgm.image.size(), 1'000'000u);
    EXPECT_LE(bgm.image.size(), 1'800'000u);
    int maxStep = 0, maxBend = 0;
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
        maxStep = std::max(maxStep, std::abs(s[i + 1] - s[i]));
        maxBend = std::max(maxBend, std::abs(s[i + 1] - 2 * s[i] + s[i - 1]));
    }
    const int seamStep = std::abs(s.front() - s.back());
    const int seamBend = std::abs(s[1] - 2 * s[0] + s.back());
    EXPECT_LE(seamStep, maxStep / 4);
    EXPECT_LE(seamBend, maxBend / 4);
    // The music never falls silent for long: every second carries sound.
    for (std::size_t second = 0; second + 1 < s.size() / 22050; ++second)
        EXPECT_GT(peakOf(s, second * 22050, (second + 1) * 22050), 1000) << second;
}

}  // namespace
}  // namespace zelkora::testing
