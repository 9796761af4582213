#include "ui/date_dlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <cmath>

#include "calendar/julian_day.h"
#include "calendar/names.h"
#include "files/error_messages.h"
#include "hijri/hijri_date.h"
#include "ui/data_exchange.h"
#include "ui/dialog_template.h"
#include "ui/error_box.h"
#include "ui/template_layout.h"
#include "ui/text_edge.h"
#include "ui/window_words.h"

namespace kelmo::ui {

namespace {

constexpr int kErrorInvalidDate = 400;  // "Invalid date is chosen!"
constexpr int kErrorConvert = 401;      // "Could not convert chosen date!"
constexpr int kYearMin = -2000, kYearMax = 6000;
constexpr int kHijriDefaultYear = 1420;
constexpr int kLineLeftPermille = 100;  // the painted line: 10% from the left
constexpr int kLineTopPermille = 650;   // and 65% from the top
constexpr int kLinePointSize = 10;

int wholeDay(double day) {
    return static_cast<int>(day);
}

QLineEdit* lineEdit(const QWidget* dialog, int id) {
    return control<QLineEdit>(dialog, id);
}

}  // namespace

DateDlg::DateDlg(CalendarDate& chosen, Config& config, const Location& location,
                 platform::MessageBox& messages, QWidget* parent)
    : QDialog(parent), chosen_(chosen), config_(config), location_(location), messages_(messages) {
    period_ = (config.alertFlags >> alert::kPeriodShift) & 3;
    dateType_ = (config.alertFlags & alert::kHijriDate) ? 1 : 0;
    if (dateType_ == 0) {
        day_ = wholeDay(chosen.day);
        month_ = chosen.month - 1;
        year_ = chosen.year;
    } else if (chosen.hijriValid == 1) {
        day_ = wholeDay(chosen.hijriDay);
        month_ = chosen.hijriMonth - 1;
        year_ = chosen.hijriYear;
    } else {
        day_ = 1;
        month_ = 0;
        year_ = kHijriDefaultYear;
    }
    buildTemplate();
    showFields();
    enableByPeriod(period_);
    fillMonths();
}

void DateDlg::buildTemplate() {
    using namespace date;
    DialogTemplate t(this, QStringLiteral(" ") + tr("Date"), 331, 159);
    t.group(tr("Type of calculation"), 7, 5, 317, 30);
    QRadioButton* dayPeriod = t.radio(kDayPeriod, tr("Compute for a day"), 22, 18, 90, 10);
    QRadioButton* monthPeriod = t.radio(kMonthPeriod, tr("Compute for a month"), 126, 18, 95, 10);
    QRadioButton* yearPeriod = t.radio(kYearPeriod, tr("Compute for a year"), 230, 18, 90, 10);
    t.group(tr("Type of date"), 7, 40, 110, 54);
    QRadioButton* civil = t.radio(kCivilType, tr("Julian-Gregorian"), 20, 55, 90, 10);
    QRadioButton* hijri = t.radio(kHijriType, tr("Hijri"), 20, 74, 90, 10);
    t.group(tr("Date"), 124, 40, 200, 54);
    t.label(tr("Day"), 132, 61, 18, 10);
    t.edit(kDay, 151, 59, 24, 13);
    t.label(tr("Month"), 181, 61, 24, 10);
    t.dropDown(kMonth, 206, 59, 62, 13);
    t.label(tr("Year"), 273, 61, 17, 10);
    t.edit(kYear, 291, 59, 27, 13);
    // Cancel is the default button: Enter in a field cancels.
    QPushButton* cancel = t.button(kCancel, tr("Cancel"), 55, 134, 60, 16);
    QPushButton* set = t.button(kSet, tr("Set"), 135, 134, 60, 16);
    QPushButton* convertButton = t.button(kConvert, tr("Convert"), 215, 134, 60, 16);
    cancel->setDefault(true);

    periods_ = new QButtonGroup(this);
    periods_->addButton(dayPeriod, 0);
    periods_->addButton(monthPeriod, 1);
    periods_->addButton(yearPeriod, 2);
    dateTypes_ = new QButtonGroup(this);
    dateTypes_->addButton(civil, 0);
    dateTypes_->addButton(hijri, 1);

    const QString periodTip =
        tr("Check one of the radio buttons to indicate if you want to calculate for a day, a "
           "month or a year");
    for (QRadioButton* radio : {dayPeriod, monthPeriod, yearPeriod}) setTip(radio, periodTip);
    const QString typeTip =
        tr("Check one of the radio buttons to select the type of date (Julian/Gregorian or "
           "Islamic)");
    for (QRadioButton* radio : {civil, hijri}) setTip(radio, typeTip);
    setTip(controlById(this, kDay), tr("Set the required day"));
    setTip(controlById(this, kMonth), tr("Select the required month"));
    setTip(controlById(this, kYear),
           tr("Select required year (For Islamic year the range is from 1 to 6000 and for "
              "Julian/Gregorian from -2000 to 6000)"));
    setTip(cancel, tr("Press to cancel the changes"));
    setTip(set, tr("Press to confirm the changes"));
    setTip(convertButton, tr("Press to convert chosen date"));

    // The period radios only enable the fields; the members are read by the next check.
    connect(periods_, &QButtonGroup::idClicked, this, &DateDlg::enableByPeriod);
    connect(dateTypes_, &QButtonGroup::idClicked, this, [this] { dateTypeClicked(); });
    connect(convertButton, &QPushButton::clicked, this, &DateDlg::convert);
    connect(set, &QPushButton::clicked, this, &DateDlg::accept);
    connect(cancel, &QPushButton::clicked, this, [this] { done(0); });
    arrangeTemplate(this);
}

void DateDlg::showFields() {
    lineEdit(this, date::kYear)->setText(QString::number(year_));
    lineEdit(this, date::kDay)->setText(QString::number(day_));
    control<QComboBox>(this, date::kMonth)->setCurrentIndex(month_);
    dateTypes_->button(dateType_)->setChecked(true);
    periods_->button(period_)->setChecked(true);
}

bool DateDlg::checkFields() {
    DataExchange dx(messages_);
    if (!dx.integer(lineEdit(this, date::kYear), kYearMin, kYearMax, year_) ||
        !dx.integer(lineEdit(this, date::kDay), 1, 31, day_))
        return false;
    month_ = control<QComboBox>(this, date::kMonth)->currentIndex();
    dateType_ = dateTypes_->checkedId();
    period_ = periods_->checkedId();
    return true;
}

void DateDlg::fillMonths() {
    auto* months = control<QComboBox>(this, date::kMonth);
    months->clear();
    for (int month = 1; month <= kMonthsPerYear; ++month)
        months->addItem(dateType_ == 1 ? hijriMonthName(month) : monthName(month));
    months->setCurrentIndex(month_);
}

void DateDlg::enableByPeriod(int period) {
    const bool day = period == date::kDay0;
    controlById(this, date::kDay)->setEnabled(day);
    controlById(this, date::kConvert)->setEnabled(day);
    controlById(this, date::kMonth)->setEnabled(period != date::kYear2);
}

void DateDlg::loadFieldsFromChosen() {
    const CalendarDate& shown = shownDate();
    if (dateType_ == 0) {
        year_ = shown.year;
        month_ = shown.month - 1;
        day_ = wholeDay(shown.day);
    } else {
        year_ = shown.hijriYear;
        month_ = shown.hijriMonth - 1;
        day_ = wholeDay(shown.hijriDay);
    }
}

void DateDlg::dateTypeClicked() {
    if (!checkFields()) return;
    loadFieldsFromChosen();
    fillMonths();
    showFields();
    update();
}

bool DateDlg::convertedDate(bool forSet, CalendarDate& result) {
    const bool hijri = dateType_ == 1;
    const bool dayPeriod = !forSet || period_ == date::kDay0;
    result = CalendarDate{};
    result.year = year_;
    result.hijriYear = year_;
    result.month = forSet && period_ == date::kYear2 ? 1 : month_ + 1;
    result.hijriMonth = month_ + 1;
    result.day = dayPeriod ? day_ : 1;
    result.hijriDay = dayPeriod ? day_ : 1;
    result.hijriValid = 1;
    if (!isValidDate(result, hijri)) {
        showError(messages_, kErrorInvalidDate);
        return false;
    }
    const int converted = hijri ? dateFromHijri(result, location_, config_)
                                : hijriFromDate(result, location_, config_);
    if (converted != 1) {
        const int error = converted == kHijriDayBeyondMonth    ? kErrorInvalidDate
                          : converted == kHijriOutsideCalendar ? kErrorOutsideCalendar
                                                               : kErrorConvert;
        showError(messages_, error);
        return false;
    }
    return true;
}

// Copies both calendars of a converted date into the chosen date.
static void storeDate(const CalendarDate& from, CalendarDate& to) {
    to.day = from.day;
    to.month = from.month;
    to.year = from.year;
    to.hijriDay = from.hijriDay;
    to.hijriMonth = from.hijriMonth;
    to.hijriYear = from.hijriYear;
    to.hijriValid = from.hijriValid;
}

void DateDlg::convert() {
    CalendarDate result;
    if (!checkFields() || !convertedDate(false, result)) return;
    converted_ = result;
    update();
}

void DateDlg::accept() {
    CalendarDate result;
    if (!checkFields() || !convertedDate(true, result)) return;
    storeDate(result, chosen_);
    // Bits 8 to 11 and above 15 cleared, then the period and the date type. The Qibla
    // window's method (bits 13 and 14) is kept for either date type.
    int flags = config_.alertFlags & ~0xF00 & 0xFFFF;
    if (period_ == date::kMonth1) flags |= 1 << alert::kPeriodShift;
    if (period_ == date::kYear2) flags |= 2 << alert::kPeriodShift;
    if (dateType_ == 1)
        flags |= alert::kHijriDate;
    else
        flags &= alert::kQiblaMethodMask | 0xFFF;
    config_.alertFlags = flags;
    done(0);
}

QString DateDlg::chosenDateLine() const {
    if (period_ != date::kDay0) return QString(32, ' ');
    const CalendarDate& chosen = shownDate();
    const double jd = julianDay(chosen);
    const QString weekday = weekdayName(kelmo::weekday(jd));
    if (dateType_ == 1)
        return tr("The chosen date corresponds to %1, %2/%3/%4 AD")
            .arg(weekday)
            .arg(shownNumber(wholeDay(chosen.day)))
            .arg(monthName(chosen.month))
            .arg(shownNumber(chosen.year));
    if (chosen.hijriValid == 1)
        return tr("The chosen date corresponds to %1, %2/%3/%4 AH")
            .arg(weekday)
            .arg(shownNumber(wholeDay(chosen.hijriDay)))
            .arg(hijriMonthName(chosen.hijriMonth))
            .arg(shownNumber(chosen.hijriYear));
    if (jd < kHijriEpoch) return tr("The chosen date is pre Hijri date                   ");
    if (config_.hijriCalendar == HijriCalendar::ummAlQura) {
        return tr("The chosen date lies outside the Umm al-Qura calendar (1300 to 1600 AH)");
    }
    return tr("Could not calculate valid Hijri date                ");
}

void DateDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    QFont font = this->font();
    font.setPointSize(kLinePointSize);
    painter.setFont(font);
    painter.setPen(QColor(date::kLineRed, date::kLineGreen, date::kLineBlue));
    const QPoint topLeft(width() * kLineLeftPermille / 1000, height() * kLineTopPermille / 1000);
    const QRect line =
        QStyle::visualRect(layoutDirection(), rect(), QRect(topLeft, QPoint(width(), height())));
    const Qt::Alignment side =
        layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    painter.drawText(line, side | Qt::AlignAbsolute | Qt::AlignTop, chosenDateLine());
}

}  // namespace kelmo::ui
