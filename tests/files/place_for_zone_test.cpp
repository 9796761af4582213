#include "files/settings/place_for_zone.h"

#include <gtest/gtest.h>

#include <vector>

#include "files/settings/default_locations.h"
#include "files/settings/location_database.h"

namespace kelmo {
namespace {

struct Row {
    const char* zone;
    double offsetHours;
    const char* expected;
};

class PlaceNearestZoneTest : public testing::TestWithParam<Row> {};

// The built-in list: zones with several places pick the zone's own city; a zone without a name
// picks by zone time and meridian.
TEST_P(PlaceNearestZoneTest, PicksFromTheBuiltInList) {
    std::vector<Location> places;
    ASSERT_EQ(locationsFromText(defaultConfigText(), places), 0);
    const Row& r = GetParam();
    EXPECT_EQ(places[placeNearestZone(places, r.zone, r.offsetHours)].name, r.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Zones, PlaceNearestZoneTest,
    testing::Values(Row{"Asia/Riyadh", 3, "Riyadh,Saudi"}, Row{"Europe/Oslo", 1, "Oslo,Norway"},
                    Row{"America/New_York", -5, "New York,NY,CA,USA"},
                    // No name, or a zone the list does not hold: of the places of that zone
                    // time, the one nearest its meridian (by hand from the list: Colombo
                    // 2.6 degrees from 82.5 E, New Delhi 5.3; N'Djamena 0.05 from 15 E).
                    Row{"", 5.5, "Colombo,Sri lanka"}, Row{"Etc/Unknown", 1, "N'Djamena,Chad"}));

}  // namespace
}  // namespace kelmo
