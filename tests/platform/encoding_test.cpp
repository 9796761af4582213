#include "platform/encoding.h"

#include <gtest/gtest.h>

namespace kelmo::platform {
namespace {

TEST(Encoding, DegreeSignAndWindowsOnlyCharacters) {
    EXPECT_EQ(utf8FromCp1252("26\xB0"
                             "13'"),
              "26\u00B0"
              "13'");
    EXPECT_EQ(utf8FromCp1252("\x80 \x93x\x94"), "\u20AC \u201Cx\u201D");
    EXPECT_EQ(utf8FromCp1252("plain"), "plain");
}

TEST(Encoding, RoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(cp1252FromUtf8(utf8FromCp1252(all)), all);
}

TEST(Encoding, UnrepresentableAndMalformedInput) {
    EXPECT_EQ(cp1252FromUtf8("\u0645"), "?");     // Arabic letter: not in Windows-1252
    EXPECT_EQ(cp1252FromUtf8("a\xC3"), "a\xC3");  // truncated sequence kept as a byte
    EXPECT_EQ(cp1252FromUtf8("\xE2\x82"), "\xE2\x82");
}

}  // namespace
}  // namespace kelmo::platform
