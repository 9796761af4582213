#include "files/settings/location_database.h"

#include <gtest/gtest.h>

#include "files/config_fixture.h"
#include "files/settings/config_errors.h"
#include "files/settings/config_file.h"
#include "files/settings/default_locations.h"

namespace kelmo {
namespace {

using test::kSmallFile;
using test::readText;
using test::ScratchDir;
using test::writeText;

const std::string kFirstLine = kSmallFile.substr(0, kSmallFile.find('\n') + 1);

TEST(FindLocation, FillsTheFieldsOfTheFirstMatch) {
    Location l;
    l.name = "new york,ny,ca,usa";
    ASSERT_EQ(findLocationInText(kSmallFile, l), 0);
    EXPECT_EQ(l.name, "new york,ny,ca,usa");
    EXPECT_DOUBLE_EQ(l.latitude, 0.71122335);
    EXPECT_EQ(l.dstStart, 1086);
    EXPECT_EQ(l.dstEnd, 2626);
}

TEST(FindLocation, StopsAtTheFirstCorruptLine) {
    Location l;
    l.name = "Manama,Bahrain";
    EXPECT_EQ(findLocationInText(
                  kFirstLine + "A 0 0 10000 3.0 0 0\n" + kSmallFile.substr(kFirstLine.size()), l),
              kConfigCorrupt);
    // A corrupt line after the match is never reached.
    EXPECT_EQ(findLocationInText(kSmallFile + "A 0 0 0 24.5 0 0\n", l), 0);
    l.name = "Nowhere";
    EXPECT_EQ(findLocationInText(kSmallFile, l), kConfigHomeNotFound);
    EXPECT_EQ(findLocationInText(kFirstLine, l), kConfigEmpty);
    EXPECT_EQ(findLocation(l, "/nonexistent/Kelmo.cfg"), kConfigCannotOpen);
}

TEST(LoadLocations, ReadsEveryPlaceInFileOrder) {
    std::vector<Location> list;
    ASSERT_EQ(locationsFromText(defaultConfigText(), list), 0);
    ASSERT_EQ(list.size(), kDefaultLocationCount);
    EXPECT_EQ(list.front().name, "Abidjan,Ivory coast");
    EXPECT_EQ(list.back().name, "Zagreb,Croatia");
    EXPECT_EQ(list[95].name, "Kennett, MO, USA");
}

TEST(LoadLocations, CodesAndTheLimitOf2000) {
    std::vector<Location> list;
    EXPECT_EQ(locationsFromText("", list), kConfigEmpty);
    EXPECT_EQ(locationsFromText(kFirstLine, list), kConfigEmpty);
    EXPECT_EQ(locationsFromText(kSmallFile + "X 0 0 0 3.0 256 0\n", list), kConfigCorrupt);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(loadLocations(list, "/nonexistent/Kelmo.cfg"), kConfigCannotOpen);

    std::string big = kFirstLine;
    for (int i = 0; i < 2100; ++i) {
        big += 'P';
        big += std::to_string(i);
        big += " 0.1 0.2 0 1.0 0 0\n";
    }
    big += "corrupt\n";  // beyond the limit: never read
    ASSERT_EQ(locationsFromText(big, list), 0);
    EXPECT_EQ(list.size(), kMaxLocations);
    EXPECT_EQ(list.back().name, "P1999");
}

// Files as editors and interrupted writers leave them: blank lines, a last line without its
// "\n" or cut short, a UTF-8 byte-order mark. Each reads as the places it holds; a name that is
// not there is unknown (103), never corrupt.
TEST(LoadLocations, BlankLinesUnendedLinesAndAByteOrderMarkRead) {
    const std::string places = kSmallFile.substr(kFirstLine.size());
    const std::string bom = "\xEF\xBB\xBF";
    const struct {
        std::string text;
        const char* what;
    } files[] = {
        {kSmallFile + "\n", "blank line at the end"},
        {kFirstLine + "\n  \t\n" + places + " \r\n", "blank lines between and after"},
        {kSmallFile.substr(0, kSmallFile.size() - 1), "last line without its newline"},
        {kSmallFile + "Cut;Short 0.1", "last line cut short"},
        {bom + kSmallFile, "byte-order mark"},
    };
    for (const auto& file : files) {
        std::vector<Location> list;
        ASSERT_EQ(locationsFromText(file.text, list), 0) << file.what;
        ASSERT_EQ(list.size(), 3u) << file.what;
        EXPECT_EQ(list[2].name, "New York,NY,CA,USA") << file.what;
        EXPECT_EQ(list[2].dstEnd, 2626) << file.what;
        Location home;
        Config config;
        EXPECT_EQ(configFromText(file.text, home, config), 0) << file.what;
        EXPECT_EQ(home.name, "Manama,Bahrain") << file.what;
        Location nowhere{.name = "Nowhere"};
        EXPECT_EQ(findLocationInText(file.text, nowhere), kConfigHomeNotFound) << file.what;
    }
    // A line cut short that is followed by more is still corrupt, and so is a blank line 1.
    std::vector<Location> list;
    EXPECT_EQ(locationsFromText(kFirstLine + "Cut;Short 0.1\n" + places, list), kConfigCorrupt);
    EXPECT_EQ(locationsFromText("\n" + kSmallFile, list), kConfigCorrupt);
}

TEST(SaveConfig, AByteOrderMarkIsNotKeptInTheHomeName) {
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    writeText(path, "\xEF\xBB\xBF" + kSmallFile);
    Config config;
    ASSERT_EQ(saveConfig(config, path), 0);
    EXPECT_EQ(readText(path), kSmallFile);
}

TEST(SaveLocations, KeepsTheSettingsOfLineOneByteForByte) {
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    // Settings written in an unusual but readable way must stay exactly as they are.
    const std::string settings =
        " notepad.exe  Athan.wav PreAth.wav -16.0 -13.5 -18 15 1296 88576 258 10 0 0";
    writeText(path, "Old;Home" + settings + "\nOld;Home 0 0 0 0 0 0\n");
    std::vector<Location> list(2);
    list[0].name = "New York,NY,CA,USA";
    list[0].latitude = 0.71122335;
    list[0].longitude = -1.29119696;
    list[0].timeZone = -5.0f;
    list[0].dstStart = 1086;
    list[0].dstEnd = 2626;
    list[1].name = "Al-Madina,Saudi";
    list[1].height = 537;
    ASSERT_EQ(saveLocations("New York,NY,CA,USA", list, path), 0);
    EXPECT_EQ(readText(path), "New;York,NY,CA,USA" + settings +
                                  "\nNew;York,NY,CA,USA 0.71122335 -1.29119696 0 -5.0000 1086 "
                                  "2626\nAl-Madina,Saudi 0.00000000 0.00000000 537 0.0000 0 0\n");
    Location home;
    Config config;
    ASSERT_EQ(loadConfig(home, config, path), 0);
    EXPECT_EQ(home.name, "New York,NY,CA,USA");
    EXPECT_EQ(home.dstStart, 1086);
    std::vector<Location> back;
    ASSERT_EQ(loadLocations(back, path), 0);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].name, "New York,NY,CA,USA");
}

TEST(SaveLocations, LinesBeyondTheLimitAreKept) {
    // The list holds the first 2000 places; saving it once dropped every line after them.
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    std::string places;
    for (int i = 0; i < 2003; ++i) {
        places += 'P';
        places += std::to_string(i) + " 0.1 0.2 0 1.0 0 0\n";
    }
    const std::string beyond = "P2000 0.1 0.2 0 1.0 0 0\nP2001 0.1 0.2 0 1.0 0 0\nodd line";
    writeText(path, kFirstLine + places.substr(0, places.find("P2000")) + beyond);
    std::vector<Location> list;
    ASSERT_EQ(loadLocations(list, path), 0);
    ASSERT_EQ(list.size(), kMaxLocations);
    list.erase(list.begin() + 5);  // the dialog removes one place
    ASSERT_EQ(saveLocations("P0", list, path), 0);
    const std::string saved = readText(path);
    EXPECT_TRUE(saved.ends_with("P1999 0.10000000 0.20000000 0 1.0000 0 0\n" + beyond));
    EXPECT_EQ(saved.find("P5 "), std::string::npos);
    Location wanted{.name = "p2001"};
    EXPECT_EQ(findLocation(wanted, path), 0);
}

// A file with and without eighth words loads and saves byte for byte.
TEST(SaveLocations, ZoneWordsLoadAndSaveByteForByte) {
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    const std::string text =
        kFirstLine +
        "London,Uk 0.89884456 -0.00203622 0 0.0000 834 2626 Europe/London\n"
        "Manama,Bahrain 0.45790652 0.88284087 0 3.0000 0 0\n"
        "Lord;Howe,Australia -0.54716770 2.72152190 0 10.5000 0 0 Australia/Lord_Howe\n";
    writeText(path, text);
    std::vector<Location> list;
    ASSERT_EQ(loadLocations(list, path), 0);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].zone, "Europe/London");
    EXPECT_TRUE(list[1].zone.empty());
    EXPECT_EQ(list[2].zone, "Australia/Lord_Howe");
    ASSERT_EQ(saveLocations("Manama,Bahrain", list, path), 0);
    EXPECT_EQ(readText(path), text);
    Location home;
    Config config;
    ASSERT_EQ(loadConfig(home, config, path), 0);
    home.name = "London,Uk";
    ASSERT_EQ(findLocation(home, path), 0);
    EXPECT_EQ(home.zone, "Europe/London");
}

TEST(SaveLocations, CheckFirstLineBeforeWriting) {
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    const std::vector<Location> list = {Location{.name = "A"}};
    EXPECT_EQ(saveLocations("A", list, path), kConfigCannotOpen);
    writeText(path, "");
    EXPECT_EQ(saveLocations("A", list, path), kConfigCorrupt);
    writeText(path, " \t \nA 0 0 0 0 0 0\n");
    EXPECT_EQ(saveLocations("A", list, path), kConfigCorrupt);
    EXPECT_EQ(readText(path), " \t \nA 0 0 0 0 0 0\n");
}

}  // namespace
}  // namespace kelmo
