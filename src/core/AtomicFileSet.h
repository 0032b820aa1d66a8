#pragma once

#include "Status.h"

#include <filesystem>
#include <string>
#include <vector>

// Replaces several files so that each is either wholly old or wholly new, never half-written:
// every new content goes to a temporary file beside its target and is flushed to disk first; only
// when all of them are safely written are they renamed over the targets. A failure before the
// renames leaves every target as it was.
class AtomicFileSet {
public:
    void add(std::filesystem::path target, std::string bytes);
    Status commit();

    // Removes temporary files that a writer killed before its renames left beside the target
    // (only one program writes there, so none of them is still being written).
    static void removeLeftovers(const std::filesystem::path& target);

private:
    struct Pending {
        std::filesystem::path target;
        std::string bytes;
        std::filesystem::path temporary;
    };
    std::vector<Pending> files_;
};
