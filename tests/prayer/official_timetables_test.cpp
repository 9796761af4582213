// The named methods against the timetables their authorities publish (data/official_timetables
// .tsv names the sources): configured by the method's name alone (the school that prays Asr at
// shadow factor 1, the area of one point, as the authorities publish for a city), the times the
// schedule shows agree within one minute on at least 98 % of the days.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "calendar/time_format.h"
#include "files/reports/times_row.h"
#include "prayer/calculation_methods.h"
#include "prayer/day_times.h"
#include "prayer_test_support.h"

namespace kelmo {
namespace {

using S = PrayerSlot;

int minutesOf(const std::string& hhmm) {
    return std::stoi(hhmm.substr(0, 2)) * 60 + std::stoi(hhmm.substr(3, 2));
}

TEST(OfficialTimetables, ShownTimesWithinAMinuteOnNinetyEightPercentOfDays) {
    std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "data" /
                     "official_timetables.tsv");
    ASSERT_TRUE(in) << "missing data/official_timetables.tsv";
    std::map<std::string, std::pair<int, int>> agreeingDays;  // by method: agreeing, all
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream row(line);
        std::string key, date, published[6];
        double lat = 0, lon = 0, zone = 0;
        row >> key >> lat >> lon >> zone >> date;
        for (std::string& p : published) row >> p;
        Config config;  // the defaults, but for one point and the school
        config.areaRadius = 0;
        config.fiqh = 1;
        applyMethod(*findMethod(key), config);
        const CalendarDate day =
            test::civil(std::stoi(date), std::stoi(date.substr(5)), std::stoi(date.substr(8)));
        const PrayerTimes t = computeDayTimes(day, test::place(lat, lon, zone), config);
        const S slots[] = {S::fajr, S::shuruq, S::duhr, S::asrShadow1, S::maghrib, S::isha};
        bool agrees = true;
        for (int i = 0; i < 6; ++i) {
            const std::string shown =
                formatTime(prayerThreshold(slots[i]), test::radians(t[slots[i]]), 1, false).text;
            agrees = agrees && std::abs(minutesOf(shown) - minutesOf(published[i])) <= 1;
        }
        agreeingDays[key].first += agrees ? 1 : 0;
        agreeingDays[key].second += 1;
    }
    ASSERT_EQ(agreeingDays.size(), 4u);
    for (const auto& [key, days] : agreeingDays) {
        std::cout << key << ": " << days.first << " of " << days.second << " days agree\n";
        EXPECT_GE(days.first, 0.98 * days.second) << key;
    }
}

}  // namespace
}  // namespace kelmo
