#pragma once

#include "core/Timer.h"

#include <QWidget>
#include <string>

class Form1;
class Scheduler;

// The character window: a talking head without frame or title bar, above all other windows. Two
// characters are built in, Nubo and Zel; the brain's entry 0 remembers which one is applied and
// entry 1 whether it is shown.
class frmSmiley final : public QWidget {
    Q_OBJECT
public:
    enum class Character { None, Nubo, Zel };

    frmSmiley(Form1& main, Scheduler& scheduler);
    ~frmSmiley() override;

    void load();

    // Start-up: applies the character that entry 0's phrase names.
    void applyStoredCharacter(const std::string& wakePhrase);
    // Hidden means a window of size 0 x 0; shown means the size of the base picture.
    void hideCharacter();
    void sizeToPicture();
    void SetTopmost();
    void takeFocus();

    // The Sleep menu item's part on the character.
    void goToSleep();
    void wakeUp();
    void hideAngryFaces();

    // Menu items of the Character submenu.
    void firstCharacterMenuClick();
    void secondCharacterMenuClick();
    void hiiClick();

    std::string head = "nubo";
    Character basePicture() const { return base_; }
    QSize pictureSize() const;

    Timer firstSwitch;
    Timer secondSwitch;

private:
    void selectCharacter(Character character);
    void switchTo(Character character);

    Form1& main_;
    Character base_ = Character::None;
};
