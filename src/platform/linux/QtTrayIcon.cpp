#include "QtTrayIcon.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>

namespace {
// The XEmbed tray icon is a private widget of this class; its mouse events tell which button
// went up, which the activation signal (sent on press) does not.
bool isEmbeddedIconWidget(const QObject* object) {
    return object && object->isWidgetType() &&
           qstrcmp(object->metaObject()->className(), "QSystemTrayIconSys") == 0;
}
bool embeddedIconExists() {
    const auto widgets = QApplication::topLevelWidgets();
    return std::any_of(widgets.begin(), widgets.end(),
                       [](const QWidget* w) { return isEmbeddedIconWidget(w); });
}
} // namespace

QtTrayIcon::QtTrayIcon() {
    connect(&icon_, &QSystemTrayIcon::activated, this, &QtTrayIcon::onActivated);
    qApp->installEventFilter(this);
}

QtTrayIcon::~QtTrayIcon() {
    qApp->removeEventFilter(this);
}

QIcon QtTrayIcon::iconOf(TrayPicture picture) {
    switch (picture) {
    case TrayPicture::Idle:
        return QIcon(QStringLiteral(":/assets/tray-idle.png"));
    case TrayPicture::Ear1:
        return QIcon(QStringLiteral(":/assets/ear1.png"));
    case TrayPicture::Ear2:
        return QIcon(QStringLiteral(":/assets/ear2.png"));
    case TrayPicture::Ear3:
        return QIcon(QStringLiteral(":/assets/ear3.png"));
    case TrayPicture::Character: {
        QIcon icon;
        for (int size : {16, 32, 48})
            icon.addFile(QStringLiteral(":/assets/icon-%1.png").arg(size), QSize(size, size));
        return icon;
    }
    }
    return {};
}

void QtTrayIcon::add(TrayPicture picture, const std::string& tip) {
    tip_ = tip;
    icon_.setToolTip(QString::fromStdString(tip));
    icon_.setIcon(iconOf(picture));
    shown_ = picture;
    icon_.show();
}

void QtTrayIcon::modify(TrayPicture picture, const std::string& tip) {
    if (shown_ == picture && tip_ == tip)
        return;
    if (tip_ != tip) {
        tip_ = tip;
        icon_.setToolTip(QString::fromStdString(tip));
    }
    if (shown_ != picture) {
        shown_ = picture;
        icon_.setIcon(iconOf(picture));
    }
}

void QtTrayIcon::remove() {
    icon_.hide();
    shown_.reset();
}

bool QtTrayIcon::isEmbedded() const {
    return QSystemTrayIcon::isSystemTrayAvailable() && icon_.isVisible() &&
           !icon_.geometry().isEmpty();
}

// The menu a notification opens may end the program, which takes the icon away; the icon must
// not be in the middle of handling its own mouse event then.
void QtTrayIcon::notifyLater(int code) {
    QMetaObject::invokeMethod(
        this, [this, code] { notify(code); }, Qt::QueuedConnection);
}

bool QtTrayIcon::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && isEmbeddedIconWidget(watched)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton)
            notifyLater(rightButtonUp);
        else if (mouse->button() == Qt::LeftButton)
            notifyLater(leftButtonUp);
    }
    return QObject::eventFilter(watched, event);
}

void QtTrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        notifyLater(leftButtonDoubleClick);
        break;
    case QSystemTrayIcon::Context:
        // A status notifier host says "context" when the button goes up; the embedded icon says
        // it on the press, and its release comes through the filter.
        if (!embeddedIconExists())
            notifyLater(rightButtonUp);
        break;
    default:
        break;
    }
}
