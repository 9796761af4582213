#include "ui/loc_dlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "base/angles.h"
#include "calendar/angle_format.h"
#include "calendar/julian_day.h"
#include "calendar/names.h"
#include "calendar/summer_time.h"
#include "calendar/time_zone_database.h"
#include "calendar/zone_rules.h"
#include "files/settings/location_database.h"
#include "files/settings/location_edits.h"
#include "platform/kelmo_messages.h"
#include "ui/data_exchange.h"
#include "ui/dialog_template.h"
#include "ui/error_box.h"
#include "ui/template_layout.h"
#include "ui/text_edge.h"
#include "ui/window_words.h"

namespace kelmo::ui {

namespace {

constexpr int kErrorNoName = 200;     // "You have to type a location name!"
constexpr int kErrorLatitude = 201;   // "Wrong latitude value!"
constexpr int kErrorLongitude = 202;  // "Wrong longitude value!"
constexpr int kErrorTimeZone = 203;   // "Incorrect time zone value!"
constexpr int kErrorDstStart = 204;   // "Incorrect DST start date!"
constexpr int kErrorDstEnd = 205;     // "Incorrect DST end date!"
constexpr int kDstCheckYear = 1997;   // the year a fixed summer-time date is checked in
constexpr int kDaysOfMonth = 31;      // day list entries that are days of the month
constexpr int kLastSundayIndex = 65;  // "Last Sunday"
constexpr int kMarchIndex = 2, kOctoberIndex = 9;
constexpr int kHeightMin = -999, kHeightMax = 9999;
constexpr int kMaxZoneHours = 24, kMaxLatitude = 90, kMaxLongitude = 180, kMaxSixty = 59;
constexpr double kZoneSecondsRoundUp = 10.0;  // seconds of a zone that count as a minute

constexpr const char* kLocContext = "kelmo::ui::LocDlg";
const char* const kWeekRules[] = {
    QT_TRANSLATE_NOOP("kelmo::ui::LocDlg", "First"), QT_TRANSLATE_NOOP("kelmo::ui::LocDlg", "2nd"),
    QT_TRANSLATE_NOOP("kelmo::ui::LocDlg", "3rd"), QT_TRANSLATE_NOOP("kelmo::ui::LocDlg", "4th"),
    QT_TRANSLATE_NOOP("kelmo::ui::LocDlg", "Last")};

QLineEdit* lineEdit(const QWidget* dialog, int id) {
    return control<QLineEdit>(dialog, id);
}
// Checks the radio button id of group (none when there is no such button).
void check(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) button->setChecked(true);
}

QComboBox* dropDown(const QWidget* dialog, int id) {
    return control<QComboBox>(dialog, id);
}

bool sameName(const std::string& a, const std::string& b) {
    return QString::compare(toWidget(a), toWidget(b), Qt::CaseInsensitive) == 0;
}

// Degrees, minutes and seconds of an angle given in radians, without its sign.
SplitAngle splitMagnitude(double radians) {
    return splitAngle(std::fabs(radians) * kRadToDeg, false);
}

double degreesOf(int degrees, int minutes, int seconds) {
    return degrees + minutes / 60.0 + seconds / 3600.0;
}

// A fixed summer-time day (day code 1 .. 31) must be a date of the check year; weekday rules
// are not checked.
bool dstDateIsValid(int dayCode, int month) {
    if (dayCode > kDaysOfMonth) return true;
    if (month < 1 || month > kMonthsPerYear) return false;
    CalendarDate date;
    date.year = kDstCheckYear;
    date.month = month;
    date.day = dayCode;
    return isValidDate(date, false);
}

int dstCode(int monthIndex, int dayIndex) {
    return ruleCode(monthIndex + 1, dayIndex + 1);
}

}  // namespace

QString dstDayText(int index) {
    if (index < kDaysOfMonth) return shownNumber(index + 1);
    const int rule = index - kDaysOfMonth;
    const int weeks = static_cast<int>(std::size(kWeekRules));
    return QCoreApplication::translate("kelmo::ui::LocDlg", "%1 %2",
                                       "a week of the month and a weekday")
        .arg(QCoreApplication::translate(kLocContext, kWeekRules[rule % weeks]),
             weekdayName(rule / weeks + 1));
}

LocDlg::LocDlg(Location& home, Location& current, const Services& services, QWidget* parent)
    : QDialog(parent), home_(home), current_(current), services_(services) {
    showLocation(current_);
    buildTemplate();
    showFields();

    if (const int error = loadLocations(list_); error != 0) {
        showError(services_.messages, error);
        ended_ = true;  // the rest of the initialisation still runs
        setResult(0);
    }
    enableDstLists(fields_.dstAvailable == 1);
    settingSelection_ = true;
    for (const Location& place : list_) listBox_->addItem(toWidget(place.name));
    settingSelection_ = false;
    registerTips();
}

int LocDlg::exec() {
    if (ended_) return 0;
    return QDialog::exec();
}

void LocDlg::buildTemplate() {
    using namespace loc;
    DialogTemplate t(this, QStringLiteral(" ") + tr("Location"), 351, 202);
    listBox_ = new QListWidget(this);
    listBox_->setObjectName(QString::number(kList));
    listBox_->setGeometry(t.units().rect(7, 7, 122, 82));

    const QString degree = QString::fromUtf8("\u00B0");
    t.group(tr("New Name"), 134, 3, 210, 27);
    t.edit(kName, 141, 13, 196, 12)->setMaxLength(kNameLength);
    struct Angle {
        const char* caption;
        int y, degrees, minutes, seconds, positive, negative;
        const char *positiveCaption, *negativeCaption;
    };
    const Angle angles[] = {{QT_TR_NOOP("Latitude"), 32, kLatDegrees, kLatMinutes, kLatSeconds,
                             kNorth, kSouth, QT_TR_NOOP("N"), QT_TR_NOOP("S")},
                            {QT_TR_NOOP("Longitude"), 61, kLonDegrees, kLonMinutes, kLonSeconds,
                             kEast, kWest, QT_TR_NOOP("E"), QT_TR_NOOP("W")}};
    for (const Angle& a : angles) {
        t.group(tr(a.caption), 134, a.y, 210, 27);
        const int row = a.y + 10;
        t.edit(a.degrees, 141, row, 24, 12);
        t.label(degree, 167, row, 6, 10);
        t.edit(a.minutes, 175, row, 20, 12);
        t.label("'", 197, row, 6, 10);
        t.edit(a.seconds, 205, row, 20, 12);
        t.label("\"", 227, row, 6, 10);
        t.radio(a.positive, tr(a.positiveCaption), 250, row + 1, 28, 10);
        t.radio(a.negative, tr(a.negativeCaption), 290, row + 1, 28, 10);
    }

    t.group(tr("Time Zone"), 7, 92, 167, 28);
    t.label(tr("GMT"), 13, 104, 18, 10);
    t.radio(kPlus, "+", 32, 104, 20, 10);
    t.radio(kMinus, "-", 54, 104, 20, 10);
    t.label(tr("Hour"), 78, 104, 18, 10);
    t.edit(kZoneHours, 97, 103, 20, 12);
    t.label(tr("Minute"), 121, 104, 25, 10);
    t.edit(kZoneMinutes, 148, 103, 22, 12);
    t.group(tr("Height"), 177, 92, 64, 28);
    t.edit(kHeight, 185, 103, 48, 12);
    t.group(tr("DST Available"), 245, 92, 99, 28);
    t.radio(kNoDst, tr("No"), 254, 104, 34, 10);
    t.radio(kYesDst, tr("Yes"), 295, 104, 34, 10);

    struct DstDate {
        const char* caption;
        int x, width, day, month;
    };
    const DstDate dates[] = {{QT_TR_NOOP("DST Start date"), 7, 167, kStartDay, kStartMonth},
                             {QT_TR_NOOP("DST End date"), 177, 167, kEndDay, kEndMonth}};
    for (const DstDate& d : dates) {
        t.group(tr(d.caption), d.x, 123, d.width, 32);
        t.label(tr("Day"), d.x + 4, 137, 15, 10);
        QComboBox* days = t.dropDown(d.day, d.x + 19, 136, 70, 13);
        for (int i = 0; i < kDayEntries; ++i) days->addItem(dstDayText(i));
        t.label(tr("Month"), d.x + 92, 137, 24, 10);
        QComboBox* months = t.dropDown(d.month, d.x + 116, 136, 48, 13);
        for (int month = 1; month <= kMonthsPerYear; ++month) months->addItem(monthName(month));
        days->setEnabled(false);
        months->setEnabled(false);
    }

    t.label(tr("Time zone"), 7, 160, 34, 10);
    QComboBox* zones = t.dropDown(kZone, 42, 158, 132, 13);
    zones->addItem(tr(kNoZone));
    for (const std::string& zone : zoneNames()) zones->addItem(QString::fromStdString(zone));
    // Typing searches the names anywhere ("york" finds America/New_York).
    zones->setEditable(true);
    zones->setInsertPolicy(QComboBox::NoInsert);
    zones->completer()->setCompletionMode(QCompleter::PopupCompletion);
    zones->completer()->setFilterMode(Qt::MatchContains);
    zones->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    connect(zones, &QComboBox::activated, this, [this] { zoneChosen(); });

    struct Button {
        int id;
        const char* caption;
    };
    const Button buttons[] = {
        {kClose, QT_TR_NOOP("Close")},           {kSelectPlace, QT_TR_NOOP("SelectPlace")},
        {kSelectHome, QT_TR_NOOP("SelectHome")}, {kChange, QT_TR_NOOP("Change")},
        {kRemove, QT_TR_NOOP("Remove")},         {kAdd, QT_TR_NOOP("Add")}};
    int x = 10;
    for (const Button& b : buttons) {
        t.button(b.id, tr(b.caption), x, 174, 50, 16)->setAutoDefault(false);
        x += 57;
    }

    auto pair = [this](int first, int second) {
        auto* group = new QButtonGroup(this);
        group->addButton(control<QRadioButton>(this, first), 0);
        group->addButton(control<QRadioButton>(this, second), 1);
        return group;
    };
    zoneSigns_ = pair(kPlus, kMinus);
    dstChoice_ = pair(kNoDst, kYesDst);
    lonHemispheres_ = pair(kEast, kWest);
    latHemispheres_ = pair(kNorth, kSouth);

    auto clicked = [this](int id, auto handler) {
        connect(control<QAbstractButton>(this, id), &QAbstractButton::clicked, this, handler);
    };
    clicked(kAdd, [this] { add(); });
    clicked(kChange, [this] { change(); });
    clicked(kClose, [this] { done(0); });
    clicked(kRemove, [this] { remove(); });
    clicked(kSelectHome, [this] { selectHome(); });
    clicked(kSelectPlace, [this] { selectPlace(); });
    clicked(kYesDst, [this] { enableDstLists(true); });
    clicked(kNoDst, [this] { enableDstLists(false); });
    // A selection made by the user; the cursor the list takes with the focus selects nothing.
    connect(listBox_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!settingSelection_) selectionChanged();
    });
    arrangeTemplate(this);
}

void LocDlg::registerTips() {
    using namespace loc;
    struct Tip {
        int id;
        const char* text;
    };
    const Tip tips[] = {
        {kName, QT_TR_NOOP("Set the name of location")},
        {kLatDegrees, QT_TR_NOOP("Set the value of latitude in degrees (0-90)")},
        {kLatMinutes, QT_TR_NOOP("Set the value of latitude in minutes (0-59)")},
        {kLatSeconds,
         QT_TR_NOOP("Set the values of latitude in seconds (0-59).Set to zero if not used")},
        {kNorth,
         QT_TR_NOOP(
             "Check one of the radio buttons to set the direction of latitude (North or South)")},
        {kSouth,
         QT_TR_NOOP(
             "Check one of the radio buttons to set the direction of latitude (North or South)")},
        {kLonDegrees, QT_TR_NOOP("Set the value of longitude in degrees (0-180)")},
        {kLonMinutes, QT_TR_NOOP("Set the value of longitude in minutes (0-59)")},
        {kLonSeconds,
         QT_TR_NOOP("Set the value of longitude in seconds (0-59). Set to zero if not used")},
        {kEast,
         QT_TR_NOOP(
             "Check one of the radio buttons to set the direction of longitude (East or West)")},
        {kWest,
         QT_TR_NOOP(
             "Check one of the radio buttons to set the direction of longitude (East or West)")},
        {kPlus,
         QT_TR_NOOP(
             "Check one of the radio buttons to set the sign of timezone. Choose + if the location "
             "is to the East of Greenwich and - if it is to the West")},
        {kMinus,
         QT_TR_NOOP(
             "Check one of the radio buttons to set the sign of timezone. Choose + if the location "
             "is to the East of Greenwich and - if it is to the West")},
        {kZoneHours, QT_TR_NOOP("Set the number of hours of the timezone (0-24)")},
        {kZoneMinutes, QT_TR_NOOP("Set the number of minutes of the timezone (0-59)")},
        {kHeight, QT_TR_NOOP("Set the height of the location in meters (-999 to 9999)")},
        {kNoDst,
         QT_TR_NOOP(
             "Check one of the radio buttons to indicate if Daylight Saving Time (DST) is used or "
             "not")},
        {kYesDst,
         QT_TR_NOOP(
             "Check one of the radio buttons to indicate if Daylight Saving Time (DST) is used or "
             "not")},
        {kStartDay, QT_TR_NOOP("Select from the list the day in which DST starts")},
        {kStartMonth, QT_TR_NOOP("Select from the list the month in which DST starts")},
        {kEndDay, QT_TR_NOOP("Select from the list the day in which DST ends")},
        {kEndMonth, QT_TR_NOOP("Select from the list the month in which DST ends")},
        {kAdd, QT_TR_NOOP("Press to add the location to the database")},
        {kRemove, QT_TR_NOOP("Press to remove the location from database")},
        {kChange,
         QT_TR_NOOP(
             "Press to change the data for location. Remember, you can NOT change the name of a "
             "location. You have to remove and then add it")},
        {kSelectHome, QT_TR_NOOP("Press to make selected location your the default one always")},
        {kSelectPlace,
         QT_TR_NOOP(
             "Press to make selected location the default one for this session (i.e. next time you "
             "restart KelmoTimes the home location will be the default one")},
        {kClose, QT_TR_NOOP("Press to close the Location dialogue")},
        {kZone,
         QT_TR_NOOP(
             "Choose the time zone of the location (type to search) to take its clock and summer "
             "time from the system's time-zone database, or none")}};
    for (const Tip& tip : tips) setTip(controlById(this, tip.id), tr(tip.text));
}

// ShowLocation: one location into the members. A zone the database knows shows its present
// law in the zone time and summer-time members.
void LocDlg::showLocation(const Location& place) {
    Fields& f = fields_;
    f.name = place.name;
    f.zone = place.zone;
    Location law = place;
    const FixedZoneRules rules = fixedRulesOfZone(place.zone, services_.clock.utcNow().year);
    if (rules.known) applyZoneLaw(rules, law);
    showZone(law);
    f.height = place.height;

    f.latHemisphere = place.latitude > 0 ? 0 : 1;
    const SplitAngle latitude = splitMagnitude(place.latitude);
    f.latDegrees = latitude.degrees;
    f.latMinutes = latitude.minutes;
    f.latSeconds = latitude.seconds;
    f.lonHemisphere = place.longitude > 0 ? 0 : 1;
    const SplitAngle longitude = splitMagnitude(place.longitude);
    f.lonDegrees = longitude.degrees;
    f.lonMinutes = longitude.minutes;
    f.lonSeconds = longitude.seconds;
}

void LocDlg::showZone(const Location& place) {
    Fields& f = fields_;
    if (place.dstStart != 0) {
        f.dstAvailable = 1;
        f.startDay = ruleDayCode(place.dstStart) - 1;
        f.startMonth = ruleMonth(place.dstStart) - 1;
        f.endDay = ruleDayCode(place.dstEnd) - 1;
        f.endMonth = ruleMonth(place.dstEnd) - 1;
    } else {
        f.dstAvailable = 0;
        f.startDay = kLastSundayIndex;
        f.startMonth = kMarchIndex;
        f.endDay = kLastSundayIndex;
        f.endMonth = kOctoberIndex;
    }
    f.zoneSign = place.timeZone < 0 ? 1 : 0;
    const double zone = std::fabs(static_cast<double>(place.timeZone));
    f.zoneHours = static_cast<int>(zone);
    const double minutes = (zone - f.zoneHours) * 60.0;
    f.zoneMinutes = static_cast<int>(minutes);
    if ((minutes - f.zoneMinutes) * 60.0 > kZoneSecondsRoundUp) f.zoneMinutes += 1;
    if (f.zoneMinutes > kMaxSixty) {
        f.zoneMinutes = 0;
        f.zoneHours += 1;
    }
}

// ReadLocation: the members as a location, or the code of the first value that is wrong.
int LocDlg::readLocation(Location& place) const {
    const Fields& f = fields_;
    if (f.name.empty()) return kErrorNoName;
    double latitude = degreesOf(f.latDegrees, f.latMinutes, f.latSeconds);
    if (latitude > kMaxLatitude) return kErrorLatitude;
    if (f.latHemisphere == 1) latitude = -latitude;
    double longitude = degreesOf(f.lonDegrees, f.lonMinutes, f.lonSeconds);
    if (longitude > kMaxLongitude) return kErrorLongitude;
    if (f.lonHemisphere == 1) longitude = -longitude;
    float zone = static_cast<float>(f.zoneHours) + static_cast<float>(f.zoneMinutes) / 60.0f;
    if (zone > kMaxZoneHours) return kErrorTimeZone;
    if (f.zoneSign == 1) zone = -zone;

    int dstStart = 0, dstEnd = 0;
    if (f.dstAvailable == 1) {
        if (!dstDateIsValid(f.startDay + 1, f.startMonth + 1)) return kErrorDstStart;
        if (!dstDateIsValid(f.endDay + 1, f.endMonth + 1)) return kErrorDstEnd;
        dstStart = dstCode(f.startMonth, f.startDay);
        dstEnd = dstCode(f.endMonth, f.endDay);
    }
    place.name = f.name;
    place.latitude = latitude * kDegToRad;
    place.longitude = longitude * kDegToRad;
    place.timeZone = zone;
    place.dstStart = dstStart;
    place.dstEnd = dstEnd;
    place.height = f.height;
    place.zone = f.zone;
    return 0;
}

// The field check: each edit in the order of the members, the first failure stops it.
bool LocDlg::checkFields() {
    using namespace loc;
    DataExchange dx(services_.messages);
    Fields f = fields_;
    if (!dx.integer(lineEdit(this, kHeight), kHeightMin, kHeightMax, f.height) ||
        !dx.text(lineEdit(this, kName), kNameLength, f.name))
        return false;
    f.zoneSign = zoneSigns_->checkedId();
    f.dstAvailable = dstChoice_->checkedId();
    f.lonHemisphere = lonHemispheres_->checkedId();
    f.latHemisphere = latHemispheres_->checkedId();
    f.endDay = dropDown(this, kEndDay)->currentIndex();
    f.endMonth = dropDown(this, kEndMonth)->currentIndex();
    f.startDay = dropDown(this, kStartDay)->currentIndex();
    f.startMonth = dropDown(this, kStartMonth)->currentIndex();
    // Members before a failing field keep what was read, as the framework leaves them.
    fields_ = f;
    const bool read =
        dx.integer(lineEdit(this, kZoneHours), 0, kMaxZoneHours, fields_.zoneHours) &&
        dx.integer(lineEdit(this, kLatDegrees), 0, kMaxLatitude, fields_.latDegrees) &&
        dx.integer(lineEdit(this, kLatMinutes), 0, kMaxSixty, fields_.latMinutes) &&
        dx.integer(lineEdit(this, kLatSeconds), 0, kMaxSixty, fields_.latSeconds) &&
        dx.integer(lineEdit(this, kLonDegrees), 0, kMaxLongitude, fields_.lonDegrees) &&
        dx.integer(lineEdit(this, kLonMinutes), 0, kMaxSixty, fields_.lonMinutes) &&
        dx.integer(lineEdit(this, kLonSeconds), 0, kMaxSixty, fields_.lonSeconds) &&
        dx.integer(lineEdit(this, kZoneMinutes), 0, kMaxSixty, fields_.zoneMinutes);
    if (!read) return false;
    QComboBox* zones = dropDown(this, kZone);
    const std::string zone = zones->currentText().trimmed().toStdString();
    if (zone.empty() || zone == kNoZone || QString::fromStdString(zone) == tr(kNoZone)) {
        fields_.zone.clear();
    } else if (isKnownZone(zone) || zone == fields_.zone) {  // a zone of the file stays
        fields_.zone = zone;
    } else {
        say(services_.messages, tr(kMessageUnknownZone));
        zones->setFocus();
        return false;
    }
    return true;
}

// The members into the controls.
void LocDlg::showFields() {
    using namespace loc;
    const Fields& f = fields_;
    auto number = [this](int id, int value) {
        lineEdit(this, id)->setText(QString::number(value));
    };
    number(kHeight, f.height);
    lineEdit(this, kName)->setText(toWidget(f.name));
    check(lonHemispheres_, f.lonHemisphere);
    check(latHemispheres_, f.latHemisphere);
    number(kLatDegrees, f.latDegrees);
    number(kLatMinutes, f.latMinutes);
    number(kLatSeconds, f.latSeconds);
    number(kLonDegrees, f.lonDegrees);
    number(kLonMinutes, f.lonMinutes);
    number(kLonSeconds, f.lonSeconds);
    showZoneFields();
    QComboBox* zones = dropDown(this, kZone);
    const int zoneEntry = f.zone.empty() ? -1 : zones->findText(QString::fromStdString(f.zone));
    if (zoneEntry >= 0) {
        zones->setCurrentIndex(zoneEntry);
    } else {
        zones->setCurrentIndex(0);  // "none"; an unknown zone of the file stays in the record
        if (!f.zone.empty()) zones->setEditText(QString::fromStdString(f.zone));
    }
}

void LocDlg::showZoneFields() {
    using namespace loc;
    const Fields& f = fields_;
    check(zoneSigns_, f.zoneSign);
    check(dstChoice_, f.dstAvailable);
    dropDown(this, kEndDay)->setCurrentIndex(f.endDay);
    dropDown(this, kEndMonth)->setCurrentIndex(f.endMonth);
    dropDown(this, kStartDay)->setCurrentIndex(f.startDay);
    dropDown(this, kStartMonth)->setCurrentIndex(f.startMonth);
    lineEdit(this, kZoneHours)->setText(QString::number(f.zoneHours));
    lineEdit(this, kZoneMinutes)->setText(QString::number(f.zoneMinutes));
}

// A zone chosen in the box fills Time Zone and DST with its present law; "none" keeps them.
void LocDlg::zoneChosen() {
    const std::string zone = dropDown(this, loc::kZone)->currentText().toStdString();
    const FixedZoneRules rules = fixedRulesOfZone(zone, services_.clock.utcNow().year);
    if (!rules.known) return;
    Location law;
    applyZoneLaw(rules, law);
    showZone(law);
    showZoneFields();
    enableDstLists(fields_.dstAvailable == 1);
}

void LocDlg::enableDstLists(bool enabled) {
    for (int id : {loc::kStartDay, loc::kStartMonth, loc::kEndDay, loc::kEndMonth})
        controlById(this, id)->setEnabled(enabled);
}

int LocDlg::findName(const std::string& name) const {
    const QString wanted = toWidget(name);
    for (int row = 0; row < listBox_->count(); ++row)
        if (QString::compare(listBox_->item(row)->text(), wanted, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

void LocDlg::selectEntry(int row) {
    settingSelection_ = true;
    listBox_->setCurrentRow(row);
    settingSelection_ = false;
}

void LocDlg::showPlaces(std::vector<Location> places) {
    list_ = std::move(places);
    settingSelection_ = true;
    listBox_->clear();
    for (const Location& place : list_) listBox_->addItem(toWidget(place.name));
    settingSelection_ = false;
}

bool LocDlg::applied(const PlaceEditResult& result) {
    const char* refusal = nullptr;
    switch (result.outcome) {
        case PlaceEdit::kDone:
            showPlaces(result.places);
            return true;
        case PlaceEdit::kFileError:  // nothing was read or written: list and box stay
            showError(services_.messages, result.error);
            return false;
        case PlaceEdit::kNameExists:
            refusal = kMessageLocationExists;
            break;
        case PlaceEdit::kNoSuchName:
            refusal = kMessageNoSuchLocation;
            break;
        case PlaceEdit::kIsHome:
            refusal = kMessageRemoveHome;
            break;
        case PlaceEdit::kFull:
            refusal = kMessageTooManyLocations;
            break;
    }
    showPlaces(result.places);  // refused by what the file holds now: show that
    say(services_.messages, tr(refusal));
    return false;
}

void LocDlg::add() {
    if (!checkFields()) return;
    if (list_.size() >= loc::kMaxLocations) {
        say(services_.messages, tr(kMessageTooManyLocations));
        return;
    }
    Location place;
    if (const int error = readLocation(place); error != 0) {
        showError(services_.messages, error);
        return;
    }
    if (findName(place.name) >= 0) {
        say(services_.messages, tr(kMessageLocationExists));
        return;
    }
    if (!applied(addPlace(place))) return;
    showFields();
}

void LocDlg::change() {
    if (!checkFields()) return;
    Location place;
    if (const int error = readLocation(place); error != 0) {
        showError(services_.messages, error);
        return;
    }
    if (findName(place.name) < 0) {
        say(services_.messages, tr(kMessageNoSuchLocation));
        return;
    }
    if (!applied(changePlace(place))) return;
    // The entry takes the name as typed (its letter case may have changed).
    selectEntry(findName(place.name));
    if (sameName(place.name, home_.name)) selectHome();
    if (sameName(place.name, current_.name)) selectPlace();
    showFields();
}

void LocDlg::remove() {
    if (!checkFields()) return;
    const std::string name = fields_.name;
    const int p = findName(name);
    if (p < 0) {
        say(services_.messages, tr(kMessageNoSuchLocation));
        return;
    }
    if (sameName(name, home_.name)) {
        say(services_.messages, tr(kMessageRemoveHome));
        return;
    }
    if (!applied(removePlace(name))) return;
    if (name == current_.name) current_ = home_;
    if (list_.empty()) return;  // nothing left to select or show
    const int shown = std::min(p > 0 ? p - 1 : 0, static_cast<int>(list_.size()) - 1);
    selectEntry(shown);
    showLocation(list_[shown]);
    showFields();
}

int LocDlg::typedEntry() {
    if (!checkFields()) return -1;
    if (fields_.name.empty()) {
        say(services_.messages, tr(kMessageTypeName));
        return -1;
    }
    const int p = findName(fields_.name);
    if (p < 0) say(services_.messages, tr(kMessageNoSuchLocation));
    return p;
}

void LocDlg::selectHome() {
    if (typedEntry() < 0) return;
    if (!applied(choosePlaceAsHome(fields_.name))) return;
    const int p = findName(fields_.name);
    if (p < 0) return;
    home_ = list_[p];
    current_ = home_;
    selectEntry(p);
    showLocation(list_[p]);
    showFields();
    if (services_.timer.find()) services_.timer.send({WM_KELMO_RELOAD, 0, 0});
}

void LocDlg::selectPlace() {
    const int p = typedEntry();
    if (p < 0) return;
    current_ = list_[p];
    selectEntry(p);
    showLocation(list_[p]);
    showFields();
}

void LocDlg::selectionChanged() {
    const QList<QListWidgetItem*> selected = listBox_->selectedItems();
    if (selected.isEmpty()) return;
    const int s = listBox_->row(selected.front());
    if (s < 0 || s >= static_cast<int>(list_.size())) return;
    selectEntry(s);
    showLocation(list_[s]);
    enableDstLists(fields_.dstAvailable == 1);
    showFields();
}

void LocDlg::accept() {
    if (checkFields()) done(1);
}

// Enter presses the button that has the focus; elsewhere it gives the default command.
void LocDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        else
            accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace kelmo::ui
