// libFuzzer target: any bytes as the contents of Kelmo.cfg, through every reader and the two
// rewrites. Besides crashes and sanitizer reports it checks that whatever was read is written
// back in a form that reads again.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "files/settings/config_file.h"
#include "files/settings/config_line.h"
#include "files/settings/config_lines.h"
#include "files/settings/location_database.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void checkLocations(std::string_view text, const kelmo::Location& home) {
    std::vector<kelmo::Location> list;
    if (kelmo::locationsFromText(text, list) != 0) return;
    std::string written;
    if (kelmo::configTextWithLocations(text, home.name, list, written) != 0) return;
    std::vector<kelmo::Location> back;
    require(kelmo::locationsFromText(written, back) == 0);
    require(back.size() == list.size());
    for (std::size_t i = 0; i < list.size(); ++i) require(back[i].name == list[i].name);
}

void checkSettings(std::string_view text, const kelmo::Config& config, bool configRead) {
    std::string written;
    if (kelmo::configTextWithSettings(text, config, written) != 0) return;
    if (!configRead) return;
    std::string home;
    kelmo::Config back;
    kelmo::ConfigLines lines(written);
    std::string_view firstLine;
    require(lines.first(firstLine));
    require(kelmo::parseConfigLine(firstLine, home, back, lines.encoding()) == 0);
    require(back.editor == config.editor && back.fiqh == config.fiqh &&
            back.correctionSeconds == config.correctionSeconds);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    kelmo::Location home;
    kelmo::Config config;
    const int code = kelmo::configFromText(text, home, config);
    kelmo::Location place;
    place.name = "Manama,Bahrain";
    kelmo::findLocationInText(text, place);
    checkLocations(text, home);
    checkSettings(text, config, code == 0 || code == 103);
    return 0;
}
