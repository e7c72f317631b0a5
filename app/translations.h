// The translators of the window: Qt's own texts in Japanese (the standard
// buttons of the message boxes read "はい" / "いいえ") and the game's texts in
// English (display/qt/window_texts.h).
#pragma once

#include "game/ports.h"

namespace zelkora {

// Installs the translators of `language` in the running application and
// removes the other language's: in English the game's English translation and
// Qt's own English texts, in Japanese the game's Japanese originals and Qt's
// Japanese translation. Answers false when a translation could not be loaded.
bool useLanguage(Language language);

}  // namespace zelkora
