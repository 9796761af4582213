// The Configuration dialog's row of the calculation method and the Hijri calendar, above the
// angles. Choosing a method fills the figures it fixes (the Fajr, Isha and Imsak angles, the
// school) and shows them grey, with its other figures (intervals, Maghrib angle, minute
// adjustments) written below the list; editing any of those figures switches the list to
// "Custom" and shows them black again.
#pragma once

#include <QCoreApplication>

#include "base/config.h"

class QComboBox;
class QDialog;
class QLabel;

namespace kelmo::ui {

class DialogTemplate;

namespace cfg {
inline constexpr int kMethod = 1047, kCalendar = 1048, kMethodFigures = 1049;
inline constexpr int kMethodRowHeight = 44;  // dialog units added above the angles
}  // namespace cfg

class MethodBox {
    Q_DECLARE_TR_FUNCTIONS(kelmo::ui::MethodBox)

  public:
    // Moves the controls already in dialog down by the row's height and adds the row; the
    // lists show config's method and calendar.
    MethodBox(QDialog* dialog, DialogTemplate& t, const Config& config);

    // Greys the fixed figures when a method is chosen: call after the fields are shown.
    void showChosen();

    int method() const;
    HijriCalendar calendar() const;

  private:
    void choose(int method);
    void switchToCustom();
    void setFiguresGrey(bool grey);

    QDialog* dialog_;
    QComboBox* methods_;
    QComboBox* calendars_;
    QLabel* figures_;
};

}  // namespace kelmo::ui
