#include "ChangePanel.h"

#include "ArtworkLayout.h"
#include "Assets.h"
#include "PictureButton.h"
#include "platform/Beeper.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>

namespace {} // namespace

ChangePanel::ChangePanel(QWidget* parent, Beeper& beeper)
    : QWidget(parent)
    , beeper_(beeper)
    , picture_(Assets::pixmap("change.png")) {
    setObjectName("Picture2");
    setGeometry(0, 97, 286, 203);

    Text5 = new QLineEdit(this);
    Text5->setObjectName("Text5");
    Text5->setGeometry(Assets::rect(ArtworkLayout::changePhrase));
    Text5->setFrame(false);

    Text4 = new QPlainTextEdit(this);
    Text4->setObjectName("Text4");
    Text4->setGeometry(Assets::rect(ArtworkLayout::changeArgument));
    Text4->setFrameShape(QFrame::NoFrame);
    Text4->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text4->installEventFilter(this);

    Image9 = new QLabel(this);
    Image9->setObjectName("Image9");
    Image9->setPixmap(Assets::pixmap("browse.png"));
    Image9->setGeometry(Assets::rect(ArtworkLayout::changeBrowse));
    Image9->setToolTip("Choose a program");
    Image9->setCursor(Qt::PointingHandCursor);
    Image9->installEventFilter(this);
    Image9->hide();

    Image8 =
        new PictureButton(this, "Image8", "Image8Caption", QString(), Assets::pixmap("save.png"));
    Image8->move(ArtworkLayout::changeSave.x, ArtworkLayout::changeSave.y);
    Image8->hide();
    Image7 =
        new PictureButton(this, "Image7", "Image7Caption", QString(), Assets::pixmap("cancel.png"));
    Image7->move(ArtworkLayout::changeCancel.x, ArtworkLayout::changeCancel.y);

    connect(Text5, &QLineEdit::textChanged, this, &ChangePanel::saveRule);
    connect(Text4, &QPlainTextEdit::textChanged, this, &ChangePanel::saveRule);
    connect(Image8, &PictureButton::clicked, this, &ChangePanel::saveClicked);
    connect(Image7, &PictureButton::pressed, this, &ChangePanel::makeFieldsEditable);
    connect(Image7, &PictureButton::clicked, this, &ChangePanel::cancelReleased);
    hide();
}

ChangePanel::~ChangePanel() = default;

void ChangePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void ChangePanel::open(const QString& phrase, const QString& argument, const QString& type) {
    if (type == "Read")
        Text4->setReadOnly(true);
    if (type == "Open") {
        Text4->setReadOnly(true);
        Image9->show();
    } else {
        Image9->hide();
    }
    show();
    raise();
    Text5->setText(phrase);
    Text4->setPlainText(argument);
}

void ChangePanel::makeFieldsEditable() {
    Text5->setReadOnly(false);
    Text4->setReadOnly(false);
}

void ChangePanel::saveRule() {
    Image8->setVisible(!Text5->text().isEmpty() && !Text4->toPlainText().isEmpty());
}

bool ChangePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text4 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // No line break may enter an argument: it would split the entry in the brain files.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            beeper_.beep();
            return true;
        }
    }
    if (watched == Image9 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit browseClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
