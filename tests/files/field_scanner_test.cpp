#include "files/settings/field_scanner.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/german_numbers.h"

namespace kelmo {
namespace {

std::vector<std::string> allLines(std::string_view text) {
    LineReader reader(text);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.next(line)) lines.emplace_back(line);
    return lines;
}

TEST(LineReader, LinesWithAndWithoutFinalNewline) {
    EXPECT_TRUE(allLines("").empty());
    EXPECT_EQ(allLines("a\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(allLines("a\nb"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(allLines("\n\n"), (std::vector<std::string>{"", ""}));
    const std::string longLine(100000, 'x');  // far longer than the old 239-byte buffer
    EXPECT_EQ(allLines(longLine + "\nz"), (std::vector<std::string>{longLine, "z"}));
}

TEST(LineReader, RestIsTheUntouchedRemainder) {
    LineReader reader("one\r\ntwo\nthree");
    std::string_view line;
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line, "one\r");
    EXPECT_EQ(reader.rest(), "two\nthree");
}

TEST(FieldScanner, ReadsLikeFormattedInput) {
    // As sscanf("%d %d %s") reads " 5x 7": 5, then "x" does not convert as a number.
    FieldScanner scan(" 5x 7");
    int n = 0;
    ASSERT_TRUE(scan.integer(n));
    EXPECT_EQ(n, 5);
    EXPECT_FALSE(scan.integer(n));
    std::string_view word;
    ASSERT_TRUE(scan.word(word));
    EXPECT_EQ(word, "x");
}

TEST(FieldScanner, WordsAreCutToTheirFieldNotSplit) {
    const std::string line = std::string(300, 'a') + " next";
    FieldScanner scan(line);
    std::string field;
    ASSERT_TRUE(scan.word(field, 47));
    EXPECT_EQ(field, std::string(47, 'a'));
    std::string_view rest;
    ASSERT_TRUE(scan.word(rest));
    EXPECT_EQ(rest, "next");
    EXPECT_FALSE(scan.word(rest));
}

TEST(FieldScanner, NumbersThatDoNotFitOrAreNotFiniteDoNotConvert) {
    int n = 0;
    float f = 0.0f;
    EXPECT_FALSE(FieldScanner("2147483648").integer(n));
    EXPECT_TRUE(FieldScanner("-2147483648").integer(n));
    EXPECT_EQ(n, -2147483648);
    EXPECT_TRUE(FieldScanner("+12").integer(n));
    EXPECT_EQ(n, 12);
    EXPECT_FALSE(FieldScanner("-").integer(n));
    EXPECT_FALSE(FieldScanner("nan").real(f));
    EXPECT_FALSE(FieldScanner("inf").real(f));
    EXPECT_FALSE(FieldScanner("1e60").real(f));
    EXPECT_TRUE(FieldScanner("-16.5").real(f));
    EXPECT_FLOAT_EQ(f, -16.5f);
}

TEST(FieldScanner, NumbersIgnoreTheProcessLocale) {
    // A desktop library may set the user's locale; the file always uses a decimal point.
    ASSERT_TRUE(test::useGermanNumbers()) << "localedef could not build de_DE";
    float f = 0.0f;
    const bool read = FieldScanner("3.5").real(f);
    test::useCNumbers();
    EXPECT_TRUE(read);
    EXPECT_FLOAT_EQ(f, 3.5f);
}

TEST(LeadingNumber, LongestLeadingNumberOrZero) {
    EXPECT_DOUBLE_EQ(leadingNumber("0.45790652"), 0.45790652);
    EXPECT_DOUBLE_EQ(leadingNumber("-1.5abc"), -1.5);
    EXPECT_DOUBLE_EQ(leadingNumber("abc"), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber("nan"), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber("1e999"), 0.0);
    double value = 7.0;
    EXPECT_TRUE(finiteLeadingNumber("-1.5abc", value));
    EXPECT_DOUBLE_EQ(value, -1.5);
    EXPECT_TRUE(finiteLeadingNumber("abc", value));
    EXPECT_EQ(value, 0.0);
    EXPECT_TRUE(finiteLeadingNumber("+2", value));
    EXPECT_EQ(value, 2.0);
    for (const char* word : {"nan", "-inf", "INFINITY", "1e999", "-1e999x"}) {
        EXPECT_FALSE(finiteLeadingNumber(word, value)) << word;
    }
}

}  // namespace
}  // namespace kelmo

namespace kelmo {
namespace {

TEST(EqualsIgnoringCase, AsciiLettersOnlyAndWholeTexts) {
    EXPECT_TRUE(equalsIgnoringCase("Manama,Bahrain", "mANAMA,bahrain"));
    EXPECT_FALSE(equalsIgnoringCase("Manama,Bahrain", "Manama,Bahrai"));
    EXPECT_FALSE(equalsIgnoringCase("Manama", "Manama "));
    // Windows-1252 letters are not folded: 0xC9 is "E acute", 0xE9 "e acute".
    EXPECT_FALSE(equalsIgnoringCase("\xC9vry", "\xE9vry"));
    EXPECT_FALSE(equalsIgnoringCase("@", "`"));  // neighbours of the letter ranges
    EXPECT_TRUE(equalsIgnoringCase("", ""));
}

}  // namespace
}  // namespace kelmo
