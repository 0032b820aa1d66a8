#include "WindowDrag.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {
// Marks the stand-in release among real ones.
constexpr quint64 standInTimestamp = 1;
} // namespace

bool WindowDrag::startSystemMove(QWidget& window) {
    QWindow* handle = window.windowHandle();
    if (!handle || !handle->startSystemMove())
        return false;
    auto* release = new QMouseEvent(QEvent::MouseButtonRelease, QPointF(0, 0),
                                    window.mapToGlobal(QPointF(0, 0)), Qt::LeftButton, Qt::NoButton,
                                    Qt::NoModifier);
    release->setTimestamp(standInTimestamp);
    QCoreApplication::postEvent(handle, release);
    return true;
}

bool WindowDrag::isStandInRelease(const QEvent& event) {
    return event.type() == QEvent::MouseButtonRelease &&
           static_cast<const QMouseEvent&>(event).timestamp() == standInTimestamp;
}
