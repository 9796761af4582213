#include "files/settings/startup_settings.h"

#include <gtest/gtest.h>

#include "files/config_fixture.h"
#include "files/error_messages.h"
#include "files/settings/config_errors.h"
#include "files/settings/default_locations.h"
#include "files/settings/location_database.h"
#include "files/settings/program_path.h"
#include "prayer/calculation_methods.h"
#include "support/places.h"

namespace kelmo {
namespace {

using test::readText;
using test::RecordingPrompt;
using test::ScratchDir;
using test::writeText;

// 20 March 2024: 9 or 10 Ramadan 1445 by the Gulf calendars (the month began on 10 or 11
// March depending on the sighting).
CalendarDate ramadanDay() {
    CalendarDate today;
    today.year = 2024;
    today.month = 3;
    today.day = 20.75;  // the time of day is dropped
    return today;
}

// Start-up as the program runs it: the executable in dir, with arguments.
int start(const ScratchDir& dir, RecordingPrompt& prompt, ApplicationRecords& records,
          const std::string& arguments = "") {
    std::string commandLine = "\"";
    commandLine += dir.file("Kelmo");
    commandLine += "\" ";
    commandLine += arguments;
    return loadStartupSettings(commandLine, arguments, ramadanDay(), prompt, records);
}

TEST(StartupSettings, MissingFileOkCreatesTheBuiltInFile) {
    ScratchDir dir;
    RecordingPrompt prompt;
    ApplicationRecords records;
    ASSERT_EQ(start(dir, prompt, records, "/t 0"), 1);
    ASSERT_EQ(prompt.questions.size(), 1u);
    EXPECT_EQ(prompt.questions[0],
              "Could not open configuration file!\t\nDo you want to create new configuration "
              "file?");
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(readText(dir.file("Kelmo.cfg")), defaultConfigText());
    EXPECT_EQ(records.home.name, "Manama,Bahrain");
    EXPECT_EQ(records.current.name, "Manama,Bahrain");
    EXPECT_DOUBLE_EQ(records.current.latitude, 0.45790652);
    EXPECT_FLOAT_EQ(records.current.timeZone, 3.0f);
}

// An installed program: no Kelmo.cfg beside it, so the built-in file goes to the user's folder,
// which is made on this first save.
TEST(StartupSettings, MissingFileIsCreatedInTheUsersFolder) {
    ScratchDir dir;
    const std::string userFolder = dir.file("config") + "/KelmoTimes/";
    setUserConfigDir(userFolder);
    RecordingPrompt prompt;
    ApplicationRecords records;
    EXPECT_EQ(start(dir, prompt, records, "/t 0"), 1);
    setUserConfigDir("");
    EXPECT_EQ(prompt.questions.size(), 1u);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(readText(userFolder + "Kelmo.cfg"), defaultConfigText());
    EXPECT_EQ(readText(dir.file("Kelmo.cfg")), "");  // nothing beside the program
}

TEST(StartupSettings, CancelEndsWithoutWriting) {
    ScratchDir dir;
    writeText(dir.file("Kelmo.cfg"), "corrupt\n");
    RecordingPrompt prompt;
    prompt.answer = false;
    ApplicationRecords records;
    EXPECT_EQ(start(dir, prompt, records), 0);
    ASSERT_EQ(prompt.questions.size(), 1u);
    EXPECT_EQ(prompt.questions[0].substr(0, 31), "Configuration file is corrupt!\t");
    EXPECT_EQ(readText(dir.file("Kelmo.cfg")), "corrupt\n");
}

TEST(StartupSettings, FailureToCreateIsShownAndEnds) {
    ScratchDir dir;
    RecordingPrompt prompt;
    ApplicationRecords records;
    // The program directory does not exist: nothing can be created there.
    const std::string missing = dir.file("gone") + "/";
    EXPECT_EQ(loadStartupSettings(missing + "Kelmo", "", ramadanDay(), prompt, records), 0);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], errorMessage(kConfigCannotCreate));
}

// The first start without Kelmo.cfg: the place and school chosen (one of the built-in places,
// or a new one that joins the list) are written into the built-in file; Cancel writes the
// built-in file as it is and says which settings it holds. A file that is there but corrupt
// is not a first start.
TEST(StartupSettings, FirstStartWritesTheChosenPlaceAndSchool) {
    using Answer = FirstStartChoice::Answer;
    Location tromso = test::place(69.65, 18.96, 1);
    tromso.name = "Tromso,Norway";
    const struct {
        Answer answer;
        Location place;
        bool newPlace;
        std::size_t places;
    } rows[] = {{Answer::chosen, test::builtInPlace("Oslo,Norway"), false, kDefaultLocationCount},
                {Answer::chosen, tromso, true, kDefaultLocationCount + 1},
                {Answer::cancelled, test::manama(), false, kDefaultLocationCount}};
    for (const auto& row : rows) {
        ScratchDir dir;
        RecordingPrompt prompt;
        // Hanafi with the Egyptian method: its angles go into the file with the school.
        prompt.firstChoice = {row.answer, row.place, row.newPlace, 2, *findMethod("Egypt")};
        ApplicationRecords records;
        ASSERT_EQ(start(dir, prompt, records), 1);
        EXPECT_TRUE(prompt.questions.empty());
        EXPECT_EQ(prompt.offered.size(), kDefaultLocationCount);
        EXPECT_EQ(records.home.name, row.place.name);
        EXPECT_NEAR(records.current.latitude, row.place.latitude, 1e-8);
        std::vector<Location> list;
        ASSERT_EQ(loadLocations(list, dir.file("Kelmo.cfg")), 0);
        EXPECT_EQ(list.size(), row.places);
        if (row.answer == Answer::chosen) {
            EXPECT_EQ(records.config.fiqh, 2);
            EXPECT_EQ(records.config.method, *findMethod("Egypt"));
            EXPECT_FLOAT_EQ(records.config.fajrAngle, -19.5f);  // the Egyptian Authority's Fajr
            EXPECT_TRUE(prompt.messages.empty());
        } else {
            EXPECT_EQ(readText(dir.file("Kelmo.cfg")), defaultConfigText());
            ASSERT_EQ(prompt.messages.size(), 1u);
            EXPECT_EQ(prompt.messages[0],
                      "No place was chosen: KelmoTimes uses its built-in settings,\nthe place "
                      "Manama,Bahrain and the Jafari school of law.\nThe Location and "
                      "Configuration buttons change them.");
        }
    }
    ScratchDir dir;
    writeText(dir.file("Kelmo.cfg"), "corrupt\n");
    RecordingPrompt prompt;
    prompt.firstChoice.answer = Answer::chosen;
    ApplicationRecords records;
    start(dir, prompt, records);
    EXPECT_TRUE(prompt.offered.empty());
    EXPECT_EQ(prompt.questions.size(), 1u);
}

TEST(StartupSettings, ResetsTemperaturePressureDateAndCurrentLocation) {
    ScratchDir dir;
    writeText(dir.file("Kelmo.cfg"), test::kSmallFile);
    RecordingPrompt prompt;
    ApplicationRecords records;
    records.config.temperature = -30;
    records.config.pressure = 900;
    records.current.name = "elsewhere";
    ASSERT_EQ(start(dir, prompt, records), 1);
    EXPECT_TRUE(prompt.questions.empty());
    EXPECT_EQ(records.config.temperature, 10);
    EXPECT_EQ(records.config.pressure, 1010);
    EXPECT_EQ(records.current.name, "Manama,Bahrain");
    EXPECT_EQ(records.date.year, 2024);
    EXPECT_EQ(records.date.month, 3);
    EXPECT_EQ(records.date.day, 20.0);
}

TEST(StartupSettings, TodayGetsItsHijriDateAtTheCurrentLocation) {
    ScratchDir dir;
    writeText(dir.file("Kelmo.cfg"), test::kSmallFile);
    RecordingPrompt prompt;
    ApplicationRecords records;
    ASSERT_EQ(start(dir, prompt, records), 1);
    ASSERT_EQ(records.date.hijriValid, 1);
    EXPECT_EQ(records.date.hijriYear, 1445);
    EXPECT_EQ(records.date.hijriMonth, 9);
    EXPECT_GE(records.date.hijriDay, 9.0);
    EXPECT_LE(records.date.hijriDay, 10.0);
}

}  // namespace
}  // namespace kelmo
