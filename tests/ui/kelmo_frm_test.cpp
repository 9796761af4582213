// The background Timer driven through whole prayer days with a fixed clock moved in 30-second
// ticks, a fake sound player and a fake tray: the alerts in order with their captions under
// Shafi'i and Jafari, a start just before a prayer, a resume after sleep, the pre-alert once,
// the Notifier alone, reload, the tray menu and the endpoint's status answer. Manama, Bahrain
// (UT + 3 h, no summer time), 11 March 2024; the expected prayer times are those of
// computeDayTimes, which the Timer must follow to the second.
#include <QMenu>
#include <QTest>
#include <cmath>
#include <memory>
#include <span>

#include "base/angles.h"
#include "calendar/names.h"
#include "calendar/row_time.h"
#include "calendar/time_format.h"
#include "files/config_file.h"
#include "platform/kelmo_messages.h"
#include "platform/qt/message_dialog.h"
#include "platform/timer_status.h"
#include "prayer/day_prayers.h"
#include "prayer/day_times.h"
#include "prayer/next_prayer.h"
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
    // The day's times as the clock shows them (radians after the day's midnight, or markers).
    PrayerTimes timesOf(int plusDays) const {
        CalendarDate d = day_;
        d.day += plusDays;
        const Zone zone = test::zoneOf(records_->current);
        const DayPrayers prayers = dayPrayers(d, records_->current, zone, records_->config);
        PrayerTimes t;
        for (std::size_t i = 0; i < kPrayerSlotCount; ++i) {
            const RowTime shown = rowTime(prayers.slots[i], zone, d);
            t.slots[i] = shown.isTime() ? shown.dayAngle() : kNotValid;
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
        const PrayerTimes t = timesOf(0);
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

    void resumeAfterSleepAlertsTheMissedPrayerAtOnceThenTheNextAfterNow() {
        setLocal(12.5);
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        QCOMPARE(frm_->nextSlot(), 5);  // Asr
        setLocal(10.0, 1);              // the computer wakes the next morning
        frm_->tick();
        serve();
        QCOMPARE(alerts_.size(), std::size_t(1));
        QCOMPARE(alerts_[0].caption, caption(5));
        // The next prayer is the first after the present moment: that day's Duhr.
        QCOMPARE(frm_->nextSlot(), 4);
        QCOMPARE(records_->date.day, 12.0);
        QCOMPARE(frm_->nextTime(), timesOf(1).slots[4]);
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
        QCOMPARE(fakes_->messages.shown.size(), std::size_t(1));
        QCOMPARE(fakes_->messages.lastText(),
                 std::string("Could not open sound file (pre-play sound file)!\t"));
        QVERIFY(sound_->played.empty());
    }

    void reloadAnsweredInsideAMessageBoxKeepsItsSchedule() {
        // The box of a missing pre-alert file runs its own event loop; a reload arrives there.
        class ReloadingBox final : public platform::MessageBox {
          public:
            using platform::MessageBox::show;
            void show(const std::string&, const std::string&) override {
                ++shown;
                if (frm != nullptr) result = frm->reload();
            }
            bool ask(const std::string&, const std::string&) override { return true; }
            CKelmoFrm* frm = nullptr;
            int shown = 0;
            long result = -1;
        } box;
        const Services services{box,           fakes_->timer, fakes_->programs, fakes_->autostart,
                                fakes_->files, fakes_->clock, fakes_->reports};
        const double duhr = timesOf(0).slots[4];
        setClock(localJd(duhr - 50 * kRadiansPerSecond));
        records_->config.alertFlags = kNotifierAndSound | kAllPrayers | alert::kPreAlertSound;
        records_->config.fiqh = 1;
        records_->config.preAlertSoundFile = "Missing.wav";
        QCOMPARE(saveConfig(records_->config, dir_->path("Kelmo.cfg")), 0);
        frm_ = std::make_unique<CKelmoFrm>(*records_, services, *sound_, *tray_,
                                           startupSettingsLoader(services, dir_->path("Kelmo"), ""),
                                           [this] { ++ended_; });
        frm_->initialise();
        box.frm = frm_.get();
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        setClock(nowJd_ + kTickDays);  // 20 s left: pre-alert and final step in one tick
        frm_->tick();
        QCOMPARE(box.shown, 1);
        QCOMPARE(box.result, 1L);
        // The tick does not carry on with the schedule the reload replaced.
        QVERIFY(!frm_->finalWaitPending());
        QVERIFY(frm_->tickActive());
        QCOMPARE(frm_->nextSlot(), 4);
        setClock(nowJd_ + kTickDays);
        frm_->tick();
        serve();
        QCOMPARE(alerts_.size(), std::size_t(1));
        QCOMPARE(alerts_[0].caption, caption(4));
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
        QCOMPARE(tray_->shows, 0);
        QVERIFY(!tray_->isShown());
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

    void reloadThatCannotReadTheFileAnswersZeroAndStopsTicking() {
        setLocal(11.0);
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QCOMPARE(frm_->ScheduleNextPrayer(), 1);
        QVERIFY(QFile::remove(QString::fromStdString(dir_->path("Kelmo.cfg"))));
        fakes_->messages.answers.push_back(false);  // do not create the built-in file
        QCOMPARE(frm_->reload(), 0L);
        QVERIFY(!frm_->tickActive());
        QVERIFY(!frm_->ended());
        QCOMPARE(platform::decodeTimerStatus(frm_->statusAnswer()).has_value(), false);
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

    void trayIconOnlyWithTheSoundAndItsDoubleClickShowsTheStatus() {
        setLocal(11.0);
        makeTimer(kNotifierAndSound | kAllPrayers, 1);
        QVERIFY(tray_->isShown());
        QCOMPARE(tray_->lastTip, QStringLiteral("Kelmo Timer is active"));
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
        const QList<QAction*> items = menu->actions();
        QCOMPARE(items.size(), 4);
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
