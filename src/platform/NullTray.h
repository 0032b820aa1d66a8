#pragma once

#include "TrayPort.h"

// Where there is no notification area (the console mode), the tray requests go nowhere.
class NullTray final : public TrayPort {
public:
    void add(TrayPicture, const std::string&) override {}
    void modify(TrayPicture, const std::string&) override {}
    void remove() override {}
};
