// The background Timer driven through whole prayer days with a fixed clock moved in 30-second
// ticks, a fake sound player and a fake tray: the alerts in order with their captions under
// Shafi'i and Jafari, a start just before a prayer, clock jumps both ways and resumes (only
// the prayer just passed, once, late and saying so; never before its time), the pre-alert
// once, sounds that cannot play (told, never asked, the alert on time), the Notifier alone,
// reload (a corrupt file keeps the last good settings), the tray icon with its tooltip and
// today's times, and the endpoint's status answer. Manama, Bahrain
// (UT + 3 h, no summer time), 11 March 2024; the expected prayer times are those of
// computeDayTimes, which the Timer must follow to the second.
#include <QMenu>
#include <QTest>
#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <span>

#include "base/angles.h"
#include "calendar/names.h"
#include "calendar/row_time.h"
#include "calendar/time_format.h"
#include "files/settings/config_file.h"
#include "platform/kelmo_messages.h"
#include "platform/qt/message_dialog.h"
#include "platform/timer_status.h"
#include "prayer/day_prayers.h"
#include "prayer/day_times.h"
#include "prayer/next_prayer.h"
#include "prayer/school_of_law.h"
#include "ui/athan.h"
#include "ui/background_mode.h"
#include "ui/fake_services.h"
#include "ui/kelmo_frm.h"
#include "ui/notify.h"
#include "ui/timer_fakes.h"
#include "ui/ui_support.h"

using namespace kelmo;
using namespace kelmo::ui;

namespace {

constexpr int kAllPrayers = 0x7C;  // bits 2..6
constexpr int kNotifierAndSound = alert::kNotifier | alert::kPlaySound;
constexpr double kTickDays = 30.0 / 86400.0;
constexpr double kRadiansPerSecond = 3.14159265358979323846 / 43200.0;
constexpr double kHour = 3600 * kRadiansPerSecond;

struct SeenAlert {
    QString caption;
    QStringList lines;
    double jd;  // when it opened (UT)
};

}  // namespace

class KelmoFrmTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::ProgramDirectory> dir_;
    std::unique_ptr<test::FakeServices> fakes_;
    std::unique_ptr<test::FakeSoundPlayer> sound_;
    std::unique_ptr<test::FakeTrayIcon> tray_;
    std::unique_ptr<ApplicationRecords> records_;
    std::unique_ptr<CKelmoFrm> frm_;
    CalendarDate day_;  // 2024-03-11
    double nowJd_ = 0.0;
    int ended_ = 0;
    test::FakeDesktopNotifier notifier_;
    std::vector<SeenAlert> alerts_;

    void setClock(double jd) {
        nowJd_ = jd;
        fakes_->clock.set(test::utcFromJulianDay(jd));
    }
    void setLocal(double hours, int plusDays = 0) {
        CalendarDate d = day_;
        d.day += plusDays;
        setClock(test::julianDayAtLocal(records_->current, d, hours * kPi / 12.0));
    }
    double localJd(double dayAngle, int plusDays = 0) const {
        CalendarDate d = day_;
        d.day += plusDays;
        return test::julianDayAtLocal(records_->current, d, dayAngle);
    }
    // The day's times as the clock shows them: radians after the day's midnight, not a number
    // for a marker.
    struct ShownTimes {
        std::array<double, kPrayerSlotCount> slots{};
    };
    ShownTimes timesOf(int plusDays) const {
        CalendarDate d = day_;
        d.day += plusDays;
        const Zone zone = test::zoneOf(records_->current);
        const DayPrayers prayers = dayPrayers(d, records_->current, zone, records_->config);
        ShownTimes t;
        for (std::size_t i = 0; i < kPrayerSlotCount; ++i) {
            const RowTime shown = rowTime(prayers.slots[i], zone, d);
            t.slots[i] =
                shown.isTime() ? shown.dayAngle() : std::numeric_limits<double>::quiet_NaN();
        }
        return t;
    }
    void makeTimer(int flags, int fiqh) {
        records_->config.alertFlags = flags;
        records_->config.fiqh = fiqh;
        // Kelmo.cfg holds the same settings, so that a reload reads them back.
        QCOMPARE(saveConfig(records_->config, dir_->path("Kelmo.cfg")), 0);
        frm_ = std::make_unique<CKelmoFrm>(
            *records_, fakes_->services, *sound_, *tray_,
            startupSettingsLoader(fakes_->services, dir_->path("Kelmo"), ""), [this] { ++ended_; });
        frm_->setDesktopNotifier(&notifier_);
        frm_->initialise();
    }
    // What a test does when the Timer's final wait or alert comes up: the clock reaches the
    // prayer time and the wait ends; the alert is noted and its sound ends.
    void serve() {
        if (frm_->finalWaitPending()) {
            setClock(nowJd_ + frm_->finalWaitMs() / 86400000.0);
            frm_->finishFinalWait();
        }
        if (Athan* alert = frm_->alert()) {
            alerts_.push_back({alert->windowTitle(), alert->textLines(), nowJd_});
            sound_->end();
        }
    }
    // Ticks every 30 s until the clock passes jd (or the Timer ends).
    void runUntil(double jd) {
        while (nowJd_ < jd && !frm_->ended()) {
            setClock(nowJd_ + kTickDays);
            frm_->tick();
            serve();
        }
    }
    static QString caption(int slot) {
        return QStringLiteral("  It is time for %1 prayer").arg(slotPrayerName(slot));
    }

  private Q_SLOTS:
    void initTestCase() {
        qputenv("TZ", "UTC");
        tzset();
        day_.year = 2024;
        day_.month = 3;
        day_.day = 11;
    }

    void init() {
        dir_ = std::make_unique<test::ProgramDirectory>();
        QCOMPARE(dir_->created(), 0);
        test::writeDummySound(dir_->path("Athan.wav"));
        test::writeDummySound(dir_->path("PreAth.wav"));
        fakes_ = std::make_unique<test::FakeServices>();
        sound_ = std::make_unique<test::FakeSoundPlayer>();
        tray_ = std::make_unique<test::FakeTrayIcon>();
        records_ = std::make_unique<ApplicationRecords>();
        records_->home = records_->current = test::manama();
        records_->date = day_;
        ended_ = 0;
        alerts_.clear();
        notifier_.shown.clear();
    }

    void cleanup() {
        frm_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // ---- whole days -----------------------------------------------------------------------

    void shafiiDayGivesFiveAlertsInOrderAtTheirTimes() {
        setLocal(0.0 + 10.0 / 3600.0);
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        QCOMPARE(frm_->nextSlot(), 1);
        runUntil(localJd(0.0, 1));
        const ShownTimes t = timesOf(0);
        const int slots[] = {1, 4, 5, 7, 8};
        QCOMPARE(alerts_.size(), std::size_t(5));
        for (std::size_t i = 0; i < 5; ++i) {
            QCOMPARE(alerts_[i].caption, caption(slots[i]));
            // Opened at the prayer time, not a tick late and not before it.
            const double due = localJd(t.slots[static_cast<std::size_t>(slots[i])]);
            // (The final wait is truncated to whole milliseconds.)
            const double offsetSeconds = (alerts_[i].jd - due) * 86400.0;
            QVERIFY2(offsetSeconds > -0.002 && offsetSeconds < 0.002,
                     qPrintable(alerts_[i].caption + " " + QString::number(offsetSeconds)));
            QCOMPARE(alerts_[i].lines.value(3),
                     QStringLiteral("%1 prayer is started %2")
                         .arg(slotPrayerName(slots[i]),
                              QString::fromStdString(
                                  formatTime(kRoundNearest,
                                             t.slots[static_cast<std::size_t>(slots[i])], 0, false)
                                      .text)));
        }
        QCOMPARE(alerts_[0].lines.value(0), QStringLiteral("Today is Monday,"));
        QCOMPARE(alerts_[0].lines.value(1), QStringLiteral("11/March/2024 AD"));
        QCOMPARE(alerts_[0].lines.value(4), QStringLiteral("in Manama,Bahrain"));
        // Each alert is also announced as a desktop notification, for desktops without a tray.
        QCOMPARE(notifier_.shown.size(), std::size_t(5));
        for (std::size_t i = 0; i < 5; ++i) {
            const std::string name = slotPrayerName(slots[i]);
            QCOMPARE(notifier_.shown[i].first, "It is time for " + name + " prayer");
            // The alert's own line, with the place.
            QCOMPARE(QString::fromStdString(notifier_.shown[i].second),
                     alerts_[i].lines.value(3) + " in Manama,Bahrain");
        }
        // After Isha: the next day's Fajr, with a Notifier counting down to it.
        QCOMPARE(frm_->nextSlot(), 1);
        QCOMPARE(records_->date.day, 12.0);
        QVERIFY(frm_->notifier() != nullptr);
        QVERIFY(frm_->notifier()->windowTitle().startsWith("Fajr prayer starts at "));
        QCOMPARE(int(sound_->played.size()), 5);
        QVERIFY(!frm_->ended());
    }

    void jafariDayAlertsFajrDuhrMaghribAndThenTheNextFajr() {
        setLocal(0.0 + 10.0 / 3600.0);
        makeTimer(kNotifierAndSound | kAllPrayers, 0);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        runUntil(localJd(timesOf(0).slots[7] + 60 * kRadiansPerSecond));
        QCOMPARE(alerts_.size(), std::size_t(3));
        QCOMPARE(alerts_[0].caption, caption(1));
        QCOMPARE(alerts_[1].caption, caption(4));
        QCOMPARE(alerts_[2].caption, caption(7));
        // Right after Maghrib: Fajr of the next day, no Isha.
        QCOMPARE(frm_->nextSlot(), 1);
        QCOMPARE(records_->date.day, 12.0);
        QCOMPARE(frm_->nextTime(), timesOf(1).slots[1]);
        runUntil(localJd(timesOf(1).slots[1] + 60 * kRadiansPerSecond, 1));
        QCOMPARE(alerts_.size(), std::size_t(4));
        QCOMPARE(alerts_[3].caption, caption(1));
        QCOMPARE(alerts_[3].lines.value(1), QStringLiteral("12/March/2024 AD"));
    }

    void startedAfterIshaWaitsForTomorrowsFajr() {
        setLocal(23.5);
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        QCOMPARE(frm_->nextSlot(), 1);
        QCOMPARE(records_->date.day, 12.0);
        QCOMPARE(frm_->nextTime(), timesOf(1).slots[1]);
    }

    // ---- timing edges ---------------------------------------------------------------------

    void startLessThanThirtySecondsBeforeAPrayerAlertsAtTheFirstTick() {
        const double duhr = timesOf(0).slots[4];
        setClock(localJd(duhr - 20 * kRadiansPerSecond));
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        QCOMPARE(frm_->nextSlot(), 4);
        setClock(nowJd_ + kTickDays);
        frm_->tick();
        // Already past: no wait, the alert opens in this very tick.
        QVERIFY(!frm_->finalWaitPending());
        QVERIFY(frm_->alert() != nullptr);
        QCOMPARE(frm_->alert()->windowTitle(), caption(4));
        QVERIFY(!frm_->tickActive());  // no tick while the alert runs
        sound_->end();
        QVERIFY(frm_->alert() == nullptr);
        QCOMPARE(frm_->nextSlot(), 5);
        QVERIFY(frm_->tickActive());
    }

    void finalStepWaitsTheSecondsLeftWithoutTicking() {
        const double duhr = timesOf(0).slots[4];
        setClock(localJd(duhr - 40 * kRadiansPerSecond));
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        setClock(nowJd_ + 10.0 / 86400.0);  // 30 s left: below the 32 s threshold
        frm_->tick();
        QVERIFY(frm_->finalWaitPending());
        QVERIFY(!frm_->tickActive());
        QVERIFY(std::abs(frm_->finalWaitMs() - 30000) <= 1);
        QVERIFY(frm_->alert() == nullptr);
        QVERIFY(frm_->notifier() != nullptr);  // closed only at the prayer time
        // 33 s left is still an ordinary tick.
        frm_->reload();
        setClock(localJd(duhr - 33 * kRadiansPerSecond));
        frm_->tick();
        QVERIFY(!frm_->finalWaitPending());
        QVERIFY(frm_->tickActive());
    }

    // A jump forward or a resume alerts only the latest prayer that has passed, naming its own
    // time and how late; none when that prayer's time is over (Fajr after sunrise).
    void forwardJumpAlertsOnlyThePrayerJustPassed() {
        const ShownTimes t0 = timesOf(0), t1 = timesOf(1);
        const double minute = 60 * kRadiansPerSecond;
        const struct {
            const char* what;
            double from, to;  // local times of day 11 (to: past 2 pi on day 12)
            int alertedSlot;  // 0: none
            const char* late;
            int nextSlot;
        } rows[] = {
            {"6 h 10 min forward into Maghrib", t0.slots[7] - 370 * minute,
             t0.slots[7] + 125 * kRadiansPerSecond, 7, "This prayer began 2 min ago", 8},
            {"resumed after Fajr's time is over", 12.5 * kHour, kTwoPi + 10.0 * kHour, 0, "", 4},
            {"resumed before sunrise", 12.5 * kHour, kTwoPi + t1.slots[1] + 605 * kRadiansPerSecond,
             1, "This prayer began 10 min ago", 4},
        };
        for (const auto& row : rows) {
            cleanup();
            init();
            setClock(localJd(row.from));
            makeTimer(kNotifierAndSound | kAllPrayers, 1);
            QCOMPARE(frm_->ScheduleNextPrayer(), 1);
            setClock(localJd(row.to));
            frm_->tick();
            serve();
            QCOMPARE(alerts_.size(), std::size_t(row.alertedSlot ? 1 : 0));
            if (row.alertedSlot) {
                const double own = row.alertedSlot == 1 ? t1.slots[1] : t0.slots[7];
                QCOMPARE(alerts_[0].caption, caption(row.alertedSlot));
                QCOMPARE(alerts_[0].lines.value(3),
                         QStringLiteral("%1 prayer is started %2")
                             .arg(slotPrayerName(row.alertedSlot),
                                  QString::fromStdString(
                                      formatTime(kRoundNearest, own, 0, false).text)));
                QCOMPARE(alerts_[0].lines.value(5), QString::fromLatin1(row.late));
                QVERIFY2(notifier_.shown.back().second.ends_with(row.late), row.what);
            }
            QCOMPARE(frm_->nextSlot(), row.nextSlot);
            QVERIFY2(frm_->tickActive(), row.what);
        }
    }

    // Set back by a day or three, the Timer alerts the prayers of the new day, each at its time.
    void clockSetBackAlertsTheNewDaysPrayersAtTheirTimes() {
        for (const int daysBack : {1, 3}) {
            cleanup();
            init();
            setLocal(13.0, daysBack);
            makeTimer(kNotifierAndSound | kAllPrayers, 1);
            QCOMPARE(frm_->ScheduleNextPrayer(), 1);
            setLocal(13.0);
            runUntil(localJd(0.0, 1));
            const ShownTimes t = timesOf(0);
            const int slots[] = {5, 7, 8};
            QCOMPARE(alerts_.size(), std::size_t(3));
            for (std::size_t i = 0; i < 3; ++i) {
                QCOMPARE(alerts_[i].caption, caption(slots[i]));
                const double offset =
                    (alerts_[i].jd - localJd(t.slots[std::size_t(slots[i])])) * 86400.0;
                QVERIFY2(offset > -0.002 && offset < 0.002, qPrintable(QString::number(offset)));
            }
        }
    }

    void clockSetBackAfterAnAlertNeverRepeatsIt() {
        const double duhr = timesOf(0).slots[4];
        setClock(localJd(duhr - 20 * kRadiansPerSecond));
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        runUntil(localJd(duhr + 30 * kRadiansPerSecond));
        QCOMPARE(alerts_.size(), std::size_t(1));
        setClock(localJd(duhr - 20 * kRadiansPerSecond));  // set back 50 s
        runUntil(localJd(duhr + 120 * kRadiansPerSecond));
        QCOMPARE(alerts_.size(), std::size_t(1));
        QCOMPARE(frm_->nextSlot(), 5);
        // A final wait that ends after the clock went back does not alert early either.
        setClock(localJd(timesOf(0).slots[5] - 20 * kRadiansPerSecond));
        frm_->tick();
        QVERIFY(frm_->finalWaitPending());
        setClock(nowJd_ - 600.0 / 86400.0);
        frm_->finishFinalWait();
        QVERIFY(frm_->alert() == nullptr);
        QCOMPARE(frm_->nextSlot(), 5);
        QVERIFY(frm_->tickActive());
    }

    void preAlertStartsBelowNinetySecondsAndOnlyOnce() {
        const double duhr = timesOf(0).slots[4];
        // 295 s: no 30-second tick falls on the 90-second boundary, whatever the fraction of
        // a second of Duhr.
        setClock(localJd(duhr - 295 * kRadiansPerSecond));
        makeTimer(kNotifierAndSound | kAllPrayers | alert::kPreAlertSound, 1);
        records_->config.preAlertMinutes = 1;
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        double startedLeft = -1;
        while (frm_->alert() == nullptr && !frm_->finalWaitPending()) {
            setClock(nowJd_ + kTickDays);
            frm_->tick();
            if (startedLeft < 0 && frm_->preAlertStarted())
                startedLeft = (localJd(duhr) - nowJd_) * 86400.0;
        }
        QVERIFY2(startedLeft > 60 && startedLeft < 90, qPrintable(QString::number(startedLeft)));
        QCOMPARE(sound_->played.size(), std::size_t(1));
        QCOMPARE(sound_->played[0], dir_->path("PreAth.wav"));
        const int stopsBefore = sound_->stops;
        serve();
        // The alert stops the pre-alert sound and plays the prayer sound.
        QCOMPARE(sound_->played.size(), std::size_t(2));
        QCOMPARE(sound_->played[1], dir_->path("Athan.wav"));
        QVERIFY(sound_->stops > stopsBefore);
        // The next prayer has its own pre-alert.
        QVERIFY(!frm_->preAlertStarted());
    }

    void missingPreAlertFileIsReportedOncePerPrayer() {
        const double duhr = timesOf(0).slots[4];
        setClock(localJd(duhr - 200 * kRadiansPerSecond));
        makeTimer(kNotifierAndSound | kAllPrayers | alert::kPreAlertSound, 1);
        records_->config.preAlertMinutes = 2;
        records_->config.preAlertSoundFile = "Missing.wav";
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        for (int i = 0; i < 5; ++i) {
            setClock(nowJd_ + kTickDays);
            frm_->tick();
        }
        // Told once, as a desktop notification (and on standard error), never in a box.
        QVERIFY(fakes_->messages.shown.empty());
        QCOMPARE(notifier_.shown.size(), std::size_t(1));
        QVERIFY(notifier_.shown[0].second.starts_with(
            "Could not open sound file (pre-play sound file)! (" + dir_->path("Missing.wav")));
        QVERIFY(sound_->played.empty());
    }

    // Without a sound device neither the pre-alert nor the prayer sound plays: both are told,
    // nothing waits for the user, and the alert comes at the prayer's time; its window stays
    // until Close while the Timer goes on, and the next alert closes it.
    void soundThatCannotPlayNeverDelaysTheAlert() {
        sound_->refuses = true;
        const ShownTimes t = timesOf(0);
        setClock(localJd(t.slots[4] - 200 * kRadiansPerSecond));
        makeTimer(kNotifierAndSound | kAllPrayers | alert::kPreAlertSound, 1);
        records_->config.preAlertMinutes = 1;
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        while (frm_->lingeringAlert() == nullptr) runUntil(nowJd_ + kTickDays);
        const double offset = (nowJd_ - localJd(t.slots[4])) * 86400.0;  // at Duhr, to the ms
        QVERIFY2(offset > -0.002 && offset < 0.002, qPrintable(QString::number(offset)));
        QVERIFY(fakes_->messages.shown.empty());
        QPointer<Athan> duhrAlert = frm_->lingeringAlert();
        QVERIFY(duhrAlert);
        QVERIFY(duhrAlert->isVisible());
        QCOMPARE(duhrAlert->windowTitle(), caption(4));
        QCOMPARE(duhrAlert->textLines().value(5), QStringLiteral("Could not start sound player!"));
        const std::vector<std::pair<std::string, std::string>> told = {
            {"KelmoTimes", "Could not start sound player! (no sound output device)"},
            {"It is time for Duhr prayer",
             prayerStartedLine("Duhr", t.slots[4]).toStdString() + " in Manama,Bahrain"},
            {"KelmoTimes", "Could not start sound player! (no sound output device)"}};
        QCOMPARE(notifier_.shown, told);
        // The Timer went on at once: Asr is scheduled and ticking, and its alert is on time.
        QCOMPARE(frm_->nextSlot(), 5);
        QVERIFY(frm_->tickActive());
        runUntil(localJd(t.slots[5] + 60 * kRadiansPerSecond));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(duhrAlert.isNull());
        QCOMPARE(frm_->lingeringAlert()->windowTitle(), caption(5));
    }

    void preAlertOnlyForPrayersWithTheirBitAndWithPlay() {
        const double duhr = timesOf(0).slots[4];
        setClock(localJd(duhr - 60 * kRadiansPerSecond));
        // Duhr's bit (3) clear.
        makeTimer(kNotifierAndSound | alert::kFajrSound | alert::kPreAlertSound, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        QVERIFY(!frm_->StartPreAlert());
        setClock(nowJd_ + kTickDays);
        frm_->tick();
        serve();
        QVERIFY(sound_->played.empty());
        QVERIFY(alerts_.empty());  // no alert for Duhr either
        QCOMPARE(frm_->nextSlot(), 5);
    }

    // ---- Notifier only, termination --------------------------------------------------------

    void notifierOnlyShowsNoIconNoAlertAndReopensForTheNextPrayer() {
        setLocal(11.0);
        makeTimer(alert::kNotifier | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        QVERIFY(tray_->isShown());  // the Timer can always be reached
        QPointer<Notify> first = frm_->notifier();
        QVERIFY(first);
        QVERIFY(first->windowTitle().startsWith("Duhr prayer starts at "));
        runUntil(localJd(timesOf(0).slots[4] + 60 * kRadiansPerSecond));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(alerts_.empty());
        QVERIFY(sound_->played.empty());
        QVERIFY(notifier_.shown.empty());  // no call to prayer was asked for
        QVERIFY(first.isNull());
        QVERIFY(frm_->notifier() != nullptr);
        QVERIFY(frm_->notifier()->windowTitle().startsWith("Asr prayer starts at "));
        frm_->notifier()->command(notifywin::kClose);  // the icon stays: the Timer is reachable
        QVERIFY(frm_->notifier() == nullptr && tray_->isShown() && !frm_->ended());
    }

    void terminateTimerKeepsTheNotifierUntilThePrayerThenEnds() {
        setLocal(11.0);
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        QVERIFY(tray_->isShown());
        frm_->command(timerwin::kTerminate);
        QVERIFY(frm_->timerTerminated());
        QVERIFY(!tray_->isShown());
        QVERIFY(!frm_->ended());
        QVERIFY(frm_->notifier() != nullptr);
        runUntil(localJd(timesOf(0).slots[4] + 60 * kRadiansPerSecond));
        QVERIFY(frm_->ended());
        QCOMPARE(ended_, 1);
        QVERIFY(alerts_.empty());
    }

    void terminateTimerWithoutNotifierEndsAtOnce() {
        setLocal(11.0);
        makeTimer(alert::kPlaySound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        QVERIFY(frm_->notifier() == nullptr);
        frm_->command(timerwin::kTerminate);
        QVERIFY(frm_->ended());
        QCOMPARE(ended_, 1);
        QVERIFY(!frm_->tickActive());
    }

    void closeNotifierAfterTerminateEndsTheProcess() {
        setLocal(11.0);
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        frm_->TerminateTimer();
        frm_->notifier()->command(notifywin::kClose);
        QVERIFY(frm_->ended());
        QVERIFY(frm_->notifier() == nullptr);
    }

    void quitMessageEndsEverythingAndAnswersOne() {
        setLocal(11.0);
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        frm_->ShowStatus();
        QCOMPARE(frm_->windowMessage(WM_KELMO_QUIT, 0, 0), 1L);
        QVERIFY(frm_->ended());
        QCOMPARE(ended_, 1);
        QVERIFY(frm_->notifier() == nullptr);
        QVERIFY(frm_->statusBox() == nullptr);
        QVERIFY(!tray_->isShown());
        QVERIFY(!frm_->tickActive());
        // A Timer that has gone answers nothing more.
        QCOMPARE(frm_->windowMessage(WM_KELMO_RELOAD, 0, 0), 0L);
    }

    void quitDuringTheAlertStopsItsSound() {
        const double duhr = timesOf(0).slots[4];
        setClock(localJd(duhr - 20 * kRadiansPerSecond));
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        setClock(nowJd_ + kTickDays);
        frm_->tick();
        QVERIFY(frm_->alert() != nullptr);
        QVERIFY(sound_->isPlaying());
        frm_->EndBackground();
        QVERIFY(!sound_->isPlaying());
        QCOMPARE(ended_, 1);
        QVERIFY(!frm_->tickActive());  // no schedule after the alert of an ended Timer
    }

    // ---- reload ---------------------------------------------------------------------------

    void reloadClosesTheStatusBoxAndReschedulesFromTheFile() {
        setLocal(11.0);
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        frm_->ShowStatus();
        QVERIFY(frm_->statusBox() != nullptr);
        QCOMPARE(frm_->nextSlot(), 4);
        // The configuration dialog has stored the sound alone and the Jafari school.
        Config stored = records_->config;
        stored.alertFlags = alert::kPlaySound | kAllPrayers;
        stored.fiqh = 0;
        QCOMPARE(saveConfig(stored, dir_->path("Kelmo.cfg")), 0);
        setLocal(14.0);
        QCOMPARE(frm_->windowMessage(WM_KELMO_RELOAD, 0, 0), 1L);
        QVERIFY(frm_->statusBox() == nullptr);
        QCOMPARE(records_->config.fiqh, 0);
        QCOMPARE(frm_->nextSlot(), 7);  // no Asr for Jafari: Maghrib
        QVERIFY(frm_->notifier() == nullptr);
        QVERIFY(tray_->isShown());
        QVERIFY(frm_->tickActive());
    }

    void reloadWithNotifierAndSoundOffEndsTheTimer() {
        setLocal(11.0);
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        Config stored = records_->config;
        stored.alertFlags = kAllPrayers;
        QCOMPARE(saveConfig(stored, dir_->path("Kelmo.cfg")), 0);
        QCOMPARE(frm_->reload(), 1L);
        QVERIFY(frm_->ended());
        QVERIFY(!tray_->isShown());
    }

    void reloadThatCannotReadTheFileKeepsTheLastGoodSettingsAndAlerts() {
        setLocal(11.0);
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        QFile cfg(QString::fromStdString(dir_->path("Kelmo.cfg")));
        QVERIFY(cfg.open(QIODevice::WriteOnly));
        cfg.write("corrupt\n");
        cfg.close();
        fakes_->messages.answers.push_back(false);  // Cancel: do not replace Kelmo.cfg
        // The Timer's clock runs on while the question waits for the user.
        const double duhr = timesOf(0).slots[4];
        fakes_->messages.whileOpen = [&] { runUntil(localJd(duhr + 60 * kRadiansPerSecond)); };
        QCOMPARE(frm_->reload(), 0L);
        QCOMPARE(alerts_.size(), std::size_t(1));
        QCOMPARE(alerts_[0].caption, caption(4));
        QCOMPARE(records_->config.fiqh, 1);
        QCOMPARE(frm_->nextSlot(), 5);
        QVERIFY(frm_->tickActive());
        QVERIFY(frm_->notifier() != nullptr);
        QVERIFY(tray_->isShown());
        QCOMPARE(platform::decodeTimerStatus(frm_->statusAnswer())->prayer, std::string("Asr"));
        QCOMPARE(notifier_.shown.back().second,
                 std::string("Kelmo.cfg could not be read; the Timer goes on with its last good "
                             "settings."));
    }

    void reloadDuringTheFinalWaitCancelsItAndTheAlertStillComes() {
        const double duhr = timesOf(0).slots[4];
        setClock(localJd(duhr - 40 * kRadiansPerSecond));
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        setClock(nowJd_ + 10.0 / 86400.0);
        frm_->tick();
        QVERIFY(frm_->finalWaitPending());
        QCOMPARE(frm_->reload(), 1L);
        QVERIFY(!frm_->finalWaitPending());
        QCOMPARE(frm_->nextSlot(), 4);
        runUntil(localJd(duhr + 60 * kRadiansPerSecond));
        QCOMPARE(alerts_.size(), std::size_t(1));
        QCOMPARE(alerts_[0].caption, caption(4));
        QCOMPARE(frm_->nextSlot(), 5);
    }

    void reloadDuringTheAlertSchedulesOnceAndSkipsNoPrayer() {
        const double duhr = timesOf(0).slots[4];
        setClock(localJd(duhr - 20 * kRadiansPerSecond));
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        setClock(nowJd_ + kTickDays);
        frm_->tick();
        QVERIFY(frm_->alert() != nullptr);
        QCOMPARE(frm_->reload(), 1L);
        QCOMPARE(frm_->nextSlot(), 5);
        QPointer<Notify> notifier = frm_->notifier();
        sound_->end();                  // the alert closes after the reload
        QCOMPARE(frm_->nextSlot(), 5);  // Asr, not Maghrib
        QCOMPARE(frm_->notifier(), notifier.data());
    }

    // ---- tray, status -------------------------------------------------------------------

    void trayTipNamesTheNextPrayerItsTimeAndTheTimeLeft() {
        setLocal(11.0);
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        const double duhr = timesOf(0).slots[4];
        const auto tip = [&] {
            const int left = int((localJd(duhr) - nowJd_) * 86400.0 + 0.001);
            return QStringLiteral("Next prayer: Duhr at %1\nTime left: %2:%3\nin Manama,Bahrain")
                .arg(QString::fromStdString(formatTime(kRoundUp, duhr, 1, false).text))
                .arg(left / 3600, 2, 10, QLatin1Char('0'))
                .arg(left % 3600 / 60, 2, 10, QLatin1Char('0'));
        };
        QCOMPARE(tray_->lastTip, tip());
        runUntil(nowJd_ + 20 * 60 / 86400.0);  // kept up to date at every tick
        QCOMPARE(tray_->lastTip, tip());
    }

    void trayDoubleClickShowsTheStatus() {
        setLocal(11.0);
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QVERIFY(tray_->isShown());
        QCOMPARE(tray_->lastId, 165);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        // Other ids and mouse messages are ignored.
        QCOMPARE(frm_->trayNotification(164, 0x203), 0);
        QCOMPARE(frm_->trayNotification(165, 0x200), 0);
        QVERIFY(frm_->statusBox() == nullptr);
        tray_->activate(platform::kTrayLeftDoubleClick);
        QDialog* box = frm_->statusBox();
        QVERIFY(box != nullptr);
        QCOMPARE(box->windowTitle(), QStringLiteral(" Kelmo Timer"));
        const std::string duhr = formatTime(kRoundUp, timesOf(0).slots[4], 1, false).text;
        QCOMPARE(qobject_cast<platform::MessageDialog*>(box)->text(),
                 QString::fromStdString("Kelmo Timer is active \nDuhr prayer starts at " + duhr +
                                        " \nin Manama,Bahrain"));
        QVERIFY(test::saveScreenshot(box, "timer_status"));
        // A second request while the box is open opens no other.
        frm_->ShowStatus();
        QCOMPARE(frm_->statusBox(), box);
        // Closed by the user: the next request opens a new one.
        box->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(frm_->statusBox() == nullptr);
    }

    void trayMenuHoldsFourItemsAndStartsTheProgram() {
        setLocal(11.0);
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        QMenu* menu = frm_->trayMenu();
        QCOMPARE(tray_->menu, menu);
        QCOMPARE(menu->title(), QStringLiteral("KelmoTimer"));
        // Today's times below the commands, the next prayer marked (made afresh when opened).
        Q_EMIT menu->aboutToShow();
        const QList<QAction*> items = menu->actions();
        const ShownTimes t = timesOf(0);
        QStringList times;
        for (const PrayerSlot slot : shownSlots(1))
            times << QStringLiteral("%1%2\t%3")
                         .arg(slotTitle(slot), slot == PrayerSlot::duhr ? " (next)" : "",
                              QString::fromStdString(
                                  formatTime(kRoundUp, t.slots[std::size_t(slot)], 1, false).text));
        QCOMPARE(items.size(), 5 + times.size());
        QVERIFY(items[4]->isSeparator());
        for (int i = 0; i < times.size(); ++i) {
            QCOMPARE(items[5 + i]->text(), times[i]);
            QVERIFY(!items[5 + i]->isEnabled());
        }
        Q_EMIT menu->aboutToShow();  // filled afresh, not twice
        QCOMPARE(menu->actions().size(), 5 + times.size());
        const QStringList texts = {"Status", "Start KelmoTimes", "Terminate Timer",
                                   "Terminate Timer and Notifier"};
        const int ids[] = {32784, 32788, 32785, 32787};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(items[i]->text(), texts[i]);
            QCOMPARE(items[i]->data().toInt(), ids[i]);
        }
        QCOMPARE(frm_->trayNotification(165, platform::kTrayRightButtonDown), 1);
        QCOMPARE(menu->defaultAction(), items[0]);
        QVERIFY(menu->isVisible());
        QVERIFY(test::saveScreenshot(menu, "tray_menu"));
        menu->hide();
        items[1]->trigger();
        QCOMPARE(fakes_->programs.started.size(), std::size_t(1));
        QCOMPARE(fakes_->programs.started[0].program, dir_->path("ui_kelmo_frm_test"));
        QVERIFY(fakes_->programs.started[0].arguments.empty());
        fakes_->programs.succeeds = false;
        items[1]->trigger();
        QCOMPARE(fakes_->messages.lastText(), std::string("Could not start KelmoTimes!\t"));
        items[3]->trigger();
        QVERIFY(frm_->ended());
    }

    void withoutATrayTheTimerRunsOn() {
        tray_->available = false;
        setLocal(11.0);
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QVERIFY(!tray_->isShown());
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        // "Close Notifier" would leave nothing on screen: the strip goes to the task bar.
        frm_->notifier()->command(notifywin::kClose);
        QVERIFY(frm_->notifier() != nullptr);
        QVERIFY(frm_->notifier()->isMinimized());
        runUntil(localJd(timesOf(0).slots[4] + 60 * kRadiansPerSecond));
        QCOMPARE(alerts_.size(), std::size_t(1));
    }

    void statusAnswerNamesTheScheduledPrayer() {
        setLocal(11.0);
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        const auto status = platform::decodeTimerStatus(frm_->statusAnswer());
        QVERIFY(status.has_value());
        QCOMPARE(status->prayer, std::string("Duhr"));
        QCOMPARE(status->year, 2024);
        QCOMPARE(status->month, 3);
        QCOMPARE(status->day, 11);
        QCOMPARE(status->time, formatTime(kRoundNearest, timesOf(0).slots[4], 0, false).text);
        QCOMPARE(status->location, std::string("Manama,Bahrain"));
    }
};

QTEST_MAIN(KelmoFrmTest)
#include "kelmo_frm_test.moc"
