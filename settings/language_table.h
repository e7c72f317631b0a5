// The languages and piece sets the options menu offers ("言語 / Language",
// "駒 / Pieces"): the menu item, the choice, and the line of the settings file
// that remembers it. The first of each is the default and has no line, so the
// file of a player who keeps the defaults does not change.
#pragma once

#include "game/ports.h"

namespace zelkora {

template <typename Value>
struct OptionChoice {
    const char* item;
    Value value;
    const char* line;   // nullptr: the default, not written
};

using LanguageChoice = OptionChoice<Language>;
using PieceSetChoice = OptionChoice<PieceSet>;

inline constexpr LanguageChoice LANGUAGES[] = {
    {"NIHONGO", Language::Japanese, nullptr},
    {"ENGLISH", Language::English, "言語=English"},
};

inline constexpr PieceSetChoice PIECE_SETS[] = {
    {"KOMA_DENTOU", PieceSet::Traditional, nullptr},
    {"KOMA_SHOSHIN", PieceSet::Beginners, "駒=初心者用"},
};

}  // namespace zelkora
