// The worker of the window: jobs on a thread of their own, waits on timers,
// every answer delivered on the window's thread by its event loop.
//
// Jobs run one at a time on a private thread pool (the core runs one search
// at a time anyway). An answer is an event posted to this object, so it comes
// between two events of the window, never inside another call. Destroying the
// worker waits for a running job to end (the core stops its search first) and
// drops every answer not yet delivered, so no answer reaches a game that is
// gone.
#pragma once

#include <functional>

#include <QObject>
#include <QThreadPool>

#include "game/ports.h"

namespace zelkora {

class QtWorker : public QObject, public Worker {
public:
    explicit QtWorker(QObject* parent = nullptr);
    ~QtWorker() override;

    void run(std::function<void()> job, std::function<void()> done) override;
    void after(double seconds, std::function<void()> done) override;

    // No job and no wait is outstanding.
    bool idle() const { return outstanding_ == 0; }
    // Told each time the last outstanding job or wait has answered.
    std::function<void()> onIdle;

private:
    void answered(const std::function<void()>& done);

    QThreadPool pool_;
    int outstanding_ = 0;
};

}  // namespace zelkora
