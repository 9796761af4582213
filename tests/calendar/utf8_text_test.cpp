#include "calendar/utf8_text.h"

#include <gtest/gtest.h>

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
