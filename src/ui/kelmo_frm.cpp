#include "ui/kelmo_frm.h"

#include <QCursor>
#include <QMenu>
#include <cmath>
#include <cstdio>
#include <iostream>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "calendar/local_time.h"
#include "calendar/place_zone.h"
#include "calendar/row_time.h"
#include "calendar/time_format.h"
#include "files/error_messages.h"
#include "platform/kelmo_messages.h"
#include "platform/message_box.h"
#include "platform/qt/message_dialog.h"
#include "platform/timer_status.h"
#include "prayer/day_prayers.h"
#include "prayer/next_prayer.h"
#include "prayer/school_of_law.h"
#include "ui/athan.h"
#include "ui/earth_picture.h"
#include "ui/error_box.h"
#include "ui/kelmo_app.h"
#include "ui/program_file.h"
#include "ui/sound_file.h"
#include "ui/text_edge.h"
#include "ui/window_words.h"

namespace kelmo::ui {

namespace {

constexpr int kErrorNoPrayer = 10;       // "Could calculate valid prayer time!"
constexpr int kErrorPreAlertFile = 110;  // "Could not open sound file (pre-play sound file)!"
constexpr int kErrorStartProgram = 505;  // "Could not start KelmoTimes!"
constexpr int kErrorSoundPlayer = 503;   // "Could not start sound player!"
constexpr double kPreAlertGraceSeconds = 30.0;
constexpr int kModeBits = alert::kNotifier | alert::kPlaySound;
constexpr int kFajr = static_cast<int>(PrayerSlot::fajr);
// A clock read earlier than the last reading by more than this has been set back.
constexpr Seconds kClockBack{1.0L};
// The final wait may end this much before the prayer's instant (rounding of the test clock).
constexpr double kOnTimeSeconds = 0.001;
// After a long sleep only the last day is searched for the prayer that has just passed.
constexpr Seconds kCatchUp{86400.0L};
constexpr int kMaxCatchUpSteps = 16;  // more than the prayers of that day and the next
constexpr double kMsPerSecond = 1000.0;

// Shows nothing: notes that a question or message was wanted and answers Cancel.
class QuietPrompt final : public Prompt {
  public:
    bool wanted = false;
    bool askOkCancel(const std::string&) override {
        wanted = true;
        return false;
    }
    void showMessage(const std::string&) override { wanted = true; }
};

// "HH:MM" of a time left, whole minutes cut (never rounded up).
QString leftText(double seconds) {
    return QString::fromStdString(
        formatTime(kRoundDown, std::max(0.0, seconds) * kSecondToRad, 1, true).text);
}

}  // namespace

CKelmoFrm::CKelmoFrm(ApplicationRecords& records, const Services& services,
                     platform::SoundPlayer& sound, platform::TrayIcon& tray,
                     LoadSettings loadSettings, Ended ended)
    : records_(records),
      services_(services),
      sound_(sound),
      tray_(tray),
      loadSettings_(std::move(loadSettings)),
      endedCallback_(std::move(ended)) {
    tickTimer_.setInterval(timerwin::kTickMs);
    connect(&tickTimer_, &QTimer::timeout, this, &CKelmoFrm::tick);
    finalWait_.setSingleShot(true);
    finalWait_.setTimerType(Qt::PreciseTimer);  // a coarse timer may fire a second early
    connect(&finalWait_, &QTimer::timeout, this, &CKelmoFrm::prayerTime);
}

CKelmoFrm::~CKelmoFrm() {
    tickTimer_.stop();
    finalWait_.stop();
    tray_.setMenu(nullptr);
    tray_.remove();
    CloseStatusBox();
    delete notifier_;
    delete alert_;
    delete trayMenu_;
}

// ---- window initialisation and the tray -----------------------------------------------------

void CKelmoFrm::initialise() {
    buildTrayMenu();
    tray_.setMenu(trayMenu_);
    SetTrayIcon(true);  // whenever the Timer runs, so that it can always be reached
}

void CKelmoFrm::buildTrayMenu() {
    trayMenu_ = new QMenu(QStringLiteral("KelmoTimer"));
    const auto item = [this](const char* text, int id) {
        QAction* action = trayMenu_->addAction(tr(text));
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] { command(id); });
    };
    item(QT_TR_NOOP("Status"), timerwin::kStatus);
    item(QT_TR_NOOP("Start KelmoTimes"), timerwin::kStart);
    item(QT_TR_NOOP("Terminate Timer"), timerwin::kTerminate);
    item(QT_TR_NOOP("Terminate Timer and Notifier"), timerwin::kTerminateAll);
    trayMenu_->setDefaultAction(trayMenu_->actions().constFirst());
    connect(trayMenu_, &QMenu::aboutToShow, this, &CKelmoFrm::fillTodaysTimes);
}

void CKelmoFrm::fillTodaysTimes() {
    for (QAction* item : timeItems_) {
        trayMenu_->removeAction(item);
        item->deleteLater();
    }
    timeItems_.clear();
    const ZoneLookup zone = zoneOfPlace(records_.current);
    if (!zone.zone) return;
    const CalendarDate today = currentLocalTime(*zone.zone, services_.clock.now()).date;
    const DayPrayers prayers = dayPrayers(today, records_.current, *zone.zone, records_.config);
    timeItems_.append(trayMenu_->addSeparator());
    const bool scheduledToday = julianDay(records_.date) == julianDay(today);
    for (const PrayerSlot slot : shownSlots(records_.config.fiqh)) {
        const RowTime shown = rowTime(prayers[slot], *zone.zone, today);
        if (!shown.isTime()) continue;
        const double t = shown.dayAngle();
        const bool next = scheduledToday && static_cast<int>(slot) == nextSlot_;
        const QString title = slotName(slot);
        const QString text = (next ? tr("%1 (next)").arg(title) : title) + '\t' + shownMinutes(t);
        QAction* item = trayMenu_->addAction(text);
        item->setEnabled(false);
        timeItems_.append(item);
    }
}

QString CKelmoFrm::trayTip() const {
    if (nextSlot_ == 0) return tr("KelmoTimes: no prayer scheduled");
    const double left = static_cast<double>((nextAt_ - services_.clock.now()).count());
    return tr("Next prayer: %1 at %2\nTime left: %3\nin %4")
        .arg(slotPrayerWord(nextSlot_), shownMinutes(nextTime_), shownDigits(leftText(left)),
             toWidget(records_.current.name));
}

void CKelmoFrm::updateTrayTip() {
    if (tray_.isShown()) tray_.setTip(trayTip());
}

bool CKelmoFrm::SetTrayIcon(bool show) {
    if (!show) return tray_.remove();
    return tray_.show(
        applicationIcon(), trayTip(), timerwin::kTrayIconId,
        [this](int iconId, int mouseMessage) { trayNotification(iconId, mouseMessage); });
}

int CKelmoFrm::trayNotification(int iconId, int mouseMessage) {
    if (iconId != timerwin::kTrayIconId || trayMenu_ == nullptr) return 0;
    QAction* first = trayMenu_->actions().constFirst();
    if (mouseMessage == platform::kTrayRightButtonDown) {
        trayMenu_->setDefaultAction(first);
        if (!tray_.showsMenu()) trayMenu_->popup(QCursor::pos());
        return 1;
    }
    if (mouseMessage == platform::kTrayLeftDoubleClick) {
        command(first->data().toInt());
        return 1;
    }
    return 0;
}

void CKelmoFrm::command(int id) {
    switch (id) {
        case timerwin::kStatus:
            ShowStatus();
            break;
        case timerwin::kStart:
            if (!services_.programs.start(ownProgramFile(), {}))
                ui::showError(services_.messages, kErrorStartProgram);
            break;
        case timerwin::kTerminate:
            TerminateTimer();
            break;
        case timerwin::kTerminateAll:
            EndBackground();
            break;
        default:
            break;
    }
}

// ---- scheduling and the tick ----------------------------------------------------------------

int CKelmoFrm::ScheduleNextPrayer() {
    const ZoneLookup zone = zoneOfPlace(records_.current);
    if (!zone.zone) {
        nextSlot_ = 0;
        std::cerr << "Kelmo: " << zoneErrorText(records_.current.zone, zone.error) << '\n';
        showError(kErrorNoPrayer);
        return 0;
    }
    const Instant now = services_.clock.now();
    // A prayer just alerted is never found again, however early the final wait ended or
    // however far the clock was set back.
    const Instant after = nextSlot_ == 0 ? now : std::max(now, nextAt_);
    std::optional<NextPrayer> next =
        nextPrayerAfter(records_.config, records_.current, *zone.zone, after);
    if (next && next->at == alertedAt_)
        next = nextPrayerAfter(records_.config, records_.current, *zone.zone, alertedAt_);
    if (!next) {
        nextSlot_ = 0;
        showError(kErrorNoPrayer);
        return 0;
    }
    nextSlot_ = next->slot;
    nextAt_ = next->at;
    nextTime_ = next->timeOfDay;
    records_.date.year = next->date.year;
    records_.date.month = next->date.month;
    records_.date.day = next->date.day;
    lastLook_ = now;
    tickTimer_.start();
    if (phase_ == Phase::alerting) rescheduledDuringAlert_ = true;
    if (alertFlags() & alert::kNotifier) {
        destroyNotifier();  // callers have closed it; never leave two
        notifier_ = new Notify(records_.config, records_.current,
                               slotPrayer[static_cast<std::size_t>(nextSlot_)], nextAt_, nextTime_,
                               services_, *this);
        notifier_->show();
        notifier_->raise();
    }
    updateTrayTip();
    if (trayMenu_ != nullptr) fillTodaysTimes();
    return 1;
}

void CKelmoFrm::tick() {
    if (ended_ || phase_ != Phase::waiting || nextSlot_ == 0) return;
    look();
}

// Reads the clock and acts on the scheduled prayer: the pre-alert when it is due, the final
// wait in the last seconds, the alert once its moment has come.
void CKelmoFrm::look() {
    const Instant now = services_.clock.now();
    if (now < lastLook_ - kClockBack) {
        // The clock was set back: the next prayer is the first after the new time.
        nextSlot_ = 0;
        preAlertStarted_ = false;
        tickTimer_.stop();
        if (!ScheduleNextPrayer()) endProcess();
        return;
    }
    lastLook_ = now;
    updateTrayTip();
    const double left = static_cast<double>((nextAt_ - now).count());
    const double preAlertWindow = records_.config.preAlertMinutes * 60.0 + kPreAlertGraceSeconds;
    if (left > 0 && left < preAlertWindow && !timerTerminated_ && !preAlertStarted_)
        preAlertStarted_ = StartPreAlert();
    if (left >= timerwin::kFinalStepSeconds) return;
    // The final step: wait for the prayer time itself.
    tickTimer_.stop();
    if (left > kOnTimeSeconds) {
        phase_ = Phase::finalWait;
        finalWait_.start(static_cast<int>(std::ceil(left * kMsPerSecond)));
        return;
    }
    prayerTime();
}

void CKelmoFrm::finishFinalWait() {
    if (phase_ != Phase::finalWait) return;
    finalWait_.stop();
    prayerTime();
}

// The latest prayer that has begun by now, from the scheduled one on (or from a day before now
// after a long sleep); false when none has (the clock went back meanwhile).
bool CKelmoFrm::latestPassedPrayer(Instant now, NextPrayer& latest) const {
    latest = {nextSlot_, nextAt_, records_.date, nextTime_};
    if (static_cast<double>((latest.at - now).count()) > kOnTimeSeconds) return false;
    const ZoneLookup zone = zoneOfPlace(records_.current);
    if (!zone.zone) return true;
    Instant from = std::max(latest.at, now - kCatchUp);
    for (int step = 0; step < kMaxCatchUpSteps; ++step) {
        const std::optional<NextPrayer> next =
            nextPrayerAfter(records_.config, records_.current, *zone.zone, from);
        if (!next || next->at > now) break;
        latest = *next;
        from = next->at;
    }
    return true;
}

// Fajr's time ends at sunrise; every other prayer's lasts until the next prayer begins.
bool CKelmoFrm::prayerStillCurrent(const NextPrayer& prayer, Instant now) const {
    if (prayer.slot != kFajr) return true;
    const ZoneLookup zone = zoneOfPlace(records_.current);
    if (!zone.zone) return true;
    const std::optional<Instant> sunrise =
        dayPrayers(prayer.date, records_.current, *zone.zone, records_.config)[PrayerSlot::shuruq]
            .instant();
    return !sunrise || *sunrise > now;
}

void CKelmoFrm::prayerTime() {
    phase_ = Phase::waiting;
    const Instant now = services_.clock.now();
    NextPrayer latest;
    if (!latestPassedPrayer(now, latest)) {
        // The clock went back during the final wait: not yet.
        tickTimer_.start();
        look();
        return;
    }
    CloseStatusBox();
    closeNotifierAtPrayer();  // ends the process when the Timer was terminated before
    if (ended_) return;
    records_.date.year = latest.date.year;
    records_.date.month = latest.date.month;
    records_.date.day = latest.date.day;
    nextSlot_ = latest.slot;
    nextTime_ = latest.timeOfDay;
    nextAt_ = latest.at;
    const double lateSeconds = static_cast<double>((now - latest.at).count());
    if (latest.at == alertedAt_ || !prayerStillCurrent(latest, now)) {
        afterAlert();
        return;
    }
    alertPrayer(lateSeconds >= timerwin::kLateAfterSeconds ? lateSeconds : 0.0);
}

void CKelmoFrm::alertPrayer(double lateSeconds) {
    const int prayer = slotPrayer[static_cast<std::size_t>(nextSlot_)];
    const bool due = (alertFlags() & alert::kPlaySound) && !timerTerminated_ && prayer >= 0 &&
                     (alertFlags() & prayerAlertBit(prayer));
    if (!due) {
        afterAlert();
        return;
    }
    alertedAt_ = nextAt_;
    if (preAlertStarted_) sound_.stop();
    preAlertStarted_ = false;
    closeLingeringAlert();
    announcePrayer(lateSeconds);
    alert_ = new Athan(records_.config, records_.current, records_.date, prayer, nextTime_, sound_);
    alert_->setLateSeconds(lateSeconds);
    phase_ = Phase::alerting;
    rescheduledDuringAlert_ = false;
    connect(alert_, &Athan::soundTrouble, this,
            [this](const QString& text) { reportTrouble(text.toStdString()); });
    connect(alert_, &Athan::soundOver, this, &CKelmoFrm::afterAlert);
    alert_->start();  // afterAlert follows when its sound is over (at once when it cannot play)
}

// The desktop notification beside the alert window, for desktops that show no tray icon.
void CKelmoFrm::announcePrayer(double lateSeconds) {
    if (desktopNotifier_ == nullptr) return;
    const QString name = slotPrayerWord(nextSlot_);
    QString body =
        tr("%1 in %2").arg(prayerStartedLine(name, nextTime_), toWidget(records_.current.name));
    if (lateSeconds > 0) body.append('\n').append(prayerLateLine(lateSeconds));
    desktopNotifier_->notify(prayerTimeTitle(name).toStdString(), body.toStdString());
}

void CKelmoFrm::reportTrouble(const std::string& text) {
    std::fprintf(stderr, "Kelmo: %s\n", text.c_str());
    if (desktopNotifier_ != nullptr) desktopNotifier_->notify(platform::kAppTitle, text);
}

void CKelmoFrm::afterAlert() {
    if (alert_ != nullptr) {
        disconnect(alert_, nullptr, this, nullptr);
        if (alert_->isVisible()) {
            // Its sound could not play: the window stays until Close, the Timer goes on.
            lingering_ = alert_;
            connect(alert_, &QDialog::finished, alert_, &QObject::deleteLater);
        } else {
            alert_->deleteLater();
        }
        alert_ = nullptr;
    }
    const bool rescheduled = phase_ == Phase::alerting && rescheduledDuringAlert_;
    phase_ = Phase::waiting;
    preAlertStarted_ = false;  // the next prayer gets its own pre-alert
    if (ended_ || rescheduled) return;
    if (!ScheduleNextPrayer()) endProcess();
}

Athan* CKelmoFrm::lingeringAlert() const {
    return lingering_.data();
}

void CKelmoFrm::closeLingeringAlert() {
    if (lingering_) lingering_->reject();
    lingering_ = nullptr;
}

bool CKelmoFrm::StartPreAlert() {
    const int prayer = slotPrayer[static_cast<std::size_t>(nextSlot_)];
    const int flags = alertFlags();
    if (!(flags & alert::kPlaySound) || !(flags & alert::kPreAlertSound) || prayer < 0 ||
        !(flags & prayerAlertBit(prayer)))
        return false;
    preAlertStarted_ = true;  // tried once per prayer, whatever the outcome
    // Told, never asked: a box here would hold up the tick and the alert behind it.
    const std::string file = soundFilePath(records_.config.preAlertSoundFile);
    const std::string failed = errorTextOf(kErrorSoundPlayer).trimmed().toStdString();
    if (!canReadSoundFile(file)) {
        reportTrouble(errorTextOf(kErrorPreAlertFile).trimmed().toStdString() + " (" + file + ")");
    } else if (!sound_.play(file, [this, failed](platform::SoundPlayer::Outcome outcome) {
                   if (outcome == platform::SoundPlayer::Outcome::failed)
                       reportTrouble(failed + " (" + sound_.failure() + ")");
               })) {
        reportTrouble(failed + " (" + sound_.failure() + ")");
    }
    if (notifier_ != nullptr) {
        notifier_->showNormal();
        notifier_->raise();
    }
    return true;
}

// ---- status box, Notifier, ending -----------------------------------------------------------

void CKelmoFrm::ShowStatus() {
    if (statusBox_) return;  // one is open already
    const QString text = tr("Kelmo Timer is active \n%1 prayer starts at %2 \nin %3")
                             .arg(slotPrayerWord(nextSlot_), shownMinutes(nextTime_),
                                  toWidget(records_.current.name));
    auto* box =
        new platform::MessageDialog(text, QString::fromLatin1(timerwin::kStatusCaption), false);
    box->setAttribute(Qt::WA_DeleteOnClose);
    statusBox_ = box;
    box->show();
    box->raise();
}

QDialog* CKelmoFrm::statusBox() const {
    return statusBox_.data();
}

void CKelmoFrm::CloseStatusBox() {
    if (statusBox_) statusBox_->close();
    statusBox_ = nullptr;
}

void CKelmoFrm::destroyNotifier() {
    if (notifier_ == nullptr) return;
    notifier_->stopTimers();
    notifier_->hide();
    notifier_->deleteLater();  // the Notifier's own menu may be what asked for this
    notifier_ = nullptr;
}

void CKelmoFrm::CloseNotifier() {
    if (notifier_ != nullptr && !timerTerminated_ && !tray_.isShown()) {
        // Without a tray icon the strip is all that shows the Timer: it goes to the task bar.
        notifier_->showMinimized();
        return;
    }
    closeNotifierAtPrayer();
}

void CKelmoFrm::closeNotifierAtPrayer() {
    if (notifier_ == nullptr) return;
    if (timerTerminated_) {
        EndBackground();
        return;
    }
    destroyNotifier();
}

void CKelmoFrm::TerminateTimer() {
    if (!(alertFlags() & alert::kNotifier)) {
        EndBackground();
        return;
    }
    timerTerminated_ = true;
    SetTrayIcon(false);
    CloseStatusBox();
}

void CKelmoFrm::EndBackground() {
    endProcess();
}

void CKelmoFrm::endProcess() {
    if (ended_) return;
    ended_ = true;
    tickTimer_.stop();
    finalWait_.stop();
    SetTrayIcon(false);
    destroyNotifier();
    CloseStatusBox();
    if (alert_ != nullptr) alert_->reject();  // stops its sound; afterAlert sees ended_
    closeLingeringAlert();
    if (endedCallback_) endedCallback_();
}

// ---- messages -------------------------------------------------------------------------------

void CKelmoFrm::showError(int code) {
    if (quiet_) {
        boxWanted_ = true;
        return;
    }
    ui::showError(services_.messages, code);
}

long CKelmoFrm::reload() {
    if (reloadShowing_) return 0;
    reloadShowing_ = true;
    MessageBoxPrompt prompt(services_.messages);
    const long result = reloadWith(prompt);
    reloadShowing_ = false;
    return result;
}

CKelmoFrm::ReloadAnswer CKelmoFrm::reloadForAnswer() {
    if (reloadShowing_ || ended_) return {};
    QuietPrompt prompt;
    quiet_ = true;
    boxWanted_ = false;
    ReloadAnswer answer{reloadWith(prompt), {}};
    quiet_ = false;
    if (prompt.wanted || boxWanted_) {
        QPointer<CKelmoFrm> self(this);
        answer.whenAnswered = [self] {
            if (self && !self->ended_) self->reload();
        };
    }
    return answer;
}

// Kelmo.cfg is read into a copy of the records: while a question about the file waits for the
// user the Timer goes on with the settings it has, and it keeps them when the file cannot be
// used (and says so).
long CKelmoFrm::reloadWith(Prompt& prompt) {
    ApplicationRecords loaded = records_;
    if (loadSettings_ == nullptr || loadSettings_(loaded, prompt) == 0) {
        if (!quiet_)
            reportTrouble(
                tr("Kelmo.cfg could not be read; the Timer goes on with its last good settings.")
                    .toStdString());
        return 0;
    }
    if (ended_) return 0;  // ended while the question was open
    tickTimer_.stop();
    if (phase_ == Phase::finalWait) {
        finalWait_.stop();
        phase_ = Phase::waiting;
    }
    destroyNotifier();
    CloseStatusBox();
    records_ = loaded;
    nextSlot_ = 0;
    if ((alertFlags() & kModeBits) == 0) {
        SetTrayIcon(false);
        endProcess();
        return 1;
    }
    if (!ScheduleNextPrayer()) return 0;
    SetTrayIcon(true);
    return 1;
}

long CKelmoFrm::windowMessage(int message, long wParam, long lParam) {
    if (ended_) return 0;  // a window that has gone answers 0
    switch (message) {
        case WM_KELMO_TRAY:
            return trayNotification(static_cast<int>(wParam), static_cast<int>(lParam));
        case WM_KELMO_RELOAD:
            return reload();
        case WM_KELMO_QUIT:
            EndBackground();
            return 1;
        case WM_KELMO_DONE:
            statusBox_ = nullptr;
            return 1;
        default:
            return 0;
    }
}

std::string CKelmoFrm::statusAnswer() const {
    if (ended_ || nextSlot_ == 0) return platform::encodeTimerResult(0);
    const FormattedTime time = formatTime(kRoundNearest, nextTime_, 0, false);
    CalendarDate day = records_.date;
    if (time.dayOffset != 0) dateFromJulianDay(julianDay(day) + time.dayOffset, day);
    platform::TimerStatus status;
    status.prayer = slotPrayerName(nextSlot_);
    status.year = day.year;
    status.month = day.month;
    status.day = static_cast<int>(day.day);
    status.time = time.text;
    status.location = records_.current.name;
    return platform::encodeTimerStatus(status);
}

}  // namespace kelmo::ui
