// Placeholder definitions, replaced when this topic is implemented.
#include "game/Form1.h"

namespace zelkora {

void Form1::勢力調査() {  }
void Form1::勢力確定上直進(int k, int x, int y) {  }
void Form1::勢力確定下直進(int k, int x, int y) {  }
void Form1::勢力確定右直進(int k, int x, int y) {  }
void Form1::勢力確定左直進(int k, int x, int y) {  }
void Form1::勢力確定自金(int k, int x, int y) {  }
void Form1::勢力確定敵金(int x, int y) {  }
void Form1::勢力確定自角(int x, int y) {  }
void Form1::勢力確定敵角(int k, int x, int y) {  }

}  // namespace zelkora
