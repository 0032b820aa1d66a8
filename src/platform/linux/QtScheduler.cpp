#include "QtScheduler.h"

#include "core/Timer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

QtScheduler::QtScheduler(Upkeep upkeep)
    : upkeep_(upkeep) {
    clock_.start();
    if (upkeep_ == Upkeep::OnDemand && QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

QtScheduler::~QtScheduler() {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

void QtScheduler::post(std::function<void()> task) {
    ++postedPending_;
    QMetaObject::invokeMethod(
        this,
        [this, task = std::move(task)] {
            task();
            --postedPending_;
            wakeUpkeep();
        },
        Qt::QueuedConnection);
}

bool QtScheduler::isSettled(std::int64_t sinceMs) const {
    if (postedPending_ > 0)
        return false;
    if (upkeep_ == Upkeep::Literal)
        return true;
    for (const auto& [timer, qtimer] : timers_) {
        if (!upkeepTimers_.count(qtimer) || !qtimer->isActive())
            continue;
        // Busy with later news (a stream of events keeps waking it): what came before has had
        // its tick.
        const auto ticked = lastTick_.find(timer);
        if (ticked == lastTick_.end() || ticked->second <= sinceMs)
            return false;
    }
    return true;
}

void QtScheduler::processPendingEvents() {
    QCoreApplication::processEvents();
}

void QtScheduler::armTimer(Timer& timer) {
    QTimer*& qtimer = timers_[&timer];
    if (!qtimer) {
        qtimer = new QTimer(this);
        qtimer->setTimerType(timer.interval() < 20 ? Qt::PreciseTimer : Qt::CoarseTimer);
        const bool sleeps = timer.isUpkeep() && upkeep_ == Upkeep::OnDemand;
        qtimer->setSingleShot(sleeps);
        if (sleeps)
            upkeepTimers_.insert(qtimer);
        if (timer.isObserver())
            observerTimers_.insert(qtimer);
        connect(qtimer, &QTimer::timeout, this, [this, t = &timer] { onTimeout(*t); });
    }
    qtimer->start(timer.interval());
}

void QtScheduler::disarmTimer(Timer& timer) {
    if (auto found = timers_.find(&timer); found != timers_.end())
        found->second->stop();
}

void QtScheduler::forgetTimer(Timer& timer) {
    if (auto found = timers_.find(&timer); found != timers_.end()) {
        upkeepTimers_.erase(found->second);
        observerTimers_.erase(found->second);
        lastTick_.erase(&timer);
        delete found->second;
        timers_.erase(found);
    }
}

void QtScheduler::onTimeout(Timer& timer) {
    if (upkeepTimers_.count(timers_[&timer]))
        lastTick_[&timer] = nowMs();
    const bool changed = timer.fire();
    if (upkeep_ == Upkeep::OnDemand && changed)
        wakeUpkeep(&timer);
}

void QtScheduler::wakeUpkeep(const Timer* except) {
    for (auto& [timer, qtimer] : timers_) {
        if (timer != except && timer->isEnabled() && !timer->wakesOnlyWhenWoken() &&
            upkeepTimers_.count(qtimer) && !qtimer->isActive())
            qtimer->start(timer->interval());
    }
}

void QtScheduler::wakeTimer(Timer& timer) {
    if (auto found = timers_.find(&timer);
        found != timers_.end() && upkeepTimers_.count(found->second) && !found->second->isActive())
        found->second->start(timer.interval());
}

bool QtScheduler::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Timer:
        if (upkeepTimers_.count(watched) || observerTimers_.count(watched))
            break; // an upkeep tick is news only when it says so, an observer's never
        [[fallthrough]];
    default:
        wakeUpkeep();
        break;
    case QEvent::Paint:
    case QEvent::UpdateRequest:
    case QEvent::UpdateLater:
    case QEvent::LayoutRequest:
    case QEvent::DeferredDelete:
    case QEvent::ChildAdded:
    case QEvent::ChildPolished:
    case QEvent::ChildRemoved:
    case QEvent::Polish:
    case QEvent::PolishRequest:
        break;
    }
    return QObject::eventFilter(watched, event);
}
