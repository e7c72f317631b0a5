#include "game/codes.h"

#include "engine/position.h"

namespace zelkora {

// The search core's piece-kind table is the one copy: the core stands alone
// below the game, and the game's codes are its codes.
int handKind(int code) { return engine::kindOf(code); }
int kindCode(int kind) { return engine::codeOfKind(kind); }

}  // namespace zelkora
