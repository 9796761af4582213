#include "prayer/day_events.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "prayer/area_corners.h"
#include "prayer/sun_events.h"
#include "prayer_test_support.h"

namespace kelmo {
namespace {

using test::civil;
using test::place;

constexpr double kNoon = kPi;  // 12:00
constexpr std::size_t kSunriseSlot = 1;
constexpr std::size_t kImsakSlot = 4;
constexpr std::size_t kFajrSlot = 7;
constexpr std::size_t kDuhrSlot = 9;
constexpr std::size_t kMaghribSlot = 2;

using test::radians;

FrameTime at(double dayAngle) {
    return FrameTime::at(dayAngle);
}

EventTable filled(FrameTime value) {
    EventTable t;
    for (std::size_t i = 0; i < kEventSlotCount; ++i) t.slot(i) = value;
    return t;
}

std::array<EventTable, 4> cornersAt(FrameTime value) {
    return {filled(value), filled(value), filled(value), filled(value)};
}

TEST(CheckEventOrder, RiseAfterTransitOrSetBeforeItIsNotValid) {
    EventTable t = filled(at(kNoon));
    t.rows[0] = {at(kNoon), at(kNoon - 1.0), at(kNoon + 1.0)};  // in order: kept
    t.rows[1] = {at(kNoon), at(kNoon + 0.1), at(kNoon + 1.0)};  // rise after transit
    t.rows[2] = {at(kNoon), at(kNoon - 1.0), at(kNoon - 0.1)};  // set before transit
    t.rows[3] = {at(kNoon), at(kNoon + 0.1), at(kNoon - 0.1)};  // both wrong: the rise goes first
    t.rows[4] = {at(kNoon), test::kNotValidTime,
                 at(kNoon - 0.1)};  // no rise: the set is still checked
    t.rows[5] = {at(kNoon), test::kAlwAboveTime, test::kAlwAboveTime};  // markers are no times
    checkEventOrder(t);
    EXPECT_EQ(t.rows[0].rise, at(kNoon - 1.0));
    EXPECT_EQ(t.rows[0].set, at(kNoon + 1.0));
    EXPECT_EQ(t.rows[1].rise, test::kNotValidTime);
    EXPECT_EQ(t.rows[1].set, at(kNoon + 1.0));
    EXPECT_EQ(t.rows[2].rise, at(kNoon - 1.0));
    EXPECT_EQ(t.rows[2].set, test::kNotValidTime);
    EXPECT_EQ(t.rows[3].rise, test::kNotValidTime);
    EXPECT_EQ(t.rows[3].set, at(kNoon - 0.1));
    EXPECT_EQ(t.rows[4].set, test::kNotValidTime);
    EXPECT_EQ(t.rows[5].rise, test::kAlwAboveTime);
    EXPECT_EQ(t.rows[5].set, test::kAlwAboveTime);
    EventTable polar = filled(test::kAlwBelowTime);
    checkEventOrder(polar);
    for (std::size_t i = 0; i < kEventSlotCount; ++i) EXPECT_EQ(polar.slot(i), test::kAlwBelowTime);
}

TEST(WidenOverArea, SunriseAndImsakEarlierEverythingElseLater) {
    EventTable centre = filled(at(kNoon));
    std::array<EventTable, 4> corners = cornersAt(at(kNoon));
    const double s = kSecondToRad;
    corners[0].slot(kSunriseSlot) = at(kNoon + 20 * s);
    corners[1].slot(kSunriseSlot) = at(kNoon - 45 * s);  // farthest
    corners[3].slot(kSunriseSlot) = at(kNoon + 30 * s);
    corners[2].slot(kImsakSlot) = at(kNoon + 10 * s);
    corners[1].slot(kFajrSlot) = at(kNoon - 25 * s);  // Fajr widens later whatever the side
    corners[3].slot(kDuhrSlot) = at(kNoon + 5 * s);
    widenOverArea(centre, corners);
    EXPECT_NEAR(radians(centre.slot(kSunriseSlot)), kNoon - 45 * s, 1e-12);
    EXPECT_NEAR(radians(centre.slot(kImsakSlot)), kNoon - 10 * s, 1e-12);
    EXPECT_NEAR(radians(centre.slot(kFajrSlot)), kNoon + 25 * s, 1e-12);
    EXPECT_NEAR(radians(centre.slot(kDuhrSlot)), kNoon + 5 * s, 1e-12);
    EXPECT_EQ(centre.slot(kMaghribSlot), at(kNoon));
}

TEST(WidenOverArea, FirstCornerMarkerIsPassedOn) {
    EventTable centre = filled(at(kNoon));
    std::array<EventTable, 4> corners = cornersAt(at(kNoon));
    corners[0].slot(kMaghribSlot) = test::kAlwAboveTime;  // first corner: kept whatever follows
    corners[1].slot(kMaghribSlot) = test::kAlwBelowTime;
    corners[2].slot(kDuhrSlot) = at(kNoon + 0.01);
    corners[3].slot(kDuhrSlot) = test::kNotValidTime;  // a marker after a value still wins
    corners[1].slot(kFajrSlot) = test::kAlwBelowTime;
    corners[2].slot(kFajrSlot) = at(kNoon + 0.5);  // after the marker: not looked at
    widenOverArea(centre, corners);
    EXPECT_EQ(centre.slot(kMaghribSlot), test::kAlwAboveTime);
    EXPECT_EQ(centre.slot(kDuhrSlot), test::kNotValidTime);
    EXPECT_EQ(centre.slot(kFajrSlot), test::kAlwBelowTime);
}

TEST(WidenOverArea, MoreThanOneHourIsNotValidAndCentreMarkersStay) {
    EventTable centre = filled(at(kNoon));
    centre.slot(kMaghribSlot) = test::kAlwBelowTime;
    std::array<EventTable, 4> corners = cornersAt(at(kNoon));
    corners[2].slot(kSunriseSlot) = at(kNoon - kHoursToRad * 1.0001);
    corners[2].slot(kDuhrSlot) = at(kNoon + 0.9999 * kHoursToRad);  // within the hour: widened
    corners[0].slot(kMaghribSlot) = at(kNoon);
    widenOverArea(centre, corners);
    EXPECT_EQ(centre.slot(kSunriseSlot), test::kNotValidTime);
    EXPECT_NEAR(radians(centre.slot(kDuhrSlot)), kNoon + 0.9999 * kHoursToRad, 1e-12);
    EXPECT_EQ(centre.slot(kMaghribSlot), test::kAlwBelowTime);
}

TEST(DayEvents, AreaZeroIsThePointItself) {
    const Config config = test::settings(0, 0);
    const CalendarDate date = civil(2024, 5, 1);
    EventTable expected = sunEvents(date, test::manama(), config);
    checkEventOrder(expected);
    EXPECT_TRUE(test::sameTables(dayEvents(date, test::manama(), config), expected));
}

TEST(DayEvents, TenKilometresMoveTimesOutwardByUnderNinetySeconds) {
    const CalendarDate date = civil(2024, 5, 1);
    const EventTable point = dayEvents(date, test::manama(), test::settings(0, 0));
    const EventTable area = dayEvents(date, test::manama(), test::settings(0, 10));
    for (std::size_t i = 0; i < kEventSlotCount; ++i) {
        ASSERT_TRUE(point.slot(i).isTime() && area.slot(i).isTime()) << i;
        const double shift = test::seconds(radians(area.slot(i)) - radians(point.slot(i)));
        if (i == kSunriseSlot || i == kImsakSlot) {
            EXPECT_LT(shift, -1.0) << i;
        } else {
            EXPECT_GT(shift, 1.0) << i;
        }
        EXPECT_LT(std::fabs(shift), 90.0) << i;
    }
    // Duhr over an area of 10 km at 26 deg: the east-west half-width is 10 km of the parallel
    // of 5730 km radius, 0.1 deg of longitude, 24 s of time.
    EXPECT_NEAR(test::seconds(radians(area.slot(kDuhrSlot)) - radians(point.slot(kDuhrSlot))), 24.0,
                1.0);
}

TEST(DayEvents, AtAPoleTheAreaHasNoCornersAndNoTimes) {
    const CalendarDate date = civil(2024, 6, 21);
    const Location pole = place(89.995, 0.0, 0.0f);
    const EventTable point = dayEvents(date, pole, test::settings(0, 0));
    ASSERT_TRUE(point[EventRow::horizon].transit.isTime());
    const EventTable area = dayEvents(date, pole, test::settings(0, 10));
    for (std::size_t i = 0; i < kEventSlotCount; ++i) {
        if (point.slot(i).isTime()) {
            EXPECT_EQ(area.slot(i), test::kNotValidTime) << i;
        } else {
            EXPECT_EQ(area.slot(i), point.slot(i)) << i;
        }
    }
}

// dayEvents shares one day frame and the noon Suns between the place and its corners; the
// reference computes each point afresh. Every time must be the same bit for bit.
TEST(DayEvents, SharedComputationIsBitIdenticalToFreshPointsOverAYear) {
    for (const Location& location :
         {test::manama(), test::longyearbyen(), place(-41.3, 174.8, 12.0f, 30)}) {
        Config config = test::settings(0, 10);
        config.fiqh = 1;
        CalendarDate date = civil(2025, 1, 1);
        for (int d = 0; d < 365; d += 2) {
            EventTable expected = sunEvents(date, location, config);
            checkEventOrder(expected);
            std::array<EventTable, 4> corners;
            const auto points =
                areaCorners(config.areaRadius, location.latitude, location.longitude);
            ASSERT_TRUE(points.has_value());
            for (std::size_t k = 0; k < 4; ++k) {
                Location corner = location;
                corner.latitude = (*points)[k].latitude;
                corner.longitude = (*points)[k].longitude;
                corners[k] = sunEvents(date, corner, config);
            }
            widenOverArea(expected, corners);
            ASSERT_TRUE(test::sameTables(dayEvents(date, location, config), expected))
                << location.latitude << " day " << d;
            date = daysLater(date, 2);
        }
    }
}

// The nearest-latitude rules reuse the date's shared Sun for every latitude they try.
TEST(DayEvents, SharedDayAcrossLatitudesIsBitIdentical) {
    const Config config = test::settings(0, 10);
    const CalendarDate date = civil(2025, 6, 10);
    SharedSunDay shared(date, test::longyearbyen(), config);
    Location moved = test::longyearbyen();
    for (int pass = 0; pass < 40; ++pass) {
        moved.latitude -= kDegToRad;
        ASSERT_TRUE(test::sameTables(dayEvents(shared, date, moved, config),
                                     dayEvents(date, moved, config)))
            << pass;
    }
}

}  // namespace
}  // namespace kelmo
