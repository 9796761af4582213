// The Notifier strip: its caption (whole, the strip wide enough), the count-down from the fixed
// clock redrawn every second with its seconds cut (over midnight, held at "00:00:00" once the
// time has passed), the six flashes of the last minute, the "Do" menu, and a
// picture of the strip for review. Manama, Bahrain (UT + 3 h).
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "base/angles.h"
#include "calendar/row_time.h"
#include "ui/dialog_template.h"
#include "ui/fake_services.h"
#include "ui/notify.h"
#include "ui/timer_fakes.h"
#include "ui/ui_support.h"

using namespace kelmo;
using namespace kelmo::ui;

namespace {

constexpr double kHour = kPi / 12.0;
constexpr double kMinute = kHour / 60.0;
constexpr double kSecond = kMinute / 60.0;

class RecordingHost final : public NotifyHost {
  public:
    void CloseNotifier() override { ++closes; }
    void EndBackground() override { ++ends; }
    int closes = 0;
    int ends = 0;
};

}  // namespace

class NotifyTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeServices> fakes_;
    RecordingHost host_;
    Config config_;
    Location place_ = test::manama();
    CalendarDate day_;

    void setLocal(double dayAngle, int plusDays = 0) {
        CalendarDate d = day_;
        d.day += plusDays;
        fakes_->clock.set(test::utcFromJulianDay(test::julianDayAtLocal(place_, d, dayAngle)));
    }
    // The instant the place's clock reads nextTime (radians) on date.
    Instant at(const CalendarDate& date, double nextTime) const {
        return instantOfRowTime(nextTime / kSecondToRad, test::zoneOf(place_), date);
    }
    std::unique_ptr<Notify> make(int prayer, double nextTime) {
        return std::make_unique<Notify>(config_, place_, prayer, at(day_, nextTime), nextTime,
                                        fakes_->services, host_);
    }

  private Q_SLOTS:
    void initTestCase() {
        day_.year = 2024;
        day_.month = 3;
        day_.day = 11;
    }
    void init() {
        fakes_ = std::make_unique<test::FakeServices>();
        host_ = RecordingHost{};
    }

    void captionNamesThePrayerWithItsMinuteRoundedUp() {
        setLocal(12 * kHour);
        auto strip = make(3, 17 * kHour + 51 * kMinute + 1 * kSecond);
        QCOMPARE(strip->windowTitle(), QStringLiteral("Maghrib prayer starts at 17:52"));
        auto exact = make(0, 4 * kHour + 30 * kMinute);
        QCOMPARE(exact->windowTitle(), QStringLiteral("Fajr prayer starts at 04:30"));
        QVERIFY(strip->tickTimerActive());
        QCOMPARE(strip->pos(), QPoint(0, 0));
        // A caption bar has room for the whole caption, and the button stays at the right end.
        QFont bold = strip->font();
        bold.setBold(true);
        QVERIFY(strip->width() > QFontMetrics(bold).horizontalAdvance(strip->windowTitle()));
        QCOMPARE(strip->doButton()->geometry().right(), strip->width() - 1);
    }

    void countDownIsRedrawnEverySecondWithItsSecondsCut() {
        setLocal(12 * kHour);
        auto strip = make(3, 17 * kHour + 50 * kMinute + 30 * kSecond);
        QCOMPARE(strip->countDownText(), QStringLiteral("Time left: 05:50:30"));
        QCOMPARE(strip->tickIntervalMs(), 1000);
        // 33.4 s left: the seconds are shown and cut, not rounded up to a minute.
        setLocal(17 * kHour + 49 * kMinute + 56.6 * kSecond);
        QCOMPARE(strip->countDownText(), QStringLiteral("Time left: 00:00:33"));
        setLocal(12 * kHour);
        // Scheduled on the 11th for Fajr of the 12th, looked at before midnight.
        CalendarDate next = day_;
        next.day = 12;
        setLocal(23 * kHour + 30 * kMinute);
        const double fajr = 4 * kHour + 20 * kMinute + 20 * kSecond;
        Notify tomorrow(config_, place_, 0, at(next, fajr), fajr, fakes_->services, host_);
        QCOMPARE(tomorrow.countDownText(), QStringLiteral("Time left: 04:50:20"));
        // The same prayer seen from two days before: whole days go into the hours.
        setLocal(3 * kHour, -1);
        QCOMPARE(tomorrow.countDownText(), QStringLiteral("Time left: 49:20:20"));
    }

    void passedTimeShowsZeroNeverNegative() {
        setLocal(17 * kHour + 52 * kMinute);
        auto strip = make(3, 17 * kHour + 51 * kMinute);
        QCOMPARE(strip->countDownText(), QStringLiteral("Time left: 00:00:00"));
        // Even a day later.
        setLocal(18 * kHour, 1);
        QCOMPARE(strip->countDownText(), QStringLiteral("Time left: 00:00:00"));
    }

    void lastMinuteFlashesSixTimesOnlyOnce() {
        setLocal(17 * kHour);
        auto strip = make(3, 17 * kHour + 2 * kMinute);
        strip->countDownText();
        QCOMPARE(strip->flashCount(), 0u);
        QVERIFY(!strip->flashTimerActive());
        setLocal(17 * kHour + 1 * kMinute);  // exactly one minute left
        strip->countDownText();
        QCOMPARE(strip->flashCount(), 7u);
        QVERIFY(strip->flashTimerActive());
        int inversions = 0;
        bool state = strip->inverted();
        for (int i = 0; i < 10; ++i) {
            strip->flashStep();
            if (strip->inverted() != state) ++inversions;
            state = strip->inverted();
        }
        QCOMPARE(inversions, 6);
        QVERIFY(!strip->inverted());  // back to normal
        QVERIFY(!strip->flashTimerActive());
        QCOMPARE(strip->flashCount(), 1u);
        strip->countDownText();  // never again
        QVERIFY(!strip->flashTimerActive());
    }

    void createdInTheLastMinuteFlashesAtTheFirstPaint() {
        setLocal(17 * kHour + 50 * kMinute + 30 * kSecond);
        auto strip = make(3, 17 * kHour + 51 * kMinute);
        strip->show();
        QVERIFY(QTest::qWaitForWindowExposed(strip.get()));
        strip->grab();
        QCOMPARE(strip->flashCount(), 7u);
    }

    void doMenuHasItsFourCommands() {
        setLocal(12 * kHour);
        auto strip = make(1, 12 * kHour + 5 * kMinute);
        QPushButton* button = control<QPushButton>(strip.get(), notifywin::kDo);
        QVERIFY(button != nullptr);
        QVERIFY(button->isFlat());
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->toolTip(), QStringLiteral("Press to see a menu."));
        const QList<QAction*> items = strip->menu()->actions();
        QCOMPARE(items.size(), 4);
        QCOMPARE(items[0]->text(), QStringLiteral("Minimize"));
        QCOMPARE(items[1]->text(), QStringLiteral("Start KelmoTimes"));
        QCOMPARE(items[2]->text(), QStringLiteral("Close Notifier"));
        QCOMPARE(items[3]->text(), QStringLiteral("Close Notifier and Timer"));
        QCOMPARE(items[0]->data().toInt(), 32779);
        QCOMPARE(items[1]->data().toInt(), 32777);
        QCOMPARE(items[2]->data().toInt(), 32773);
        QCOMPARE(items[3]->data().toInt(), 32778);
        items[2]->trigger();
        QCOMPARE(host_.closes, 1);
        items[3]->trigger();
        QCOMPARE(host_.ends, 1);
        items[1]->trigger();
        QCOMPARE(fakes_->programs.started.size(), std::size_t(1));
        QVERIFY(fakes_->programs.started[0].arguments.empty());
        fakes_->programs.succeeds = false;
        items[1]->trigger();
        QCOMPARE(fakes_->messages.lastText(), std::string("Could not start KelmoTimes!\t"));
        // Pressing the button opens the menu.
        strip->show();
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(strip->menu()->isVisible());
        strip->menu()->hide();
    }

    void closedByTheWindowManagerAsksTheTimer() {
        setLocal(12 * kHour);
        auto strip = make(1, 12 * kHour + 5 * kMinute);
        strip->show();
        strip->close();
        QCOMPARE(host_.closes, 1);
        QVERIFY(strip->isVisible());  // the Timer destroys it
    }

    void screenshot() {
        setLocal(17 * kHour + 8 * kMinute + 20 * kSecond);
        auto strip = make(3, 17 * kHour + 51 * kMinute + 12 * kSecond);
        strip->show();
        QVERIFY(QTest::qWaitForWindowExposed(strip.get()));
        // The client area under a drawn caption bar (the offscreen platform has none).
        const QPixmap client = strip->grab();
        const int bar = 22;
        QImage image(client.width(), client.height() + bar, QImage::Format_ARGB32);
        image.fill(QColor(60, 90, 140));
        QPainter p(&image);
        p.setPen(Qt::white);
        p.setFont(dialogFont());
        p.drawText(QRect(6, 0, client.width() - 6, bar), Qt::AlignVCenter, strip->windowTitle());
        p.drawPixmap(0, bar, client);
        p.end();
        QVERIFY(test::saveScreenshot(image, "notifier"));
        // One flash of the last minute.
        setLocal(17 * kHour + 50 * kMinute + 40 * kSecond);
        strip->countDownText();
        strip->flashStep();
        QVERIFY(strip->inverted());
        QVERIFY(test::saveScreenshot(strip.get(), "notifier_flash"));
        strip->openMenu(strip->mapToGlobal(QPoint(strip->width() - 10, strip->height())));
        QVERIFY(test::saveScreenshot(strip->menu(), "notifier_menu"));
        strip->menu()->hide();
    }
};

QTEST_MAIN(NotifyTest)
#include "notify_test.moc"
