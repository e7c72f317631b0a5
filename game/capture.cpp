// Placeholder definitions, replaced when this topic is implemented.
#include "game/Form1.h"

namespace zelkora {

void Form1::調査_取可桝(int tag) {  }
bool Form1::compulsoryCaptureRefuses(int tag, int fx, int tx, int ty) { return false; }

}  // namespace zelkora
