#include "ui/kelmo_frm.h"

#include <QCursor>
#include <QMenu>
#include <algorithm>
#include <cmath>
#include <iostream>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "calendar/local_time.h"
#include "calendar/place_zone.h"
#include "calendar/time_format.h"
#include "platform/kelmo_messages.h"
#include "platform/message_box.h"
#include "platform/qt/message_dialog.h"
#include "platform/timer_status.h"
#include "prayer/next_prayer.h"
#include "ui/athan.h"
#include "ui/earth_picture.h"
#include "ui/kelmo_app.h"
#include "ui/program_file.h"
#include "ui/sound_file.h"
#include "ui/text_edge.h"

namespace kelmo::ui {

namespace {

constexpr int kErrorNoPrayer = 10;       // "Could calculate valid prayer time!"
constexpr int kErrorPreAlertFile = 110;  // "Could not open sound file (pre-play sound file)!"
constexpr int kErrorStartProgram = 505;  // "Could not start KelmoTimes!"
constexpr double kPreAlertGraceSeconds = 30.0;
constexpr int kModeBits = alert::kNotifier | alert::kPlaySound;

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

// "%02i:%02i" with any seconds rounding the minute up.
std::string minutesText(double time) {
    return formatTime(kRoundUp, time, 1, false).text;
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
    if (alertFlags() & alert::kPlaySound) SetTrayIcon(true);
}

void CKelmoFrm::buildTrayMenu() {
    trayMenu_ = new QMenu(QStringLiteral("KelmoTimer"));
    const auto item = [this](const char* text, int id) {
        QAction* action = trayMenu_->addAction(QString::fromLatin1(text));
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] { command(id); });
    };
    item("Status", timerwin::kStatus);
    item("Start KelmoTimes", timerwin::kStart);
    item("Terminate Timer", timerwin::kTerminate);
    item("Terminate Timer and Notifier", timerwin::kTerminateAll);
    trayMenu_->setDefaultAction(trayMenu_->actions().constFirst());
}

bool CKelmoFrm::SetTrayIcon(bool show) {
    if (!show) return tray_.remove();
    return tray_.show(
        applicationIcon(), QString::fromLatin1(timerwin::kTip), timerwin::kTrayIconId,
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
                platform::showError(services_.messages, kErrorStartProgram);
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
    // A prayer just alerted is never found again, however early the final wait ended.
    const Instant after =
        nextSlot_ == 0 ? services_.clock.now() : std::max(services_.clock.now(), nextAt_);
    const std::optional<NextPrayer> next =
        nextPrayerAfter(records_.config, records_.current, *zone.zone, after);
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
    ++scheduleCount_;
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
    return 1;
}

void CKelmoFrm::tick() {
    // A message box opened by a step runs its own event loop, in which further ticks arrive.
    if (ended_ || inTick_ || phase_ != Phase::waiting || nextSlot_ == 0) return;
    inTick_ = true;
    const int schedule = scheduleCount_;
    // A missed prayer time falls due at once.
    const double left =
        std::max(0.0, static_cast<double>((nextAt_ - services_.clock.now()).count()));
    const double preAlertWindow = records_.config.preAlertMinutes * 60.0 + kPreAlertGraceSeconds;
    if (left > 0 && left < preAlertWindow && !timerTerminated_ && !preAlertStarted_)
        preAlertStarted_ = StartPreAlert();
    inTick_ = false;
    // (A reload answered while a message box was open has replaced the schedule.)
    if (ended_ || schedule != scheduleCount_ || nextSlot_ == 0) return;
    if (left >= timerwin::kFinalStepSeconds) return;
    // The final step: wait for the prayer time itself.
    tickTimer_.stop();
    if (left > 0) {
        phase_ = Phase::finalWait;
        finalWait_.start(static_cast<int>(left * 1000.0));
        return;
    }
    prayerTime();
}

void CKelmoFrm::finishFinalWait() {
    if (phase_ != Phase::finalWait) return;
    finalWait_.stop();
    prayerTime();
}

void CKelmoFrm::prayerTime() {
    phase_ = Phase::waiting;
    CloseStatusBox();
    CloseNotifier();  // ends the process when the Timer was terminated before
    if (ended_) return;
    const int prayer = slotPrayer[static_cast<std::size_t>(nextSlot_)];
    const bool due = (alertFlags() & alert::kPlaySound) && !timerTerminated_ && prayer >= 0 &&
                     (alertFlags() & prayerAlertBit(prayer));
    if (due) {
        if (preAlertStarted_) sound_.stop();
        preAlertStarted_ = false;
        CloseStatusBox();
        announcePrayer();
        alert_ = new Athan(records_.config, records_.current, records_.date, prayer, nextTime_,
                           services_, sound_);
        phase_ = Phase::alerting;
        rescheduledDuringAlert_ = false;
        connect(alert_, &QDialog::finished, this, &CKelmoFrm::afterAlert);
        if (alert_->start()) return;  // the alert runs; afterAlert follows when it closes
        disconnect(alert_, nullptr, this, nullptr);
    }
    afterAlert();
}

// The desktop notification beside the alert window, for desktops that show no tray icon.
void CKelmoFrm::announcePrayer() {
    if (desktopNotifier_ == nullptr) return;
    const std::string name = slotPrayerName(nextSlot_);
    desktopNotifier_->notify(prayerTimeTitle(name),
                             prayerStartedLine(name, nextTime_) + " in " +
                                 platform::utf8FromCp1252(records_.current.name));
}

void CKelmoFrm::afterAlert() {
    if (alert_ != nullptr) {
        alert_->deleteLater();
        alert_ = nullptr;
    }
    const bool rescheduled = phase_ == Phase::alerting && rescheduledDuringAlert_;
    phase_ = Phase::waiting;
    preAlertStarted_ = false;  // the next prayer gets its own pre-alert
    if (ended_ || rescheduled) return;
    if (!ScheduleNextPrayer()) endProcess();
}

bool CKelmoFrm::StartPreAlert() {
    const int prayer = slotPrayer[static_cast<std::size_t>(nextSlot_)];
    const int flags = alertFlags();
    if (!(flags & alert::kPlaySound) || !(flags & alert::kPreAlertSound) || prayer < 0 ||
        !(flags & prayerAlertBit(prayer)))
        return false;
    preAlertStarted_ = true;  // tried once per prayer, whatever the outcome
    const std::string file = soundFilePath(records_.config.preAlertSoundFile);
    if (!canReadSoundFile(file)) {
        platform::showError(services_.messages, kErrorPreAlertFile);
    } else if (!sound_.play(file, [this](platform::SoundPlayer::Outcome outcome) {
                   if (outcome == platform::SoundPlayer::Outcome::failed)
                       services_.messages.show(platform::kSoundPlayerFailed);
               })) {
        services_.messages.show(platform::kSoundPlayerFailed);
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
    const std::string text = std::string("Kelmo Timer is active \n") + slotPrayerName(nextSlot_) +
                             " prayer starts at " + minutesText(nextTime_) + " \nin " +
                             records_.current.name;
    auto* box = new platform::MessageDialog(toWidget(text),
                                            QString::fromLatin1(timerwin::kStatusCaption), false);
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
    if (endedCallback_) endedCallback_();
}

// ---- messages -------------------------------------------------------------------------------

void CKelmoFrm::showError(int code) {
    if (quiet_) {
        boxWanted_ = true;
        return;
    }
    platform::showError(services_.messages, code);
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

long CKelmoFrm::reloadWith(Prompt& prompt) {
    tickTimer_.stop();
    if (phase_ == Phase::finalWait) {
        finalWait_.stop();
        phase_ = Phase::waiting;
    }
    destroyNotifier();
    CloseStatusBox();
    nextSlot_ = 0;
    if (loadSettings_ == nullptr || loadSettings_(records_, prompt) == 0) return 0;
    if ((alertFlags() & kModeBits) == 0) {
        SetTrayIcon(false);
        endProcess();
        return 1;
    }
    if (!ScheduleNextPrayer()) return 0;
    SetTrayIcon((alertFlags() & alert::kPlaySound) != 0);
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
