// Place names in any script in Kelmo.cfg: Windows-1252 while every name fits (today's files
// stay byte for byte), UTF-8 after a byte-order mark when one does not, and back.
#include "files/settings/name_encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/utf8_text.h"
#include "files/config_fixture.h"
#include "files/settings/config_file.h"
#include "files/settings/config_line.h"
#include "files/settings/location_database.h"
#include "files/settings/location_edits.h"

namespace kelmo {
namespace {

using test::readText;
using test::ScratchDir;
using test::writeText;

// A file of today's program: names with Windows-1252 letters (0xFC u-umlaut, 0xE9 e-acute).
const std::string kLatinFile =
    "Z\xFCrich,Schweiz notepad.exe Athan.wav PreAth.wav -16.0000 -13.5000 -18.0000 15.00 1296 "
    "88576 258 10 0 0\n"
    "Montr\xE9"
    "al,Canada 0.79444592 -1.28939565 36 -5.0000 1086 2626\n"
    "Z\xFCrich,Schweiz 0.82987124 0.14922440 408 1.0000 1079 2619 Europe/Zurich\n";
const std::string kMecca = "\u0645\u0643\u0629 \u0627\u0644\u0645\u0643\u0631\u0645\u0629";
const std::string kIstanbul = "\u0130stanbul,T\u00FCrkiye";

std::vector<std::string> namesIn(const std::string& path) {
    std::vector<Location> list;
    EXPECT_EQ(loadLocations(list, path), 0);
    std::vector<std::string> names;
    for (const Location& l : list) names.push_back(l.name);
    return names;
}

TEST(NameEncoding, Windows1252FileIsReadInUtf8AndWrittenBackByteForByte) {
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    writeText(path, kLatinFile);
    Location home;
    Config config;
    ASSERT_EQ(loadConfig(home, config, path), 0);
    EXPECT_EQ(home.name, "Z\u00FCrich,Schweiz");
    EXPECT_EQ(home.height, 408);
    EXPECT_EQ(namesIn(path),
              (std::vector<std::string>{"Montr\u00E9al,Canada", "Z\u00FCrich,Schweiz"}));
    std::vector<Location> list;
    ASSERT_EQ(loadLocations(list, path), 0);
    ASSERT_EQ(saveLocations(home.name, list, path), 0);
    EXPECT_EQ(readText(path), kLatinFile);
    ASSERT_EQ(saveConfig(config, path), 0);
    EXPECT_EQ(readText(path), kLatinFile);
}

// An Arabic and a Turkish name turn the whole file into UTF-8 after a byte-order mark; the
// file reads back with every name, keeps its form on a save of the settings, and returns to
// today's bytes when the two places are gone.
TEST(NameEncoding, NamesWindows1252CannotHoldMakeTheFileUtf8AndBack) {
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    writeText(path, kLatinFile);
    Location mecca{.name = kMecca, .latitude = 0.3739, .longitude = 0.6951, .timeZone = 3.0f};
    Location istanbul{.name = kIstanbul, .latitude = 0.7163, .longitude = 0.5056, .timeZone = 3.0f};
    ASSERT_EQ(addPlace(mecca, path).outcome, PlaceEdit::kDone);
    ASSERT_EQ(addPlace(istanbul, path).outcome, PlaceEdit::kDone);
    ASSERT_EQ(choosePlaceAsHome(kMecca, path).outcome, PlaceEdit::kDone);

    const std::string utf8 = readText(path);
    EXPECT_TRUE(utf8.starts_with(kUtf8ByteOrderMark));
    EXPECT_NE(utf8.find("\nMontr\u00E9al,Canada "), std::string::npos);
    EXPECT_NE(utf8.find("\n" + kIstanbul + " "), std::string::npos);
    EXPECT_TRUE(utf8.starts_with(std::string(kUtf8ByteOrderMark) + "\u0645\u0643\u0629;"));
    EXPECT_EQ(namesIn(path), (std::vector<std::string>{"Montr\u00E9al,Canada",
                                                       "Z\u00FCrich,Schweiz", kIstanbul, kMecca}));
    Location home;
    Config config;
    ASSERT_EQ(loadConfig(home, config, path), 0);
    EXPECT_EQ(home.name, kMecca);
    EXPECT_FLOAT_EQ(static_cast<float>(home.latitude), 0.3739f);
    ASSERT_EQ(saveConfig(config, path), 0);
    EXPECT_EQ(readText(path), utf8);

    ASSERT_EQ(choosePlaceAsHome("Z\u00FCrich,Schweiz", path).outcome, PlaceEdit::kDone);
    ASSERT_EQ(removePlace(kMecca, path).outcome, PlaceEdit::kDone);
    EXPECT_TRUE(readText(path).starts_with(kUtf8ByteOrderMark));  // Istanbul is still there
    ASSERT_EQ(removePlace(kIstanbul, path).outcome, PlaceEdit::kDone);
    EXPECT_EQ(readText(path), kLatinFile);
}

// A name whose Windows-1252 bytes would read as UTF-8 ("\u00C3\u00A9" is "\xC3\xA9", UTF-8
// e-acute) makes the file UTF-8, so that it reads back as it was written.
TEST(NameEncoding, ANameWhoseBytesLookLikeUtf8IsWrittenInUtf8) {
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    writeText(path, kLatinFile);
    const std::string name = "Caf\u00C3\u00A9,Town";
    ASSERT_EQ(addPlace({.name = name, .latitude = 0.1, .longitude = 0.2}, path).outcome,
              PlaceEdit::kDone);
    EXPECT_TRUE(readText(path).starts_with(kUtf8ByteOrderMark));
    EXPECT_EQ(namesIn(path)[0], name);
}

// A UTF-8 file whose names all fit goes back to Windows-1252 on a save of the settings too.
TEST(NameEncoding, SavedSettingsOfAUtf8FileWhoseNamesFitAreWindows1252) {
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    const std::string utf8 = std::string(kUtf8ByteOrderMark) +
                             linesIn(kLatinFile, NameEncoding::windows1252, NameEncoding::utf8);
    writeText(path, utf8);
    Config config;
    ASSERT_EQ(saveConfig(config, path), 0);
    EXPECT_EQ(readText(path), kLatinFile);
}

// An older program rewrites a UTF-8 file without its byte-order mark, and an editor may write
// UTF-8 without one: a name that is well-formed UTF-8 beyond ASCII is read as UTF-8 all the same,
// and the next rewrite of the places puts the mark back.
TEST(NameEncoding, UnmarkedUtf8NamesAreReadAsUtf8) {
    ScratchDir dir;
    const std::string path = dir.file("Kelmo.cfg");
    const std::string mecca = "\u0645\u0643\u0629";
    // (an older program also cut a name at 47 bytes, here inside the letter after the comma)
    writeText(path,
              kLatinFile + mecca + " 0.3739 0.6951 0 3.0 0 0\n" + mecca + ",\xD8 0 0 0 3.0 0 0\n");
    const std::vector<std::string> names = {"Montr\u00E9al,Canada", "Z\u00FCrich,Schweiz", mecca,
                                            mecca + ","};
    EXPECT_EQ(namesIn(path), names);
    std::vector<Location> list;
    ASSERT_EQ(loadLocations(list, path), 0);
    ASSERT_EQ(saveLocations("Z\u00FCrich,Schweiz", list, path), 0);
    EXPECT_TRUE(readText(path).starts_with(kUtf8ByteOrderMark));
    EXPECT_EQ(namesIn(path), names);
}

// The name limit counts characters (the 47 bytes of a Windows-1252 name); a byte of a UTF-8
// file that is no UTF-8 reads as "?".
TEST(NameEncoding, NamesAreCutToCharactersNotBytes) {
    std::string arabic;
    for (int i = 0; i < 50; ++i) arabic += "\u0645";
    Location l;
    ASSERT_EQ(parseLocationLine(arabic + " 0.1 0.2 0 3.0 0 0", l, NameEncoding::utf8), 0);
    EXPECT_EQ(l.name, arabic.substr(0, 2 * Location::kNameLength));
    EXPECT_EQ(characterCount(l.name), Location::kNameLength);
    ASSERT_EQ(parseLocationLine("Bad\xFF;Name 0.1 0.2 0 3.0 0 0", l, NameEncoding::utf8), 0);
    EXPECT_EQ(l.name, "Bad? Name");
    ASSERT_EQ(parseLocationLine(std::string(50, '\xE9') + " 0.1 0.2 0 3.0 0 0", l,
                                NameEncoding::windows1252),
              0);
    EXPECT_EQ(characterCount(l.name), Location::kNameLength);
}

}  // namespace
}  // namespace kelmo
