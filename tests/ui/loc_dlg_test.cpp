// The Location dialog driven through its widgets on a temporary Kelmo.cfg (the built-in file,
// home Manama,Bahrain), with a recording message box and a fake Timer. Pictures of the dialog
// go to "screenshots/" of the build tree.
#include <QCompleter>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <memory>

#include "base/angles.h"
#include "files/error_messages.h"
#include "files/settings/file_replace.h"
#include "files/settings/location_database.h"
#include "platform/kelmo_messages.h"
#include "ui/data_exchange.h"
#include "ui/fake_services.h"
#include "ui/loc_dlg.h"
#include "ui/text_edge.h"
#include "ui/ui_support.h"

using namespace kelmo;
using namespace kelmo::ui;
using kelmo::test::click;
using kelmo::test::type;

namespace {

std::string fileText() {
    std::string text;
    readFileText(configFilePath(), text);
    return text;
}

std::vector<Location> fileLocations() {
    std::vector<Location> list;
    loadLocations(list);
    return list;
}

// The first blank-separated field of the file's first line.
std::string homeNameInFile() {
    const std::string text = fileText();
    return text.substr(0, text.find(' '));
}

QListWidget* listBox(const QWidget* dialog) {
    return control<QListWidget>(dialog, loc::kList);
}

QString textOf(const QWidget* dialog, int id) {
    return test::editOf(dialog, id)->text();
}

bool checked(const QWidget* dialog, int id) {
    return control<QRadioButton>(dialog, id)->isChecked();
}

// Types a whole location into the fields (north, east, "+", no summer time).
void typePlace(const QWidget* d, const QString& name, int latDeg, int latMin, int latSec,
               int lonDeg, int zoneHours, int zoneMinutes) {
    type(d, loc::kName, name);
    type(d, loc::kLatDegrees, QString::number(latDeg));
    type(d, loc::kLatMinutes, QString::number(latMin));
    type(d, loc::kLatSeconds, QString::number(latSec));
    type(d, loc::kLonDegrees, QString::number(lonDeg));
    type(d, loc::kLonMinutes, "0");
    type(d, loc::kLonSeconds, "0");
    type(d, loc::kZoneHours, QString::number(zoneHours));
    type(d, loc::kZoneMinutes, QString::number(zoneMinutes));
    type(d, loc::kHeight, "12");
    click(d, loc::kNorth);
    click(d, loc::kEast);
    click(d, loc::kPlus);
    click(d, loc::kNoDst);
}

// The dialog's records and its list box side by side.
bool listAndListBoxAgree(const LocDlg& dialog) {
    const QListWidget* box = listBox(&dialog);
    if (box->count() != static_cast<int>(dialog.locations().size())) return false;
    for (int i = 0; i < box->count(); ++i)
        if (box->item(i)->text() != toWidget(dialog.locations()[i].name)) return false;
    return true;
}

int findRow(const QListWidget* box, const QString& text) {
    for (int row = 0; row < box->count(); ++row)
        if (box->item(row)->text() == text) return row;
    return -1;
}

// Chooses an entry of the zone box as the user does (the box reports "activated").
void choose(QComboBox* zones, const QString& text) {
    const int index = zones->findText(text);
    QVERIFY(index >= 0);
    zones->setCurrentIndex(index);
    Q_EMIT zones->activated(index);
}

Location place(const std::string& name, double latitudeDeg, double longitudeDeg, float zone) {
    Location p;
    p.name = name;
    p.latitude = latitudeDeg * kDegToRad;
    p.longitude = longitudeDeg * kDegToRad;
    p.timeZone = zone;
    return p;
}

}  // namespace

class LocDlgTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeServices> fakes_;
    std::unique_ptr<test::ProgramDirectory> directory_;
    Location home_;
    Location current_;

    test::RecordingMessageBox& messages() { return fakes_->messages; }

    // Shows the dialog, saves its picture and checks that the picture is not blank.
    void save(QWidget& window, const QString& name) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage image = window.grab().toImage();
        QVERIFY(!image.isNull());
        QVERIFY(test::saveScreenshot(image, name));
    }

  private Q_SLOTS:
    void init() {
        fakes_ = std::make_unique<test::FakeServices>();
        directory_ = std::make_unique<test::ProgramDirectory>();
        QCOMPARE(directory_->created(), 0);
        home_ = test::manama();
        current_ = home_;
        setBeforeReplaceHook(nullptr);
    }
    void cleanup() { setBeforeReplaceHook(nullptr); }

    void templateControlsAndTips() {
        LocDlg dialog(home_, current_, fakes_->services);
        QCOMPARE(dialog.windowTitle(), QString(" Location"));
        // The buttons from left to right.
        const int order[] = {loc::kClose,  loc::kSelectPlace, loc::kSelectHome,
                             loc::kChange, loc::kRemove,      loc::kAdd};
        const char* captions[] = {"Close", "SelectPlace", "SelectHome", "Change", "Remove", "Add"};
        int left = -1;
        for (int i = 0; i < 6; ++i) {
            auto* button = control<QPushButton>(&dialog, order[i]);
            QVERIFY(button);
            QCOMPARE(button->text(), QString(captions[i]));
            QVERIFY(button->geometry().left() > left);
            left = button->geometry().left();
        }
        QCOMPARE(test::editOf(&dialog, loc::kName)->maxLength(), 40);
        auto tip = [&](int id) { return controlById(&dialog, id)->toolTip().replace('\n', ' '); };
        QCOMPARE(tip(loc::kLatSeconds),
                 QString("Set the values of latitude in seconds (0-59).Set to zero if not used"));
        QCOMPARE(tip(loc::kSelectHome),
                 QString("Press to make selected location your the default one always"));
        QCOMPARE(tip(loc::kMinus), tip(loc::kPlus));
        QCOMPARE(tip(loc::kClose), QString("Press to close the Location dialogue"));
        QVERIFY(listBox(&dialog)->toolTip().isEmpty());
    }

    void dayAndMonthListsAreDisabledWithoutSummerTime() {
        LocDlg dialog(home_, current_, fakes_->services);
        for (int id : {loc::kStartDay, loc::kEndDay}) {
            QComboBox* days = test::listOf(&dialog, id);
            QCOMPARE(days->count(), 66);
            QCOMPARE(days->itemText(0), QString("1"));
            QCOMPARE(days->itemText(30), QString("31"));
            QCOMPARE(days->itemText(31), QString("First Monday"));
            QCOMPARE(days->itemText(32), QString("2nd Monday"));
            QCOMPARE(days->itemText(35), QString("Last Monday"));
            QCOMPARE(days->itemText(36), QString("First Tuesday"));
            QCOMPARE(days->itemText(65), QString("Last Sunday"));
            QVERIFY(!days->isEnabled());
        }
        QCOMPARE(test::listOf(&dialog, loc::kStartMonth)->count(), 12);
        QCOMPARE(test::listOf(&dialog, loc::kEndMonth)->itemText(11), QString("December"));
        // No summer time: "No", and the lists preset to the last Sunday of March / October.
        QVERIFY(checked(&dialog, loc::kNoDst));
        QCOMPARE(test::listOf(&dialog, loc::kStartDay)->currentText(), QString("Last Sunday"));
        QCOMPARE(test::listOf(&dialog, loc::kStartMonth)->currentText(), QString("March"));
        QCOMPARE(test::listOf(&dialog, loc::kEndMonth)->currentText(), QString("October"));
        dialog.show();
        click(&dialog, loc::kYesDst);
        QVERIFY(controlById(&dialog, loc::kEndMonth)->isEnabled());
        click(&dialog, loc::kNoDst);
        QVERIFY(!controlById(&dialog, loc::kEndMonth)->isEnabled());
        QCOMPARE(test::listOf(&dialog, loc::kEndMonth)->currentText(), QString("October"));
    }

    void listBoxShowsTheFileInFileOrder() {
        LocDlg dialog(home_, current_, fakes_->services);
        const std::vector<Location> file = fileLocations();
        QCOMPARE(file.size(), std::size_t(246));
        QVERIFY(listAndListBoxAgree(dialog));
        QCOMPARE(listBox(&dialog)->item(1)->text(), QString("Abu Dhabi,Uae"));
        QCOMPARE(dialog.locations()[4].name, file[4].name);
        QCOMPARE(textOf(&dialog, loc::kName), QString("Manama,Bahrain"));
    }

    void aMissingFileEndsTheDialogAtOnce() {
        std::filesystem::remove(configFilePath());
        LocDlg dialog(home_, current_, fakes_->services);
        QCOMPARE(messages().lastText(), std::string(errorMessage(100)));
        QCOMPARE(dialog.exec(), 0);
        QCOMPARE(listBox(&dialog)->count(), 0);
    }

    void zoneSignHoursAndMinutes() {
        current_ = place("Kathmandu,Nepal", 27.7, 85.3, 5.75f);
        LocDlg nepal(home_, current_, fakes_->services);
        QVERIFY(checked(&nepal, loc::kPlus));
        QCOMPARE(textOf(&nepal, loc::kZoneHours), QString("5"));
        QCOMPARE(textOf(&nepal, loc::kZoneMinutes), QString("45"));
        current_ = place("St;Johns,Canada", 47.56, -52.71, -3.5f);
        LocDlg canada(home_, current_, fakes_->services);
        QVERIFY(checked(&canada, loc::kMinus));
        QCOMPARE(textOf(&canada, loc::kZoneHours), QString("3"));
        QCOMPARE(textOf(&canada, loc::kZoneMinutes), QString("30"));
        QVERIFY(checked(&canada, loc::kWest));
        QCOMPARE(textOf(&canada, loc::kLonDegrees), QString("52"));
        QCOMPARE(textOf(&canada, loc::kLonMinutes), QString("42"));
        QCOMPARE(textOf(&canada, loc::kLonSeconds), QString("36"));
        // A zone within 10 seconds of a whole minute is shown at that minute; above it the
        // minute counts, carrying into the hour.
        current_.timeZone = 4.0f + 59.5f / 60.0f;
        LocDlg carried(home_, current_, fakes_->services);
        QCOMPARE(textOf(&carried, loc::kZoneHours), QString("5"));
        QCOMPARE(textOf(&carried, loc::kZoneMinutes), QString("0"));
        // Latitude 0 shows as south.
        current_.latitude = 0.0;
        LocDlg equator(home_, current_, fakes_->services);
        QVERIFY(checked(&equator, loc::kSouth));
    }

    void summerTimeCodesShowAndAreWrittenBack() {
        current_ = place("Summer,Land", 50.0, 10.0, 1.0f);
        current_.dstStart = 834;  // March, last Sunday
        current_.dstEnd = 2626;   // October, last Sunday
        LocDlg dialog(home_, current_, fakes_->services);
        QVERIFY(checked(&dialog, loc::kYesDst));
        QCOMPARE(test::listOf(&dialog, loc::kStartDay)->currentText(), QString("Last Sunday"));
        QCOMPARE(test::listOf(&dialog, loc::kStartMonth)->currentText(), QString("March"));
        QCOMPARE(test::listOf(&dialog, loc::kEndDay)->currentText(), QString("Last Sunday"));
        QCOMPARE(test::listOf(&dialog, loc::kEndMonth)->currentText(), QString("October"));
        QVERIFY(controlById(&dialog, loc::kStartDay)->isEnabled());
        save(dialog, "location_summer_time");
        click(&dialog, loc::kAdd);
        QCOMPARE(QString::fromStdString(messages().lastText()), QString());
        Location stored;
        stored.name = "summer,land";
        QCOMPARE(findLocation(stored), 0);
        QCOMPARE(stored.dstStart, 834);
        QCOMPARE(stored.dstEnd, 2626);
        QCOMPARE(stored.timeZone, 1.0f);
        QVERIFY(std::fabs(stored.latitude - 50.0 * kDegToRad) < 1e-8);
    }

    void screenshotWithoutSummerTime() {
        LocDlg dialog(home_, current_, fakes_->services);
        save(dialog, "location");
    }

    void addInsertsInSortedPlaceAndWritesTheFile() {
        LocDlg dialog(home_, current_, fakes_->services);
        dialog.show();
        typePlace(&dialog, "Kelmotown,Nowhere", 46, 56, 53, 7, 1, 0);
        click(&dialog, loc::kAdd);
        QCOMPARE(QString::fromStdString(messages().lastText()), QString());
        QCOMPARE(dialog.locations().size(), std::size_t(247));
        QVERIFY(listAndListBoxAgree(dialog));
        QListWidget* box = listBox(&dialog);
        const int p = box->row(box->findItems("Kelmotown,Nowhere", Qt::MatchExactly).value(0));
        QVERIFY(p > 0);
        QVERIFY(QString::compare(listBox(&dialog)->item(p - 1)->text(), "Kelmotown,Nowhere",
                                 Qt::CaseInsensitive) < 0);
        QVERIFY(QString::compare(listBox(&dialog)->item(p + 1)->text(), "Kelmotown,Nowhere",
                                 Qt::CaseInsensitive) > 0);
        const std::vector<Location> file = fileLocations();
        QCOMPARE(file.size(), std::size_t(247));
        QCOMPARE(file[p].name, std::string("Kelmotown,Nowhere"));
        QVERIFY(std::fabs(file[p].latitude - (46 + 56 / 60.0 + 53 / 3600.0) * kDegToRad) < 1e-8);
        QCOMPARE(file[p].height, 12);
        QCOMPARE(homeNameInFile(), std::string("Manama,Bahrain"));
    }

    void addRefusesANameThatExistsInAnyCase() {
        LocDlg dialog(home_, current_, fakes_->services);
        dialog.show();
        const std::string before = fileText();
        type(&dialog, loc::kName, "manama,bahrain");
        click(&dialog, loc::kAdd);
        QCOMPARE(messages().lastText(),
                 std::string("The location already exist in the database!\t\n"));
        QCOMPARE(fileText(), before);
        QCOMPARE(dialog.locations().size(), std::size_t(246));
    }

    // A pasted CR or ESC is refused before anything changes.
    void addRefusesANameWithAControlCharacter() {
        LocDlg dialog(home_, current_, fakes_->services);
        dialog.show();
        const std::string before = fileText();
        typePlace(&dialog, "x", 21, 25, 21, 39, 3, 0);
        for (const char* refused : {"Evil\x1b[2J,Town", "Two\rLines,Town"}) {
            test::editOf(&dialog, loc::kName)->setText(refused);
            click(&dialog, loc::kAdd);
            QCOMPARE(messages().lastText(), std::string(kControlCharacters));
            QCOMPARE(fileText(), before);
        }
    }

    // Names in any script: an Arabic and a Turkish name are added, shown in the list and read
    // back from Kelmo.cfg, which is then UTF-8 after a byte-order mark; a Latin name with an
    // accent is added too.
    void addTakesNamesInAnyScript() {
        LocDlg dialog(home_, current_, fakes_->services);
        dialog.show();
        typePlace(&dialog, "x", 21, 25, 21, 39, 3, 0);
        QLineEdit* name = test::editOf(&dialog, loc::kName);
        // (QTest types ASCII only: the names are set.)
        const QString mecca =
            QStringLiteral("\u0645\u0643\u0629,\u0627\u0644\u0633\u0639\u0648\u062F\u064A\u0629");
        const QString istanbul = QStringLiteral("\u0130stanbul,T\u00FCrkiye");
        for (const QString& added : {mecca, istanbul, QStringLiteral("Z\u00FCrich,Schweiz")}) {
            name->setText(added);
            click(&dialog, loc::kAdd);
            QVERIFY(!listBox(&dialog)->findItems(added, Qt::MatchExactly).isEmpty());
        }
        QCOMPARE(dialog.locations().size(), std::size_t(249));
        QVERIFY(fileText().starts_with("\xEF\xBB\xBF"));
        std::vector<QString> stored;
        for (const Location& l : fileLocations()) stored.push_back(toWidget(l.name));
        for (const QString& added : {mecca, istanbul, QStringLiteral("Z\u00FCrich,Schweiz")}) {
            QVERIFY(std::find(stored.begin(), stored.end(), added) != stored.end());
        }
        listBox(&dialog)->setCurrentItem(listBox(&dialog)->findItems(mecca, Qt::MatchExactly)[0]);
        QVERIFY(test::saveScreenshot(dialog.grab().toImage(), "location_arabic_and_turkish_names"));
    }

    void readLocationCodes() {
        LocDlg dialog(home_, current_, fakes_->services);
        dialog.show();
        const std::string before = fileText();
        typePlace(&dialog, "Pole,North", 90, 0, 1, 0, 0, 0);
        click(&dialog, loc::kAdd);
        QCOMPARE(messages().lastText(), std::string("Wrong latitude value!\t"));
        typePlace(&dialog, "Pole,North", 89, 59, 59, 180, 24, 1);
        click(&dialog, loc::kAdd);
        QCOMPARE(messages().lastText(), std::string("Incorrect time zone value!\t"));
        type(&dialog, loc::kZoneMinutes, "0");
        type(&dialog, loc::kLonMinutes, "1");
        click(&dialog, loc::kAdd);
        QCOMPARE(messages().lastText(), std::string("Wrong longitude value!\t"));
        type(&dialog, loc::kName, "");
        click(&dialog, loc::kAdd);
        QCOMPARE(messages().lastText(), std::string("You have to type a location name!\t"));
        QCOMPARE(fileText(), before);
        QCOMPARE(messages().shown.size(), std::size_t(4));
        // 90 degrees 0 minutes 0 seconds and 24 hours are accepted.
        typePlace(&dialog, "Pole,North", 90, 0, 0, 180, 24, 0);
        click(&dialog, loc::kAdd);
        QCOMPARE(messages().shown.size(), std::size_t(4));
        QCOMPARE(fileLocations().size(), std::size_t(247));
    }

    void summerTimeDatesAreCheckedInTheYear1997() {
        LocDlg dialog(home_, current_, fakes_->services);
        dialog.show();
        typePlace(&dialog, "Leap,Land", 40, 0, 0, 20, 2, 0);
        click(&dialog, loc::kYesDst);
        test::listOf(&dialog, loc::kStartDay)->setCurrentIndex(28);   // "29"
        test::listOf(&dialog, loc::kStartMonth)->setCurrentIndex(1);  // February
        click(&dialog, loc::kAdd);
        QCOMPARE(messages().lastText(), std::string("Incorrect DST start date!\t"));
        test::listOf(&dialog, loc::kStartDay)->setCurrentIndex(65);  // last Sunday of February
        test::listOf(&dialog, loc::kEndDay)->setCurrentIndex(30);    // "31"
        test::listOf(&dialog, loc::kEndMonth)->setCurrentIndex(3);   // April
        click(&dialog, loc::kAdd);
        QCOMPARE(messages().lastText(), std::string("Incorrect DST end date!\t"));
        test::listOf(&dialog, loc::kEndDay)->setCurrentIndex(29);  // 30 April
        click(&dialog, loc::kAdd);
        QCOMPARE(messages().shown.size(), std::size_t(2));
        Location stored;
        stored.name = "Leap,Land";
        QCOMPARE(findLocation(stored), 0);
        QCOMPARE(stored.dstStart, 2 * 256 + 66);
        QCOMPARE(stored.dstEnd, 4 * 256 + 30);
        // Without summer time the lists are ignored and both codes are 0.
        typePlace(&dialog, "Leap2,Land", 40, 0, 0, 20, 2, 0);
        test::listOf(&dialog, loc::kStartDay)->setCurrentIndex(28);
        click(&dialog, loc::kAdd);
        stored.name = "Leap2,Land";
        QCOMPARE(findLocation(stored), 0);
        QCOMPARE(stored.dstStart, 0);
        QCOMPARE(stored.dstEnd, 0);
    }

    void theFieldCheckStopsBeforeAnyChange() {
        LocDlg dialog(home_, current_, fakes_->services);
        dialog.show();
        const std::string before = fileText();
        typePlace(&dialog, "Check,Land", 40, 0, 0, 20, 2, 0);
        type(&dialog, loc::kHeight, "10000");
        click(&dialog, loc::kAdd);
        QCOMPARE(messages().lastText(), std::string("Enter an integer between -999 and 9999."));
        type(&dialog, loc::kHeight, "-999");
        type(&dialog, loc::kLatMinutes, "x");
        click(&dialog, loc::kAdd);
        QCOMPARE(messages().lastText(), std::string("Enter an integer."));
        QCOMPARE(dialog.focusWidget(), controlById(&dialog, loc::kLatMinutes));
        type(&dialog, loc::kLatMinutes, "0");
        type(&dialog, loc::kZoneMinutes, "60");
        click(&dialog, loc::kRemove);
        QCOMPARE(messages().lastText(), std::string("Enter an integer between 0 and 59."));
        QCOMPARE(fileText(), before);
        // Enter in a field runs the check and ends the dialog only when it passes.
        QTest::keyClick(test::editOf(&dialog, loc::kZoneMinutes), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        type(&dialog, loc::kZoneMinutes, "0");
        QTest::keyClick(test::editOf(&dialog, loc::kZoneMinutes), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(fileText(), before);
    }

    void addRefusesBeyond1999LocationsBeforeReadingTheFields() {
        std::vector<Location> many(1999, test::manama());
        for (std::size_t i = 0; i < many.size(); ++i)
            many[i].name = "Place" + std::to_string(i) + ",Land";
        many[0] = test::manama();
        QCOMPARE(saveLocations("Manama,Bahrain", many), 0);
        LocDlg dialog(home_, current_, fakes_->services);
        dialog.show();
        QCOMPARE(dialog.locations().size(), std::size_t(1999));
        typePlace(&dialog, "", 90, 0, 1, 20, 2, 0);  // no name, latitude above 90 degrees
        click(&dialog, loc::kAdd);
        QCOMPARE(messages().shown.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(messages().lastText()),
                 QString("You can not add more locations!\t\n"));
        QCOMPARE(fileLocations().size(), std::size_t(1999));
    }

    // Two windows open on the same file: each edit is made to the file as it is, so neither
    // window's Add, Change or Remove is lost, and each shows the other's places once it edits.
    void twoWindowsKeepEachOthersEdits() {
        LocDlg first(home_, current_, fakes_->services);
        LocDlg second(home_, current_, fakes_->services);
        typePlace(&first, "Kelmotown,Nowhere", 46, 56, 53, 7, 1, 0);
        click(&first, loc::kAdd);
        typePlace(&second, "Secondtown,Somewhere", 40, 0, 0, 8, 1, 0);
        click(&second, loc::kAdd);
        type(&second, loc::kName, "Accra,Ghana");
        click(&second, loc::kRemove);
        typePlace(&first, "Abu Dhabi,Uae", 24, 28, 0, 54, 4, 0);
        click(&first, loc::kChange);
        QCOMPARE(QString::fromStdString(messages().lastText()), QString());
        std::vector<std::string> names;
        for (const Location& l : fileLocations()) names.push_back(l.name);
        QCOMPARE(names.size(), std::size_t(247));
        for (const char* added : {"Kelmotown,Nowhere", "Secondtown,Somewhere"})
            QVERIFY(std::find(names.begin(), names.end(), added) != names.end());
        QVERIFY(std::find(names.begin(), names.end(), "Accra,Ghana") == names.end());
        QCOMPARE(fileLocations()[1].height, 12);  // Abu Dhabi as the first window changed it
        QVERIFY(listAndListBoxAgree(first));
        QCOMPARE(first.locations().size(), std::size_t(247));  // the second window's edits too
        QVERIFY(findRow(listBox(&first), "Secondtown,Somewhere") >= 0);
        QCOMPARE(findRow(listBox(&first), "Accra,Ghana"), -1);
    }

    void aFailedSaveLeavesListAndListBoxAsBefore() {
        LocDlg dialog(home_, current_, fakes_->services);
        dialog.show();
        const std::vector<Location> before = dialog.locations();
        // The file cannot be replaced: a folder has taken its place when the rename comes.
        setBeforeReplaceHook([](const std::string& path) {
            std::filesystem::remove(path);
            std::filesystem::create_directory(path);
        });
        typePlace(&dialog, "Kelmotown,Nowhere", 46, 56, 53, 7, 1, 0);
        click(&dialog, loc::kAdd);
        QCOMPARE(messages().shown.size(), std::size_t(1));
        QVERIFY(messages().lastText() != "");
        QCOMPARE(dialog.locations().size(), before.size());
        QVERIFY(listAndListBoxAgree(dialog));
        QVERIFY(listBox(&dialog)->findItems("Kelmotown,Nowhere", Qt::MatchExactly).isEmpty());
    }

    void failedRemoveAndChangePutTheRecordsBack() {
        // Each save fails: the file is gone when it is read.
        LocDlg dialog(home_, current_, fakes_->services);
        dialog.show();
        const std::vector<Location> before = dialog.locations();
        std::filesystem::remove(configFilePath());
        type(&dialog, loc::kName, "Accra,Ghana");
        click(&dialog, loc::kRemove);
        QCOMPARE(messages().lastText(), std::string(errorMessage(100)));
        QVERIFY(listAndListBoxAgree(dialog));
        QCOMPARE(dialog.locations().size(), before.size());
        QCOMPARE(dialog.locations()[2].name, std::string("Accra,Ghana"));
        type(&dialog, loc::kHeight, "77");
        click(&dialog, loc::kChange);
        QCOMPARE(messages().shown.size(), std::size_t(2));
        QCOMPARE(dialog.locations()[2].height, before[2].height);
        QVERIFY(listAndListBoxAgree(dialog));
    }

    void removeRefusesTheHomeInAnyCase() {
        LocDlg dialog(home_, current_, fakes_->services);
        dialog.show();
        const std::string before = fileText();
        for (const char* name : {"Manama,Bahrain", "MANAMA,BAHRAIN", "manama,bahrain"}) {
            messages().shown.clear();
            type(&dialog, loc::kName, name);
            click(&dialog, loc::kRemove);
            QCOMPARE(messages().lastText(),
                     std::string("Select another home location before removing this one!\t\n"));
        }
        QCOMPARE(fileText(), before);
        type(&dialog, loc::kName, "Nowhere,Land");
        click(&dialog, loc::kRemove);
        QCOMPARE(messages().lastText(),
                 std::string("The location does not exist in the database!\t\n"));
    }

    void removingTheCurrentLocationMakesHomeCurrent() {
        const std::vector<Location> file = fileLocations();
        current_ = file[2];  // Accra,Ghana
        LocDlg dialog(home_, current_, fakes_->services);
        dialog.show();
        QCOMPARE(textOf(&dialog, loc::kName), QString("Accra,Ghana"));
        click(&dialog, loc::kRemove);
        QCOMPARE(QString::fromStdString(messages().lastText()), QString());
        QCOMPARE(current_.name, home_.name);
        QCOMPARE(current_.latitude, home_.latitude);
        QVERIFY(listAndListBoxAgree(dialog));
        QCOMPARE(fileLocations().size(), std::size_t(245));
        // Entry p - 1 is selected and shown.
        QCOMPARE(listBox(&dialog)->currentRow(), 1);
        QCOMPARE(textOf(&dialog, loc::kName), QString("Abu Dhabi,Uae"));
    }

    void removingTheLastLocationLeft() {
        QCOMPARE(saveLocations("Manama,Bahrain", std::vector<Location>{place("Only,One", 1, 2, 0)}),
                 0);
        LocDlg dialog(home_, current_, fakes_->services);
        dialog.show();
        type(&dialog, loc::kName, "only,one");
        click(&dialog, loc::kRemove);
        QCOMPARE(QString::fromStdString(messages().lastText()), QString());
        QCOMPARE(dialog.locations().size(), std::size_t(0));
        QCOMPARE(listBox(&dialog)->count(), 0);
        QVERIFY(fileLocations().empty());
    }

    void selectPlaceWritesNothing() {
        LocDlg dialog(home_, current_, fakes_->services);
        dialog.show();
        const std::string before = fileText();
        type(&dialog, loc::kName, "ACCRA,GHANA");
        click(&dialog, loc::kSelectPlace);
        QCOMPARE(QString::fromStdString(messages().lastText()), QString());
        QCOMPARE(fileText(), before);
        QCOMPARE(current_.name, std::string("Accra,Ghana"));
        QCOMPARE(home_.name, std::string("Manama,Bahrain"));
        QCOMPARE(listBox(&dialog)->currentRow(), 2);
        QCOMPARE(textOf(&dialog, loc::kName), QString("Accra,Ghana"));
        QVERIFY(fakes_->timer.sent.empty());
        type(&dialog, loc::kName, "");
        click(&dialog, loc::kSelectPlace);
        QCOMPARE(messages().lastText(), std::string("You have to type a location name!\t\n"));
    }

    void selectHomeRewritesTheHomeNameAndTellsTheTimer() {
        fakes_->timer.running = true;
        LocDlg dialog(home_, current_, fakes_->services);
        dialog.show();
        type(&dialog, loc::kName, "amsterdam,netherlands");
        click(&dialog, loc::kSelectHome);
        QCOMPARE(QString::fromStdString(messages().lastText()), QString());
        QCOMPARE(homeNameInFile(), std::string("amsterdam,netherlands"));
        QCOMPARE(home_.name, std::string("Amsterdam,Netherlands"));
        QCOMPARE(home_.dstStart, 834);
        QCOMPARE(current_.name, home_.name);
        QCOMPARE(current_.longitude, home_.longitude);
        QCOMPARE(fakes_->timer.sent.size(), std::size_t(1));
        QCOMPARE(fakes_->timer.sent[0].message, WM_KELMO_RELOAD);
        QCOMPARE(fakes_->timer.sent[0].wParam, 0L);
        QVERIFY(checked(&dialog, loc::kYesDst));
        // The file still reads, and its home is the chosen location.
        Location home;
        Config config;
        QCOMPARE(loadConfig(home, config), 0);
        QCOMPARE(home.name, std::string("amsterdam,netherlands"));
        // Without a Timer nothing is sent.
        fakes_->timer.running = false;
        fakes_->timer.sent.clear();
        type(&dialog, loc::kName, "Accra,Ghana");
        click(&dialog, loc::kSelectHome);
        QVERIFY(fakes_->timer.sent.empty());
        QCOMPARE(homeNameInFile(), std::string("Accra,Ghana"));
    }

    void changeRewritesTheRecordAndFollowsTheCurrentLocation() {
        const std::vector<Location> file = fileLocations();
        current_ = file[2];  // Accra,Ghana
        LocDlg dialog(home_, current_, fakes_->services);
        dialog.show();
        type(&dialog, loc::kName, "ACCRA,Ghana");
        type(&dialog, loc::kHeight, "61");
        click(&dialog, loc::kChange);
        QCOMPARE(QString::fromStdString(messages().lastText()), QString());
        const std::vector<Location> after = fileLocations();
        QCOMPARE(after.size(), file.size());
        QCOMPARE(after[2].name, std::string("ACCRA,Ghana"));
        QCOMPARE(after[2].height, 61);
        QCOMPARE(listBox(&dialog)->item(2)->text(), QString("ACCRA,Ghana"));
        QVERIFY(listAndListBoxAgree(dialog));
        // The current location took the new data (SelectPlace ran).
        QCOMPARE(current_.height, 61);
        QCOMPARE(homeNameInFile(), std::string("Manama,Bahrain"));
        type(&dialog, loc::kName, "Atlantis,Ocean");
        click(&dialog, loc::kChange);
        QCOMPARE(messages().lastText(),
                 std::string("The location does not exist in the database!\t\n"));
    }

    // The zone box: "none" and the tz database's zones, searched anywhere in the name; a place
    // with a zone shows the zone's present law (IANA tz data: New York second Sunday of March
    // to first Sunday of November, Lord Howe UTC+10:30 with half an hour of summer time, which
    // the rule codes cannot hold); the zone is the eighth word of its line in the file.
    void zoneBoxFillsTimeZoneAndSummerTime() {
        LocDlg dialog(home_, current_, fakes_->services);
        dialog.show();
        QComboBox* zones = test::listOf(&dialog, loc::kZone);
        QVERIFY(zones->count() > 300);
        QCOMPARE(zones->currentText(), QString("none"));
        QCOMPARE(zones->completer()->filterMode(), Qt::MatchContains);
        zones->completer()->setCompletionPrefix("new_york");
        QCOMPARE(zones->completer()->currentCompletion(), QString("America/New_York"));

        QListWidget* box = listBox(&dialog);
        box->setCurrentRow(findRow(box, "New York,NY,CA,USA"));
        QCOMPARE(zones->currentText(), QString("America/New_York"));
        QVERIFY(checked(&dialog, loc::kMinus));
        QCOMPARE(textOf(&dialog, loc::kZoneHours), QString("5"));
        QVERIFY(checked(&dialog, loc::kYesDst));
        QCOMPARE(test::listOf(&dialog, loc::kStartDay)->currentText(), QString("2nd Sunday"));
        QCOMPARE(test::listOf(&dialog, loc::kStartMonth)->currentText(), QString("March"));
        QCOMPARE(test::listOf(&dialog, loc::kEndDay)->currentText(), QString("First Sunday"));
        QCOMPARE(test::listOf(&dialog, loc::kEndMonth)->currentText(), QString("November"));

        typePlace(&dialog, "Lord Howe,Australia", 31, 33, 0, 159, 0, 0);
        choose(zones, "Australia/Lord_Howe");
        QVERIFY(checked(&dialog, loc::kPlus));
        QCOMPARE(textOf(&dialog, loc::kZoneHours), QString("10"));
        QCOMPARE(textOf(&dialog, loc::kZoneMinutes), QString("30"));
        QVERIFY(checked(&dialog, loc::kNoDst));
        QVERIFY(!controlById(&dialog, loc::kStartDay)->isEnabled());
        save(dialog, "location_zone");
        click(&dialog, loc::kAdd);
        QCOMPARE(QString::fromStdString(messages().lastText()), QString());
        QVERIFY(fileText().find("\nLord;Howe,Australia 0.55065138 2.77507351 12 10.5000 0 0 "
                                "Australia/Lord_Howe\n") != std::string::npos);

        // A name that is no zone is refused; "none" stores no zone.
        type(&dialog, loc::kName, "Nowhere,Land");
        zones->setEditText("Mars/Olympus");
        click(&dialog, loc::kAdd);
        QCOMPARE(messages().lastText(), std::string(kMessageUnknownZone));
        QVERIFY(fileText().find("Nowhere") == std::string::npos);
        choose(zones, "none");
        click(&dialog, loc::kAdd);
        QVERIFY(fileText().find("\nNowhere,Land 0.55065138 2.77507351 12 10.5000 0 0\n") !=
                std::string::npos);
    }

    void choosingAnEntryShowsIt() {
        LocDlg dialog(home_, current_, fakes_->services);
        dialog.show();
        QListWidget* box = listBox(&dialog);
        box->scrollToItem(box->item(12));
        QTest::mouseClick(box->viewport(), Qt::LeftButton, Qt::NoModifier,
                          box->visualItemRect(box->item(12)).center());
        QCOMPARE(textOf(&dialog, loc::kName), QString("Amsterdam,Netherlands"));
        QVERIFY(checked(&dialog, loc::kYesDst));
        QVERIFY(controlById(&dialog, loc::kStartDay)->isEnabled());
        QCOMPARE(test::listOf(&dialog, loc::kEndMonth)->currentText(), QString("October"));
        QCOMPARE(current_.name, std::string("Manama,Bahrain"));  // choosing changes nothing
        box->setCurrentRow(2);                                   // Accra: no summer time
        QCOMPARE(textOf(&dialog, loc::kName), QString("Accra,Ghana"));
        QVERIFY(!controlById(&dialog, loc::kStartDay)->isEnabled());
    }
};

QTEST_MAIN(LocDlgTest)
#include "loc_dlg_test.moc"
