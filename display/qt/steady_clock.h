// Seconds from the steady clock: never set back, unaffected by midnight or by
// changes of the time of day, so a wait always ends.
#pragma once

#include <chrono>

#include "game/ports.h"

namespace zelkora {

class SteadyClock : public Clock {
public:
    double seconds() override {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    }
};

}  // namespace zelkora
