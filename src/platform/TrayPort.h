#pragma once

#include <functional>
#include <string>

// The pictures the tray icon can show.
enum class TrayPicture { Idle, Ear1, Ear2, Ear3, Character };

// The notification-area icon. Notifications arrive as the codes the program has always decoded
// (517: right button released over the icon).
class TrayPort {
public:
    static constexpr int rightButtonUp = 517;
    static constexpr int leftButtonUp = 514;
    static constexpr int leftButtonDoubleClick = 515;

    virtual ~TrayPort() = default;
    virtual void add(TrayPicture picture, const std::string& tip) = 0;
    virtual void modify(TrayPicture picture, const std::string& tip) = 0;
    virtual void remove() = 0;

    void setNotificationHandler(std::function<void(int code)> handler) {
        notify_ = std::move(handler);
    }

protected:
    void notify(int code) {
        if (notify_)
            notify_(code);
    }

private:
    std::function<void(int)> notify_;
};
