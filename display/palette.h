// The fixed palette of sixteen colours that every drawing procedure addresses
// by index 0..15.
//
// Built by a bit rule: bit 2 of the index is red, bit 1 green, bit 0 blue and
// bit 3 intensity; a set colour bit gives its component 128, or 255 when the
// intensity bit is set too. Two indexes break the rule: 7 is light grey
// (192, 192, 192) and 8 dark grey (128, 128, 128). Only the lowest four bits of
// an index count, so any int names one of the sixteen colours.
#pragma once

#include <cstdint>

namespace zelkora {

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr int PALETTE_SIZE = 16;

Rgb paletteColour(int index);

}  // namespace zelkora
