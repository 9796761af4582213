// The Timer's search for the next prayer: the slots each school of law prays, the order
// through a day, the day after the last prayer, a previous prayer on another day (after
// sleep), and summer time added to the found time. The expected times are computeDayTimes'
// (the search must return them unchanged, plus one hour in summer time).
#include <QTest>
#include <cmath>
#include <span>

#include "base/angles.h"
#include "calendar/summer_time.h"
#include "prayer/day_times.h"
#include "prayer/next_prayer.h"
#include "ui/timer_fakes.h"
#include "ui/ui_support.h"

#include "support/civil_date.h"

using namespace kelmo;
using namespace kelmo::ui;

namespace {

constexpr double kHour = kPi / 12.0;

using test::civil;

// London with the European rule: from the last Sunday of March to the last Sunday of
// October (rule codes month * 256 + 66, "Last Sunday").
Location london() {
    Location place;
    place.name = "London,UK";
    place.latitude = 51.5072 * kDegToRad;
    place.longitude = -0.1276 * kDegToRad;
    place.timeZone = 0.0f;
    place.dstStart = 3 * 256 + 66;
    place.dstEnd = 10 * 256 + 66;
    return place;
}

}  // namespace

class NextPrayerTest : public QObject {
    Q_OBJECT

    Config config_;
    Location place_ = test::manama();

    UtcTime at(const CalendarDate& date, double hours, const Location& place) const {
        return test::utcFromJulianDay(test::julianDayAtLocal(place, date, hours * kHour));
    }

  private Q_SLOTS:
    void schoolsPrayTheirSlots() {
        // Rows: fiqh 0..4; columns: slots 0..8 (1 = a prayer).
        const int table[5][9] = {{0, 1, 0, 0, 1, 0, 0, 1, 0},
                                 {0, 1, 0, 0, 1, 1, 0, 1, 1},
                                 {0, 1, 0, 0, 1, 0, 1, 1, 1},
                                 {0, 1, 0, 0, 1, 1, 0, 1, 1},
                                 {0, 1, 0, 0, 1, 1, 0, 1, 1}};
        for (int fiqh = 0; fiqh < 5; ++fiqh)
            for (int slot = 0; slot < 9; ++slot)
                QVERIFY2(isPrayerSlot(slot, fiqh) == (table[fiqh][slot] == 1),
                         qPrintable(QString("fiqh %1 slot %2").arg(fiqh).arg(slot)));
        QVERIFY(!isPrayerSlot(-1, 1));
        QVERIFY(!isPrayerSlot(9, 1));
        QCOMPARE(QString(slotPrayerName(6)), QStringLiteral("Asr"));
        QCOMPARE(QString(slotPrayerName(3)), QString());
        QCOMPARE(prayerAlertBit(0), 4);
        QCOMPARE(prayerAlertBit(4), 64);
    }

    void walksThroughTheDayInOrder() {
        for (int fiqh : {0, 1, 2}) {
            config_.fiqh = fiqh;
            const CalendarDate day = civil(2024, 3, 11);
            const PrayerTimes t = computeDayTimes(day, place_, config_);
            CalendarDate date = day;
            int slot = 0;
            double time = 0;
            std::vector<int> seen;
            // Ask just after each found prayer, as the Timer does after each alert.
            double hours = 0.01;
            while (true) {
                QCOMPARE(FindNextPrayer(config_, date, place_, at(day, hours, place_), time, slot),
                         1);
                if (date.day != day.day) break;
                QCOMPARE(time, t.slots[static_cast<std::size_t>(slot)]);
                seen.push_back(slot);
                hours = time / kHour + 0.001;
            }
            const std::vector<int> expected = fiqh == 0   ? std::vector<int>{1, 4, 7}
                                              : fiqh == 2 ? std::vector<int>{1, 4, 6, 7, 8}
                                                          : std::vector<int>{1, 4, 5, 7, 8};
            QCOMPARE(seen, expected);
            // After the day's last prayer: the next day's Fajr.
            QCOMPARE(slot, 1);
            QCOMPARE(date.day, 12.0);
            QCOMPARE(time, computeDayTimes(civil(2024, 3, 12), place_, config_).slots[1]);
        }
    }

    void lastPrayerOfYesterdayStartsTodayFromFajr() {
        config_.fiqh = 1;
        CalendarDate date = civil(2024, 3, 10);  // Isha was scheduled on the 10th
        int slot = 8;
        double time = 0;
        const CalendarDate today = civil(2024, 3, 11);
        QCOMPARE(FindNextPrayer(config_, date, place_, at(today, 0.5, place_), time, slot), 1);
        QCOMPARE(slot, 1);
        QCOMPARE(date.day, 11.0);
        QCOMPARE(time, computeDayTimes(today, place_, config_).slots[1]);
    }

    void previousPrayerOnAnotherDayDoesNotSkipTodaysPrayers() {
        config_.fiqh = 1;
        CalendarDate date = civil(2024, 3, 10);  // Asr of the 10th; the computer slept
        int slot = 5;
        double time = 0;
        const CalendarDate today = civil(2024, 3, 11);
        QCOMPARE(FindNextPrayer(config_, date, place_, at(today, 10.0, place_), time, slot), 1);
        QCOMPARE(slot, 4);  // Duhr of the 11th, not Maghrib
        QCOMPARE(date.day, 11.0);
    }

    void summerTimeAddsItsHour() {
        config_.fiqh = 1;
        const Location place = london();
        const CalendarDate day = civil(2024, 7, 1);
        PrayerTimes t = computeDayTimes(day, place, config_);
        const double duhrZoneTime = t.slots[4];
        QVERIFY(applySummerTime(place, day, std::span<double>(t.slots)));
        CalendarDate date = day;
        int slot = 0;
        double time = 0;
        // 11:00 civil time (10:00 zone time) is before Duhr (about 13:02 civil time).
        const UtcTime now =
            test::utcFromJulianDay(test::julianDayAtLocal(place, day, 10.0 * kHour));
        QCOMPARE(FindNextPrayer(config_, date, place, now, time, slot), 1);
        QCOMPARE(slot, 4);
        QVERIFY(std::abs(time - (duhrZoneTime + kHour)) < 1e-12);
    }
};

QTEST_MAIN(NextPrayerTest)
#include "next_prayer_test.moc"
