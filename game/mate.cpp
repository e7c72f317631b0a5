// Placeholder definitions, replaced when this topic is implemented.
#include "game/Form1.h"

namespace zelkora {

int Form1::詰めかCOM() { return 0; }
int Form1::詰めかMAN() { return 0; }
int Form1::詰めかMAN_COM移動() { return 0; }
int Form1::調査_自王逃道() { return 0; }

}  // namespace zelkora
