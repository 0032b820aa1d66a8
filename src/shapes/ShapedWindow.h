#pragma once

#include "RegionBuffer.h"
#include "Shape.h"

class WindowRegionPort;

// A window cut to the outline of its picture: its region port and its own region buffer.
class ShapedWindow {
public:
    enum class Kind { Editor, Character, Bubble };

    ShapedWindow(Kind kind, WindowRegionPort& port);

    Kind kind() const { return kind_; }
    WindowRegionPort& port() { return port_; }

    RegionBuffer buffer;

private:
    Kind kind_;
    WindowRegionPort& port_;
};

// Builds the shape's region-data block in the window's buffer and makes the region it describes
// the window's region. The editor first sizes the block by the flip frame of the shape.
void ApplyShape(ShapedWindow& window, const Shape& shape);
