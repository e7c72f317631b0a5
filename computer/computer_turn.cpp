// Placeholder definitions, replaced when this topic is implemented.
#include "game/Form1.h"

namespace zelkora {

void Form1::com_ban() {  }
void Form1::comSearch() {  }

}  // namespace zelkora
