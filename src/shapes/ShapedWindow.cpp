#include "ShapedWindow.h"

#include "platform/WindowRegionPort.h"

namespace {

RegionBuffer bufferOf(ShapedWindow::Kind kind) {
    switch (kind) {
    case ShapedWindow::Kind::Editor:
        return RegionBuffer::forEditor();
    case ShapedWindow::Kind::Character:
        return RegionBuffer::forCharacter();
    case ShapedWindow::Kind::Bubble:
        break;
    }
    return RegionBuffer::forBubble();
}

} // namespace

ShapedWindow::ShapedWindow(Kind kind, WindowRegionPort& port)
    : buffer(bufferOf(kind))
    , kind_(kind)
    , port_(port) {}

void ApplyShape(ShapedWindow& window, const Shape& shape) {
    if (window.kind() == ShapedWindow::Kind::Editor)
        window.buffer.regionDataSize = shape.flipFrame <= 4 ? 3248 : 3312;
    window.buffer.build(shape);
    window.port().setRegion(window.buffer.handedOver());
}
