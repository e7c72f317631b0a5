// Placeholder definitions, replaced when this topic is implemented.
#include "game/Form1.h"

namespace zelkora {

int Form1::調査_移動可場所数(int x, int y, int code) { return 0; }
int Form1::調査_MAN王COMの範囲内() { return 0; }
int Form1::調査_桂狙い(int x, int y) { return 0; }
int Form1::調査_香狙い(int x, int y) { return 0; }
int Form1::調査_周辺状況(int x, int y) { return 0; }
void Form1::調査_移動不可駒() {  }

}  // namespace zelkora
