// The Location dialog: the location database of Kelmo.cfg in a list, one location's data in
// fields, and the buttons that change the database (Add, Change, Remove: each applies its one
// change to the file as it is on disk, under the file's lock, and then shows what the file
// holds, another window's changes included), make a location the home location for good
// (SelectHome: rewrites the home name, tells a running Timer to reload) or the current location for
// this run (SelectPlace).
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "base/location.h"
#include "files/settings/location_edits.h"
#include "ui/services.h"

class QButtonGroup;
class QListWidget;

namespace kelmo::ui {

// Control ids of the template.
namespace loc {
inline constexpr int kStartDay = 1000, kStartMonth = 1001, kEndDay = 1004, kEndMonth = 1005;
inline constexpr int kName = 1007, kList = 1008;
inline constexpr int kLatDegrees = 1009, kLatMinutes = 1010, kLatSeconds = 1011;
inline constexpr int kNorth = 1012, kSouth = 1013;
inline constexpr int kLonDegrees = 1014, kLonMinutes = 1015, kLonSeconds = 1016;
inline constexpr int kEast = 1017, kWest = 1018;
inline constexpr int kPlus = 1019, kMinus = 1020, kZoneHours = 1021, kZoneMinutes = 1022;
inline constexpr int kHeight = 1027;
inline constexpr int kNoDst = 1030, kYesDst = 1031;
inline constexpr int kAdd = 3, kRemove = 4, kChange = 5, kClose = 8;
inline constexpr int kSelectHome = 1028, kSelectPlace = 1029;
// The time-zone box: "none" and the zones of the system's tz database, searchable.
inline constexpr int kZone = 1040;
inline constexpr const char* kNoZone = QT_TRANSLATE_NOOP("kelmo::ui::LocDlg", "none");
// The most locations the dialog lets the database hold.
inline constexpr std::size_t kMaxLocations = 1999;
inline constexpr int kNameLength = 40;  // characters the name field accepts
inline constexpr int kDayEntries = 66;  // "1" .. "31", then the weekday rules
}  // namespace loc

// The dialog's own messages.
inline constexpr const char* kMessageTooManyLocations =
    QT_TRANSLATE_NOOP("kelmo::ui::LocDlg", "You can not add more locations!\t\n");
inline constexpr const char* kMessageLocationExists =
    QT_TRANSLATE_NOOP("kelmo::ui::LocDlg", "The location already exist in the database!\t\n");
inline constexpr const char* kMessageNoSuchLocation =
    QT_TRANSLATE_NOOP("kelmo::ui::LocDlg", "The location does not exist in the database!\t\n");
inline constexpr const char* kMessageRemoveHome = QT_TRANSLATE_NOOP(
    "kelmo::ui::LocDlg", "Select another home location before removing this one!\t\n");
inline constexpr const char* kMessageTypeName =
    QT_TRANSLATE_NOOP("kelmo::ui::LocDlg", "You have to type a location name!\t\n");
inline constexpr const char* kMessageUnknownZone =
    QT_TRANSLATE_NOOP("kelmo::ui::LocDlg", "Choose a time zone of the list, or none!\t\n");

// The text of entry index (0 .. 65) of the day lists: "1" .. "31", then "First Monday",
// "2nd Monday", "3rd Monday", "4th Monday", "Last Monday", the same for Tuesday .. Sunday.
QString dstDayText(int index);

class LocDlg : public QDialog {
    Q_OBJECT
  public:
    LocDlg(Location& home, Location& current, const Services& services, QWidget* parent = nullptr);

    // Runs the dialog modally; returns 0 at once when the database could not be loaded.
    int exec() override;

    // The dialog's copy of the database, in the order of the list box.
    const std::vector<Location>& locations() const { return list_; }

  public Q_SLOTS:
    void accept() override;  // the default command (Enter in a field): field check, then end

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The members bound to the controls.
    struct Fields {
        int height = 0;
        std::string name;
        int zoneSign = 0;       // 0 "+", 1 "-"
        int dstAvailable = 0;   // 0 "No", 1 "Yes"
        int lonHemisphere = 0;  // 0 "E", 1 "W"
        int latHemisphere = 0;  // 0 "N", 1 "S"
        int endDay = 0, endMonth = 0, startDay = 0, startMonth = 0;
        int zoneHours = 0;
        int latDegrees = 0, latMinutes = 0, latSeconds = 0;
        int lonDegrees = 0, lonMinutes = 0, lonSeconds = 0;
        int zoneMinutes = 0;
        std::string zone;  // IANA time zone, empty for none
    };

    void buildTemplate();
    void registerTips();
    void showLocation(const Location& place);
    void showZone(const Location& place);  // zone time and summer-time members only
    void showZoneFields();                 // those members into their controls
    void zoneChosen();
    int readLocation(Location& place) const;
    bool checkFields();
    void showFields();
    void enableDstLists(bool enabled);

    // List box entries: the entry whose text is name (letter case ignored), or -1; the
    // selection.
    int findName(const std::string& name) const;
    void selectEntry(int row);

    // The database as the file holds it after an edit, into the records and the list box.
    void showPlaces(std::vector<Location> places);
    // Shows the file's new state after an edit (also after a refusal, which it explains);
    // false when the edit was refused or failed.
    bool applied(const PlaceEditResult& result);

    void add();
    void change();
    void remove();
    void selectHome();
    void selectPlace();
    void selectionChanged();
    // Steps shared by SelectHome and SelectPlace: the field check, the name and its entry;
    // -1 after a message.
    int typedEntry();

    Location& home_;
    Location& current_;
    const Services& services_;
    Fields fields_;
    std::vector<Location> list_;
    QListWidget* listBox_ = nullptr;
    QButtonGroup* zoneSigns_ = nullptr;
    QButtonGroup* dstChoice_ = nullptr;
    QButtonGroup* lonHemispheres_ = nullptr;
    QButtonGroup* latHemispheres_ = nullptr;
    bool settingSelection_ = false;  // true while the program itself moves the selection
    bool ended_ = false;             // the initialisation ended the dialog
};

}  // namespace kelmo::ui
