#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text of the three brain files (already decoded to UTF-8). The phrase file is the grammar
// text: three header lines, one "<start>=" line per phrase, then an empty line. The argument and
// type files hold one value per entry, each followed by an empty separator line. Every line ends
// with CR LF.
class BrainFileFormat {
public:
    static constexpr int maxEntries = 32767;
    static constexpr std::string_view phrasePrefix = "<start>=";
    static constexpr std::string_view lineEnd = "\r\n";

    static std::string phraseFileText(const std::vector<std::string_view>& phrases);
    static std::string valueFileText(const std::vector<std::string_view>& values);

    // Readers skip empty lines, so files with and without separator lines read alike. A line ends
    // at CR, at CR LF, or at a lone LF (a file edited with a Linux text editor).
    static std::vector<std::string> phrasesFromText(std::string_view text);
    static std::vector<std::string> valuesFromText(std::string_view text);

    template <typename Visit> static void forEachNonEmptyLine(std::string_view text, Visit visit) {
        std::size_t start = 0;
        const std::size_t n = text.size();
        while (start < n) {
            std::size_t end = start;
            while (end < n && text[end] != '\r' && text[end] != '\n')
                ++end;
            if (end > start)
                visit(text.substr(start, end - start));
            if (end < n && text[end] == '\r' && end + 1 < n && text[end + 1] == '\n')
                ++end;
            start = end + 1;
        }
    }
};
