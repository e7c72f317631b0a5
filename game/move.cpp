// Placeholder definitions, replaced when this topic is implemented.
#include "game/Form1.h"

namespace zelkora {

void Form1::手順保存(int fx, int fy, int tx, int ty, int before, int after) {  }
void Form1::駒移動(int fx, int fy, int tx, int ty, int piece) {  }
void Form1::駒取得(int code) {  }

}  // namespace zelkora
