// dsInitialize and dsTerminate: opening and closing the output device.
#include "registry.h"
#include "zelkora_sound.h"

using namespace zelkora::sound;

extern "C" {

int32_t dsInitialize(int32_t) {
    auto lock = lockRegistry();
    Device opened;
    opened.device = alcOpenDevice(nullptr);
    if (opened.device == nullptr) return 0;
    opened.context = alcCreateContext(opened.device, nullptr);
    if (opened.context == nullptr) {
        alcCloseDevice(opened.device);
        return 0;
    }
    const int32_t id = addDevice(opened);
    if (id == 0) {
        alcDestroyContext(opened.context);
        alcCloseDevice(opened.device);
        return 0;
    }
    useDevice(id);
    return id;
}

void dsTerminate(int32_t device) {
    auto lock = lockRegistry();
    Device* open = findDevice(device);
    if (open == nullptr) return;
    useDevice(device);
    for (int32_t buffer : buffersOf(device)) releaseBuffer(buffer);
    // A context must not be current while it is destroyed.
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(open->context);
    alcCloseDevice(open->device);
    removeDevice(device);
}

}  // extern "C"
