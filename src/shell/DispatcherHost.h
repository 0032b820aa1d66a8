#pragma once

// What the dispatcher asks of the window that owns it: the tray and menu side of the listening
// state, and the Sleep menu action.
class DispatcherHost {
public:
    virtual ~DispatcherHost() = default;
    // The tray animation starts, the icon shows an ear and Listen is checked.
    virtual void showListening() = 0;
    virtual void setListenChecked(bool checked) = 0;
    virtual void runSleepAction() = 0;
};
