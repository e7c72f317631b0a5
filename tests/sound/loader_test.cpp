// The program's binding to libZelkora.so: loading the built library by its
// path, a missing or incomplete library behaving like a missing device, and
// the game's start-up and shutdown on the real library.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <thread>

#include <sndfile.h>

#include "sound/loader.h"
#include "tests/common/fakes.h"
#include "tests/sound/wave_images.h"

namespace zelkora::testing {
namespace {

const char* const WAVES[] = {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"};

Bytes readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(SoundLoader, LoadsTheBuiltLibraryAndPlaysThroughIt) {
    LoadedSoundLibrary library(ZELKORA_LIBRARY_PATH);
    ASSERT_TRUE(library.loaded());
    const std::int32_t device = library.dsInitialize(0);
    ASSERT_NE(device, 0) << "run with ALSOFT_DRIVERS=null";
    const Bytes image = makeWave({});
    const std::int32_t buffer = library.dsCreateDSB(device, image.data(), static_cast<std::int32_t>(image.size()), 3);
    EXPECT_NE(buffer, 0);
    EXPECT_NE(buffer, device);
    library.dsPlay(buffer);
    library.dsPlayLooping(buffer);
    library.dsStop(buffer);
    library.dsFree(buffer);
    const Bytes truncated(image.begin(), image.end() - 1);
    EXPECT_EQ(library.dsCreateDSB(device, truncated.data(), static_cast<std::int32_t>(truncated.size()), 3), 0);
    library.dsTerminate(device);
    // The device is closed: nothing more is made on it.
    EXPECT_EQ(library.dsCreateDSB(device, image.data(), static_cast<std::int32_t>(image.size()), 3), 0);
}

// Whatever is wrong with the library file, the binding answers like a library
// without a device, and every other call is harmless.
TEST(SoundLoader, MissingOrIncompleteLibraryActsLikeNoDevice) {
    const std::string notALibrary = (std::filesystem::path(ZELKORA_WAVES_DIR) / "BGM.wav").string();
    for (const std::string& path : {std::string("/nonexistent/libZelkora.so"), notALibrary,
                                    std::string(ZELKORA_STUB_PATH), std::string()}) {
        LoadedSoundLibrary library(path);
        EXPECT_FALSE(library.loaded()) << path;
        EXPECT_EQ(library.dsInitialize(42), 0) << path;
        const Bytes image = makeWave({});
        EXPECT_EQ(library.dsCreateDSB(1, image.data(), static_cast<std::int32_t>(image.size()), 3), 0) << path;
        library.dsPlay(1);
        library.dsPlayLooping(1);
        library.dsStop(1);
        library.dsFree(1);
        library.dsTerminate(1);
    }
}

// The game on the real library: start-up makes four distinct buffers from the
// committed wave files without any message; start-up run again keeps them;
// shutdown releases them, and a later start-up makes new ones.
TEST(SoundLoader, GameStartsAndShutsDownOnTheRealLibrary) {
    LoadedSoundLibrary library(ZELKORA_LIBRARY_PATH);
    ASSERT_TRUE(library.loaded());
    Harness h;
    for (const char* name : WAVES) {
        const Bytes bytes = readFile(std::filesystem::path(ZELKORA_WAVES_DIR) / std::filesystem::u8path(name));
        ASSERT_FALSE(bytes.empty()) << name;
        h.files.files[name] = bytes;
    }
    Ports ports;
    ports.canvas = &h.canvas;
    ports.dialogs = &h.dialogs;
    ports.panel = &h.panel;
    ports.menu = &h.menu;
    ports.sound = &library;
    ports.clock = &h.clock;
    ports.window = &h.window;
    ports.files = &h.files;
    Form1 form(ports);

    form.Form_Load();
    EXPECT_TRUE(h.dialogs.shown.empty());
    const SoundState first = form.sounds;
    ASSERT_NE(first.device, 0);
    const std::set<std::int32_t> handles = {first.device, first.other, first.refusal, first.placed, first.bgm};
    EXPECT_EQ(handles.size(), 5u);
    EXPECT_EQ(handles.count(0), 0u);

    for (int i = 0; i < 3; ++i) form.Form_Load();
    EXPECT_EQ(form.sounds.bgm, first.bgm);
    EXPECT_EQ(form.sounds.device, first.device);

    form.BGM_Click();
    form.BGM_Click();
    form.終了処理();
    EXPECT_EQ(form.sounds.device, 0);
    EXPECT_EQ(form.sounds.bgm, 0);
    form.Form_Load();
    EXPECT_NE(form.sounds.bgm, 0);
    EXPECT_EQ(handles.count(form.sounds.bgm), 0u);
    form.終了処理();
    EXPECT_TRUE(h.dialogs.shown.empty());
}

// Run with ALSOFT_DRIVERS=wave and ALSOFT_CONF naming a configuration whose
// wave driver writes to ZELKORA_MIXED_OUT: what the library plays really is
// mixed into the output.
TEST(SoundMixed, PlayedSoundReachesTheOutput) {
    const char* out = std::getenv("ZELKORA_MIXED_OUT");
    ASSERT_NE(out, nullptr) << "ZELKORA_MIXED_OUT not set";
    std::filesystem::remove(out);
    {
        LoadedSoundLibrary library(ZELKORA_LIBRARY_PATH);
        ASSERT_TRUE(library.loaded());
        const std::int32_t device = library.dsInitialize(0);
        ASSERT_NE(device, 0);
        const Bytes image = makeWave({1, 22050, SampleFormat::Pcm16, 6615, 440});   // 0.3 s
        const std::int32_t buffer =
            library.dsCreateDSB(device, image.data(), static_cast<std::int32_t>(image.size()), 3);
        ASSERT_NE(buffer, 0);
        library.dsPlay(buffer);
        // The wave driver mixes in real time; give it the sound's length and more.
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        library.dsFree(buffer);
        library.dsTerminate(device);
    }
    SF_INFO info{};
    SNDFILE* file = sf_open(out, SFM_READ, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    std::vector<float> samples(static_cast<std::size_t>(info.frames * info.channels));
    sf_readf_float(file, samples.data(), info.frames);
    sf_close(file);
    float peak = 0;
    for (float s : samples) peak = std::max(peak, std::abs(s));
    EXPECT_GT(info.frames, info.samplerate / 4);
    EXPECT_GT(peak, 0.1f);
}

}  // namespace
}  // namespace zelkora::testing
