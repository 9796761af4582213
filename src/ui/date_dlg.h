// The Date dialog: the period the computations cover (a day, a month or a year), the
// calendar the date is given in (Julian/Gregorian or Hijri) and the date. Convert shows the
// typed date with its other calendar and keeps it in the dialog; Set stores the date and the
// period and date type bits of alertFlags and closes. Cancel (also Enter in a field) stores
// nothing, not even a converted date.
#pragma once

#include <QDialog>
#include <optional>

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "platform/message_box.h"

class QButtonGroup;
class QComboBox;

namespace kelmo::ui {

namespace date {
inline constexpr int kYear = 1001, kMonth = 1002, kDay = 1003;
inline constexpr int kMonthPeriod = 1005, kDayPeriod = 1006, kYearPeriod = 1007;
inline constexpr int kCivilType = 1011, kHijriType = 1012;
inline constexpr int kSet = 1, kCancel = 2, kConvert = 3;
inline constexpr int kDay0 = 0, kMonth1 = 1, kYear2 = 2;  // periods
// The colour of the painted line (red 31, green 10, blue 118).
inline constexpr int kLineRed = 31, kLineGreen = 10, kLineBlue = 118;
}  // namespace date

class DateDlg : public QDialog {
    Q_OBJECT
  public:
    DateDlg(CalendarDate& chosen, Config& config, const Location& location,
            platform::MessageBox& messages, QWidget* parent = nullptr);

    // The line painted between the groups and the buttons: the converted date, or the chosen
    // date until one is converted.
    QString chosenDateLine() const;

  public Q_SLOTS:
    void accept() override;  // Set

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void buildTemplate();
    void showFields();
    bool checkFields();
    void fillMonths();
    void enableByPeriod(int period);
    void loadFieldsFromChosen();
    void dateTypeClicked();
    void convert();
    // Builds the date of the fields, checks and converts it; false after error 400 or 401.
    bool convertedDate(bool forSet, CalendarDate& result);
    const CalendarDate& shownDate() const { return converted_ ? *converted_ : chosen_; }

    CalendarDate& chosen_;
    Config& config_;
    const Location& location_;
    platform::MessageBox& messages_;
    std::optional<CalendarDate> converted_;  // the last converted date, stored only by Set
    QButtonGroup* periods_ = nullptr;
    QButtonGroup* dateTypes_ = nullptr;
    // The members bound to the controls.
    int year_ = 0, day_ = 1, month_ = 0, dateType_ = 0, period_ = 0;
};

}  // namespace kelmo::ui
