// A library that offers only some of the sound functions, standing in for a
// wrong or outdated libZelkora.so in the loader tests.
#include <cstdint>

extern "C" {

__attribute__((visibility("default"))) std::int32_t dsInitialize(std::int32_t) { return 77; }
__attribute__((visibility("default"))) void dsPlay(std::int32_t) {}

}  // extern "C"
