// Placeholder definitions, replaced when this topic is implemented.
#include "game/Form1.h"

namespace zelkora {

void Form1::LEVEL1_Click() {  }
void Form1::LEVEL2_Click() {  }
void Form1::LEVEL3_Click() {  }
void Form1::レベル_設定(int n) {  }
void Form1::描画_レベル(int level) {  }
void Form1::LBEL_UP_Click() {  }
void Form1::LEBEL_DOWN_Click() {  }
void Form1::描画_ハンデレベル(int grade) {  }

}  // namespace zelkora
