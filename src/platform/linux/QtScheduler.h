#pragma once

#include "core/Scheduler.h"

#include <QElapsedTimer>
#include <QObject>
#include <atomic>
#include <unordered_map>
#include <unordered_set>

class QTimer;

// The program's timers and posted tasks on Qt's event loop.
//
// Upkeep timers sleep while nothing happens: any event the program receives, any other timer's
// tick and any posted task wakes each of them for one tick within its interval, and an upkeep
// tick that changed something wakes the others. So an idle program does not wake up at all for
// them, and every effect still comes within one tick of its cause. In literal mode (for
// measuring what this saves) they tick at every interval instead.
class QtScheduler final : public QObject, public Scheduler {
    Q_OBJECT
public:
    enum class Upkeep { OnDemand, Literal };

    explicit QtScheduler(Upkeep upkeep = Upkeep::OnDemand);
    ~QtScheduler() override;

    void post(std::function<void()> task) override;
    void processPendingEvents() override;
    std::int64_t nowMs() const override { return clock_.elapsed(); }
    bool isSettled(std::int64_t sinceMs) const override;

    // Something may have changed: every sleeping upkeep timer ticks once.
    void wakeUpkeep(const Timer* except = nullptr);

protected:
    void armTimer(Timer& timer) override;
    void disarmTimer(Timer& timer) override;
    void forgetTimer(Timer& timer) override;
    void wakeTimer(Timer& timer) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onTimeout(Timer& timer);

    Upkeep upkeep_;
    QElapsedTimer clock_;
    std::unordered_map<Timer*, QTimer*> timers_;
    std::unordered_map<const Timer*, std::int64_t> lastTick_;
    std::unordered_set<const QObject*> upkeepTimers_;
    std::unordered_set<const QObject*> observerTimers_;
    std::atomic<int> postedPending_{0};
};
