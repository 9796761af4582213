#include "files/settings/windows1252.h"

#include <array>
#include <cstdint>

#include "calendar/utf8_text.h"

namespace kelmo {

namespace {

// Unicode code points of the bytes 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves
// undefined (they map to the C1 control of the same number).
constexpr std::array<std::uint16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t codePointOf(unsigned char byte) {
    if (byte < 0x80 || byte >= 0xA0) return byte;
    const std::uint16_t mapped = kHighControls[byte - 0x80];
    return mapped != 0 ? mapped : byte;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

constexpr char kUnrepresentable = '?';

// The Windows-1252 byte of c, or kUnrepresentable with holds false.
char byteOf(char32_t c, bool& holds) {
    holds = true;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
    }
    if (c >= 0x80 && c < 0xA0 && kHighControls[c - 0x80] == 0) return static_cast<char>(c);
    holds = false;
    return kUnrepresentable;
}

}  // namespace

std::string utf8FromCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char ch : text) appendUtf8(out, codePointOf(static_cast<unsigned char>(ch)));
    return out;
}

std::string cp1252FromUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = 0;
        bool holds = false;
        out += decodeUtf8(text, i, c) ? byteOf(c, holds) : static_cast<char>(c);
    }
    return out;
}

bool fitsCp1252(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = 0;
        bool holds = false;
        if (!decodeUtf8(text, i, c)) return false;
        byteOf(c, holds);
        if (!holds) return false;
    }
    return true;
}

}  // namespace kelmo
