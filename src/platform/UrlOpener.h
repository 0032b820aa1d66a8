#pragma once

#include "core/Status.h"

#include <string>

// Opens an address with the user's preferred program (a web address in the browser).
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual Status open(const std::string& address) = 0;
};
