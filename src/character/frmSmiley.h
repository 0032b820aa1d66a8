#pragma once

#include "core/Timer.h"
#include "platform/linux/QtWindowRegion.h"
#include "shapes/ShapedWindow.h"

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <array>
#include <string>

class Form1;
class QLabel;
class Scheduler;

// The character window: a talking head without frame or title bar, above all other windows, cut
// to the outline of its picture. Two characters are built in, Nubo and Zel; the brain's entry 0
// remembers which one is applied and entry 1 whether it is shown. Its timers animate the mouth,
// the eyes and the head.
class frmSmiley final : public QWidget {
    Q_OBJECT
public:
    enum class Character { None, Nubo, Zel };

    static constexpr QPoint firstPosition{850, 423};
    static constexpr int blinkTickMs = 10;

    frmSmiley(Form1& main, Scheduler& scheduler);
    ~frmSmiley() override;

    // A window of no size cannot be mapped on X11: shown without a picture, it is mapped once it
    // gets one.
    void setVisible(bool visible) override;

    void load();

    // Start-up: applies the character that entry 0's phrase names.
    void applyStoredCharacter(const std::string& wakePhrase);
    // Hidden is a window of size 0 x 0; shown is the size of the base picture.
    void hideCharacter();
    void sizeToPicture();
    void SetTopmost();
    void takeFocus();

    // The Sleep menu item's part on the character.
    void goToSleep();
    void wakeUp();
    void hideAngryFaces();
    void showAngryFace();

    // The synthesizer's events, as the main window passes them on.
    void onSpeakingStarted();
    void onSpeakingFinished(bool asleep);

    // Menu items of the Character submenu.
    void firstCharacterMenuClick();
    void secondCharacterMenuClick();
    void hiiClick();

    std::string head = "nubo";
    Character basePicture() const { return base_; }
    QSize pictureSize() const;
    // The window's logical size: 0 x 0 while hidden.
    QSize characterSize() const { return size_; }
    const QtWindowRegion& region() const { return regionPort_; }

    Timer firstSwitch;
    Timer secondSwitch;
    Timer random;
    Timer aninubo;
    Timer talk;
    Timer wink;

    int animationStep = -1;
    int nuboIdleTurn = 0;
    int zelIdleTurn = 0;
    int mouthStep = 0;
    int blinkCount = 0;

    // Layers, bottom to top: the base picture (the background), the angry faces, the mouths and
    // the eye strip, the head frames, and the input area.
    QLabel* nubomad = nullptr;
    QLabel* zelmad = nullptr;
    QLabel* mouth = nullptr;
    QLabel* zelmouth = nullptr;
    QLabel* eye = nullptr;
    std::array<QLabel*, 14> nuboFrames{}; // index n is nubo<n>, n = 4..13
    std::array<QLabel*, 13> zelFrames{};  // index n is zel<n>, n = 4..12
    QWidget* Image1 = nullptr;

    // The head-sequence step table: what one step of aninubo shows.
    void applyAnimationStep(int step);

protected:
    void paintEvent(class QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectCharacter(Character character);
    void switchTo(Character character);
    void setCharacterSize(QSize size);
    void showFrame(bool nubo, int first, int last, int shown);
    void hideFrames(bool nubo, int first, int last);
    void onRandom();
    void onAninubo();
    void onTalk();
    void onWink();
    void scheduleBlink();
    void startBlinking();
    void stopBlinking();
    void mousePressed(Qt::MouseButton button);
    void mouseMoved(Qt::MouseButtons buttons, QPoint globalPosition);

    Form1& main_;
    Scheduler& scheduler_;
    std::int64_t winkArmedAt_ = 0;
    Character base_ = Character::None;
    QSize size_{0, 0};
    QPixmap background_;
    std::array<QPixmap, 3> nuboMouths_;
    std::array<QPixmap, 3> zelMouths_;
    QPixmap nuboWink_;
    QPixmap zelWink_;
    QtWindowRegion regionPort_;
    ShapedWindow shaped_;
    QPoint dragOffset_;
    bool manualDrag_ = false;
};
