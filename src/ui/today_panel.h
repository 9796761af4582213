// Today in the main window: the place, the civil and Hijri date, the day's times with the
// next prayer marked, and a count-down to it redrawn every second. The schedule is made
// afresh when the place's day ends, when the next prayer begins, when the clock is set back
// and when the owner says the settings changed (refresh).
#pragma once

#include <QGroupBox>
#include <QTimer>
#include <array>
#include <optional>

#include "base/config.h"
#include "base/location.h"
#include "calendar/zone.h"
#include "files/reports/today_schedule.h"
#include "platform/clock.h"

class QLabel;

namespace kelmo::ui {

namespace today {
inline constexpr const char* kPlace = "todayPlace";
inline constexpr const char* kCivilDate = "todayDate";
inline constexpr const char* kHijriDate = "todayHijri";
inline constexpr const char* kCountDown = "todayCountDown";
// The name and time labels of a slot are "todayName<slot>" and "todayTime<slot>".
inline constexpr const char* kNamePrefix = "todayName";
inline constexpr const char* kTimePrefix = "todayTime";
}  // namespace today

class TodayPanel : public QGroupBox {
    Q_OBJECT
  public:
    TodayPanel(const Location& place, const Config& config, const platform::Clock& clock,
               QWidget* parent = nullptr);

    // Makes the schedule afresh from the place and settings as they are now; a place whose
    // zone cannot be read shows why instead.
    void refresh();
    // The second's step: the count-down, or a fresh schedule when the old one is stale.
    void tick();
    const TodaySchedule& schedule() const { return schedule_; }

  private:
    void buildLayout();
    void showSchedule();
    void showCountDown(double secondsLeft);
    void showZoneError(const std::string& text);

    const Location& place_;
    const Config& config_;
    const platform::Clock& clock_;
    std::optional<Zone> zone_;  // the place's clock
    TodaySchedule schedule_;
    QTimer timer_;
    QLabel* placeLabel_ = nullptr;
    QLabel* civilLabel_ = nullptr;
    QLabel* hijriLabel_ = nullptr;
    QLabel* countDownLabel_ = nullptr;
    std::array<QLabel*, kPrayerSlotCount> names_{};
    std::array<QLabel*, kPrayerSlotCount> times_{};
};

}  // namespace kelmo::ui
