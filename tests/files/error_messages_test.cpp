#include "files/error_messages.h"

#include <gtest/gtest.h>

#include <string>

namespace kelmo {
namespace {

constexpr int kKnownCodes[] = {10,  100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 112, 113,
                               114, 115, 116, 200, 201, 202, 203, 204, 205, 300, 301, 400, 401, 402,
                               500, 501, 502, 503, 504, 505, 600, 601, 700, 800, 801, 802, 902};

TEST(ErrorMessage, EveryTextEndsInExclamationAndOneTab) {
    const std::string unknown = errorMessage(-1);
    for (int code : kKnownCodes) {
        const std::string text = errorMessage(code);
        ASSERT_GE(text.size(), 3u) << code;
        EXPECT_TRUE(text.ends_with("!\t")) << code;
        EXPECT_EQ(text.find('\t'), text.size() - 1) << code;
        EXPECT_LE(text.size(), 63u) << code;
        EXPECT_NE(text, unknown) << code;
    }
}

TEST(ErrorMessage, UnknownCodesShareTheFallback) {
    EXPECT_STREQ(errorMessage(0), "Unknown error!\t");
    EXPECT_STREQ(errorMessage(111), "Unknown error!\t");
    EXPECT_STREQ(errorMessage(-102), "Unknown error!\t");
    EXPECT_STREQ(errorMessage(999), "Unknown error!\t");
}

TEST(ErrorMessage, TextsUsersSee) {
    // Code 10 reports that the prayer time could NOT be calculated.
    EXPECT_STREQ(errorMessage(10), "Could not calculate valid prayer time!\t");
    EXPECT_STREQ(errorMessage(102), "Configuration file is corrupt!\t");
    EXPECT_STREQ(errorMessage(800), "Kelmo Timer or Kelmo Notifier is already started!\t");
    EXPECT_STREQ(errorMessage(107),
                 "Invalid combination of Fiqh and prayers chosen for sound play!\t");
}

}  // namespace
}  // namespace kelmo
