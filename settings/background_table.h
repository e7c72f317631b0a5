// The five background pictures the options menu offers: the menu item, the
// picture code and the line the settings file holds for it.
//
// The order of the table is the order in which the settings file writer looks
// for the first checked item (緑, 竹, 畳, 宇宙, 煉瓦), which is not the order of
// the codes.
#pragma once

#include <array>

#include "game/codes.h"

namespace zelkora {

struct BackgroundChoice {
    const char* item;   // menu item name
    int code;           // picture code of the background
    const char* line;   // the settings file's line (UTF-8; stored in Shift_JIS)
};

inline constexpr std::array<BackgroundChoice, 5> BACKGROUNDS = {{
    {"MIDORI", PIC_MIDORI, "背景画=緑"},
    {"TAKE", PIC_TAKE, "背景画=竹"},
    {"TATAMI", PIC_TATAMI, "背景画=畳"},
    {"UCHU", PIC_UCHU, "背景画=宇宙"},
    {"RENGA", PIC_RENGA, "背景画=煉瓦"},
}};

// The settings file, opened by its bare name in the current folder.
inline constexpr const char* SETTINGS_FILE = "Zelkora.ini";

}  // namespace zelkora
