// Jobs on a private thread pool, waits on precise single-shot timers.
#include "display/qt/qt_worker.h"

#include <cmath>

#include <QMetaObject>
#include <QTimer>

namespace zelkora {

QtWorker::QtWorker(QObject* parent) : QObject(parent) {
    pool_.setMaxThreadCount(1);
    pool_.setObjectName(QStringLiteral("search"));
}

QtWorker::~QtWorker() {
    // Answers posted meanwhile die with this object.
    pool_.waitForDone();
}

void QtWorker::run(std::function<void()> job, std::function<void()> done) {
    ++outstanding_;
    pool_.start([this, job = std::move(job), done = std::move(done)] {
        job();
        QMetaObject::invokeMethod(this, [this, done] { answered(done); }, Qt::QueuedConnection);
    });
}

void QtWorker::after(double seconds, std::function<void()> done) {
    ++outstanding_;
    const int ms = static_cast<int>(std::lround(seconds * 1000));
    // A coarse timer may fire 5% early; the half second is the player's to see.
    QTimer::singleShot(ms, Qt::PreciseTimer, this, [this, done = std::move(done)] { answered(done); });
}

void QtWorker::answered(const std::function<void()>& done) {
    --outstanding_;
    done();
    if (outstanding_ == 0 && onIdle) onIdle();
}

}  // namespace zelkora
