#pragma once

#include "platform/MessageBox.h"

// The console mode's message box: a "message: TEXT" line; nobody needs to press OK.
class ConsoleMessageBox final : public MessageBox {
public:
    void show(const std::string& text) override;
};
