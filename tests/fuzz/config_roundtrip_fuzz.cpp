// libFuzzer target: Kelmo.cfg loaded, saved and loaded again must give the same records (to
// the decimals the file keeps), and a second save the same text; lines beyond the places a
// list holds stay as they were. An input whose first byte is odd is grown first: its location
// lines are repeated up to about 2100 times, so that small inputs reach the 2000-place limit.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "files/settings/config_file.h"
#include "files/settings/config_line.h"
#include "files/settings/field_scanner.h"
#include "files/settings/location_database.h"

namespace {

using namespace kelmo;

constexpr std::size_t kMaxGrownBytes = 120000;
constexpr int kMaxRepeats = 2100;
constexpr double kCoordinateRounding = 0.5e-8;  // written with 8 decimals
constexpr double kZoneRounding = 0.5e-4;        // 4 decimals
constexpr double kAngleRounding = 0.5e-4;
constexpr double kMoonLimitRounding = 0.5e-2;

void require(bool condition) {
    if (!condition) std::abort();
}

// Equal but for the decimals written and the rounding of a float read back.
bool near(double a, double b, double rounding) {
    return std::fabs(a - b) <= rounding + std::fabs(a) * 1e-6;
}

// The first line, then the rest repeated as the second and third bytes say.
std::string grown(std::string_view input) {
    if (input.size() < 3) return std::string(input);
    const auto byte = [&input](std::size_t i) { return static_cast<unsigned char>(input[i]); };
    const int repeats = 1 + (byte(1) | byte(2) << 8) % kMaxRepeats;
    input.remove_prefix(3);
    const std::size_t newline = input.find('\n');
    if (newline == std::string_view::npos) return std::string(input);
    const std::string_view body = input.substr(newline + 1);
    std::string text(input.substr(0, newline + 1));
    for (int i = 0; i < repeats && text.size() + body.size() <= kMaxGrownBytes; ++i) text += body;
    return text;
}

void requireSamePlaces(const std::vector<Location>& a, const std::vector<Location>& b) {
    require(a.size() == b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        require(a[i].name == b[i].name && a[i].height == b[i].height &&
                a[i].dstStart == b[i].dstStart && a[i].dstEnd == b[i].dstEnd);
        require(near(a[i].latitude, b[i].latitude, kCoordinateRounding) &&
                near(a[i].longitude, b[i].longitude, kCoordinateRounding) &&
                near(a[i].timeZone, b[i].timeZone, kZoneRounding));
    }
}

// The text after its first lineCount lines.
std::string_view after(std::string_view text, std::size_t lineCount) {
    LineReader lines(text);
    std::string_view line;
    for (std::size_t i = 0; i < lineCount && lines.next(line);) ++i;
    return lines.rest();
}

void checkLocations(std::string_view text, const std::string& home) {
    std::vector<Location> first;
    if (locationsFromText(text, first) != 0) return;
    std::string saved;
    if (configTextWithLocations(text, home, first, saved) != 0) return;  // no first word
    std::vector<Location> second;
    require(locationsFromText(saved, second) == 0);
    requireSamePlaces(first, second);
    require(after(saved, 1 + kMaxLocations) == after(text, 1 + kMaxLocations));
    std::string savedAgain;
    require(configTextWithLocations(saved, home, second, savedAgain) == 0);
    require(savedAgain == saved);
}

void checkSettings(std::string_view text, const Config& first) {
    std::string saved;
    if (configTextWithSettings(text, first, saved) != 0) return;
    Location home;
    Config second;
    const int code = configFromText(saved, home, second);
    require(code == 0 || code == 103);
    require(second.fiqh == first.fiqh && second.areaRadius == first.areaRadius &&
            second.precision == first.precision && second.maghribDelay == first.maghribDelay &&
            second.refraction == first.refraction &&
            second.correctionSeconds == first.correctionSeconds &&
            second.maxAcceptableError == first.maxAcceptableError &&
            second.highLatitudeRule == first.highLatitudeRule &&
            second.alertFlags == first.alertFlags && second.hijriAdjust == first.hijriAdjust &&
            second.nMinutes == first.nMinutes && second.preAlertMinutes == first.preAlertMinutes &&
            second.editor == first.editor && second.soundFile == first.soundFile &&
            second.preAlertSoundFile == first.preAlertSoundFile);
    require(near(second.imsakAngle, first.imsakAngle, kAngleRounding) &&
            near(second.fajrAngle, first.fajrAngle, kAngleRounding) &&
            near(second.ishaAngle, first.ishaAngle, kAngleRounding) &&
            near(second.moonVisibilityLimit, first.moonVisibilityLimit, kMoonLimitRounding));
    require(after(saved, 1) == after(text, 1));  // every location line byte for byte
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string text = !input.empty() && (input[0] & 1) ? grown(input) : std::string(input);
    Location home;
    Config config;
    const int code = configFromText(text, home, config);
    if (code == 0 || code == 103) checkSettings(text, config);
    checkLocations(text, "Manama,Bahrain");
    return 0;
}
