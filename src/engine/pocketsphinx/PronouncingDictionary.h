#pragma once

#include "core/Status.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// The model's pronouncing dictionary ("word PH ON ES" a line, alternatives as "word(2)"), looked
// up in its file instead of held in memory: the decoder holds only the grammar's words, where the
// whole dictionary would cost some 20 MB in each decoder.
class PronouncingDictionary {
public:
    using Words = std::set<std::string, std::less<>>;
    using Pronunciations = std::map<std::string, std::vector<std::string>, std::less<>>;

    explicit PronouncingDictionary(std::string path);

    const std::string& path() const { return path_; }

    // One pass over the file: the pronunciations of those of the words that it holds, the plain
    // entry first and then its alternatives by number; words it lacks are left out of found.
    Status lookUp(const Words& words, Pronunciations& found) const;

private:
    std::string path_;
};
