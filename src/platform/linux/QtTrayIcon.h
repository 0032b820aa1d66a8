#pragma once

#include "platform/TrayPort.h"

#include <QObject>
#include <QSystemTrayIcon>
#include <optional>

// The tray icon through Qt: an XEmbed icon in the system tray, or a status notifier item where
// the desktop has one. Showing the picture already shown sends nothing.
class QtTrayIcon final : public QObject, public TrayPort {
    Q_OBJECT
public:
    QtTrayIcon();
    ~QtTrayIcon() override;

    void add(TrayPicture picture, const std::string& tip) override;
    void modify(TrayPicture picture, const std::string& tip) override;
    void remove() override;

    bool isEmbedded() const;
    // Where the icon is on the screen (empty when the tray does not say).
    QRect geometry() const { return icon_.geometry(); }
    static QIcon iconOf(TrayPicture picture);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void notifyLater(int code);

    QSystemTrayIcon icon_;
    std::optional<TrayPicture> shown_;
    std::string tip_;
};
