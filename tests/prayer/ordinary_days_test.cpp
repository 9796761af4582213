// On ordinary days (ten places between 35 S and 42 N, every 7th day of two years) the times
// stay within 0.5 s of those the program gave before its rise/set solver and its reading of
// the Sun at the event instant were mended: the new solver finds the same crossings, and the
// Sun read 93 s (Delta-T) earlier moves them by tenths of a second. Shuruq and Maghrib have
// since moved to the real horizon (the refraction taken at the horizon itself, not at the
// Sun's centre), 15 to 30 s here, and are checked against ERFA in day_times_test.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "prayer/day_times.h"
#include "prayer_test_support.h"

namespace kelmo {
namespace {

struct Place {
    double lat, lon;
    float zone;
    int height;
};

const std::map<std::string, Place> kPlaces = {
    {"Manama", {26.2361, 50.5831, 3, 0}},    {"Mecca", {21.4225, 39.8262, 3, 277}},
    {"Jakarta", {-6.2, 106.8167, 7, 8}},     {"Nairobi", {-1.2864, 36.8172, 3, 1795}},
    {"CapeTown", {-33.9249, 18.4241, 2, 0}}, {"BuenosAires", {-34.6037, -58.3816, -3, 25}},
    {"Karachi", {24.8607, 67.0011, 5, 8}},   {"Rome", {41.9028, 12.4964, 1, 21}},
    {"NewYork", {40.7128, -74.006, -5, 10}}, {"Sydney", {-33.8688, 151.2093, 10, 58}}};

TEST(OrdinaryDays, TimesStayWithinHalfASecondOfTheEarlierSolver) {
    std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "data" /
                     "ordinary_days_before.tsv");
    ASSERT_TRUE(in) << "missing data/ordinary_days_before.tsv";
    Config config = test::settings(0, 10);
    config.fiqh = 1;
    std::string line;
    int rows = 0;
    double largest = 0.0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string name, date;
        fields >> name >> date;
        const Place& p = kPlaces.at(name);
        const CalendarDate day =
            test::civil(std::stoi(date.substr(0, 4)), std::stoi(date.substr(5, 2)),
                        std::stoi(date.substr(8, 2)));
        const PrayerTimes t =
            computeDayTimes(day, test::place(p.lat, p.lon, p.zone, p.height), config);
        for (std::size_t slot = 0; slot < t.slots.size(); ++slot) {
            double before = 0.0;
            fields >> before;
            ASSERT_TRUE(t.slots[slot].isTime()) << name << " " << date;
            const double now = test::radians(t.slots[slot]);
            const auto kind = static_cast<PrayerSlot>(slot);
            if (kind == PrayerSlot::shuruq || kind == PrayerSlot::maghrib) continue;
            const double change = std::fabs(test::seconds(now) - before);
            largest = std::max(largest, change);
            EXPECT_LT(change, 0.5) << name << " " << date;
        }
        ++rows;
    }
    EXPECT_EQ(rows, 1050);
    std::cout << "largest change " << largest << " s\n";
}

}  // namespace
}  // namespace kelmo
