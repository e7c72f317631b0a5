// Placeholder definitions, replaced when this topic is implemented.
#include "game/Form1.h"

namespace zelkora {

void Form1::TAIKYOKU_Click() {  }
void Form1::MATCH_MAN_Click() {  }
void Form1::START_Click() {  }
void Form1::SENTE_Click() {  }
void Form1::GOTE_Click() {  }

}  // namespace zelkora
