// The Date dialog driven through its widgets, with a recording message box.
#include <QRadioButton>
#include <QTest>

#include "calendar/julian_day.h"
#include "hijri/hijri_date.h"
#include "ui/date_dlg.h"
#include "ui/fake_services.h"
#include "ui/ui_support.h"

using namespace kelmo;
using namespace kelmo::ui;
using kelmo::test::click;
using kelmo::test::type;

class DateDlgTest : public QObject {
    Q_OBJECT

    test::RecordingMessageBox messages_;
    Location place_ = test::manama();
    Config config_;
    CalendarDate chosen_;

    void chooseCivil(int year, int month, int day) {
        chosen_ = CalendarDate{};
        chosen_.year = year;
        chosen_.month = month;
        chosen_.day = day;
        hijriFromDate(chosen_, place_, config_);
    }

  private Q_SLOTS:
    void init() {
        messages_.shown.clear();
        config_ = Config{};
        chooseCivil(2024, 3, 20);
    }

    void fieldsStartFromTheChosenDateAndFlags() {
        config_.alertFlags = 1 << 8;  // a month
        DateDlg dialog(chosen_, config_, place_, messages_);
        QCOMPARE(test::editOf(&dialog, date::kYear)->text(), QString("2024"));
        QCOMPARE(test::editOf(&dialog, date::kDay)->text(), QString("20"));
        QCOMPARE(test::listOf(&dialog, date::kMonth)->currentText(), QString("March"));
        QVERIFY(control<QRadioButton>(&dialog, date::kMonthPeriod)->isChecked());
        QVERIFY(control<QRadioButton>(&dialog, date::kCivilType)->isChecked());
        // A month: only the month list is enabled.
        QVERIFY(!controlById(&dialog, date::kDay)->isEnabled());
        QVERIFY(!controlById(&dialog, date::kConvert)->isEnabled());
        QVERIFY(controlById(&dialog, date::kMonth)->isEnabled());
    }

    void hijriTypeWithoutValidHijriDateStartsAtMuharram1420() {
        config_.alertFlags = alert::kHijriDate;
        chosen_.hijriValid = 0;
        DateDlg dialog(chosen_, config_, place_, messages_);
        QCOMPARE(test::editOf(&dialog, date::kYear)->text(), QString("1420"));
        QCOMPARE(test::editOf(&dialog, date::kDay)->text(), QString("1"));
        QCOMPARE(test::listOf(&dialog, date::kMonth)->currentText(), QString("Muharram"));
        QCOMPARE(test::listOf(&dialog, date::kMonth)->count(), 12);
    }

    void periodRadiosEnableTheFields() {
        DateDlg dialog(chosen_, config_, place_, messages_);
        dialog.show();
        click(&dialog, date::kYearPeriod);
        QVERIFY(!controlById(&dialog, date::kDay)->isEnabled());
        QVERIFY(!controlById(&dialog, date::kMonth)->isEnabled());
        QVERIFY(!controlById(&dialog, date::kConvert)->isEnabled());
        click(&dialog, date::kMonthPeriod);
        QVERIFY(controlById(&dialog, date::kMonth)->isEnabled());
        QVERIFY(!controlById(&dialog, date::kDay)->isEnabled());
        click(&dialog, date::kDayPeriod);
        QVERIFY(controlById(&dialog, date::kDay)->isEnabled());
        QVERIFY(controlById(&dialog, date::kConvert)->isEnabled());
    }

    void switchingTheTypeShowsTheStoredDateInTheOtherCalendar() {
        DateDlg dialog(chosen_, config_, place_, messages_);
        dialog.show();
        type(&dialog, date::kDay, "3");  // typed, not converted: the stored date is shown
        click(&dialog, date::kHijriType);
        QCOMPARE(test::listOf(&dialog, date::kMonth)->itemText(0), QString("Muharram"));
        QCOMPARE(test::editOf(&dialog, date::kYear)->text(), QString::number(chosen_.hijriYear));
        QCOMPARE(test::editOf(&dialog, date::kDay)->text(), QString::number(int(chosen_.hijriDay)));
        QCOMPARE(test::listOf(&dialog, date::kMonth)->currentIndex(), chosen_.hijriMonth - 1);
        // After Convert the converted date is the one shown in the other calendar.
        type(&dialog, date::kYear, "1446");
        click(&dialog, date::kConvert);
        click(&dialog, date::kCivilType);
        QCOMPARE(test::editOf(&dialog, date::kYear)->text(), QString("2025"));
    }

    void convertOfTheGregorianGapIsInvalid() {
        DateDlg dialog(chosen_, config_, place_, messages_);
        dialog.show();
        const CalendarDate before = chosen_;
        type(&dialog, date::kYear, "1582");
        test::listOf(&dialog, date::kMonth)->setCurrentIndex(9);
        type(&dialog, date::kDay, "10");
        click(&dialog, date::kConvert);
        QCOMPARE(messages_.lastText(), std::string("Invalid date is chosen!\t"));
        QCOMPARE(messages_.shown.back().caption, std::string("KelmoTimes"));
        QCOMPARE(chosen_.year, before.year);
        QCOMPARE(chosen_.day, before.day);
    }

    void convertOf30FebruaryAndHijriYear0AreInvalid() {
        DateDlg dialog(chosen_, config_, place_, messages_);
        dialog.show();
        test::listOf(&dialog, date::kMonth)->setCurrentIndex(1);
        type(&dialog, date::kDay, "30");
        click(&dialog, date::kConvert);
        QCOMPARE(messages_.lastText(), std::string("Invalid date is chosen!\t"));
        messages_.shown.clear();
        click(&dialog, date::kHijriType);
        type(&dialog, date::kYear, "0");  // inside -2000 .. 6000, refused by the date check
        type(&dialog, date::kDay, "1");
        click(&dialog, date::kConvert);
        QCOMPARE(messages_.lastText(), std::string("Invalid date is chosen!\t"));
    }

    void convertBeforeTheHijriEraFails() {
        DateDlg dialog(chosen_, config_, place_, messages_);
        dialog.show();
        type(&dialog, date::kYear, "500");
        click(&dialog, date::kConvert);
        QCOMPARE(messages_.lastText(), std::string("Could not convert chosen date!\t"));
    }

    // Convert shows the typed date in both calendars and keeps it in the dialog: Set stores
    // it, Cancel leaves the chosen date as it was.
    void convertShowsBothCalendarsAndOnlySetStoresThem() {
        for (const bool set : {false, true}) {
            chooseCivil(2024, 3, 20);
            const CalendarDate before = chosen_;
            DateDlg dialog(chosen_, config_, place_, messages_);
            dialog.show();
            type(&dialog, date::kYear, "2024");
            test::listOf(&dialog, date::kMonth)->setCurrentIndex(3);
            type(&dialog, date::kDay, "10");
            click(&dialog, date::kConvert);
            QVERIFY(messages_.shown.empty());
            QVERIFY(dialog.isVisible());  // Convert leaves the dialog open
            QCOMPARE(chosen_.day, before.day);
            QCOMPARE(chosen_.hijriDay, before.hijriDay);
            // 10 April 2024 was a Wednesday, around 1 Shawwal 1445 (the day after Ramadan).
            CalendarDate reference{};
            reference.year = 2024;
            reference.month = 4;
            reference.day = 10;
            hijriFromDate(reference, place_, config_);
            QCOMPARE(reference.hijriYear, 1445);
            const QString expected =
                QString("The chosen date corresponds to Wednesday, %1/%2/1445 AH")
                    .arg(int(reference.hijriDay))
                    .arg(reference.hijriMonth == 10 ? "Shawwal" : "Ramadan");
            QCOMPARE(dialog.chosenDateLine(), expected);
            click(&dialog, set ? date::kSet : date::kCancel);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(chosen_.month, set ? 4 : before.month);
            QCOMPARE(chosen_.day, set ? 10.0 : before.day);
            QCOMPARE(chosen_.hijriMonth, set ? reference.hijriMonth : before.hijriMonth);
            QCOMPARE(chosen_.hijriDay, set ? reference.hijriDay : before.hijriDay);
            QCOMPARE(config_.alertFlags, 0);  // Convert stores no period or type
        }
    }

    // With Umm al-Qura the dialog converts by that calendar (1 Ramadan 1445 was 11 March 2024
    // in Saudi Arabia) and says so for a year it does not cover.
    void ummAlQuraConvertsAndRefusesYearsItDoesNotCover() {
        config_.hijriCalendar = HijriCalendar::ummAlQura;
        const CalendarDate before = chosen_;
        DateDlg dialog(chosen_, config_, place_, messages_);
        dialog.show();
        type(&dialog, date::kYear, "2024");
        test::listOf(&dialog, date::kMonth)->setCurrentIndex(2);
        type(&dialog, date::kDay, "11");
        click(&dialog, date::kConvert);
        QVERIFY(messages_.shown.empty());
        QVERIFY(dialog.chosenDateLine().contains("1/Ramadan/1445 AH"));
        const std::string outside = "Date outside the Umm al-Qura calendar (1300-1600 AH)!\t";
        type(&dialog, date::kYear, "1850");
        click(&dialog, date::kConvert);
        QCOMPARE(messages_.lastText(), outside);
        QCOMPARE(chosen_.year, before.year);  // unchanged
        chooseCivil(1850, 1, 1);
        DateDlg old(chosen_, config_, place_, messages_);
        QVERIFY(old.chosenDateLine().contains("outside the Umm al-Qura calendar"));
    }

    void paintedLineForOtherPeriodsAndPreHijriDates() {
        config_.alertFlags = 2 << 8;
        {
            DateDlg dialog(chosen_, config_, place_, messages_);
            QCOMPARE(dialog.chosenDateLine(), QString(32, ' '));
        }
        config_.alertFlags = 0;
        chooseCivil(600, 1, 1);
        DateDlg dialog(chosen_, config_, place_, messages_);
        QCOMPARE(dialog.chosenDateLine(),
                 QString("The chosen date is pre Hijri date") + QString(19, ' '));
    }

    void setForAYearStoresFirstJanuaryAndBit9() {
        config_.alertFlags = alert::kHijriDate | (1 << 8) | alert::kNotifier | (1 << 20);
        DateDlg dialog(chosen_, config_, place_, messages_);
        dialog.show();
        click(&dialog, date::kCivilType);
        click(&dialog, date::kYearPeriod);
        type(&dialog, date::kYear, "2024");
        test::listOf(&dialog, date::kMonth)->setCurrentIndex(6);
        click(&dialog, date::kSet);
        QVERIFY(messages_.shown.empty());
        QCOMPARE(dialog.result(), 0);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(chosen_.year, 2024);
        QCOMPARE(chosen_.month, 1);
        QCOMPARE(chosen_.day, 1.0);
        // Bit 9 set; bits 8 and 12 and every bit above 15 cleared; the Notifier bit kept.
        QCOMPARE(config_.alertFlags, (1 << 9) | alert::kNotifier);
    }

    void setForAHijriMonthStoresTheFirstDayAndBits8And12() {
        DateDlg dialog(chosen_, config_, place_, messages_);
        dialog.show();
        click(&dialog, date::kHijriType);
        click(&dialog, date::kMonthPeriod);
        type(&dialog, date::kYear, "1445");
        test::listOf(&dialog, date::kMonth)->setCurrentIndex(8);
        QCOMPARE(test::listOf(&dialog, date::kMonth)->currentText(), QString("Ramadan"));
        click(&dialog, date::kSet);
        QVERIFY(messages_.shown.empty());
        QCOMPARE(chosen_.hijriYear, 1445);
        QCOMPARE(chosen_.hijriMonth, 9);
        QCOMPARE(chosen_.hijriDay, 1.0);
        // 1 Ramadan 1445 began at sunset of 10 or 11 March 2024 depending on the crescent.
        QCOMPARE(chosen_.year, 2024);
        QCOMPARE(chosen_.month, 3);
        QVERIFY(chosen_.day >= 10 && chosen_.day < 13);
        QCOMPARE(config_.alertFlags, (1 << 8) | alert::kHijriDate);
    }

    void setWithACivilDateKeepsTheQiblaMethod() {
        config_.alertFlags = alert::kHijriDate | (2 << alert::kQiblaMethodShift);
        DateDlg dialog(chosen_, config_, place_, messages_);
        dialog.show();
        click(&dialog, date::kCivilType);
        click(&dialog, date::kSet);
        QCOMPARE(config_.alertFlags, 2 << alert::kQiblaMethodShift);
    }

    void yearOutOfRangeIsRefusedByTheFieldCheck() {
        DateDlg dialog(chosen_, config_, place_, messages_);
        dialog.show();
        type(&dialog, date::kYear, "6001");
        click(&dialog, date::kSet);
        QCOMPARE(messages_.lastText(), std::string("Enter an integer between -2000 and 6000."));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget(), controlById(&dialog, date::kYear));
        type(&dialog, date::kYear, "20x4");
        click(&dialog, date::kSet);
        QCOMPARE(messages_.lastText(), std::string("Enter an integer."));
    }

    void enterInAFieldCancels() {
        config_.alertFlags = 1 << 8;
        DateDlg dialog(chosen_, config_, place_, messages_);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const CalendarDate before = chosen_;
        type(&dialog, date::kYear, "2030");
        QTest::keyClick(test::editOf(&dialog, date::kYear), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(chosen_.year, before.year);
        QCOMPARE(config_.alertFlags, 1 << 8);
    }

    void tooltipsAreRegistered() {
        DateDlg dialog(chosen_, config_, place_, messages_);
        QCOMPARE(controlById(&dialog, date::kDay)->toolTip(), QString("Set the required day"));
        QCOMPARE(controlById(&dialog, date::kConvert)->toolTip().replace('\n', ' '),
                 QString("Press to convert chosen date"));
        QCOMPARE(controlById(&dialog, date::kYearPeriod)->toolTip().replace('\n', ' '),
                 QString("Check one of the radio buttons to indicate if you want to calculate "
                         "for a day, a month or a year"));
        QVERIFY(control<QPushButton>(&dialog, date::kCancel)->isDefault());
        QCOMPARE(dialog.windowTitle(), QString(" Date"));
    }
};

QTEST_MAIN(DateDlgTest)
#include "date_dlg_test.moc"
