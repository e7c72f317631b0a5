// The game's texts as a Qt translation source: one context "zelkora", one
// message per text, the Japanese text as the source and the English one as
// its translation.
#pragma once

#include <ostream>
#include <span>
#include <string>

#include "game/texts.h"

namespace zelkora {

// `text` as XML character data: markup characters become entities and the
// line breaks and tabs character references, so that "\r" survives the XML
// reader's line-end handling. Answers false, leaving `out` unspecified, for a
// control character XML cannot carry.
bool xmlEscaped(const std::string& text, std::string& out);

// Writes the whole .ts file; answers false (naming the text on `errors`) when
// a text cannot be written.
bool writeTranslation(std::span<const TextEntry> table, std::ostream& out, std::ostream& errors);

}  // namespace zelkora
