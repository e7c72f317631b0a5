// Seconds from the steady clock: never set back, unaffected by midnight or by
// changes of the time of day, so a wait always ends. The calendar date comes
// from the local time of day.
#pragma once

#include <chrono>

#include <QDateTime>

#include "game/ports.h"

namespace zelkora {

class SteadyClock : public Clock {
public:
    double seconds() override {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    }
    std::string localDateTime() override {
        return QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")).toStdString();
    }
};

}  // namespace zelkora
