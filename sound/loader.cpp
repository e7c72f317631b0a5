// Loading libZelkora.so by path and calling through the resolved functions.
#include "sound/loader.h"

#include <dlfcn.h>

namespace zelkora {

namespace {

template <typename Function>
bool resolve(void* handle, const char* name, Function& function) {
    function = reinterpret_cast<Function>(::dlsym(handle, name));
    return function != nullptr;
}

}  // namespace

LoadedSoundLibrary::LoadedSoundLibrary(const std::string& libraryPath) {
    // RTLD_NODELETE: OpenAL's mixing thread may outlive this object, so the code
    // it runs must never be unmapped.
    void* handle = ::dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (handle == nullptr) return;
    const bool complete = resolve(handle, "dsInitialize", initialize_) && resolve(handle, "dsTerminate", terminate_) &&
                          resolve(handle, "dsCreateDSB", create_) && resolve(handle, "dsFree", free_) &&
                          resolve(handle, "dsPlay", play_) && resolve(handle, "dsPlayLooping", playLooping_) &&
                          resolve(handle, "dsStop", stop_);
    if (complete) {
        handle_ = handle;
    } else {
        ::dlclose(handle);
    }
}

LoadedSoundLibrary::~LoadedSoundLibrary() {
    if (handle_ != nullptr) ::dlclose(handle_);
}

std::int32_t LoadedSoundLibrary::dsInitialize(std::int32_t window) { return loaded() ? initialize_(window) : 0; }

void LoadedSoundLibrary::dsTerminate(std::int32_t device) {
    if (loaded()) terminate_(device);
}

std::int32_t LoadedSoundLibrary::dsCreateDSB(std::int32_t device, const std::uint8_t* image, std::int32_t length,
                                             std::int32_t flags) {
    return loaded() ? create_(device, image, length, flags) : 0;
}

void LoadedSoundLibrary::dsFree(std::int32_t buffer) {
    if (loaded()) free_(buffer);
}

void LoadedSoundLibrary::dsPlay(std::int32_t buffer) {
    if (loaded()) play_(buffer);
}

void LoadedSoundLibrary::dsPlayLooping(std::int32_t buffer) {
    if (loaded()) playLooping_(buffer);
}

void LoadedSoundLibrary::dsStop(std::int32_t buffer) {
    if (loaded()) stop_(buffer);
}

}  // namespace zelkora
