#include "QtScheduler.h"

#include "core/Timer.h"

#include <QCoreApplication>
#include <QTimer>

QtScheduler::QtScheduler() { clock_.start(); }

QtScheduler::~QtScheduler() = default;

void QtScheduler::post(std::function<void()> task)
{
    QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}

void QtScheduler::processPendingEvents() { QCoreApplication::processEvents(); }

void QtScheduler::armTimer(Timer& timer)
{
    QTimer*& qtimer = timers_[&timer];
    if (!qtimer) {
        qtimer = new QTimer(this);
        qtimer->setTimerType(timer.interval() < 20 ? Qt::PreciseTimer : Qt::CoarseTimer);
        connect(qtimer, &QTimer::timeout, this, [t = &timer] { t->fire(); });
    }
    qtimer->start(timer.interval());
}

void QtScheduler::disarmTimer(Timer& timer)
{
    if (auto found = timers_.find(&timer); found != timers_.end())
        found->second->stop();
}

void QtScheduler::forgetTimer(Timer& timer)
{
    if (auto found = timers_.find(&timer); found != timers_.end()) {
        delete found->second;
        timers_.erase(found);
    }
}
