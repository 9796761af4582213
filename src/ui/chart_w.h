// The chart window: the prayer times of the chosen year (or month, by the period of the Date
// dialog) at the current location drawn as a chart, with Save as PNG and Save as SVG.
#pragma once

#include <QDialog>

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "calendar/zone.h"
#include "files/output/prayer_chart.h"
#include "ui/chart/chart_file.h"
#include "ui/services.h"

namespace kelmo::ui {

namespace chartwin {
inline constexpr int kSavePng = 1, kSaveSvg = 2, kClose = 3;
}  // namespace chartwin

class ChartW : public QDialog {
    Q_OBJECT
  public:
    ChartW(const CalendarDate& date, const Location& location, const Zone& zone,
           const Config& config, const Services& services, QWidget* parent = nullptr);

    const PrayerChart& chart() const { return chart_; }
    // Asks for a file name and writes the picture in format; a failure is shown as the
    // message of error 500 (cannot open) or 501 (cannot write). True when written.
    bool save(ChartFormat format);

  private:
    PrayerChart chart_;
    const Services& services_;
};

}  // namespace kelmo::ui
