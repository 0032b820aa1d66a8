#include "QtLayeredWindow.h"

#include <QWidget>

QtLayeredWindow::QtLayeredWindow(QWidget& window)
    : window_(window) {}

void QtLayeredWindow::setLayeredAttributes(std::uint32_t, std::uint8_t alpha, std::int32_t flags) {
    const double opacity = (flags & alphaFlag) ? alpha / 255.0 : 1.0;
    if (window_.windowOpacity() != opacity)
        window_.setWindowOpacity(opacity);
}
