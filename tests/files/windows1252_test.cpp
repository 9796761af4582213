#include "files/settings/windows1252.h"

#include <gtest/gtest.h>

namespace kelmo {
namespace {

TEST(Windows1252, DegreeSignAndWindowsOnlyCharacters) {
    EXPECT_EQ(utf8FromCp1252("26\xB0"
                             "13'"),
              "26\u00B0"
              "13'");
    EXPECT_EQ(utf8FromCp1252("\x80 \x93x\x94"), "\u20AC \u201Cx\u201D");
    EXPECT_EQ(utf8FromCp1252("plain"), "plain");
}

TEST(Windows1252, RoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(cp1252FromUtf8(utf8FromCp1252(all)), all);
}

TEST(Windows1252, UnrepresentableAndMalformedInput) {
    EXPECT_EQ(cp1252FromUtf8("\u0645"), "?");     // Arabic letter: not in Windows-1252
    EXPECT_EQ(cp1252FromUtf8("a\xC3"), "a\xC3");  // truncated sequence kept as a byte
    EXPECT_EQ(cp1252FromUtf8("\xE2\x82"), "\xE2\x82");
    EXPECT_EQ(cp1252FromUtf8("\xC0\xBF"), "\xC0\xBF");  // overlong '?' stays two bytes
}

TEST(Windows1252, FitsWindows1252) {
    EXPECT_TRUE(fitsCp1252("K\u00F6ln,Germany"));
    EXPECT_TRUE(fitsCp1252("\u20AC \u0152 \u2122"));  // the letters of 0x80..0x9F
    EXPECT_TRUE(fitsCp1252(""));
    EXPECT_FALSE(fitsCp1252("\u0645\u0643\u0629"));   // Arabic
    EXPECT_FALSE(fitsCp1252("\u0141\u00F3d\u017A"));  // Polish L with stroke
    EXPECT_FALSE(fitsCp1252("\U0001F54C"));           // outside the Basic Multilingual Plane
    EXPECT_FALSE(fitsCp1252("K\xF6ln"));              // a Windows-1252 byte, not UTF-8
    EXPECT_FALSE(fitsCp1252("\xC0\xBF"));             // overlong form of '?'
    EXPECT_FALSE(fitsCp1252("\xED\xA0\x80"));         // a surrogate
}

}  // namespace
}  // namespace kelmo
