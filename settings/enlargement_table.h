// The enlargements of the window that the options menu offers ("表示倍率"):
// the menu item, the enlargement in percent and the settings file's line for
// it.
//
// 100% is the window at the pictures' own size and the default: the settings
// file stores no line for it.
#pragma once

#include <array>

namespace zelkora {

struct EnlargementChoice {
    const char* item;   // menu item name
    int percent;        // enlargement of the window
    const char* line;   // the settings file's line for it (UTF-8; stored in Shift_JIS)
};

inline constexpr int NORMAL_SIZE = 100;

inline constexpr std::array<EnlargementChoice, 3> ENLARGEMENTS = {{
    {"BAIRITU_100", NORMAL_SIZE, "表示倍率=100"},
    {"BAIRITU_150", 150, "表示倍率=150"},
    {"BAIRITU_200", 200, "表示倍率=200"},
}};

}  // namespace zelkora
