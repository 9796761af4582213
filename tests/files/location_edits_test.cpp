// Add, Change, Remove and the choice of home applied to Kelmo.cfg as it is on disk, one at a
// time under the file's lock: what another window or process wrote in between is kept.
#include "files/settings/location_edits.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "files/config_fixture.h"
#include "files/settings/config_errors.h"
#include "files/settings/location_database.h"

namespace kelmo {
namespace {

using test::kSmallFile;
using test::readText;
using test::ScratchDir;
using test::writeText;

Location place(const std::string& name, int height = 0) {
    return {.name = name, .latitude = 0.5, .longitude = -0.25, .height = height, .timeZone = 1.0f};
}

std::vector<std::string> namesIn(const std::string& path) {
    std::vector<Location> list;
    EXPECT_EQ(loadLocations(list, path), 0);
    std::vector<std::string> names;
    for (const Location& l : list) names.push_back(l.name);
    return names;
}

TEST(LocationEdits, EachEditWorksOnTheFileAsItIsNow) {
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    // Another writer's place, added after this one last read the file, survives each edit.
    writeText(path, kSmallFile + "Other,Writer 0.1 0.2 0 1.0000 0 0\n");

    PlaceEditResult r = addPlace(place("Kelmotown,Nowhere"), path);
    ASSERT_EQ(r.outcome, PlaceEdit::kDone);
    const std::vector<std::string> added = {"Abu Dhabi,Uae", "Kelmotown,Nowhere", "Manama,Bahrain",
                                            "New York,NY,CA,USA", "Other,Writer"};
    EXPECT_EQ(namesIn(path), added);
    ASSERT_EQ(r.places.size(), added.size());  // the list as it now is on disk
    EXPECT_EQ(r.places[1].name, "Kelmotown,Nowhere");
    EXPECT_EQ(r.homeName, "Manama,Bahrain");
    EXPECT_EQ(addPlace(place("KELMOTOWN,nowhere"), path).outcome, PlaceEdit::kNameExists);

    r = changePlace(place("other,writer", 42), path);
    ASSERT_EQ(r.outcome, PlaceEdit::kDone);
    EXPECT_EQ(r.places[4].name, "other,writer");
    EXPECT_EQ(r.places[4].height, 42);
    EXPECT_EQ(changePlace(place("Atlantis,Ocean"), path).outcome, PlaceEdit::kNoSuchName);

    EXPECT_EQ(removePlace("MANAMA,BAHRAIN", path).outcome, PlaceEdit::kIsHome);
    EXPECT_EQ(removePlace("Atlantis,Ocean", path).outcome, PlaceEdit::kNoSuchName);
    ASSERT_EQ(removePlace("abu dhabi,uae", path).outcome, PlaceEdit::kDone);
    EXPECT_EQ(namesIn(path).front(), "Kelmotown,Nowhere");

    ASSERT_EQ(choosePlaceAsHome("new york,ny,ca,usa", path).outcome, PlaceEdit::kDone);
    EXPECT_TRUE(readText(path).starts_with("new;york,ny,ca,usa notepad.exe Athan.wav"));
    EXPECT_EQ(choosePlaceAsHome("Atlantis,Ocean", path).outcome, PlaceEdit::kNoSuchName);

    // A file that cannot be read changes nothing and says why.
    r = addPlace(place("A"), dir.file("missing.cfg"));
    EXPECT_EQ(r.outcome, PlaceEdit::kFileError);
    EXPECT_EQ(r.error, kConfigCannotOpen);
}

// Two processes add 200 places each at the same time: every one of the 400 is kept.
TEST(LocationEdits, TwoConcurrentWritersLoseNothing) {
    constexpr int kPerWriter = 200;
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    writeText(path, kSmallFile);
    std::vector<pid_t> writers;
    for (const char* writer : {"A", "B"}) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int failures = 0;
            for (int i = 0; i < kPerWriter; ++i)
                if (addPlace(place(std::string(writer) + std::to_string(i) + ",Test"), path)
                        .outcome != PlaceEdit::kDone)
                    ++failures;
            _exit(failures == 0 ? 0 : 1);
        }
        writers.push_back(pid);
    }
    for (pid_t pid : writers) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const std::vector<std::string> names = namesIn(path);
    int kept = 0;
    for (const std::string& name : names) kept += name.ends_with(",Test") ? 1 : 0;
    EXPECT_EQ(kept, 2 * kPerWriter) << "places kept of " << 2 * kPerWriter << " added";
    EXPECT_EQ(names.size(), 3u + 2 * kPerWriter);
}

}  // namespace
}  // namespace kelmo
