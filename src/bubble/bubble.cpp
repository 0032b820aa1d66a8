#include "bubble.h"

#include <QLabel>

bubble::bubble()
{
    setObjectName("bubble");
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(16, 16, 153, 97);
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bubble::~bubble() = default;

void bubble::load() {}

void bubble::setText(const std::string& text) { Label1->setText(QString::fromStdString(text)); }

std::string bubble::text() const { return Label1->text().toStdString(); }
