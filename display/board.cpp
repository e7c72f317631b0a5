// Placeholder definitions, replaced when this topic is implemented.
#include "game/Form1.h"

namespace zelkora {

void Form1::描画_絵(int code, double c, double r) {  }
void Form1::描画_桝輪郭(int colour, double c, double r) {  }
void Form1::描画_盤() {  }
void Form1::描画_将棋盤桝() {  }
void Form1::描画_桝1列目() {  }
void Form1::描画_自持盤() {  }
void Form1::描画_敵持盤() {  }
void Form1::描画_背景(int code) {  }
void Form1::画面_再描画() {  }
void Form1::描画_可視(bool drives, bool folders, bool files) {  }

}  // namespace zelkora
