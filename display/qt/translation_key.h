// Where a text of the table is found in the game's Qt translation: in the
// context "zelkora", under its Japanese text, told apart by its identifier's
// number. Two texts may share their Japanese wording and still differ in
// English ("終わり" is both the menu item "Quit" and "End of the record"), so
// the wording alone cannot name a text. Qt-free: the build's translation
// generator uses it as well as the window.
#pragma once

#include <string>

#include "game/texts.h"

namespace zelkora {

inline constexpr const char* TRANSLATION_CONTEXT = "zelkora";

inline std::string translationDisambiguation(Text id) { return std::to_string(static_cast<int>(id)); }

}  // namespace zelkora
