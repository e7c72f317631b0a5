// Placeholder definitions, replaced when this topic is implemented.
#include "game/Form1.h"

namespace zelkora {

void Form1::AFTER_Click() {  }
void Form1::REPLAY_Click() {  }
void Form1::CANCEL_Click() {  }
void Form1::REVERSE_Click() {  }

}  // namespace zelkora
