#include "files/settings/config_line.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <numbers>
#include <optional>

#include "files/settings/config_errors.h"
#include "prayer/calculation_methods.h"

namespace kelmo {
namespace {

constexpr NameEncoding k1252 = NameEncoding::windows1252;

// The configuration line of the built-in file.
const std::string kDefaultLine =
    "Manama,Bahrain notepad.exe Athan.wav PreAth.wav -16.0000 -13.5000 -18.0000 15.00 1296 88576 "
    "258 10 0 0";

// The default line with some of its 14 fields replaced (index from 0).
std::string lineWith(std::initializer_list<std::pair<int, std::string>> changes) {
    std::vector<std::string> fields;
    std::string field;
    for (char c : kDefaultLine + " ") {
        if (c == ' ') {
            fields.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    for (const auto& [index, value] : changes) fields[index] = value;
    std::string line;
    for (const auto& f : fields) line += (line.empty() ? "" : " ") + f;
    return line;
}

int parse(const std::string& line) {
    std::string home;
    Config config;
    return parseConfigLine(line, home, config, k1252);
}

TEST(ConfigLine, DefaultLineGivesTheDefaultsAndIsWrittenBackByteForByte) {
    std::string home;
    Config config;
    config.fiqh = 3;  // overwritten by the line
    ASSERT_EQ(parseConfigLine(kDefaultLine, home, config, k1252), 0);
    const Config defaults;
    EXPECT_EQ(home, "Manama,Bahrain");
    EXPECT_EQ(config.fiqh, defaults.fiqh);
    EXPECT_EQ(config.precision, 1);
    EXPECT_EQ(config.highLatitudeRule, 5);
    EXPECT_EQ(config.nMinutes, 90);
    EXPECT_EQ(config.preAlertMinutes, 1);
    EXPECT_EQ(config.correctionSeconds, 2);
    EXPECT_EQ(config.maxAcceptableError, 1);
    EXPECT_EQ(config.areaRadius, 10);
    EXPECT_EQ(config.refraction, 0);
    EXPECT_EQ(config.editor, "notepad.exe");
    EXPECT_FLOAT_EQ(config.fajrAngle, -13.5f);
    EXPECT_EQ(formatConfigLine("Manama,Bahrain", defaults), kDefaultLine);
}

// A method and a calendar are two words after the 14 fields; the angle fields hold the
// method's angles, so the format's own reader (the scanf format of the 14 fields) reads the
// line as ever. The line reads back and is written again byte for byte; words that name no
// method are ignored, as a reader of 14 fields ignores them.
TEST(ConfigLine, MethodAndCalendarAreWordsAReaderOfFourteenFieldsSkips) {
    Config config;
    applyMethod(*findMethod("UmmAlQura"), config);
    config.hijriCalendar = HijriCalendar::ummAlQura;
    const std::string line = formatConfigLine("Manama,Bahrain", config);
    EXPECT_EQ(line, lineWith({{4, "-18.5000"}, {5, "-18.5000"}}) + " UmmAlQura umm-al-qura");
    char words[4][240];
    float angles[4];
    int numbers[6];
    EXPECT_EQ(
        std::sscanf(line.c_str(), "%s %s %s %s %f %f %f %f %d %d %d %d %d %d", words[0], words[1],
                    words[2], words[3], &angles[0], &angles[1], &angles[2], &angles[3], &numbers[0],
                    &numbers[1], &numbers[2], &numbers[3], &numbers[4], &numbers[5]),
        14);
    EXPECT_EQ(angles[1], -18.5f);

    std::string home;
    Config read;
    ASSERT_EQ(parseConfigLine(line, home, read, k1252), 0);
    EXPECT_EQ(read.method, *findMethod("UmmAlQura"));
    EXPECT_EQ(read.hijriCalendar, HijriCalendar::ummAlQura);
    EXPECT_EQ(formatConfigLine("Manama,Bahrain", read), line);

    Config tabular;
    tabular.hijriCalendar = HijriCalendar::tabular;
    EXPECT_EQ(formatConfigLine("Manama,Bahrain", tabular), kDefaultLine + " Custom tabular");
    Config other;
    ASSERT_EQ(parseConfigLine(kDefaultLine + " Mars umm-al-qura", home, other, k1252), 0);
    EXPECT_EQ(other.method, kCustomMethod);
    EXPECT_EQ(other.hijriCalendar, HijriCalendar::crescent);
    EXPECT_EQ(formatConfigLine("Manama,Bahrain", other), kDefaultLine);
}

// The chosen language is a third word after the method and the calendar, which are then
// written even for Custom and the crescent: a reader of the two words (or of the 14 fields)
// reads the same settings from the line with and without it. Without the word, or with a
// code that names no language, the program follows the system's language.
TEST(ConfigLine, LanguageIsAThirdWordAReaderOfTwoWordsSkips) {
    struct Row {
        std::optional<Language> language;
        int method;
        HijriCalendar calendar;
        std::string words;
    };
    const int ummAlQura = *findMethod("UmmAlQura");
    for (const Row& row :
         {Row{Language::arabic, kCustomMethod, HijriCalendar::crescent, " Custom crescent ar"},
          Row{Language::turkish, ummAlQura, HijriCalendar::tabular, " UmmAlQura tabular tr"},
          Row{std::nullopt, ummAlQura, HijriCalendar::tabular, " UmmAlQura tabular"}}) {
        Config config;
        applyMethod(row.method, config);
        config.hijriCalendar = row.calendar;
        config.language = row.language;
        const std::string line = formatConfigLine("Manama,Bahrain", config);
        const std::string withoutLanguage = formatConfigLine("Manama,Bahrain", [&] {
            Config c = config;
            c.language.reset();
            return c;
        }());
        EXPECT_EQ(line.substr(line.size() - row.words.size()), row.words);
        std::string home;
        Config read, readWithout;
        ASSERT_EQ(parseConfigLine(line, home, read, k1252), 0);
        ASSERT_EQ(parseConfigLine(withoutLanguage, home, readWithout, k1252), 0);
        EXPECT_EQ(read.language, row.language) << line;
        EXPECT_EQ(read.method, readWithout.method) << line;
        EXPECT_EQ(read.hijriCalendar, readWithout.hijriCalendar) << line;
        EXPECT_EQ(read.fajrAngle, readWithout.fajrAngle) << line;
        EXPECT_EQ(formatConfigLine("Manama,Bahrain", read), line);
    }
    std::string home;
    Config unknown;
    unknown.language = Language::german;
    ASSERT_EQ(parseConfigLine(kDefaultLine + " Custom crescent xx", home, unknown, k1252), 0);
    EXPECT_FALSE(unknown.language);
    EXPECT_EQ(formatConfigLine("Manama,Bahrain", unknown), kDefaultLine);
    Config none;
    none.language = Language::german;
    ASSERT_EQ(parseConfigLine(kDefaultLine, home, none, k1252), 0);
    EXPECT_FALSE(none.language);
}

TEST(ConfigLine, PackedDefaultsMatchTheDocumentedNumbers) {
    const PackedOptions p = packOptions(Config{});
    EXPECT_EQ(p.a, 1296);   // rule 5, precision 1, fiqh 0
    EXPECT_EQ(p.b, 88576);  // pre-alert 1, nMinutes 90, Maghrib delay 0
    EXPECT_EQ(p.c, 258);    // max error 1, correction 2
    EXPECT_EQ(p.d, 10);     // refraction 0, area 10
}

TEST(ConfigLine, EveryPackedValueInRangeSurvivesPackAndUnpack) {
    for (int v = 0; v <= 255; ++v) {
        Config in;
        in.fiqh = in.precision = in.highLatitudeRule = v & 15;
        in.maghribDelay = v;
        in.nMinutes = 255 - v;
        in.preAlertMinutes = (v * 7) & 255;
        in.correctionSeconds = v;
        in.maxAcceptableError = 255 - v;
        in.areaRadius = (v * 3) & 255;
        in.refraction = v;
        Config out;
        unpackOptions(packOptions(in), out);
        ASSERT_EQ(out.fiqh, in.fiqh) << v;
        ASSERT_EQ(out.precision, in.precision) << v;
        ASSERT_EQ(out.highLatitudeRule, in.highLatitudeRule) << v;
        ASSERT_EQ(out.maghribDelay, in.maghribDelay) << v;
        ASSERT_EQ(out.nMinutes, in.nMinutes) << v;
        ASSERT_EQ(out.preAlertMinutes, in.preAlertMinutes) << v;
        ASSERT_EQ(out.correctionSeconds, in.correctionSeconds) << v;
        ASSERT_EQ(out.maxAcceptableError, in.maxAcceptableError) << v;
        ASSERT_EQ(out.areaRadius, in.areaRadius) << v;
        ASSERT_EQ(out.refraction, in.refraction) << v;
        // Up to 255 seconds C is exactly maxAcceptableError << 8 | correctionSeconds.
        ASSERT_EQ(packOptions(in).c, in.maxAcceptableError << 8 | v);
    }
}

TEST(ConfigLine, CorrectionAbove255KeepsItsHighBitsAboveBit16) {
    for (int seconds : {256, 300, 511, 600, 70000, -1, -600}) {
        Config in;
        in.correctionSeconds = seconds;
        in.maxAcceptableError = 7;
        Config out;
        unpackOptions(packOptions(in), out);
        EXPECT_EQ(out.correctionSeconds, seconds);
        EXPECT_EQ(out.maxAcceptableError, 7);
    }
    Config in;
    in.correctionSeconds = 600;  // 2 * 256 + 88
    EXPECT_EQ(packOptions(in).c, (2 << 16) | (1 << 8) | 88);
}

TEST(ConfigLine, OversizedValuesDoNotSpillIntoTheirNeighbours) {
    // nMinutes 300 given on the command line must not change preAlertMinutes when saved.
    Config in;
    in.nMinutes = 300;
    in.preAlertMinutes = 4;
    Config out;
    unpackOptions(packOptions(in), out);
    EXPECT_EQ(out.preAlertMinutes, 4);
    EXPECT_EQ(out.nMinutes, 300 & 255);
}

TEST(ConfigLine, FieldCountAndChecksGiveCorrupt) {
    EXPECT_EQ(parse(kDefaultLine.substr(0, kDefaultLine.rfind(' '))), kConfigCorrupt);  // 13
    EXPECT_EQ(parse(""), kConfigCorrupt);
    EXPECT_EQ(parse(lineWith({{4, "-16.0000"}, {5, "-20.0000"}})),
              kConfigCorrupt);  // Imsak above Fajr
    EXPECT_EQ(parse(lineWith({{4, "-20.0000"}, {5, "-16.0000"}})), 0);
    EXPECT_EQ(parse(lineWith({{4, "-16.0000"}, {5, "-16.0000"}})), 0);
    EXPECT_EQ(parse(lineWith({{6, "-27.0000"}})), kConfigCorrupt);  // Isha below -26
    EXPECT_EQ(parse(lineWith({{6, "-0.5000"}})), kConfigCorrupt);   // Isha above -1
    EXPECT_EQ(parse(lineWith({{4, "-26.5000"}})), kConfigCorrupt);  // Imsak below -26
    EXPECT_EQ(parse(lineWith({{5, "0.0000"}})), kConfigCorrupt);    // Fajr above -1
    EXPECT_EQ(parse(lineWith({{8, "2560"}})), kConfigCorrupt);      // rule 10
    EXPECT_EQ(parse(lineWith({{8, "2320"}})), 0);                   // rule 9, precision 1
    EXPECT_EQ(parse(lineWith({{8, "5"}})), kConfigCorrupt);         // fiqh 5
    EXPECT_EQ(parse(lineWith({{8, "32"}})), kConfigCorrupt);        // precision 2
    EXPECT_EQ(parse(lineWith({{9, "88607"}})), kConfigCorrupt);     // Maghrib delay 31
    EXPECT_EQ(parse(lineWith({{9, "96512"}})), kConfigCorrupt);     // nMinutes 121 ...
    EXPECT_EQ(parse(lineWith({{9, "96256"}})), 0);                  // ... nMinutes 120
    EXPECT_EQ(parse(lineWith({{9, std::to_string((31 << 16) | (90 << 8))}})),
              kConfigCorrupt);                                  // pre-alert 31
    EXPECT_EQ(parse(lineWith({{11, "101"}})), kConfigCorrupt);  // area 101 km
    EXPECT_EQ(parse(lineWith({{11, "100"}})), 0);
    EXPECT_EQ(parse(lineWith({{12, "12x"}})),
              kConfigCorrupt);  // "x" is read as field 14: no number
    EXPECT_EQ(parse(lineWith({{4, "nan"}})), kConfigCorrupt);
}

TEST(ConfigLine, UncheckedFieldsAreTakenAsTheyAre) {
    std::string home;
    Config config;
    ASSERT_EQ(parseConfigLine(lineWith({{7, "-99.50"}}), home, config, k1252), 0);
    EXPECT_FLOAT_EQ(config.moonVisibilityLimit, -99.5f);
    ASSERT_EQ(parseConfigLine(lineWith({{13, "-3"}}), home, config, k1252), 0);
    EXPECT_EQ(config.hijriAdjust, -3);
}

TEST(ConfigLine, TextsAreCutToTheirFieldsAndSemicolonsBecomeBlanks) {
    std::string home;
    Config config;
    const std::string longName(200, 'n');
    const std::string longEditor = "C:\\Program;Files\\" + std::string(300, 'e');
    std::string line = lineWith({{0, longName}});
    line = line.replace(line.find("notepad.exe"), 11, longEditor);
    ASSERT_EQ(parseConfigLine(line, home, config, k1252), 0);
    EXPECT_EQ(home, std::string(Location::kNameLength, 'n'));
    EXPECT_EQ(config.editor.size(), Config::kTextLength);
    EXPECT_EQ(config.editor.substr(0, 17), "C:\\Program Files\\");
}

TEST(ConfigLine, WrittenTextsStayOneWord) {
    Config config;
    config.editor = "C:\\Program Files\\ed it\tor.exe";
    config.soundFile = "a\nb.wav";
    const std::string line = formatConfigLine("Home", config);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    std::string home;
    Config back;
    ASSERT_EQ(parseConfigLine(line, home, back, k1252), 0);
    EXPECT_EQ(back.editor, "C:\\Program Files\\ed it or.exe");
    EXPECT_EQ(back.soundFile, "a b.wav");
}

// A control character (CR, ESC, DEL...) in a stored name or file name never reaches a report,
// a calendar or a terminal: white space is written as ";" as ever, any other control character
// reads and writes as "?".
TEST(ConfigLine, ControlCharactersAreNeverReadOrWritten) {
    EXPECT_EQ(encodeText("a\x1b[2Jb\rc\x7f"), "a?[2Jb;c?");
    EXPECT_EQ(decodeText("a\x1b[2Jb;c\x7f\x01"), "a?[2Jb c??");
    Location l;
    ASSERT_EQ(parseLocationLine("Esc\x1b]0;Town 0.1 0.2 0 1.0 0 0", l, k1252), 0);
    EXPECT_EQ(l.name, "Esc?]0 Town");
    std::string home;
    Config config;
    config.editor = "ed\x1bit";
    ASSERT_EQ(parseConfigLine(formatConfigLine("Ho\x1bme", config), home, config, k1252), 0);
    EXPECT_EQ(home, "Ho?me");
    EXPECT_EQ(config.editor, "ed?it");
}

TEST(LocationLine, FormatMatchesTheStoredRows) {
    Location l;
    l.name = "New York,NY,CA,USA";
    l.latitude = 0.71122335;
    l.longitude = -1.29119696;
    l.timeZone = -5.0f;
    l.dstStart = 1086;
    l.dstEnd = 2626;
    EXPECT_EQ(formatLocationLine(l, k1252),
              "New;York,NY,CA,USA 0.71122335 -1.29119696 0 -5.0000 1086 2626");
    l = Location{};
    l.name = "Kathmandu,Nepal";
    l.latitude = 0.48374709;
    l.longitude = 1.48905674;
    l.timeZone = 5.7f;  // a float that is not exactly 5.7 still prints as 5.7000
    EXPECT_EQ(formatLocationLine(l, k1252), "Kathmandu,Nepal 0.48374709 1.48905674 0 5.7000 0 0");
}

TEST(LocationLine, ReadsBackWhatItWrites) {
    Location l;
    ASSERT_EQ(parseLocationLine("New;York,NY,CA,USA 0.71122335 -1.29119696 12 -5.0000 1086 2626", l,
                                k1252),
              0);
    EXPECT_EQ(l.name, "New York,NY,CA,USA");
    EXPECT_DOUBLE_EQ(l.latitude, 0.71122335);
    EXPECT_DOUBLE_EQ(l.longitude, -1.29119696);
    EXPECT_EQ(l.height, 12);
    EXPECT_FLOAT_EQ(l.timeZone, -5.0f);
    EXPECT_EQ(l.dstStart, 1086);
    EXPECT_EQ(l.dstEnd, 2626);
    EXPECT_EQ(formatLocationLine(l, k1252),
              "New;York,NY,CA,USA 0.71122335 -1.29119696 12 -5.0000 1086 2626");
}

// The zone is an optional eighth word: written after the seven fields, read back, and a line
// without it reads as before.
TEST(LocationLine, OptionalZoneAsEighthWord) {
    const std::string withZone =
        "New;York,NY,CA,USA 0.71122335 -1.29119696 0 -5.0000 831 2878 America/New_York";
    Location l;
    ASSERT_EQ(parseLocationLine(withZone, l, k1252), 0);
    EXPECT_EQ(l.zone, "America/New_York");
    EXPECT_EQ(l.dstEnd, 2878);
    EXPECT_EQ(formatLocationLine(l, k1252), withZone);
    ASSERT_EQ(parseLocationLine("Manama,Bahrain 0.45790652 0.88284087 0 3.0000 0 0", l, k1252), 0);
    EXPECT_TRUE(l.zone.empty());
    EXPECT_EQ(formatLocationLine(l, k1252), "Manama,Bahrain 0.45790652 0.88284087 0 3.0000 0 0");
    // A word too long for a zone name is no zone.
    ASSERT_EQ(parseLocationLine("X 0 0 0 0.0 0 0 " + std::string(65, 'z'), l, k1252), 0);
    EXPECT_TRUE(l.zone.empty());
}

TEST(LocationLine, ChecksGiveCorruptAndLeaveTheRecord) {
    Location l;
    l.name = "before";
    EXPECT_EQ(parseLocationLine("X 0.1 0.2 10000 3.0 0 0", l, k1252), kConfigCorrupt);
    EXPECT_EQ(parseLocationLine("X 0.1 0.2 -1000 3.0 0 0", l, k1252), kConfigCorrupt);
    EXPECT_EQ(parseLocationLine("X 0.1 0.2 0 24.5 0 0", l, k1252), kConfigCorrupt);
    EXPECT_EQ(parseLocationLine("X 0.1 0.2 0 -24.5 0 0", l, k1252), kConfigCorrupt);
    EXPECT_EQ(parseLocationLine("X 0.1 0.2 0 nan 0 0", l, k1252), kConfigCorrupt);
    EXPECT_EQ(parseLocationLine("X 0.1 0.2 0 3.0 256 2626", l, k1252), kConfigCorrupt);
    EXPECT_EQ(parseLocationLine("X 0.1 0.2 0 3.0 834 -1", l, k1252), kConfigCorrupt);
    EXPECT_EQ(parseLocationLine("X 0.1 0.2 0 3.0 834", l, k1252), kConfigCorrupt);  // 6 fields
    EXPECT_EQ(parseLocationLine("", l, k1252), kConfigCorrupt);
    EXPECT_EQ(l.name, "before");
    EXPECT_EQ(parseLocationLine("X 0.1 0.2 9999 24.0 257 257", l, k1252), 0);
    EXPECT_EQ(parseLocationLine("X 0.1 0.2 -999 -24.0 0 0", l, k1252), 0);
}

TEST(LocationLine, CoordinateWordsThatAreNoNumberReadAsZero) {
    Location l;
    ASSERT_EQ(parseLocationLine("X abc 1.5e 0 3.0 0 0", l, k1252), 0);
    EXPECT_EQ(l.latitude, 0.0);
    EXPECT_EQ(l.longitude, 1.5);
}

TEST(LocationLine, CoordinatesBeyondTheGlobeOrNotFiniteGiveCorrupt) {
    // A latitude of 1e308 radians once made every computation run for minutes.
    Location l;
    l.name = "before";
    for (const char* coordinates : {"1e308 0", "0 -1e308", "1.5708 0", "-1.5708 0", "0 3.1416",
                                    "0 -3.1416", "nan 0", "0 -inf", "1e999 0", "0 infinity"}) {
        EXPECT_EQ(parseLocationLine(std::string("X ") + coordinates + " 0 3.0 0 0", l, k1252),
                  kConfigCorrupt)
            << coordinates;
    }
    EXPECT_EQ(l.name, "before");
    // The poles and the date line as written with 8 decimals read back as the bounds.
    Location pole;
    pole.name = "Pole";
    pole.latitude = std::numbers::pi / 2;
    pole.longitude = -std::numbers::pi;
    ASSERT_EQ(formatLocationLine(pole, k1252), "Pole 1.57079633 -3.14159265 0 0.0000 0 0");
    ASSERT_EQ(parseLocationLine(formatLocationLine(pole, k1252), l, k1252), 0);
    EXPECT_EQ(l.latitude, std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(l.longitude, -3.14159265);
    ASSERT_EQ(parseLocationLine("South -1.57079633 3.14159265 0 0.0000 0 0", l, k1252), 0);
    EXPECT_EQ(l.latitude, -std::numbers::pi / 2);
}

TEST(LocationLine, LongNamesAreCutNotSpilled) {
    Location l;
    ASSERT_EQ(parseLocationLine(std::string(1000, 'z') + " 0.1 0.2 0 3.0 0 0", l, k1252), 0);
    EXPECT_EQ(l.name, std::string(Location::kNameLength, 'z'));
    EXPECT_DOUBLE_EQ(l.latitude, 0.1);
}

}  // namespace
}  // namespace kelmo
