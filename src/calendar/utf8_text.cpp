#include "calendar/utf8_text.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace kelmo {

namespace {

// The cells of one code point; c < 0 stands for a malformed byte.
std::size_t cellsOf(UChar32 c) {
    if (c < 0) return 1;
    switch (u_charType(c)) {
        case U_NON_SPACING_MARK:
        case U_ENCLOSING_MARK:
        case U_FORMAT_CHAR:
            return 0;
        default:
            break;
    }
    const auto width =
        static_cast<UEastAsianWidth>(u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH));
    return width == U_EA_WIDE || width == U_EA_FULLWIDTH ? 2 : 1;
}

// Calls visit(code point, end of its bytes) for every character of text; a malformed byte is
// one character with a negative code point.
template <typename Visit>
void forEachCharacter(std::string_view text, Visit visit) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (!visit(c, static_cast<std::size_t>(i))) return;
    }
}

}  // namespace

std::size_t shownWidth(std::string_view text) {
    std::size_t cells = 0;
    forEachCharacter(text, [&cells](UChar32 c, std::size_t) {
        cells += cellsOf(c);
        return true;
    });
    return cells;
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    forEachCharacter(text, [&count](UChar32, std::size_t) {
        ++count;
        return true;
    });
    return count;
}

std::string_view firstCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    std::size_t taken = 0;
    forEachCharacter(text, [&](UChar32, std::size_t characterEnd) {
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
    forEachCharacter(text, [&](UChar32 c, std::size_t characterEnd) {
        taken += cellsOf(c);
        if (taken > cells) return false;
        end = characterEnd;
        return true;
    });
    return text.substr(0, end);
}

bool isWellFormedUtf8(std::string_view text) {
    bool wellFormed = true;
    forEachCharacter(text, [&wellFormed](UChar32 c, std::size_t) {
        wellFormed = c >= 0;
        return wellFormed;
    });
    return wellFormed;
}

std::string wellFormedUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    forEachCharacter(text, [&](UChar32 c, std::size_t end) {
        if (c < 0) {
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
