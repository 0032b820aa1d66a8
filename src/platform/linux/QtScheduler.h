#pragma once

#include "core/Scheduler.h"

#include <QElapsedTimer>
#include <QObject>
#include <unordered_map>

class QTimer;

// The program's timers and posted tasks on Qt's event loop.
class QtScheduler final : public QObject, public Scheduler {
    Q_OBJECT
public:
    QtScheduler();
    ~QtScheduler() override;

    void post(std::function<void()> task) override;
    void processPendingEvents() override;
    std::int64_t nowMs() const override { return clock_.elapsed(); }

protected:
    void armTimer(Timer& timer) override;
    void disarmTimer(Timer& timer) override;
    void forgetTimer(Timer& timer) override;

private:
    QElapsedTimer clock_;
    std::unordered_map<Timer*, QTimer*> timers_;
};
