// The window's own texts (menu captions, the record panel's labels, the
// window title) through Qt's translation: the Japanese text of the table,
// translated by whatever translator is installed (app/translations.h installs
// the English one when the player chooses English).
#pragma once

#include <QString>

#include "game/texts.h"

namespace zelkora {

QString windowText(Text id);

}  // namespace zelkora
