#include "bubble.h"

#include "Assets.h"
#include "character/CharacterPictures.h"
#include "core/Log.h"
#include "shapes/Shapes.h"

#include <QLabel>
#include <QPainter>

namespace {
constexpr int twipsPerPixel = 15;
constexpr int shownWidth = 2775 / twipsPerPixel;   // 185
constexpr int bubbleHeight = 2235 / twipsPerPixel; // 149
constexpr int aboveCharacter = 2500;               // twips
constexpr int leftOfCharacter = 500;               // twips

int pixelsOf(int twips) {
    return (twips + (twips >= 0 ? 7 : -7)) / twipsPerPixel;
}
} // namespace

bubble::bubble(Scheduler& scheduler, CharacterPosition characterPosition)
    : Timer1(scheduler, "bubble.Timer1", 1, Timer::Upkeep{}, [this] { return onTimer1(); })
    , characterPosition_(std::move(characterPosition))
    , picture_(Assets::pixmap("bubble.png"))
    , regionPort_(*this)
    , layeredPort_(*this)
    , shaped_(ShapedWindow::Kind::Bubble, regionPort_) {
    setObjectName("bubble");
    setWindowTitle(QStringLiteral("Parlon bubble"));
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool |
                   Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(shownWidth, bubbleHeight);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(240 / twipsPerPixel, 240 / twipsPerPixel, 2295 / twipsPerPixel,
                        1455 / twipsPerPixel);
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
}

bubble::~bubble() = default;

void bubble::load() {
    raise();
    tag = "0";
    Log::report("making the bubble translucent", LayeredWnd1.SetAlphaWnd(&layeredPort_));
    Log::report("making the bubble translucent", LayeredWnd1.setAlpha(190));
    Log::report("making the bubble translucent",
                LayeredWnd1.setAlphaFlags(LayeredWindowPort::alphaFlag));
    ApplyShape(shaped_, EmptyShape);
    Timer1.start();
}

void bubble::setText(const std::string& text) {
    Label1->setText(QString::fromStdString(text));
}

std::string bubble::text() const {
    return Label1->text().toStdString();
}

void bubble::showBubble() {
    tag = "1";
    resize(shownWidth, bubbleHeight);
}

void bubble::hideBubble() {
    // The width of nothing: the outline then cuts the whole bubble away.
    tag = "0";
}

void bubble::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

bool bubble::onTimer1() {
    const QPoint character = characterPosition_();
    const QPoint place(pixelsOf(character.x() * twipsPerPixel - leftOfCharacter),
                       pixelsOf(character.y() * twipsPerPixel - aboveCharacter));
    const bool moved = pos() != place;
    if (moved)
        move(place);
    const auto changesBefore = regionPort_.changes();
    ApplyShape(shaped_, tag == "1" ? BubbleShape : EmptyShape);
    return moved || regionPort_.changes() != changesBefore;
}
