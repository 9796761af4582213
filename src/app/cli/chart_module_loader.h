// kelmo-cli's way to the chart picture: the chart module (app/chart_module/chart_module.h)
// is loaded when the chart command runs, so that no other command loads Qt.
#pragma once

#include <string>

#include "app/cli/cli_options.h"
#include "files/output/chart_format.h"
#include "files/output/prayer_chart.h"

namespace kelmo::cli {

// Puts the bytes of the chart's picture file into bytes. A module that is missing or cannot
// be loaded, or a picture that cannot be made, is a failure (1) naming the module's file.
CliError chartPictureBytes(const PrayerChart& chart, ChartFormat format, std::string& bytes);

}  // namespace kelmo::cli
