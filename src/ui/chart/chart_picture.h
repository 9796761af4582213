// The picture of a prayer-times chart (files/prayer_chart.h), drawn with QPainter on any paint
// device: the chart window, a PNG image or an SVG file. One drawing for all of them.
#pragma once

#include <QRectF>
#include <QSize>

#include "calendar/words.h"
#include "files/output/prayer_chart.h"

class QPainter;

namespace kelmo::ui {

// The size of the picture in a file, in pixels (about A4 landscape at 150 dpi).
inline constexpr QSize kChartFileSize(1680, 1160);

// Draws the whole chart into area: the title, the Hijri month starts along the top, the
// hour and month axes, one line per prayer (the rule's days dashed, markers as gaps), the
// summer-time days shaded, today, and the legend. Prayer and month names are words' (the
// windows' language; English for kelmo-cli).
void paintPrayerChart(QPainter& painter, const QRectF& area, const PrayerChart& chart,
                      const Words& words = wordsOf(std::nullopt));

}  // namespace kelmo::ui
