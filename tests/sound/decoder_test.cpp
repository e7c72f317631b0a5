// Decoding wave images: which images become sound, and that damaged, truncated,
// foreign or random bytes are refused without reading outside the image.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/sound/wave_images.h"
#include "wave_decoder.h"

namespace zelkora::testing {
namespace {

using sound::DecodedWave;
using sound::decodeWave;

bool decodes(const Bytes& image) {
    DecodedWave wave;
    return decodeWave(image.data(), image.size(), wave);
}

struct AcceptedCase {
    const char* name;
    WaveShape shape;
};

class AcceptedWave : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedWave, DecodesEveryFrameOnEveryChannel) {
    const WaveShape& shape = GetParam().shape;
    const Bytes image = makeWave(shape);
    DecodedWave wave;
    ASSERT_TRUE(decodeWave(image.data(), image.size(), wave));
    EXPECT_EQ(wave.channels, shape.channels);
    EXPECT_EQ(wave.rate, shape.rate);
    EXPECT_EQ(wave.frames, shape.frames);
    ASSERT_EQ(wave.samples.size(), static_cast<std::size_t>(shape.frames * shape.channels));
    // The cosine of amplitude 0.5 comes out at about 16384 whatever the format.
    int peak = 0;
    for (std::int16_t s : wave.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_NEAR(peak, 16384, 300);
    // Channels carry the same cosine, interleaved.
    if (shape.channels == 2) {
        for (int i = 0; i < shape.frames; ++i) EXPECT_EQ(wave.samples[2 * i], wave.samples[2 * i + 1]) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, AcceptedWave,
                         ::testing::Values(AcceptedCase{"mono16", {1, 22050, SampleFormat::Pcm16, 2205, 440}},
                                           AcceptedCase{"stereo16", {2, 44100, SampleFormat::Pcm16, 1000, 880}},
                                           AcceptedCase{"mono8", {1, 11025, SampleFormat::Pcm8, 500, 300}},
                                           AcceptedCase{"stereo24", {2, 48000, SampleFormat::Pcm24, 480, 1000}},
                                           AcceptedCase{"monoFloat", {1, 22050, SampleFormat::Float32, 700, 200}},
                                           AcceptedCase{"oneFrame", {1, 8000, SampleFormat::Pcm16, 1, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WaveDecoder, KeepsSixteenBitSamplesExactly) {
    const std::vector<std::int16_t> samples = {0, 1, -1, 32767, -32768, 1234, -4321, 7};
    const Bytes image = makeWave16(samples);
    DecodedWave wave;
    ASSERT_TRUE(decodeWave(image.data(), image.size(), wave));
    EXPECT_EQ(wave.samples, samples);
}

TEST(WaveDecoder, AcceptsBytesAfterTheRiffChunk) {
    Bytes image = makeWave({});
    image.insert(image.end(), {0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(decodes(image));
}

struct RefusedCase {
    const char* name;
    Bytes image;
};

Bytes withRiffSize(Bytes b, std::uint32_t size) {
    put32(b, 4, size);
    return b;
}

Bytes withByte(Bytes b, std::size_t at, std::uint8_t value) {
    b[at] = value;
    return b;
}

std::vector<RefusedCase> refusedImages() {
    const Bytes good = makeWave({});
    const std::size_t channelsAt = 22, rateAt = 24, dataSizeAt = 40;
    Bytes rateTooLow = good;
    put32(rateTooLow, rateAt, 500);
    Bytes noData = makeWave16({});
    Bytes dataLongerThanFile = good;
    put32(dataLongerThanFile, dataSizeAt, 1u << 30);
    put32(dataLongerThanFile, 4, static_cast<std::uint32_t>(good.size() - 8));
    return {
        {"empty", {}},
        {"riffOnly", Bytes(good.begin(), good.begin() + 4)},
        {"headerWithoutFormat", Bytes(good.begin(), good.begin() + 12)},
        {"notRiff", withByte(good, 0, 'X')},
        {"riffButNotWave", withByte(good, 8, 'A')},
        {"riffSizeBeyondImage", withRiffSize(good, static_cast<std::uint32_t>(good.size()))},
        {"riffSizeHuge", withRiffSize(good, 0xFFFFFFFFu)},
        {"fourChannels", makeWave({4, 22050, SampleFormat::Pcm16, 100, 440})},
        {"zeroChannels", withByte(good, channelsAt, 0)},
        {"rateTooLow", rateTooLow},
        {"noFrames", noData},
        {"sunAudio", makeAu(1000)},
        {"dataSizeBeyondImage", dataLongerThanFile},
        {"noDataChunk", withByte(good, 36, 'x')},
        {"text", Bytes{'b', 'g', 'm', '.', 'w', 'a', 'v'}},
    };
}

TEST(WaveDecoder, RefusesImagesThatAreNotCompleteWaves) {
    for (const auto& c : refusedImages()) {
        DecodedWave wave;
        wave.channels = 99;
        EXPECT_FALSE(decodeWave(c.image.data(), c.image.size(), wave)) << c.name;
        EXPECT_EQ(wave.channels, 99) << c.name << ": output touched on refusal";
    }
    DecodedWave wave;
    EXPECT_FALSE(decodeWave(nullptr, 100, wave));
}

// Cut at every length: the bytes past the cut are never looked at, so the
// image is copied into a buffer of exactly that length (AddressSanitizer
// notices any read beyond it).
TEST(WaveDecoder, RefusesEveryTruncation) {
    const Bytes good = makeWave({2, 22050, SampleFormat::Pcm16, 60, 440});
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        const Bytes part(good.begin(), good.begin() + static_cast<long>(cut));
        EXPECT_FALSE(decodes(part)) << "cut at " << cut;
    }
    EXPECT_TRUE(decodes(good));
}

TEST(WaveDecoder, RefusesRandomBytes) {
    for (std::uint32_t seed = 1; seed <= 300; ++seed) EXPECT_FALSE(decodes(randomBytes(seed * 7 % 2000, seed))) << seed;
}

// A valid header followed by random bytes, and single damaged bytes anywhere in
// the header: some of these still decode, none may crash or read outside.
TEST(WaveDecoder, SurvivesDamagedHeaders) {
    const Bytes good = makeWave({1, 22050, SampleFormat::Pcm16, 200, 440});
    int decoded = 0;
    for (std::size_t at = 0; at < 44; ++at) {
        for (std::uint8_t value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
            DecodedWave wave;
            if (decodeWave(withByte(good, at, value).data(), good.size(), wave)) {
                ++decoded;
                EXPECT_LE(wave.samples.size(), good.size());
                EXPECT_TRUE(wave.channels == 1 || wave.channels == 2);
            }
        }
    }
    // Bytes such as the byte rate are not needed to decode; the tags are.
    EXPECT_GT(decoded, 0);
    EXPECT_LT(decoded, 44 * 5);
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        Bytes image(good.begin(), good.begin() + 44);
        const Bytes tail = randomBytes(seed * 13 % 600, seed);
        image.insert(image.end(), tail.begin(), tail.end());
        put32(image, 4, static_cast<std::uint32_t>(image.size() - 8));
        DecodedWave wave;
        if (decodeWave(image.data(), image.size(), wave)) {
            EXPECT_EQ(wave.samples.size(), static_cast<std::size_t>(wave.frames * wave.channels));
        }
    }
}

}  // namespace
}  // namespace zelkora::testing
