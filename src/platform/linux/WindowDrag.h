#pragma once

class QWidget;

// Moves a frameless window with the mouse: the window manager's move where there is one, the
// window following the mouse itself where there is none.
class WindowDrag {
public:
    // Hands the move to the window manager. The manager then takes the button's release, which Qt
    // never sees, and Qt would go on thinking the button held down (the next click elsewhere would
    // be lost); a release is given to Qt in its place. True when the manager took the move.
    static bool startSystemMove(QWidget& window);
    // The release given to Qt by startSystemMove, which the window should not take for a real one.
    static bool isStandInRelease(const class QEvent& event);
};
