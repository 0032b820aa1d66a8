#include "PictureButton.h"

#include <QMouseEvent>

PictureButton::PictureButton(QWidget* parent, const char* name, const char* captionName,
                             const QString& text, const QPixmap& face)
    : QLabel(parent)
    , caption_(new QLabel(text, this)) {
    setObjectName(name);
    setPixmap(face);
    resize(face.isNull() ? QSize(82, 27) : face.size());
    setCursor(Qt::PointingHandCursor);
    caption_->setObjectName(captionName);
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setGeometry(rect());
    caption_->setStyleSheet(
        QStringLiteral("color: white; font-weight: bold; background: transparent;"));
    // Clicks on the caption reach the picture.
    caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit pressed();
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}
