#include "frmSmiley.h"

#include "Assets.h"
#include "CharacterPictures.h"
#include "brain/BuiltinEntries.h"
#include "core/Scheduler.h"
#include "platform/linux/WindowDrag.h"
#include "shapes/Shapes.h"
#include "shell/Form1.h"

#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace {

struct CharacterFacts {
    const char* head;
    std::string_view wakePhrase;
    const char* greeting;
    QSize size;
};

CharacterFacts factsOf(frmSmiley::Character character) {
    if (character == frmSmiley::Character::Nubo)
        return {"nubo", Builtin::nuboWakePhrase, "Whats up?", QSize(86, 96)};
    return {"zel", Builtin::zelWakePhrase, "Hello", QSize(81, 83)};
}

// Twips to pixels at the program's fixed 15 twips per pixel.
constexpr int px(int twips) {
    return (twips + 7) / 15;
}

QLabel* layer(QWidget* parent, const char* name, const QPixmap& picture, QPoint at) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setPixmap(picture);
    label->setGeometry(QRect(at, picture.isNull() ? QSize(1, 1) : picture.size()));
    label->hide();
    return label;
}

} // namespace

frmSmiley::frmSmiley(Form1& main, Scheduler& scheduler)
    : firstSwitch(scheduler, "firstSwitch", 1, [this] { switchTo(Character::Nubo); })
    , secondSwitch(scheduler, "secondSwitch", 1, [this] { switchTo(Character::Zel); })
    , random(scheduler, "random", 30000, [this] { onRandom(); })
    , aninubo(scheduler, "aninubo", 160, [this] { onAninubo(); })
    , talk(scheduler, "talk", 150, [this] { onTalk(); })
    , wink(scheduler, "wink", blinkTickMs, [this] { onWink(); })
    , main_(main)
    , scheduler_(scheduler)
    , regionPort_(*this)
    , shaped_(ShapedWindow::Kind::Character, regionPort_) {
    setObjectName("frmSmiley");
    setWindowTitle(QStringLiteral("Parlon"));
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowIcon(QIcon(Assets::pixmap("icon-48.png")));
    move(firstPosition);

    for (int i = 0; i < 3; ++i) {
        nuboMouths_[static_cast<std::size_t>(i)] =
            CharacterPictures::load(QString("nubo%1").arg(i + 1));
        zelMouths_[static_cast<std::size_t>(i)] =
            CharacterPictures::load(QString("zel%1").arg(i + 1));
    }
    nuboWink_ = CharacterPictures::load("nubowink");
    zelWink_ = CharacterPictures::load("zelwink");

    nubomad = layer(this, "nubomad", CharacterPictures::load("nubomad"), {0, 0});
    zelmad = layer(this, "zelmad", CharacterPictures::load("zelmad"), {0, 0});
    mouth = layer(this, "mouth", nuboMouths_[0], {px(370), px(1030)});
    zelmouth = layer(this, "zelmouth", zelMouths_[0], {px(405), px(825)});
    eye = layer(this, "eye", nuboWink_, {px(225), px(510)});
    for (int n = 4; n <= 13; ++n)
        nuboFrames[static_cast<std::size_t>(n)] =
            layer(this, qPrintable(QString("nubo%1").arg(n)),
                  CharacterPictures::load(QString("nubo%1").arg(n)), {0, 0});
    for (int n = 4; n <= 12; ++n)
        zelFrames[static_cast<std::size_t>(n)] =
            layer(this, qPrintable(QString("zel%1").arg(n)),
                  CharacterPictures::load(QString("zel%1").arg(n)), {0, 0});
    Image1 = new QWidget(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, 0, px(1455), px(1455));
    Image1->setMouseTracking(true);
    Image1->installEventFilter(this);

    // The eyes start closed; they open when the blink count first comes round.
    eye->show();
    setCharacterSize(QSize(0, 0));
}

frmSmiley::~frmSmiley() = default;

void frmSmiley::setVisible(bool visible) {
    // Mapping a placeholder only to withdraw it moments later races the window manager, which
    // can drop the map that follows and leave the character unseen.
    if (visible && size_.isEmpty())
        return;
    QWidget::setVisible(visible);
}

QSize frmSmiley::pictureSize() const {
    return base_ == Character::None ? QSize(0, 0) : factsOf(base_).size;
}

void frmSmiley::setCharacterSize(QSize size) {
    size_ = size;
    // Hidden, it keeps its place and its timers.
    if (size.isEmpty()) {
        resize(1, 1);
        hide();
        return;
    }
    resize(size);
    if (!isVisible() && property("loaded").toBool())
        show();
}

void frmSmiley::load() {
    setProperty("loaded", true);
    animationStep = -1;
    head = "nubo";
    nuboIdleTurn = 0;
    zelIdleTurn = 0;
    mouthStep = 0;
    random.start();
    startBlinking();
    const std::string shown = main_.List2.itemOrEmpty(1);
    if (shown == Builtin::characterHidden) {
        hideCharacter();
        main_.hii->setText("Show Character");
    } else if (shown == Builtin::characterShown) {
        sizeToPicture();
        main_.hii->setText("Hide Character");
    }
    SetTopmost();
}

void frmSmiley::applyStoredCharacter(const std::string& wakePhrase) {
    if (wakePhrase == Builtin::zelWakePhrase) {
        head = "zel";
        zelmouth->setPixmap(zelMouths_[0]);
        secondSwitch.start();
        main_.secondCharacterMenu->setEnabled(false);
    }
    if (wakePhrase == Builtin::nuboWakePhrase) {
        head = "nubo";
        mouth->setPixmap(nuboMouths_[0]);
        firstSwitch.start();
        main_.firstCharacterMenu->setEnabled(false);
    }
}

void frmSmiley::hideCharacter() {
    setCharacterSize(QSize(0, 0));
}

void frmSmiley::sizeToPicture() {
    setCharacterSize(pictureSize());
}

void frmSmiley::SetTopmost() {
    if (isVisible())
        raise();
}

void frmSmiley::takeFocus() {
    if (isVisible())
        activateWindow();
}

void frmSmiley::paintEvent(QPaintEvent*) {
    if (background_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}

void frmSmiley::switchTo(Character character) {
    const bool nubo = character == Character::Nubo;
    (nubo ? zelmouth : mouth)->hide();
    eye->setPixmap(nubo ? nuboWink_ : zelWink_);
    hideAngryFaces();
    head = factsOf(character).head;
    base_ = character;
    background_ = CharacterPictures::load(nubo ? "nubo" : "zel");
    update();
    setCharacterSize(factsOf(character).size);
    ApplyShape(shaped_, nubo ? NuboShape : ZelShape);
    SetTopmost();
    mouthStep = 0;
    (nubo ? firstSwitch : secondSwitch).stop();
}

void frmSmiley::selectCharacter(Character character) {
    const CharacterFacts facts = factsOf(character);
    const bool nubo = character == Character::Nubo;
    (nubo ? mouth : zelmouth)->setPixmap(nubo ? nuboMouths_[0] : zelMouths_[0]);
    (nubo ? firstSwitch : secondSwitch).start();
    sizeToPicture();
    main_.hii->setText("Hide Character");
    main_.List2.setItem(1, std::string(Builtin::characterShown));
    main_.bub->setEnabled(true);
    main_.saveAndReload();
    main_.List1.setItem(0, std::string(facts.wakePhrase));
    if (BrainLists* editor = main_.brain().editorLists())
        editor->phrases.setItem(0, std::string(facts.wakePhrase));
    main_.saveAndReload();
    main_.speaker().say(facts.greeting);
    main_.speaker().show(facts.greeting);
    main_.hii->setText("Hide Character");
    (nubo ? main_.secondCharacterMenu : main_.firstCharacterMenu)->setEnabled(true);
    (nubo ? main_.firstCharacterMenu : main_.secondCharacterMenu)->setEnabled(false);
}

void frmSmiley::firstCharacterMenuClick() {
    selectCharacter(Character::Nubo);
}

void frmSmiley::secondCharacterMenuClick() {
    selectCharacter(Character::Zel);
}

void frmSmiley::hiiClick() {
    if (main_.hii->text() != "Hide Character") {
        sizeToPicture();
        main_.hii->setText("Hide Character");
        main_.List2.setItem(1, std::string(Builtin::characterShown));
        main_.bub->setEnabled(true);
    } else {
        hideCharacter();
        main_.hii->setText("Show Character");
        main_.List2.setItem(1, std::string(Builtin::characterHidden));
        if (main_.bub->isChecked()) {
            main_.bubClick();
            main_.bub->setEnabled(false);
        }
    }
    main_.saveAndReload();
}

// Animation

void frmSmiley::showFrame(bool nubo, int first, int last, int shown) {
    for (int n = first; n <= last; ++n) {
        QLabel* frame = (nubo ? nuboFrames.data() : zelFrames.data())[n];
        frame->setVisible(n == shown);
    }
}

void frmSmiley::hideFrames(bool nubo, int first, int last) {
    showFrame(nubo, first, last, -1);
}

void frmSmiley::applyAnimationStep(int step) {
    // Steps that are not listed leave the frame of the step before on screen for another tick.
    struct Show {
        int step;
        bool nubo;
        int first, last, frame;
    };
    static constexpr Show shows[] = {
        {1, true, 4, 7, 4},      {2, true, 4, 7, 5},      {3, true, 4, 7, 6},
        {4, true, 4, 7, 7},      {5, true, 4, 7, 6},      {6, true, 4, 7, 5},
        {7, true, 4, 7, 4},      {9, false, 4, 6, 4},     {10, false, 4, 6, 5},
        {11, false, 4, 6, 6},    {14, false, 4, 6, 5},    {15, false, 4, 6, 4},
        {17, true, 8, 10, 8},    {18, true, 8, 10, 9},    {19, true, 8, 10, 10},
        {21, true, 8, 10, 9},    {22, true, 8, 10, 8},    {24, true, 11, 13, 11},
        {25, true, 11, 13, 12},  {26, true, 11, 13, 13},  {30, true, 11, 13, 12},
        {31, true, 11, 13, 11},  {33, false, 7, 9, 7},    {34, false, 7, 9, 8},
        {35, false, 7, 9, 9},    {36, false, 7, 9, 8},    {37, false, 7, 9, 7},
        {39, false, 10, 12, 10}, {41, false, 10, 12, 11}, {42, false, 10, 12, 12},
        {43, false, 10, 12, 11}, {44, false, 10, 12, 10},
    };
    for (const Show& s : shows) {
        if (s.step == step) {
            showFrame(s.nubo, s.first, s.last, s.frame);
            return;
        }
    }
    auto fallAsleepEnd = [this] {
        stopBlinking();
        eye->show();
        aninubo.stop();
    };
    switch (step) {
    case 0:
        hideFrames(true, 4, 7);
        break;
    case 8:
        hideFrames(true, 4, 7);
        animationStep = -1;
        fallAsleepEnd();
        break;
    case 16:
        hideFrames(false, 4, 6);
        fallAsleepEnd();
        break;
    case 23:
        hideFrames(true, 8, 10);
        aninubo.stop();
        break;
    case 32:
        hideFrames(true, 11, 13);
        aninubo.stop();
        break;
    case 38:
        hideFrames(false, 7, 9);
        aninubo.stop();
        break;
    case 45:
        hideFrames(false, 10, 12);
        aninubo.stop();
        break;
    default:
        break;
    }
}

void frmSmiley::onAninubo() {
    ++animationStep;
    applyAnimationStep(animationStep);
}

void frmSmiley::onRandom() {
    if (main_.en->isChecked())
        return;
    if (head == "nubo") {
        animationStep = nuboIdleTurn == 0 ? 16 : 23;
        aninubo.start();
        nuboIdleTurn = 1 - nuboIdleTurn;
    } else if (head == "zel") {
        animationStep = zelIdleTurn == 0 ? 32 : 38;
        aninubo.start();
        zelIdleTurn = 1 - zelIdleTurn;
    }
}

void frmSmiley::onTalk() {
    const bool nubo = head == "nubo";
    QLabel* layerOfHead = nubo ? mouth : zelmouth;
    const auto& frames = nubo ? nuboMouths_ : zelMouths_;
    layerOfHead->show();
    layerOfHead->setPixmap(frames[static_cast<std::size_t>(mouthStep)]);
    mouthStep = (mouthStep + 1) % 3;
}

// The blink counter counts 10 ms ticks, but only its counts 210 and 220 show anything; the timer
// sleeps through the ticks in between and counts them when it wakes, so the eyes blink at the same
// moments at a tiny fraction of the wake-ups.
void frmSmiley::onWink() {
    blinkCount += wink.interval() / blinkTickMs;
    if (blinkCount == 210)
        eye->show();
    if (blinkCount >= 220) {
        eye->hide();
        blinkCount = 0;
    }
    scheduleBlink();
}

void frmSmiley::scheduleBlink() {
    const int next = blinkCount < 210 ? 210 : 220;
    winkArmedAt_ = scheduler_.nowMs();
    wink.setInterval((next - blinkCount) * blinkTickMs);
}

void frmSmiley::startBlinking() {
    if (wink.isEnabled())
        return;
    wink.start();
    scheduleBlink();
}

void frmSmiley::stopBlinking() {
    if (!wink.isEnabled())
        return;
    // The ticks that would have come by now still count.
    blinkCount += static_cast<int>((scheduler_.nowMs() - winkArmedAt_) / blinkTickMs);
    wink.stop();
}

void frmSmiley::goToSleep() {
    hideFrames(true, 8, 13);
    hideFrames(false, 7, 12);
    stopBlinking();
    eye->show();
    aninubo.stop();
}

void frmSmiley::wakeUp() {
    startBlinking();
    eye->hide();
}

void frmSmiley::hideAngryFaces() {
    nubomad->hide();
    zelmad->hide();
}

void frmSmiley::showAngryFace() {
    if (head == "nubo")
        nubomad->show();
    if (head == "zel")
        zelmad->show();
}

void frmSmiley::onSpeakingStarted() {
    talk.start();
    random.stop();
}

void frmSmiley::onSpeakingFinished(bool asleep) {
    talk.stop();
    zelmouth->hide();
    mouth->hide();
    hideAngryFaces();
    if (asleep) {
        if (head == "nubo") {
            animationStep = -1;
            aninubo.start();
        }
        if (head == "zel") {
            animationStep = 8;
            aninubo.start();
        }
    }
    random.start();
}

// Mouse

void frmSmiley::mousePressed(Qt::MouseButton button) {
    if (button == Qt::RightButton)
        main_.popup->exec(QCursor::pos());
    showAngryFace();
}

void frmSmiley::mouseMoved(Qt::MouseButtons buttons, QPoint globalPosition) {
    if (buttons != Qt::LeftButton) {
        manualDrag_ = false;
        hideAngryFaces();
        return;
    }
    if (manualDrag_) {
        move(globalPosition - dragOffset_);
        return;
    }
    SetTopmost();
    // The window manager moves the window with the mouse; without one, the window follows the
    // mouse itself.
    if (WindowDrag::startSystemMove(*this))
        return;
    manualDrag_ = true;
    dragOffset_ = globalPosition - pos();
}

bool frmSmiley::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Image1)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        mousePressed(static_cast<QMouseEvent*>(event)->button());
        return true;
    case QEvent::MouseMove: {
        auto* mouseEvent = static_cast<QMouseEvent*>(event);
        mouseMoved(mouseEvent->buttons(), mouseEvent->globalPosition().toPoint());
        return true;
    }
    case QEvent::MouseButtonRelease:
        manualDrag_ = false;
        // The face stays angry while the window manager drags the window.
        if (!WindowDrag::isStandInRelease(*event))
            hideAngryFaces();
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}
