#include "Shapes.h"

#include <array>
#include <stdexcept>

namespace {

const std::array<const Shape*, 20> shapes = {
    &FlipShape1,  &FlipShape2,  &FlipShape3,  &FlipShape4,  &FlipShape5,
    &FlipShape6,  &FlipShape7,  &FlipShape8,  &FlipShape9,  &FlipShape10,
    &FlipShape11, &FlipShape12, &FlipShape13, &FlipShape14, &FlipShape15,
    &FlipShape16, &NuboShape,   &ZelShape,    &EmptyShape,  &BubbleShape,
};

} // namespace

const Shape& flipShape(int frame) {
    if (frame < 1 || frame > 16)
        throw std::out_of_range("flip frames are 1 to 16");
    return *shapes[static_cast<std::size_t>(frame - 1)];
}

std::span<const Shape* const> allShapes() {
    return shapes;
}
