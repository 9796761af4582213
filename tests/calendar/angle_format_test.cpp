#include "calendar/angle_format.h"

#include <gtest/gtest.h>

#include "base/angles.h"
#include "base/markers.h"

namespace kelmo {
namespace {

double deg(double d) {
    return d * kDegToRad;
}

TEST(SplitAngle, RoundsSecondsAndCarries) {
    const SplitAngle a = splitAngle(26.2167, false);
    EXPECT_EQ(a.degrees, 26);
    EXPECT_EQ(a.minutes, 13);
    EXPECT_EQ(a.seconds, 0);
    const SplitAngle b = splitAngle(29.999999, false);  // 29 59' 59.9964" rounds to 30 00'00"
    EXPECT_EQ(b.degrees, 30);
    EXPECT_EQ(b.minutes, 0);
    EXPECT_EQ(b.seconds, 0);
    const SplitAngle c = splitAngle(-12.5083334, true);  // 12 30' 30" rounds to the minute
    EXPECT_EQ(c.degrees, -12);
    EXPECT_EQ(c.minutes, 31);
    EXPECT_EQ(c.seconds, 0);
}

TEST(FormatAngle, SignsAndMarker) {
    EXPECT_EQ(formatAngle(deg(-0.5), false),
              "-00\u00B0"
              "30'00\"");
    EXPECT_EQ(formatAngle(deg(-1.5), false),
              "-1\u00B0"
              "30'00\"");
    EXPECT_EQ(formatAngle(deg(-0.5), true),
              "-00\u00B0"
              "30'");
    EXPECT_EQ(formatAngle(deg(246.3), true),
              "246\u00B0"
              "18'");
    EXPECT_EQ(formatAngle(deg(5.25), false),
              "05\u00B0"
              "15'00\"");
    EXPECT_EQ(formatAngle(kNotValid, false), "NotValid");
}

TEST(FormatAngle, BearingsCarryTheRoundingModulo360) {
    EXPECT_EQ(formatBearing(deg(359.9999999), false),
              "00\u00B0"
              "00'00\"");
    EXPECT_EQ(formatBearing(deg(359.995), true),
              "00\u00B0"
              "00'");
    EXPECT_EQ(formatBearing(deg(-1.5), false),  // counted clockwise: 1.5 degrees west of north
              "358\u00B0"
              "30'00\"");
    EXPECT_EQ(formatBearing(deg(246.3), true),
              "246\u00B0"
              "18'");
    EXPECT_EQ(formatBearing(kNotValid, false), "NotValid");
}

TEST(FormatLatLon, FullAndCompactForms) {
    EXPECT_EQ(formatLatLon(deg(26.2167), false, false),
              "26\u00B0"
              "13'00\" N");
    EXPECT_EQ(formatLatLon(deg(-33.8667), false, false),
              "33\u00B0"
              "52'00\" S");
    EXPECT_EQ(formatLatLon(deg(-0.1167), true, false),
              "000\u00B0"
              "07'00\" W");
    EXPECT_EQ(formatLatLon(deg(50.5833), true, true), "05035 E    ");
    EXPECT_EQ(formatLatLon(deg(26.2167), false, true), "2613 N   ");
    EXPECT_EQ(formatLatLon(deg(59.9999), false, true), "6000 N   ");  // minute carries
}

}  // namespace
}  // namespace kelmo
