// Placeholder definitions, replaced when this topic is implemented.
#include "game/Form1.h"

namespace zelkora {

void Form1::読込_環境設定ファイル() {  }
void Form1::書込_環境設定ファイル() {  }
void Form1::チェック設定(int code) {  }
void Form1::MIDORI_Click() {  }
void Form1::TATAMI_Click() {  }
void Form1::TAKE_Click() {  }
void Form1::UCHU_Click() {  }
void Form1::RENGA_Click() {  }
void Form1::SIDOU_Click() {  }
void Form1::VER_Click() {  }
void Form1::BGM_Click() {  }

}  // namespace zelkora
