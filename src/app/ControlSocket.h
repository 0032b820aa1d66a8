#pragma once

#include "core/Status.h"

#include <cstddef>
#include <string>
#include <string_view>

// The local socket through which parlonctl talks to the running program: one request line per
// connection ("say PHRASE"), answered by lines of which the last is "ok" or "error: WHY".
class ControlSocket {
public:
    // A request longer than this is refused: no phrase comes near it.
    static constexpr std::size_t maxRequestBytes = 4096;

    // $XDG_RUNTIME_DIR/parlon.sock, or a private folder under /tmp when there is no runtime
    // folder. The folder is created when missing and must belong to the user alone.
    static Status path(std::string& socketPath);

    // Checks a request line: valid UTF-8, no control characters but tab, within the limit.
    static Status validateRequest(std::string_view line);
};
