// Placeholder definitions, replaced when this topic is implemented.
#include "game/Form1.h"

namespace zelkora {

int Form1::移動チェック(int fx, int fy, int tx, int ty, int piece) { return 0; }
int Form1::移動チェック飛車(int fx, int fy, int tx, int ty) { return 0; }
int Form1::移動チェック角(int fx, int fy, int tx, int ty) { return 0; }
int Form1::移動後チェック(int ty, int piece) { return 0; }
int Form1::調査_駒成(int fx, int fy, int tx, int ty, int piece) { return 0; }
void Form1::調査_2歩フラグ設定() {  }

}  // namespace zelkora
