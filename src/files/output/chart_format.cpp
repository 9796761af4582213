#include "files/output/chart_format.h"

#include <algorithm>
#include <cctype>

namespace kelmo {

namespace {

bool endsWithIgnoringCase(std::string_view text, std::string_view ending) {
    if (text.size() < ending.size()) return false;
    return std::equal(ending.begin(), ending.end(), text.end() - ending.size(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

std::optional<ChartFormat> chartFormatFor(std::string_view fileName) {
    if (endsWithIgnoringCase(fileName, ".png")) return ChartFormat::png;
    if (endsWithIgnoringCase(fileName, ".svg")) return ChartFormat::svg;
    return std::nullopt;
}

}  // namespace kelmo
