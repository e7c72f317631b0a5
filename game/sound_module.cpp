// Module1: opening the sound library, making one buffer per wave file and
// closing it again. Every failure leaves a handle of 0, which the library
// treats as "do nothing", so the game plays on silently.
#include <vector>

#include "game/Form1.h"

namespace zelkora {

namespace {

// The sound library takes an image's length as a 32-bit count; the game's
// waves are far smaller than this.
constexpr std::size_t WAVE_LIMIT = 64u << 20;

}  // namespace

void Form1::InitSound(std::int32_t window) {
    sounds.device = io.sound->dsInitialize(window);
    if (sounds.device == 0) ShowSoundError(文言(Text::SOUND_NO_DEVICE));
}

// The wave file is looked for in the sound folder the platform names.
std::int32_t Form1::LoadSound(const std::string& fileName, std::int32_t flags) {
    if (sounds.device == 0) return 0;
    const std::string path = pathIn(io.places.soundFolder, fileName);
    if (!io.files->exists(path)) return 0;
    std::vector<std::uint8_t> image;
    if (io.files->readAll(path, WAVE_LIMIT, image) != ReadResult::Ok) {
        ShowSoundError(文言(Text::SOUND_UNREADABLE, {path}));
        return 0;
    }
    if (image.empty()) {
        ShowSoundError(文言(Text::SOUND_EMPTY, {path}));
        return 0;
    }
    return io.sound->dsCreateDSB(sounds.device, image.data(), static_cast<std::int32_t>(image.size()), flags);
}

void Form1::TermSound() {
    if (sounds.device != 0) io.sound->dsTerminate(sounds.device);
    sounds.device = 0;
}

void Form1::ShowSoundError(const std::string& text) {
    io.dialogs->message(text, "Zelkora.Dll", Buttons::Ok, Icon::Warning);
}

void Form1::playSound(std::int32_t buffer) { io.sound->dsPlay(buffer); }

}  // namespace zelkora
