#pragma once

#include "core/Timer.h"
#include "layered/LayeredWnd.h"
#include "platform/linux/QtLayeredWindow.h"
#include "platform/linux/QtWindowRegion.h"
#include "shapes/ShapedWindow.h"

#include <QPixmap>
#include <QWidget>
#include <string>

class QLabel;
class Scheduler;

// The speech bubble: a translucent window in the shape of a bubble that hangs above and to the
// left of the character and shows what it says. It is shown and hidden by its shape, never as a
// window.
class bubble final : public QWidget {
    Q_OBJECT
public:
    // Where the character window is, in pixels (its top-left corner).
    using CharacterPosition = std::function<QPoint()>;

    bubble(Scheduler& scheduler, CharacterPosition characterPosition);
    ~bubble() override;

    void load();
    void setText(const std::string& text);
    std::string text() const;

    // Speaking started with the Bubble option on; speaking finished.
    void showBubble();
    void hideBubble();
    bool isShown() const { return tag == "1"; }
    const QtWindowRegion& region() const { return regionPort_; }

    QLabel* Label1 = nullptr;
    LayeredWnd LayeredWnd1;
    Timer Timer1;
    // The bubble flag: "1" shows the bubble's outline, anything else hides it.
    std::string tag = "0";

protected:
    void paintEvent(class QPaintEvent* event) override;

private:
    bool onTimer1();

    CharacterPosition characterPosition_;
    QPixmap picture_;
    QtWindowRegion regionPort_;
    QtLayeredWindow layeredPort_;
    ShapedWindow shaped_;
};
