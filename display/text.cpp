// Placeholder definitions, replaced when this topic is implemented.
#include "game/Form1.h"

namespace zelkora {

void Form1::描画_数値(double c, double r, int value, int colour, int mode, double size) {  }
void Form1::描画_数値(double c, double r, const std::string& text, int colour, int mode, double size) {  }
void Form1::描画_文字列(double c, double r, int index, int colour, double size) {  }
void Form1::描画_移動駒種類(double c, double r, const std::string& text, int colour) {  }
std::string Form1::文字列変換(int value) { return {}; }
void Form1::描画_桝_数値() {  }
void Form1::描画_手数(int n) {  }
void Form1::描画_移動結果(double c, double r, int column, int row, int piece, int colour) {  }
void Form1::描画_移動可能桝色(int fx, int fy, int colour, int piece) {  }
void Form1::描画_取可桝(int tag) {  }
void Form1::描画_棋譜読込み部分消去() {  }
void Form1::描画_メッセージ(int n) {  }

}  // namespace zelkora
