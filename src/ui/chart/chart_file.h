// A prayer-times chart written as a PNG image or an SVG drawing.
#pragma once

#include <QByteArray>
#include <optional>
#include <string>

#include "files/prayer_chart.h"

namespace kelmo::ui {

enum class ChartFormat { png, svg };

// The format a file name asks for by its extension (".png", ".svg", any letter case).
std::optional<ChartFormat> chartFormatFor(const std::string& fileName);

// The bytes of the chart's file at kChartFileSize. Needs a QGuiApplication (for the fonts).
QByteArray chartFileBytes(const PrayerChart& chart, ChartFormat format);

}  // namespace kelmo::ui
