#pragma once

#include "Shape.h"

#include <span>

// The twenty outlines of the program. Their tables are made from the pictures in assets/ when the
// program is built; nothing scans a picture at run time.
extern const Shape FlipShape1;
extern const Shape FlipShape2;
extern const Shape FlipShape3;
extern const Shape FlipShape4;
extern const Shape FlipShape5;
extern const Shape FlipShape6;
extern const Shape FlipShape7;
extern const Shape FlipShape8;
extern const Shape FlipShape9;
extern const Shape FlipShape10;
extern const Shape FlipShape11;
extern const Shape FlipShape12;
extern const Shape FlipShape13;
extern const Shape FlipShape14;
extern const Shape FlipShape15;
extern const Shape FlipShape16;
extern const Shape NuboShape;
extern const Shape ZelShape;
extern const Shape EmptyShape;
extern const Shape BubbleShape;

// FlipShape1 .. FlipShape16 by frame number.
const Shape& flipShape(int frame);
// All twenty, in the order above.
std::span<const Shape* const> allShapes();
