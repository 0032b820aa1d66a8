#pragma once

#include <string>
#include <string_view>

// The brain files' character encodings. In memory all text is UTF-8. A file is read as UTF-16
// when it starts with a UTF-16 byte-order mark, as UTF-8 when it is valid UTF-8, and otherwise as
// Windows-1252; it is written in Windows-1252 when every character fits, else in UTF-8, so no
// character is ever lost to the code page.
class TextCodec {
public:
    enum class Encoding { Windows1252, Utf8, Utf16LittleEndian, Utf16BigEndian };

    static std::string decode(std::string_view bytes, Encoding* detected = nullptr);
    static std::string encodeForFile(std::string_view utf8, Encoding* chosen = nullptr);
    // The same, without a copy when the text can be written as it is.
    static std::string encodeForFile(std::string&& utf8, Encoding* chosen = nullptr);

    static bool isValidUtf8(std::string_view bytes);
    static std::string fromWindows1252(std::string_view bytes);
    static std::string fromUtf16(std::string_view bytes, bool bigEndian);
    // Empty when some character has no Windows-1252 byte.
    static bool toWindows1252(std::string_view utf8, std::string& out);
};
