#pragma once

#include "core/Status.h"

#include <string>
#include <vector>

// parlonctl's side of the control socket: sends one request line and collects the answer lines.
class ControlClient {
public:
    // The lines before the final "ok" go to out; "error: WHY" becomes a failure.
    static Status request(const std::string& line, std::vector<std::string>& out);
};
