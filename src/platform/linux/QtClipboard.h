#pragma once

#include "platform/Clipboard.h"

// The desktop clipboard through Qt.
class QtClipboard final : public Clipboard {
public:
    void clear() override;
    bool waitForChange(int timeoutMs) override;
    std::optional<std::string> text() override;
};
