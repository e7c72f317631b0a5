#include "game/null_ports.h"

namespace zelkora {

Ports nullPorts() {
    static NullPorts shared;
    return shared.ports();
}

}  // namespace zelkora
