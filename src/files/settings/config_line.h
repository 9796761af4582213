// The two line formats of Kelmo.cfg.
//
// Line 1, the configuration line (fields separated by single blanks):
//   home editor soundFile preAlertSoundFile imsak fajr isha moonLimit A B C D alertFlags
//   hijriAdjust
// written as "%s %s %s %s %2.4f %2.4f %2.4f %2.2f %d %d %d %d %d %d", with the option numbers
// packed into A..D:
//   A = highLatitudeRule << 8 | precision << 4 | fiqh         (4-bit fields)
//   B = preAlertMinutes << 16 | nMinutes << 8 | maghribDelay   (8-bit fields)
//   C = correctionSeconds >> 8 << 16 | maxAcceptableError << 8 | correctionSeconds & 255
//   D = refraction << 8 | areaRadius                           (8-bit fields)
// Two optional words may follow the 14 fields: the key of the calculation method
// (prayer/calculation_methods.h) and the word of the Hijri calendar ("crescent", "umm-al-qura",
// "tabular"). They are written only when either differs from Custom and the crescent, and the
// method's figures are still written in the angle fields, so a reader of the 14 fields reads
// the file as ever and a file without the words is written back unchanged. A third optional
// word, the code of the chosen language ("ar", "tr": base/language.h), follows the two when a
// language is chosen (the two are then written even for Custom and the crescent); without it
// the program follows the system's language. A reader of the two words ignores the third.
// correctionSeconds keeps its low byte in the low byte of C; its higher bits (seconds above
// 255) go above bit 16, so a value up to 255 gives the same C as ever.
//
// Lines 2.., one location each: "%s %2.8f %2.8f %d %2.4f %d %d" (name, latitude and longitude
// in radians, height in metres, zone in hours, summer-time start and end codes), followed,
// when the place names a time zone of the tz database, by " %s" with the zone's name. A reader
// of the seven fields ignores the eighth, so the file stays readable by every reader.
//
// In every text field a blank is written as ";" and read back as a blank. Place names are
// written in the file's NameEncoding (config_lines.h) and held by the program in UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "base/config.h"
#include "base/location.h"
#include "files/settings/config_lines.h"

namespace kelmo {

// The largest value of an 8-bit packed field.
inline constexpr int kMaxByteField = 255;

struct PackedOptions {
    int a = 0, b = 0, c = 0, d = 0;
};

PackedOptions packOptions(const Config& config);
void unpackOptions(const PackedOptions& packed, Config& config);

// A text field as written: every white-space character becomes ";" so that the field stays
// one word of one line, every other control character (ESC, DEL...) kControlStandIn.
std::string encodeText(std::string_view text);
// A word as read: ";" becomes a blank, a control character kControlStandIn, so that no name or
// file name carries one into a report, a calendar or a terminal.
std::string decodeText(std::string_view word);

// A place name as a file of that encoding holds it: blanks as ";", Windows-1252 ("?" for a
// character it cannot hold: see nameFitsWindows1252) or UTF-8.
std::string nameForFile(std::string_view name, NameEncoding encoding);
// A name word of a file of that encoding as the program holds it: ";" read as a blank, UTF-8
// (a byte of a UTF-8 file that is no UTF-8 read as "?"; a word of a Windows-1252 file that is
// well-formed UTF-8 beyond ASCII taken as UTF-8), cut to Location::kNameLength characters.
std::string nameFromFile(std::string_view word, NameEncoding encoding);
// True when a file in Windows-1252 holds name (a UTF-8 text) and reads it back as it is: every
// character fits, and its bytes are not taken for UTF-8 (nameFromFile).
bool nameFitsWindows1252(std::string_view name);

// The configuration line without "\n"; storedHomeName is written as given (already encoded).
std::string formatConfigLine(std::string_view storedHomeName, const Config& config);

// Reads a configuration line: the home name (nameFromFile) into homeName, every stored
// setting into config, then checks the settings in the program's fixed order. The settings are
// filled in place as they are read, the home name only when the line reads; a named method
// sets its figures (words after the 14 fields that name no method are ignored: Custom and the
// crescent, and the system's language). Returns 0, or 102 (corrupt) at the first field that
// does not convert or the first check that fails. The language word is read only after a known
// method and a calendar word.
int parseConfigLine(std::string_view line, std::string& homeName, Config& config,
                    NameEncoding encoding);

// One location line without "\n" (with the zone as eighth word when the location has one).
std::string formatLocationLine(const Location& location, NameEncoding encoding);

// Reads a location line into location (name as nameFromFile gives it; an eighth word of at most
// Location::kZoneLength characters is the zone). Returns 0, or 102 when fewer than 7 fields
// convert, the height lies outside -999..9999, the zone exceeds 24 hours in magnitude, a
// summer-time code is neither 0 nor at least 257, or the latitude or longitude is a number beyond
// pi/2 or pi radians in magnitude, infinite or not a number (a coordinate word that is no number
// reads as 0); location is unchanged then.
int parseLocationLine(std::string_view line, Location& location, NameEncoding encoding);

}  // namespace kelmo
