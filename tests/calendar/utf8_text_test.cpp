#include "calendar/utf8_text.h"

#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/utf8.h>
#include <unicode/uversion.h>

#include <cstring>
#include <string>

namespace kelmo {
namespace {

// Cells and characters of texts in the scripts the program speaks. The reference is the
// Unicode character database as the Unicode standard lists it: U+0670 (Arabic superscript alef)
// and U+064E (fatha) are non-spacing marks, U+200C (zero-width non-joiner) a format character,
// U+6771 and U+4EAC East Asian wide.
TEST(Utf8Text, CellsAndCharactersOfEveryScript) {
    struct Row {
        std::string text;
        std::size_t cells, characters;
    };
    for (const Row& row : {
             Row{"Isha'a", 6, 6}, Row{"\u0130msak \u00D6\u011Fle", 10, 10},   // Turkish
             Row{"\u0627\u0644\u0641\u062C\u0631", 5, 5},                     // Arabic al-fajr
             Row{"\u0627\u0645 \u0627\u0644\u0642\u0631\u06CC\u0670", 8, 9},  // Urdu, a mark
             Row{"\u0633\u0647\u200C\u0634\u0646\u0628\u0647", 6, 7},         // Persian, a ZWNJ
             Row{"\u0645\u064E", 1, 2},                                       // a letter and fatha
             Row{"\u6771\u4EAC", 4, 2},                                       // wide
             Row{"a\xFF"
                 "b",
                 3, 3},  // a malformed byte
         }) {
        EXPECT_EQ(shownWidth(row.text), row.cells) << row.text;
        EXPECT_EQ(characterCount(row.text), row.characters) << row.text;
    }
}

// Every code point of Unicode 14 (the version of the generated table) against ICU's character
// properties: no cell for the general categories Mn, Me and Cf, two for East Asian wide and
// full-width characters, else one.
TEST(Utf8Text, CellsOfEveryCharacterMatchIcu) {
    const UVersionInfo kTableVersion = {14, 0, 0, 0};
    int compared = 0;
    for (UChar32 c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;  // surrogates are no characters of UTF-8
        UVersionInfo age;
        u_charAge(c, age);
        if (u_charType(c) == U_UNASSIGNED || std::memcmp(age, kTableVersion, 2) > 0) continue;
        const int type = u_charType(c);
        const auto width = u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH);
        const std::size_t expected =
            type == U_NON_SPACING_MARK || type == U_ENCLOSING_MARK || type == U_FORMAT_CHAR ? 0
            : width == U_EA_WIDE || width == U_EA_FULLWIDTH                                 ? 2
                                                                                            : 1;
        char bytes[4];
        std::size_t length = 0;
        U8_APPEND_UNSAFE(bytes, length, c);
        ASSERT_EQ(shownWidth(std::string_view(bytes, length)), expected) << std::hex << c;
        ++compared;
    }
    EXPECT_GT(compared, 140000);
}

TEST(Utf8Text, CutsAndPadsByCharacters) {
    EXPECT_EQ(firstCharacters("\u0130stanbul", 2), "\u0130s");
    EXPECT_EQ(firstCharacters("abc", 5), "abc");
    EXPECT_EQ(firstCharacters("abc", 0), "");
    EXPECT_EQ(firstCells("\u0645\u064E\u0643\u0629 ", 2), "\u0645\u064E\u0643");  // with its mark
    EXPECT_EQ(firstCells("\u6771\u4EAC", 3), "\u6771");
    std::string text = "|";
    appendPadded(text, "\u0627\u0644\u0639\u0635\u0631", 7);
    appendPadded(text, "Maghrib-and-more", 3);
    EXPECT_EQ(text, "|\u0627\u0644\u0639\u0635\u0631  Maghrib-and-more");
}

TEST(Utf8Text, MalformedBytesAreFoundAndReplaced) {
    EXPECT_TRUE(isWellFormedUtf8("\u0645\u0643\u0629"));
    EXPECT_FALSE(isWellFormedUtf8("Z\xFCrich"));     // a Windows-1252 byte
    EXPECT_FALSE(isWellFormedUtf8("\xED\xA0\x80"));  // a surrogate
    EXPECT_FALSE(isWellFormedUtf8("\xC0\xBF"));      // an overlong "?"
    EXPECT_EQ(wellFormedUtf8("Z\xFCrich \u00FC"), "Z?rich \u00FC");
}

}  // namespace
}  // namespace kelmo
