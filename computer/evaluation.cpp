// Placeholder definitions, replaced when this topic is implemented.
#include "game/Form1.h"

namespace zelkora {

double Form1::盤評価(int captured, int piece, int fx, int fy, int tx, int ty) { return 0; }

}  // namespace zelkora
