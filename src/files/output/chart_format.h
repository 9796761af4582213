// The file formats of a prayer-times chart picture and the format a file name asks for.
#pragma once

#include <optional>
#include <string_view>

namespace kelmo {

enum class ChartFormat { png, svg };

// The format by the extension of fileName (".png", ".svg", any letter case); none otherwise.
std::optional<ChartFormat> chartFormatFor(std::string_view fileName);

}  // namespace kelmo
