#pragma once

#include "Status.h"

#include <cstddef>
#include <filesystem>
#include <string>

// Whole-file reads and the small file-system steps the brain needs, with errors as Status.
class FileAccess {
public:
    // Files larger than this are refused rather than read into memory.
    static constexpr std::size_t maxFileBytes = 256u * 1024u * 1024u;

    enum class ReadResult { Read, Missing, Failed };
    static ReadResult readWholeFile(const std::filesystem::path& path, std::string& bytes,
                                    std::string& error);

    // Creates the folder and its parents, new folders readable by the user only.
    static Status ensureFolder(const std::filesystem::path& folder);
    // Creates an empty file, readable and writable by the user only, unless it exists.
    static Status createIfMissing(const std::filesystem::path& path);
    // Size in bytes, or -1 when the file does not exist or cannot be examined.
    static long long sizeOf(const std::filesystem::path& path);
};
