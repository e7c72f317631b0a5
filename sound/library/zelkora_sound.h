// The C interface of libZelkora.so, the game's own sound library.
//
// A device is opened with dsInitialize; wave images are turned into buffers
// with dsCreateDSB; buffers are played once, looped, stopped and freed; the
// device is closed with dsTerminate, which also frees the buffers still made on
// it. Every handle is a 32-bit id handed out by the library (never a pointer);
// ids are not reused while the library is loaded, so a stale handle can never
// reach another sound. A handle of 0, or any id the library did not hand out or
// has already released, makes every call do nothing (and yields 0 where a
// handle is returned).
//
// Flags of a buffer:
//   ZS_FLAG_CONTROLS (1): the buffer accepts volume, pan and frequency changes;
//   ZS_FLAG_EFFECT   (2): a sound effect: every play starts it from the
//                         beginning. Without it (music), playing a buffer that
//                         is already sounding keeps its place and only changes
//                         whether it loops.
// The game makes its effects with 3 and its music with 1.
//
// Units follow the usual sound-buffer conventions: volume in hundredths of a
// decibel from -10000 (silent) to 0 (full); pan from -10000 (left) to 10000
// (right); frequency in samples per second, 0 meaning the wave's own rate.
// Pan places a mono sound; a stereo sound keeps its own channels.
#pragma once

#include <stdint.h>

#if defined(__GNUC__)
#define ZS_EXPORT __attribute__((visibility("default")))
#else
#define ZS_EXPORT
#endif

#define ZS_FLAG_CONTROLS 1
#define ZS_FLAG_EFFECT 2

#ifdef __cplusplus
extern "C" {
#endif

// Opens the default output device. The window handle is accepted for the
// game's calling convention and not needed here. Yields 0 without a device.
ZS_EXPORT int32_t dsInitialize(int32_t window);
// Closes the device and frees every buffer still made on it.
ZS_EXPORT void dsTerminate(int32_t device);

// Makes a buffer from the complete image of a wave file (its bytes from the
// first on, `length` of them). Yields 0 when the image is not a complete,
// readable wave of one or two channels.
ZS_EXPORT int32_t dsCreateDSB(int32_t device, const uint8_t* image, int32_t length, int32_t flags);
// Makes a buffer from the wave file at `path` (UTF-8).
ZS_EXPORT int32_t dsCreateResDSB(int32_t device, const char* path, int32_t flags);
// Stops the buffer and releases it.
ZS_EXPORT void dsFree(int32_t buffer);

// Starts the sound once and returns at once.
ZS_EXPORT void dsPlay(int32_t buffer);
// Starts the sound repeating until dsStop.
ZS_EXPORT void dsPlayLooping(int32_t buffer);
// Stops the sound; the next play starts from the beginning.
ZS_EXPORT void dsStop(int32_t buffer);

// Sets the pan, then plays once.
ZS_EXPORT void dsPlayPan(int32_t buffer, int32_t pan);
// Sets volume, pan and frequency, then plays once or in a loop.
ZS_EXPORT void dsPlayEx(int32_t buffer, int32_t volume, int32_t pan, int32_t frequency);
ZS_EXPORT void dsPlayLoopingEx(int32_t buffer, int32_t volume, int32_t pan, int32_t frequency);
// Controls of a buffer made with ZS_FLAG_CONTROLS; on other buffers these
// calls, and the settings of dsPlayPan, dsPlayEx and dsPlayLoopingEx, do nothing.
ZS_EXPORT void dsSetVolume(int32_t buffer, int32_t volume);
ZS_EXPORT void dsSetPan(int32_t buffer, int32_t pan);
ZS_EXPORT void dsSetFrequency(int32_t buffer, int32_t frequency);

#ifdef __cplusplus
}
#endif
