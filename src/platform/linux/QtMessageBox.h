#pragma once

#include "platform/MessageBox.h"

// A modal message box with an OK button, above other windows.
class QtMessageBox final : public MessageBox {
public:
    void show(const std::string& text) override;
};
