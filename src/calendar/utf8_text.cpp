#include "calendar/utf8_text.h"

#include <algorithm>
#include <array>

#include "calendar/char_width_table.h"

namespace kelmo {

namespace {

// The smallest code point each sequence length may carry, and the limits of RFC 3629.
constexpr std::array<char32_t, 4> kSmallestOfLength = {0, 0x80, 0x800, 0x10000};
constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;
// What a malformed byte stands for while it is visited: no code point.
constexpr char32_t kMalformed = 0xFFFFFFFF;

bool holds(std::span<const CodeRange> ranges, char32_t c) {
    const auto after = std::upper_bound(ranges.begin(), ranges.end(), c,
                                        [](char32_t v, const CodeRange& r) { return v < r.first; });
    return after != ranges.begin() && c <= std::prev(after)->last;
}

// The cells of one code point; a malformed byte takes one.
std::size_t cellsOf(char32_t c) {
    if (c == kMalformed) return 1;
    if (holds(kZeroWidthRanges, c)) return 0;
    return holds(kWideRanges, c) ? 2 : 1;
}

// Calls visit(code point, end of its bytes) for every character of text; a malformed byte is
// one character, kMalformed.
template <typename Visit>
void forEachCharacter(std::string_view text, Visit visit) {
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = 0;
        if (!decodeUtf8(text, i, c)) c = kMalformed;
        if (!visit(c, i)) return;
    }
}

}  // namespace

bool decodeUtf8(std::string_view text, std::size_t& i, char32_t& c) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    c = lead;
    if (lead < 0x80) return true;
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (extra == 0 || i + extra > text.size()) return false;
    char32_t value = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) return false;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < kSmallestOfLength[extra] || value > kLastCodePoint ||
        (value >= kFirstSurrogate && value <= kLastSurrogate)) {
        return false;  // overlong form, surrogate or beyond Unicode (RFC 3629)
    }
    i += extra;
    c = value;
    return true;
}

std::size_t shownWidth(std::string_view text) {
    std::size_t cells = 0;
    forEachCharacter(text, [&cells](char32_t c, std::size_t) {
        cells += cellsOf(c);
        return true;
    });
    return cells;
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    forEachCharacter(text, [&count](char32_t, std::size_t) {
        ++count;
        return true;
    });
    return count;
}

std::string_view firstCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    std::size_t taken = 0;
    forEachCharacter(text, [&](char32_t, std::size_t characterEnd) {
        if (taken == count) return false;
        ++taken;
        end = characterEnd;
        return true;
    });
    return text.substr(0, end);
}

std::string_view firstCells(std::string_view text, std::size_t cells) {
    std::size_t end = 0;
    std::size_t taken = 0;
    forEachCharacter(text, [&](char32_t c, std::size_t characterEnd) {
        taken += cellsOf(c);
        if (taken > cells) return false;
        end = characterEnd;
        return true;
    });
    return text.substr(0, end);
}

bool isWellFormedUtf8(std::string_view text) {
    bool wellFormed = true;
    forEachCharacter(text, [&wellFormed](char32_t c, std::size_t) {
        wellFormed = c != kMalformed;
        return wellFormed;
    });
    return wellFormed;
}

std::string wellFormedUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    forEachCharacter(text, [&](char32_t c, std::size_t end) {
        if (c == kMalformed) {
            out += '?';
        } else {
            out += text.substr(start, end - start);
        }
        start = end;
        return true;
    });
    return out;
}

void appendPadded(std::string& text, std::string_view word, std::size_t cells) {
    text += word;
    const std::size_t width = shownWidth(word);
    if (width < cells) text.append(cells - width, ' ');
}

}  // namespace kelmo
