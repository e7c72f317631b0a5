// The library's handles: open devices and the buffers made on them.
//
// Devices and buffers share one counter of 32-bit ids starting at 1; an id is
// handed out once and never again while the library is loaded, so a handle
// that was freed or belongs to a closed device finds nothing. Every exported
// function takes the registry lock for its whole call, so the OpenAL context
// made current by `useDevice` stays current until the call ends.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include <AL/al.h>
#include <AL/alc.h>

namespace zelkora::sound {

struct Device {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
};

// One OpenAL buffer with its own source, so each sound plays independently.
struct Buffer {
    std::int32_t device = 0;
    ALuint buffer = 0;
    ALuint source = 0;
    std::int32_t flags = 0;
    int rate = 0;   // the wave's own frames per second
};

// The lock every exported function holds while it works.
std::unique_lock<std::mutex> lockRegistry();

std::int32_t addDevice(const Device& device);
// Nullptr for 0 and for ids that are not an open device.
Device* findDevice(std::int32_t id);
void removeDevice(std::int32_t id);

std::int32_t addBuffer(const Buffer& buffer);
// Nullptr for 0 and for ids that are not a live buffer.
Buffer* findBuffer(std::int32_t id);
void removeBuffer(std::int32_t id);
// Ids of the live buffers made on a device.
std::vector<std::int32_t> buffersOf(std::int32_t device);

// Makes the device's context current; false when the device is gone.
bool useDevice(std::int32_t id);
// The buffer's context made current and the buffer itself; nullptr for 0,
// unknown ids and buffers whose device is gone.
Buffer* useBuffer(std::int32_t id);

// Stops the buffer's source, detaches and deletes it, deletes the OpenAL
// buffer and forgets the id. The buffer's context must be current.
void releaseBuffer(std::int32_t id);

}  // namespace zelkora::sound
