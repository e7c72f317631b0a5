// The program's binding to its sound library, loaded at run time.
//
// The library is opened by its full path (the dynamic loader does not search
// the program's own folder for a bare name) and its seven functions are looked
// up once. When the file is missing, cannot be loaded or lacks one of the
// functions, the binding behaves exactly like a library without a sound device:
// dsInitialize yields 0, dsCreateDSB yields 0 and every other call does nothing.
#pragma once

#include <string>

#include "game/ports.h"
#include "sound/library/zelkora_sound.h"

namespace zelkora {

class LoadedSoundLibrary : public SoundLibrary {
public:
    explicit LoadedSoundLibrary(const std::string& libraryPath);
    ~LoadedSoundLibrary() override;
    LoadedSoundLibrary(const LoadedSoundLibrary&) = delete;
    LoadedSoundLibrary& operator=(const LoadedSoundLibrary&) = delete;

    // True when the library and all seven functions were found.
    bool loaded() const { return handle_ != nullptr; }

    std::int32_t dsInitialize(std::int32_t window) override;
    void dsTerminate(std::int32_t device) override;
    std::int32_t dsCreateDSB(std::int32_t device, const std::uint8_t* image, std::int32_t length,
                             std::int32_t flags) override;
    void dsFree(std::int32_t buffer) override;
    void dsPlay(std::int32_t buffer) override;
    void dsPlayLooping(std::int32_t buffer) override;
    void dsStop(std::int32_t buffer) override;

private:
    void* handle_ = nullptr;
    decltype(&::dsInitialize) initialize_ = nullptr;
    decltype(&::dsTerminate) terminate_ = nullptr;
    decltype(&::dsCreateDSB) create_ = nullptr;
    decltype(&::dsFree) free_ = nullptr;
    decltype(&::dsPlay) play_ = nullptr;
    decltype(&::dsPlayLooping) playLooping_ = nullptr;
    decltype(&::dsStop) stop_ = nullptr;
};

}  // namespace zelkora
