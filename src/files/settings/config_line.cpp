#include "files/settings/config_line.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "base/angles.h"
#include "base/setting_limits.h"
#include "calendar/names.h"
#include "calendar/utf8_text.h"
#include "files/settings/config_errors.h"
#include "files/settings/field_scanner.h"
#include "files/settings/windows1252.h"
#include "prayer/calculation_methods.h"

namespace kelmo {

namespace {

constexpr int kNibble = 15;
constexpr int kByte = 255;

constexpr int kFirstRuleCode = 257;  // month 1, day 1
constexpr double kMaxLatitude = kPi / 2.0;
constexpr double kMaxLongitude = kPi;
// Coordinates are written with 8 decimals, so a pole or the date line may read back up to half
// a unit of the last decimal beyond its bound; that much is taken as the bound itself.
constexpr double kWrittenRounding = 0.5e-8;

// text without a character cut short at its end: an older program cut every name it read at
// 47 bytes, perhaps inside a character, and wrote it back so.
std::string_view withoutCutCharacter(std::string_view text) {
    std::size_t start = text.size();
    int following = 0;  // continuation bytes at the end
    while (start > 0 && following < 3 &&
           (static_cast<unsigned char>(text[start - 1]) & 0xC0) == 0x80) {
        --start;
        ++following;
    }
    if (start == 0) return text;
    const auto lead = static_cast<unsigned char>(text[start - 1]);
    const int needed = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    return needed > following ? text.substr(0, start - 1) : text;
}

// True for well-formed UTF-8 (but for a cut last character) with a character beyond ASCII: a
// name an editor or an older program (which drops the byte-order mark when it rewrites the file)
// left in UTF-8. Windows-1252 letters form such sequences only in pairs like "\xC3\xA9" that
// no place name holds.
bool isUtf8BeyondAscii(std::string_view text) {
    const bool beyondAscii = std::any_of(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return beyondAscii && isWellFormedUtf8(withoutCutCharacter(text));
}

// "%.*f" in the C locale, whatever locale the process has set.
std::string fixed(double value, int decimals) {
    char buffer[400];  // enough for any double with 8 decimals
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

// The checks of the configuration line, in the program's order; NaN fails each of them. The
// packed fields cannot be negative; a pre-alert of 0 minutes, which older files hold when the
// pre-alert was never set, reads as it is.
bool settingsAreValid(const Config& c) {
    using namespace limits;
    return c.areaRadius <= kAreaRadiusKm.high && kTwilightAngle.holds(c.imsakAngle) &&
           c.fajrAngle <= kTwilightAngle.high && c.imsakAngle <= c.fajrAngle &&
           kTwilightAngle.holds(c.ishaAngle) && c.fiqh <= kFiqh.high &&
           c.precision <= kPrecision.high && c.maghribDelay <= kMaghribDelayMinutes.high &&
           c.nMinutes <= kNMinutes.high && c.preAlertMinutes <= kPreAlertMinutes.high &&
           !c.editor.empty() && !c.soundFile.empty() && !c.preAlertSoundFile.empty() &&
           c.highLatitudeRule <= kHighLatitudeRule.high;
}

bool isRuleCode(int code) {
    return code == 0 || code >= kFirstRuleCode;
}

// A coordinate word within -bound .. bound radians (a word that is no number reads as 0);
// false for a number beyond, infinite or not a number.
bool readCoordinate(std::string_view word, double bound, double& radians) {
    double value = 0.0;
    if (!finiteLeadingNumber(word, value) || !(std::fabs(value) <= bound + kWrittenRounding)) {
        return false;
    }
    radians = std::clamp(value, -bound, bound);
    return true;
}

// The calendar whose word is key, or none.
std::optional<HijriCalendar> findCalendar(std::string_view key) {
    for (std::size_t i = 0; i < names::kHijriCalendarKeys.size(); ++i) {
        if (key == names::kHijriCalendarKeys[i]) return static_cast<HijriCalendar>(i);
    }
    return std::nullopt;
}

// The language whose stored code is exactly key, or none.
std::optional<Language> findLanguage(std::string_view key) {
    for (const LanguageFacts& facts : kLanguages) {
        if (key == facts.code) return facts.language;
    }
    return std::nullopt;
}

// The optional words after the 14 fields: the method's key, the calendar's, the language's
// code. Absent, or words this program does not know (a reader of 14 fields ignored whatever
// followed them, and still does), they leave Custom, the crescent and the system's language;
// the angles of the fields then apply.
void readOptionalWords(FieldScanner& scan, Config& c) {
    c.method = kCustomMethod;
    c.hijriCalendar = HijriCalendar::crescent;
    c.language.reset();
    std::string_view word;
    if (!scan.word(word)) return;
    const std::optional<int> method = findMethod(word);
    if (!method) return;
    applyMethod(*method, c);
    if (!scan.word(word)) return;
    c.hijriCalendar = findCalendar(word).value_or(HijriCalendar::crescent);
    if (scan.word(word)) c.language = findLanguage(word);
}

}  // namespace

PackedOptions packOptions(const Config& c) {
    PackedOptions p;
    p.a = (c.highLatitudeRule & kNibble) << 8 | (c.precision & kNibble) << 4 | (c.fiqh & kNibble);
    p.b = (c.preAlertMinutes & kByte) << 16 | (c.nMinutes & kByte) << 8 | (c.maghribDelay & kByte);
    // The seconds above the low byte go above bit 16; the arithmetic shift when reading gives
    // back a negative correction too. Unsigned arithmetic wraps instead of overflowing.
    const auto highSeconds = static_cast<unsigned>(c.correctionSeconds >> 8) << 16;
    p.c = static_cast<int>(highSeconds | static_cast<unsigned>(c.maxAcceptableError & kByte) << 8 |
                           static_cast<unsigned>(c.correctionSeconds & kByte));
    p.d = (c.refraction & kByte) << 8 | (c.areaRadius & kByte);
    return p;
}

void unpackOptions(const PackedOptions& p, Config& c) {
    c.fiqh = p.a & kNibble;
    c.precision = (p.a >> 4) & kNibble;
    c.highLatitudeRule = (p.a >> 8) & kNibble;
    c.maghribDelay = p.b & kByte;
    c.nMinutes = (p.b >> 8) & kByte;
    c.preAlertMinutes = (p.b >> 16) & kByte;
    c.correctionSeconds = (p.c >> 16) * (1 << 8) | (p.c & kByte);
    c.maxAcceptableError = (p.c >> 8) & kByte;
    c.areaRadius = p.d & kByte;
    c.refraction = (p.d >> 8) & kByte;
}

std::string encodeText(std::string_view text) {
    std::string word(text);
    for (char& c : word) {
        if (isBlank(c))
            c = ';';
        else if (isControl(c))
            c = kControlStandIn;
    }
    return word;
}

std::string decodeText(std::string_view word) {
    std::string text(word);
    for (char& c : text) {
        if (c == ';')
            c = ' ';
        else if (isControl(c))
            c = kControlStandIn;
    }
    return text;
}

std::string nameForFile(std::string_view name, NameEncoding encoding) {
    const std::string word = encodeText(name);
    return encoding == NameEncoding::utf8 ? word : cp1252FromUtf8(word);
}

std::string nameFromFile(std::string_view word, NameEncoding encoding) {
    const std::string text = decodeText(word);
    std::string name;
    if (encoding == NameEncoding::utf8) {
        name = wellFormedUtf8(text);
    } else if (isUtf8BeyondAscii(text)) {
        name = withoutCutCharacter(text);
    } else {
        name = utf8FromCp1252(text);
    }
    return std::string(firstCharacters(name, Location::kNameLength));
}

bool nameFitsWindows1252(std::string_view name) {
    return fitsCp1252(name) && !isUtf8BeyondAscii(cp1252FromUtf8(name));
}

std::string formatConfigLine(std::string_view storedHomeName, const Config& c) {
    const PackedOptions p = packOptions(c);
    std::string line(storedHomeName);
    for (const std::string* text : {&c.editor, &c.soundFile, &c.preAlertSoundFile}) {
        line += ' ';
        line += encodeText(*text);
    }
    for (float angle : {c.imsakAngle, c.fajrAngle, c.ishaAngle}) line += ' ' + fixed(angle, 4);
    line += ' ' + fixed(c.moonVisibilityLimit, 2);
    for (int number : {p.a, p.b, p.c, p.d, c.alertFlags, c.hijriAdjust}) {
        line += ' ' + std::to_string(number);
    }
    if (c.method != kCustomMethod || c.hijriCalendar != HijriCalendar::crescent || c.language) {
        line += ' ';
        line += methodOf(c).key;
        line += ' ';
        line += names::nameAt(names::kHijriCalendarKeys, static_cast<int>(c.hijriCalendar));
    }
    if (c.language) {
        line += ' ';
        line += factsOf(*c.language).code;
    }
    return line;
}

int parseConfigLine(std::string_view line, std::string& homeName, Config& c,
                    NameEncoding encoding) {
    FieldScanner scan(line);
    PackedOptions p;
    std::string_view storedHome;
    const bool complete =
        scan.word(storedHome) && scan.word(c.editor, Config::kTextLength) &&
        scan.word(c.soundFile, Config::kTextLength) &&
        scan.word(c.preAlertSoundFile, Config::kTextLength) && scan.real(c.imsakAngle) &&
        scan.real(c.fajrAngle) && scan.real(c.ishaAngle) && scan.real(c.moonVisibilityLimit) &&
        scan.integer(p.a) && scan.integer(p.b) && scan.integer(p.c) && scan.integer(p.d) &&
        scan.integer(c.alertFlags) && scan.integer(c.hijriAdjust);
    if (!complete) return kConfigCorrupt;
    unpackOptions(p, c);
    if (!settingsAreValid(c)) return kConfigCorrupt;
    readOptionalWords(scan, c);
    homeName = nameFromFile(storedHome, encoding);
    c.editor = decodeText(c.editor);
    c.soundFile = decodeText(c.soundFile);
    c.preAlertSoundFile = decodeText(c.preAlertSoundFile);
    return 0;
}

std::string formatLocationLine(const Location& l, NameEncoding encoding) {
    return nameForFile(l.name, encoding) + ' ' + fixed(l.latitude, 8) + ' ' +
           fixed(l.longitude, 8) + ' ' + std::to_string(l.height) + ' ' + fixed(l.timeZone, 4) +
           ' ' + std::to_string(l.dstStart) + ' ' + std::to_string(l.dstEnd) +
           (l.zone.empty() ? "" : ' ' + l.zone);
}

int parseLocationLine(std::string_view line, Location& location, NameEncoding encoding) {
    FieldScanner scan(line);
    Location read;
    std::string_view name, latitude, longitude;
    const bool complete = scan.word(name) && scan.word(latitude) && scan.word(longitude) &&
                          scan.integer(read.height) && scan.real(read.timeZone) &&
                          scan.integer(read.dstStart) && scan.integer(read.dstEnd);
    if (!complete || !limits::kHeightMetres.holds(read.height) ||
        !limits::kZoneHours.holds(read.timeZone) || !isRuleCode(read.dstStart) ||
        !isRuleCode(read.dstEnd) || !readCoordinate(latitude, kMaxLatitude, read.latitude) ||
        !readCoordinate(longitude, kMaxLongitude, read.longitude)) {
        return kConfigCorrupt;
    }
    std::string_view zone;
    if (scan.word(zone) && zone.size() <= Location::kZoneLength) read.zone = zone;
    read.name = nameFromFile(name, encoding);
    location = std::move(read);
    return 0;
}

}  // namespace kelmo
