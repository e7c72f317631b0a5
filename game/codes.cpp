#include "game/codes.h"

namespace zelkora {

int handKind(int code) {
    int a = code < 0 ? -code : code;
    switch (a) {
    case 10: case 11: return 1;
    case 20: case 21: return 2;
    case 30: case 31: return 3;
    case 100: case 101: return 4;
    case 110: case 111: return 5;
    case 800: case 801: return 6;
    case 900: case 901: return 7;
    default: return 0;
    }
}

int kindCode(int kind) {
    static const int codes[8] = {0, UE_HU, UE_KYOU, UE_KEI, UE_GIN, UE_KIN, UE_KAKU, UE_SYA};
    return (kind >= 1 && kind <= 7) ? codes[kind] : 0;
}

}  // namespace zelkora
