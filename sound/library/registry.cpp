// The handle registry: ids, open devices, live buffers and their release.
#include "registry.h"

#include <map>

namespace zelkora::sound {

namespace {

std::mutex registryMutex;
std::map<std::int32_t, Device> devices;
std::map<std::int32_t, Buffer> buffers;
std::int32_t lastId = 0;

// The next id never handed out before. After 2^31 - 1 ids the counter would
// wrap; it then stops at the top and hands out 0, which every caller treats
// as "not made".
std::int32_t nextId() {
    if (lastId == INT32_MAX) return 0;
    return ++lastId;
}

}  // namespace

std::unique_lock<std::mutex> lockRegistry() { return std::unique_lock<std::mutex>(registryMutex); }

std::int32_t addDevice(const Device& device) {
    const std::int32_t id = nextId();
    if (id != 0) devices[id] = device;
    return id;
}

Device* findDevice(std::int32_t id) {
    auto it = devices.find(id);
    return it == devices.end() ? nullptr : &it->second;
}

void removeDevice(std::int32_t id) { devices.erase(id); }

std::int32_t addBuffer(const Buffer& buffer) {
    const std::int32_t id = nextId();
    if (id != 0) buffers[id] = buffer;
    return id;
}

Buffer* findBuffer(std::int32_t id) {
    auto it = buffers.find(id);
    return it == buffers.end() ? nullptr : &it->second;
}

void removeBuffer(std::int32_t id) { buffers.erase(id); }

std::vector<std::int32_t> buffersOf(std::int32_t device) {
    std::vector<std::int32_t> ids;
    for (const auto& [id, buffer] : buffers)
        if (buffer.device == device) ids.push_back(id);
    return ids;
}

bool useDevice(std::int32_t id) {
    Device* device = findDevice(id);
    if (device == nullptr) return false;
    if (alcGetCurrentContext() != device->context) alcMakeContextCurrent(device->context);
    return true;
}

Buffer* useBuffer(std::int32_t id) {
    Buffer* buffer = findBuffer(id);
    if (buffer == nullptr || !useDevice(buffer->device)) return nullptr;
    return buffer;
}

void releaseBuffer(std::int32_t id) {
    Buffer* buffer = findBuffer(id);
    if (buffer == nullptr) return;
    alSourceStop(buffer->source);
    // OpenAL refuses to delete a buffer still attached to a source.
    alSourcei(buffer->source, AL_BUFFER, 0);
    alDeleteSources(1, &buffer->source);
    alDeleteBuffers(1, &buffer->buffer);
    removeBuffer(id);
}

}  // namespace zelkora::sound
