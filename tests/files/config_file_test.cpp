#include "files/settings/config_file.h"

#include <gtest/gtest.h>

#include "files/config_fixture.h"
#include "files/settings/config_errors.h"
#include "files/settings/default_locations.h"
#include "files/settings/file_replace.h"
#include "files/settings/location_database.h"

namespace kelmo {
namespace {

using test::kSmallFile;
using test::readText;
using test::ScratchDir;
using test::writeText;

TEST(LoadConfig, BuiltInFileGivesManamaHome) {
    // The documented home of the built-in file: 0.45790652, 0.88284087, 0 m, zone 3, no DST.
    ScratchDir dir;
    writeText(dir.file("Kelmo.cfg"), defaultConfigText());
    Location home;
    Config config;
    ASSERT_EQ(loadConfig(home, config, dir.file("Kelmo.cfg")), 0);
    EXPECT_EQ(home.name, "Manama,Bahrain");
    EXPECT_DOUBLE_EQ(home.latitude, 0.45790652);
    EXPECT_DOUBLE_EQ(home.longitude, 0.88284087);
    EXPECT_EQ(home.height, 0);
    EXPECT_FLOAT_EQ(home.timeZone, 3.0f);
    EXPECT_EQ(home.dstStart, 0);
    EXPECT_EQ(home.dstEnd, 0);
    EXPECT_EQ(config.highLatitudeRule, 5);
}

TEST(LoadConfig, HomeNameMatchesInAnyLetterCaseAndKeepsItsSpelling) {
    std::string text = kSmallFile;
    text.replace(0, 14, "manama,BAHRAIN");
    Location home;
    Config config;
    ASSERT_EQ(configFromText(text, home, config), 0);
    EXPECT_EQ(home.name, "manama,BAHRAIN");
    EXPECT_DOUBLE_EQ(home.latitude, 0.45790652);
}

TEST(LoadConfig, HomeNamesAreComparedWhole) {
    // Two names that agree in their first 31 characters are different places.
    const std::string a = "Saint;Petersburg;Beach;Villages,Florida,USA";
    const std::string b = "Saint;Petersburg;Beach;Villages,Florida,US";
    const std::string text = a + " e s p -16.0 -13.5 -18.0 15.0 1296 88576 258 10 0 0\n" + b +
                             " 0.1 0.1 0 -5.0 0 0\n" + a + " 0.2 0.2 0 -5.0 0 0\n";
    Location home;
    Config config;
    ASSERT_EQ(configFromText(text, home, config), 0);
    EXPECT_DOUBLE_EQ(home.latitude, 0.2);
}

TEST(LoadConfig, Codes) {
    ScratchDir dir;
    Location home;
    Config config;
    EXPECT_EQ(loadConfig(home, config, dir.file("missing.cfg")), kConfigCannotOpen);
    EXPECT_EQ(loadConfig(home, config, dir.path().string()), kConfigCannotOpen);  // a directory
    EXPECT_EQ(configFromText("", home, config), kConfigEmpty);
    EXPECT_EQ(configFromText("\n", home, config), kConfigCorrupt);  // a blank first line
    const std::string firstLine = kSmallFile.substr(0, kSmallFile.find('\n') + 1);
    EXPECT_EQ(configFromText(firstLine, home, config), kConfigEmpty);  // no location line
    std::string unknownHome = kSmallFile;
    unknownHome.replace(0, 6, "Muscat");
    EXPECT_EQ(configFromText(unknownHome, home, config), kConfigHomeNotFound);
    EXPECT_EQ(configFromText(firstLine + "\n", home, config), kConfigEmpty);  // only a blank line
}

TEST(SaveConfig, RewritesLineOneAndKeepsTheRestByteForByte) {
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    // Odd but readable location lines: CRLF, extra blanks, no final newline.
    const std::string locations =
        "Manama,Bahrain  0.45790652 0.88284087 0 3.0000 0 0\r\n"
        "New;York,NY,CA,USA 0.71122335 -1.29119696 0 -5.0000 1086 2626";
    writeText(path,
              "MANAMA,bahrain e.exe a.wav p.wav -16.0000 -13.5000 -18.0000 15.00 1296 "
              "88576 258 10 0 0\n" +
                  locations);
    Config config;
    config.editor = "C:\\Program Files\\ed.exe";
    config.fiqh = 2;
    config.correctionSeconds = 600;
    ASSERT_EQ(saveConfig(config, path), 0);
    EXPECT_EQ(readText(path),
              "MANAMA,bahrain C:\\Program;Files\\ed.exe Athan.wav PreAth.wav -16.0000 -13.5000 "
              "-18.0000 15.00 1298 88576 " +
                  std::to_string((2 << 16) | 256 | 88) + " 10 0 0\n" + locations);
    Location home;
    Config back;
    ASSERT_EQ(loadConfig(home, back, path), 0);
    EXPECT_EQ(back.editor, "C:\\Program Files\\ed.exe");
    EXPECT_EQ(back.fiqh, 2);
    EXPECT_EQ(back.correctionSeconds, 600);
    EXPECT_EQ(test::otherFiles(dir.path(), "Kelmo.cfg").size(), 0u);
}

TEST(SaveConfig, CodesAndNothingWrittenOnFailure) {
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    EXPECT_EQ(saveConfig(Config{}, path), kConfigCannotOpen);
    EXPECT_FALSE(std::filesystem::exists(path));
    writeText(path, "");
    EXPECT_EQ(saveConfig(Config{}, path), kConfigEmpty);
    writeText(path, "   \nA 0 0 0 0 0 0\n");
    EXPECT_EQ(saveConfig(Config{}, path), kConfigCorrupt);
    EXPECT_EQ(readText(path), "   \nA 0 0 0 0 0 0\n");
}

TEST(SaveConfig, ASettingTheReaderRefusesIsNeverWritten) {
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    writeText(path, kSmallFile);
    Config config;
    config.nMinutes = 200;
    EXPECT_EQ(saveConfig(config, path), kConfigCorrupt);
    config.nMinutes = 120;
    config.maghribDelay = 31;
    EXPECT_EQ(saveConfig(config, path), kConfigCorrupt);
    EXPECT_EQ(readText(path), kSmallFile);
    EXPECT_TRUE(test::otherFiles(dir.path(), "Kelmo.cfg").empty());
}

TEST(ReadConfigText, StopsAtTheSizeLimit) {
    // /dev/zero never ends: reading stops after kMaxReadBytes with a code of its own.
    std::string text;
    EXPECT_EQ(readConfigText("/dev/zero", text), kConfigTooLarge);
    EXPECT_TRUE(text.empty());
    Location home;
    Config config;
    EXPECT_EQ(loadConfig(home, config, "/dev/zero"), kConfigTooLarge);
    std::vector<Location> list;
    EXPECT_EQ(loadLocations(list, "/dev/zero"), kConfigTooLarge);
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    writeText(path, kSmallFile + std::string(kMaxReadBytes, '\n'));
    EXPECT_EQ(saveConfig(config, path), kConfigTooLarge);
    EXPECT_EQ(readConfigText(dir.file("missing"), text), kConfigCannotOpen);
    writeText(path, kSmallFile);
    EXPECT_EQ(readConfigText(path, text), 0);
    EXPECT_EQ(text, kSmallFile);
}

TEST(SaveConfig, PackedValuesSurviveSaveAndLoad) {
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    for (int v : {0, 1, 15, 100, 254, 255}) {
        writeText(path, kSmallFile);
        Config config;
        config.maxAcceptableError = config.refraction = v;
        config.correctionSeconds = 255 - v;
        config.fiqh = config.precision = config.highLatitudeRule = 0;
        config.alertFlags = v * 129;
        ASSERT_EQ(saveConfig(config, path), 0);
        Location home;
        Config back;
        ASSERT_EQ(loadConfig(home, back, path), 0) << v;
        EXPECT_EQ(back.maxAcceptableError, v);
        EXPECT_EQ(back.refraction, v);
        EXPECT_EQ(back.correctionSeconds, 255 - v);
        EXPECT_EQ(back.alertFlags, v * 129);
    }
}

TEST(CreateDefaultConfig, WritesTheBuiltInFileAndLoadsIt) {
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    writeText(path, "garbage");
    Location home;
    Config config;
    config.fiqh = 4;
    ASSERT_EQ(createDefaultConfig(home, config, path), 0);
    EXPECT_EQ(readText(path), defaultConfigText());
    EXPECT_EQ(home.name, "Manama,Bahrain");
    EXPECT_EQ(config.fiqh, 0);
    EXPECT_EQ(readText(path + ".bak"), "garbage");  // the replaced file, places and all
    EXPECT_EQ(createDefaultConfig(home, config, dir.file("no/such/dir/Kelmo.cfg")),
              kConfigCannotCreate);
}

// Two questions "create a new file?" answered OK one after the other (the Timer's and the main
// window's): the second finds a good file and keeps it; the user's places stay in the backup.
// A file the user spoils again is kept beside the first backup, never over it.
TEST(CreateDefaultConfig, ASecondReplacementNeverOverwritesTheUsersBackup) {
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    const std::string users = "corrupt\nMy;Place 0.1 0.2 0 1.0 0 0\n";
    writeText(path, users);
    Location home;
    Config config;
    ASSERT_EQ(replaceUnreadableConfig(home, config, path), 0);
    ASSERT_EQ(replaceUnreadableConfig(home, config, path), 0);
    EXPECT_EQ(readText(path), defaultConfigText());
    EXPECT_EQ(readText(path + ".bak"), users);
    EXPECT_FALSE(std::filesystem::exists(path + ".bak.1"));

    const std::string spoiltAgain = "corrupt again\nOther;Place 0.3 0.4 0 2.0 0 0\n";
    writeText(path, spoiltAgain);
    ASSERT_EQ(replaceUnreadableConfig(home, config, path), 0);
    EXPECT_EQ(readText(path + ".bak"), users);
    EXPECT_EQ(readText(path + ".bak.1"), spoiltAgain);
    EXPECT_EQ(readText(path), defaultConfigText());
}

TEST(CreateDefaultConfig, NothingIsReplacedWhenTheOldFileCannotBeKept) {
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    writeText(path, "corrupt\nMy;Place 0.1 0.2 0 1.0 0 0\n");
    // The backup cannot take its name: a folder is there when its rename comes.
    setBeforeReplaceHook([](const std::string& target) {
        if (target.ends_with(".bak")) std::filesystem::create_directory(target);
    });
    Location home;
    Config config;
    EXPECT_EQ(createDefaultConfig(home, config, path), kConfigCannotCreate);
    setBeforeReplaceHook(nullptr);
    EXPECT_EQ(readText(path), "corrupt\nMy;Place 0.1 0.2 0 1.0 0 0\n");
}

}  // namespace
}  // namespace kelmo
