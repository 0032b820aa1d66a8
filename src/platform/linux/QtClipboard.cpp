#include "QtClipboard.h"

#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
}

bool QtClipboard::waitForChange(int timeoutMs) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    QEventLoop loop;
    bool changed = false;
    // Our own clearing also reports a change (to no owner at all); only another program's copy
    // counts.
    const auto connection = QObject::connect(clipboard, &QClipboard::dataChanged, &loop, [&] {
        const QMimeData* data = clipboard->mimeData(QClipboard::Clipboard);
        if (!clipboard->ownsClipboard() && data && !data->formats().isEmpty()) {
            changed = true;
            loop.quit();
        }
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(connection);
    return changed;
}

std::optional<std::string> QtClipboard::text() {
    const QString text = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
    return text.toStdString();
}
