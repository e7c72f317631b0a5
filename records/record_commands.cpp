// Placeholder definitions, replaced when this topic is implemented.
#include "game/Form1.h"

namespace zelkora {

void Form1::描画_棋譜_IO(int mode) {  }
void Form1::KIFU_READ_Click() {  }
void Form1::KIFU_WRITE_Click() {  }
void Form1::Command1_Click() {  }
void Form1::File1_Click(const std::string& fileName) {  }
void Form1::STOP_Click() {  }
void Form1::OPTION_Click() {  }

}  // namespace zelkora
