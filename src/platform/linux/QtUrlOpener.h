#pragma once

#include "platform/UrlOpener.h"

// Opens addresses through the desktop's preferred programs.
class QtUrlOpener final : public UrlOpener {
public:
    Status open(const std::string& address) override;
};
