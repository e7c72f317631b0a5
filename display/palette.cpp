// The sixteen-colour palette, computed from the bit rule of palette.h.
#include "display/palette.h"

namespace zelkora {

Rgb paletteColour(int index) {
    const int i = index & 0x0F;
    if (i == 7) return {192, 192, 192};
    if (i == 8) return {128, 128, 128};
    const std::uint8_t on = (i & 8) ? 255 : 128;
    auto component = [&](int bit) -> std::uint8_t { return (i & bit) ? on : 0; };
    return {component(4), component(2), component(1)};
}

}  // namespace zelkora
