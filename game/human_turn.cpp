// Placeholder definitions, replaced when this topic is implemented.
#include "game/Form1.h"

namespace zelkora {

void Form1::Form_MouseDown(int button, int shift, double x, double y) {  }

}  // namespace zelkora
