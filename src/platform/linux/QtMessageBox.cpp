#include "QtMessageBox.h"

#include <QMessageBox>

void QtMessageBox::show(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Parlon"), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}
