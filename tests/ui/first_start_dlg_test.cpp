// The first start's dialog driven through its widgets, with a recording message box.
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "base/angles.h"
#include "files/settings/default_locations.h"
#include "files/settings/location_database.h"
#include "ui/fake_services.h"
#include "ui/first_start_dlg.h"
#include "ui/ui_support.h"

using namespace kelmo;
using namespace kelmo::ui;
using Answer = FirstStartChoice::Answer;

class FirstStartDlgTest : public QObject {
    Q_OBJECT

    test::RecordingMessageBox messages_;
    std::vector<Location> places_;
    Config defaults_;

    template <typename Widget>
    static Widget* find(const FirstStartDlg& dialog, const char* name) {
        return dialog.findChild<Widget*>(name);
    }
    std::size_t indexOf(const char* name) const {
        for (std::size_t i = 0; i < places_.size(); ++i)
            if (places_[i].name == name) return i;
        return places_.size();
    }

  private Q_SLOTS:
    void initTestCase() { QCOMPARE(locationsFromText(defaultConfigText(), places_), 0); }
    void init() { messages_.shown.clear(); }

    // The suggested place is selected; the search narrows the list; OK takes the selected
    // place and school; a search that leaves nothing is refused.
    void aPlaceOfTheList() {
        FirstStartDlg dialog(places_, indexOf("Riyadh,Saudi"), defaults_, "Asia/Riyadh", 2024,
                             messages_);
        dialog.show();
        auto* list = find<QListWidget>(dialog, firststart::kPlaces);
        QCOMPARE(list->currentItem()->text(), QString("Riyadh,Saudi"));
        QCOMPARE(find<QComboBox>(dialog, firststart::kSchool)->currentIndex(), defaults_.fiqh);
        QVERIFY(test::saveScreenshot(&dialog, "first_start"));
        QTest::keyClicks(find<QLineEdit>(dialog, firststart::kSearch), "zzz");
        dialog.accept();
        QCOMPARE(messages_.lastText(), std::string("Choose a place of the list."));
        QVERIFY(dialog.isVisible());
        find<QLineEdit>(dialog, firststart::kSearch)->clear();
        QTest::keyClicks(find<QLineEdit>(dialog, firststart::kSearch), "OSLO");
        int shown = 0;
        for (int row = 0; row < list->count(); ++row) shown += list->item(row)->isHidden() ? 0 : 1;
        QCOMPARE(shown, 1);
        QCOMPARE(list->currentItem()->text(), QString("Oslo,Norway"));
        find<QComboBox>(dialog, firststart::kSchool)->setCurrentIndex(3);
        dialog.accept();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(int(dialog.choice().answer), int(Answer::chosen));
        QCOMPARE(dialog.choice().place.name, std::string("Oslo,Norway"));
        QVERIFY(!dialog.choice().newPlace);
        QCOMPARE(dialog.choice().fiqh, 3);
    }

    // A new place needs a name not in the list and a zone of the database; it takes the
    // zone's law, checked against the built-in Oslo of the same zone.
    void aNewPlace() {
        FirstStartDlg dialog(places_, 0, defaults_, "Europe/Oslo", 2024, messages_);
        dialog.show();
        find<QRadioButton>(dialog, firststart::kNewPlace)->setChecked(true);
        QVERIFY(!find<QListWidget>(dialog, firststart::kPlaces)->isEnabled());
        auto* name = find<QLineEdit>(dialog, firststart::kName);
        auto* zone = find<QComboBox>(dialog, firststart::kZone);
        const std::pair<const char*, const char*> refused[] = {
            {"", "Enter the name of the new place."},
            {"oslo,norway", "This place is in the list: choose it there."}};
        for (const auto& [typed, message] : refused) {
            name->setText(typed);
            dialog.accept();
            QCOMPARE(messages_.lastText(), std::string(message));
        }
        name->setText("Tromso,Norway");
        zone->setCurrentText("Nowhere/Atlantis");
        dialog.accept();
        QCOMPARE(messages_.lastText(), std::string("Choose a time zone of the list."));
        QVERIFY(dialog.isVisible());
        zone->setCurrentText("Europe/Oslo");
        find<QDoubleSpinBox>(dialog, firststart::kLatitude)->setValue(69.6492);
        find<QDoubleSpinBox>(dialog, firststart::kLongitude)->setValue(18.9553);
        dialog.accept();
        const FirstStartChoice choice = dialog.choice();
        QCOMPARE(int(choice.answer), int(Answer::chosen));
        QVERIFY(choice.newPlace);
        QCOMPARE(choice.place.name, std::string("Tromso,Norway"));
        QVERIFY(qAbs(choice.place.latitude - 69.6492 * kDegToRad) < 1e-9);
        const Location& oslo = places_[indexOf("Oslo,Norway")];
        QCOMPARE(choice.place.zone, oslo.zone);
        QCOMPARE(choice.place.timeZone, oslo.timeZone);
        QCOMPARE(choice.place.dstStart, oslo.dstStart);
        QCOMPARE(choice.place.dstEnd, oslo.dstEnd);
    }

    void cancelAnswersCancelled() {
        FirstStartDlg dialog(places_, 0, defaults_, "", 2024, messages_);
        dialog.show();
        dialog.reject();
        QCOMPARE(int(dialog.choice().answer), int(Answer::cancelled));
    }
};

QTEST_MAIN(FirstStartDlgTest)
#include "first_start_dlg_test.moc"
