// A prayer-times chart written as a PNG image or an SVG drawing.
#pragma once

#include <QByteArray>

#include "calendar/words.h"
#include "files/output/chart_format.h"
#include "files/output/prayer_chart.h"

namespace kelmo::ui {

// The bytes of the chart's file at kChartFileSize. Needs a QGuiApplication (for the fonts).
// Names as paintPrayerChart's.
QByteArray chartFileBytes(const PrayerChart& chart, ChartFormat format,
                          const Words& words = wordsOf(std::nullopt));

}  // namespace kelmo::ui
