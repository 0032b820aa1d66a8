#include "TextCodec.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace {

// Bytes 0x80..0x9F. The five bytes that Windows-1252 leaves undefined map to the C1 controls of
// the same value, as web browsers do, so that any byte sequence survives a read and a write.
constexpr std::array<char16_t, 32> highControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Eight bytes at a time: a brain is megabytes of mostly plain text, read and written often.
bool isAscii(std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t n = bytes.size();
    std::uint64_t high = 0;
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        high |= word;
    }
    for (; n > 0; ++p, --n)
        high |= static_cast<unsigned char>(*p);
    return (high & 0x8080808080808080ULL) == 0;
}

// Decodes one code point of valid UTF-8 at i and advances i.
char32_t nextCodePoint(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    auto cont = [&](std::size_t k) { return static_cast<char32_t>(s[i + k] & 0x3F); };
    char32_t c;
    if (b0 < 0x80) {
        c = b0;
        i += 1;
    } else if (b0 < 0xE0) {
        c = ((b0 & 0x1F) << 6) | cont(1);
        i += 2;
    } else if (b0 < 0xF0) {
        c = ((b0 & 0x0F) << 12) | (cont(1) << 6) | cont(2);
        i += 3;
    } else {
        c = ((b0 & 0x07) << 18) | (cont(1) << 12) | (cont(2) << 6) | cont(3);
        i += 4;
    }
    return c;
}

} // namespace

bool TextCodec::isValidUtf8(std::string_view s) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        if (b0 < 0x80) {
            ++i;
            continue;
        }
        int length;
        char32_t minimum;
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            length = 2;
            minimum = 0x80;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            length = 3;
            minimum = 0x800;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            length = 4;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (n - i < static_cast<std::size_t>(length))
            return false;
        for (int k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        }
        std::size_t j = i;
        const char32_t c = nextCodePoint(s, j);
        if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        i = j;
    }
    return true;
}

std::string TextCodec::fromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            out += ch;
        else if (b < 0xA0)
            appendUtf8(out, highControls[b - 0x80]);
        else
            appendUtf8(out, b);
    }
    return out;
}

std::string TextCodec::fromUtf16(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](std::size_t i) -> char16_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? static_cast<char16_t>((a << 8) | b)
                         : static_cast<char16_t>((b << 8) | a);
    };
    const std::size_t units = bytes.size() / 2;
    for (std::size_t u = 0; u < units; ++u) {
        const char16_t w = unit(2 * u);
        if (w >= 0xD800 && w <= 0xDBFF && u + 1 < units) {
            const char16_t low = unit(2 * (u + 1));
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out,
                           0x10000 + ((static_cast<char32_t>(w) - 0xD800) << 10) + (low - 0xDC00));
                ++u;
                continue;
            }
        }
        if (w >= 0xD800 && w <= 0xDFFF)
            appendUtf8(out, 0xFFFD);
        else
            appendUtf8(out, w);
    }
    if (bytes.size() % 2 != 0)
        appendUtf8(out, 0xFFFD);
    return out;
}

std::string TextCodec::decode(std::string_view bytes, Encoding* detected) {
    auto report = [&](Encoding e) {
        if (detected)
            *detected = e;
    };
    if (bytes.size() >= 2) {
        const auto b0 = static_cast<unsigned char>(bytes[0]);
        const auto b1 = static_cast<unsigned char>(bytes[1]);
        if (b0 == 0xFF && b1 == 0xFE) {
            report(Encoding::Utf16LittleEndian);
            return fromUtf16(bytes.substr(2), false);
        }
        if (b0 == 0xFE && b1 == 0xFF) {
            report(Encoding::Utf16BigEndian);
            return fromUtf16(bytes.substr(2), true);
        }
    }
    if (isAscii(bytes)) {
        report(Encoding::Windows1252);
        return std::string(bytes);
    }
    if (isValidUtf8(bytes)) {
        report(Encoding::Utf8);
        // A byte-order mark is an editor's signature, not part of the first line.
        if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
            bytes.remove_prefix(3);
        return std::string(bytes);
    }
    report(Encoding::Windows1252);
    return fromWindows1252(bytes);
}

bool TextCodec::toWindows1252(std::string_view utf8, std::string& out) {
    out.clear();
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char32_t c = nextCodePoint(utf8, i);
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        const auto found = std::find(highControls.begin(), highControls.end(), c);
        if (found == highControls.end())
            return false;
        out += static_cast<char>(0x80 + (found - highControls.begin()));
    }
    return true;
}

std::string TextCodec::encodeForFile(std::string_view utf8, Encoding* chosen) {
    auto report = [&](Encoding e) {
        if (chosen)
            *chosen = e;
    };
    if (isAscii(utf8)) {
        report(Encoding::Windows1252);
        return std::string(utf8);
    }
    std::string narrow;
    // Windows-1252 bytes that would read back as something else (UTF-16 after "ÿþ" or "þÿ", or
    // UTF-8, as "â‚¬" would) are not written: UTF-8 then says what was meant.
    if (isValidUtf8(utf8) && toWindows1252(utf8, narrow) && !isValidUtf8(narrow) &&
        !(narrow.size() >= 2 && ((narrow[0] == '\xFF' && narrow[1] == '\xFE') ||
                                 (narrow[0] == '\xFE' && narrow[1] == '\xFF')))) {
        report(Encoding::Windows1252);
        return narrow;
    }
    report(Encoding::Utf8);
    // A reader takes a leading byte-order mark for a signature; text that itself begins with one
    // keeps it behind a signature of its own.
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF")
        return "\xEF\xBB\xBF" + std::string(utf8);
    return std::string(utf8);
}

std::string TextCodec::encodeForFile(std::string&& utf8, Encoding* chosen) {
    if (isAscii(utf8)) {
        if (chosen)
            *chosen = Encoding::Windows1252;
        return std::move(utf8);
    }
    return encodeForFile(std::string_view(utf8), chosen);
}
