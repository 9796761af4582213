// A prayer-times chart written as a PNG image or an SVG drawing.
#pragma once

#include <QByteArray>

#include "files/output/chart_format.h"
#include "files/output/prayer_chart.h"

namespace kelmo::ui {

// The bytes of the chart's file at kChartFileSize. Needs a QGuiApplication (for the fonts).
QByteArray chartFileBytes(const PrayerChart& chart, ChartFormat format);

}  // namespace kelmo::ui
