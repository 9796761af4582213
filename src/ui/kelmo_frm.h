// The background Timer: it keeps the next prayer of the current location, wakes every 30
// seconds, plays the pre-alert sound a set number of minutes before the prayer, and at the
// prayer time closes the Notifier, runs the prayer alert and schedules the next prayer (which
// opens a new Notifier). It owns the tray icon with its menu, and answers the messages of the
// "KelmoTimer" endpoint. Every time comes from the injected clock, and the Timer follows it
// both ways: after a jump or a suspend it alerts at most the prayer whose time has just
// passed (once, saying how late), never a prayer before its time. Nothing it shows waits for
// the user: a sound that cannot play is told on standard error and as a desktop notification.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <string>

#include "files/settings/startup_settings.h"
#include "platform/desktop_notifier.h"
#include "platform/qt/tray_icon.h"
#include "platform/sound_player.h"
#include "prayer/next_prayer.h"
#include "ui/notify.h"
#include "ui/services.h"

class QMenu;

namespace kelmo::platform {
class MessageDialog;
}

namespace kelmo::ui {

class Athan;

namespace timerwin {
inline constexpr int kTrayIconId = 165;
inline constexpr int kStatus = 32784, kStart = 32788, kTerminate = 32785, kTerminateAll = 32787;
inline constexpr int kTickMs = 30000;
inline constexpr double kFinalStepSeconds = 32.0;  // the last wait runs to the prayer time
// An alert later than this after its prayer's time says how late it is.
inline constexpr double kLateAfterSeconds = 60.0;
inline constexpr const char* kStatusCaption = " Kelmo Timer";
}  // namespace timerwin

class CKelmoFrm : public QObject, public NotifyHost {
    Q_OBJECT
  public:
    // Re-reads Kelmo.cfg and today's date into the records (start-up's first step), asking its
    // questions with prompt; 1 ok.
    using LoadSettings = std::function<int(ApplicationRecords& records, Prompt& prompt)>;
    // The result of a reload asked over the endpoint, and what follows once it is answered.
    struct ReloadAnswer {
        long result = 0;
        std::function<void()> whenAnswered;  // empty when nothing follows
    };
    // Called once when the background process is to end.
    using Ended = std::function<void()>;

    CKelmoFrm(ApplicationRecords& records, const Services& services, platform::SoundPlayer& sound,
              platform::TrayIcon& tray, LoadSettings loadSettings, Ended ended);
    ~CKelmoFrm() override;

    // A desktop notification accompanies each prayer alert (none: null).
    void setDesktopNotifier(platform::DesktopNotifier* notifier) { desktopNotifier_ = notifier; }
    // Window initialisation: the tray menu, and the tray icon when the prayer sound is on.
    void initialise();
    // Finds and schedules the next prayer, starts the tick and opens the Notifier; 0 after
    // error 10 when no prayer can be found.
    int ScheduleNextPrayer();
    // The 30-second tick.
    void tick();
    // The tray icon's tooltip: the next prayer, its time and the time left.
    QString trayTip() const;
    // Puts today's times into the tray menu, below its commands.
    void fillTodaysTimes();
    // A message of the endpoint (WM_KELMO_TRAY, _RELOAD, _QUIT, _DONE) and its result.
    long windowMessage(int message, long wParam, long lParam);
    // The answer line to WM_KELMO_STATUS.
    std::string statusAnswer() const;
    // The tray callback: right button down opens the menu, a double click runs "Status".
    int trayNotification(int iconId, int mouseMessage);
    // A command of the tray menu.
    void command(int id);

    void ShowStatus();
    void CloseStatusBox();
    void CloseNotifier() override;
    void TerminateTimer();
    void EndBackground() override;
    // WM_KELMO_RELOAD: 1 done, 0 when the settings cannot be read or no prayer found. Its
    // message boxes (Kelmo.cfg missing or corrupt, no prayer found) are shown in place.
    long reload();
    // WM_KELMO_RELOAD sent over the endpoint, whose sender waits for the result: the reload
    // runs without showing anything; when it wanted a message box, whenAnswered runs it again
    // with its boxes, after the answer has gone. While those boxes are open a further reload
    // is answered 0 and nothing else.
    ReloadAnswer reloadForAnswer();
    // Shows (adds or changes) or removes the tray icon; the platform's result.
    bool SetTrayIcon(bool show);
    // The pre-alert sound; false when it is not wanted for the scheduled prayer.
    bool StartPreAlert();

    // State, for the program's own checks and the tests.
    int nextSlot() const { return nextSlot_; }
    double nextTime() const { return nextTime_; }
    Instant nextAt() const { return nextAt_; }
    Notify* notifier() const { return notifier_; }
    Athan* alert() const { return alert_; }
    // An alert whose sound could not play, left open after the Timer went on.
    Athan* lingeringAlert() const;
    QDialog* statusBox() const;
    QMenu* trayMenu() const { return trayMenu_; }
    bool tickActive() const { return tickTimer_.isActive(); }
    bool finalWaitPending() const { return phase_ == Phase::finalWait; }
    int finalWaitMs() const { return finalWait_.interval(); }
    // Ends the final wait now (tests, whose clock does not run).
    void finishFinalWait();
    bool preAlertStarted() const { return preAlertStarted_; }
    bool timerTerminated() const { return timerTerminated_; }
    bool ended() const { return ended_; }

  private:
    enum class Phase { waiting, finalWait, alerting };

    void buildTrayMenu();
    long reloadWith(Prompt& prompt);
    void showError(int code);
    void reportTrouble(const std::string& text);
    void look();
    void prayerTime();
    bool latestPassedPrayer(Instant now, NextPrayer& latest) const;
    bool prayerStillCurrent(const NextPrayer& prayer, Instant now) const;
    void alertPrayer(double lateSeconds);
    void afterAlert();
    void announcePrayer(double lateSeconds);
    void closeNotifierAtPrayer();
    void destroyNotifier();
    void closeLingeringAlert();
    void updateTrayTip();
    void endProcess();
    int alertFlags() const { return records_.config.alertFlags; }

    ApplicationRecords& records_;
    const Services& services_;
    platform::SoundPlayer& sound_;
    platform::TrayIcon& tray_;
    platform::DesktopNotifier* desktopNotifier_ = nullptr;
    LoadSettings loadSettings_;
    Ended endedCallback_;

    int nextSlot_ = 0;
    double nextTime_ = 0.0;
    Instant nextAt_{};     // when the scheduled prayer begins
    Instant lastLook_{};   // when the clock was last read
    Instant alertedAt_{};  // when the prayer last alerted began
    QTimer tickTimer_;
    QTimer finalWait_;
    Phase phase_ = Phase::waiting;
    bool rescheduledDuringAlert_ = false;
    Notify* notifier_ = nullptr;
    Athan* alert_ = nullptr;
    QPointer<Athan> lingering_;
    bool timerTerminated_ = false;
    QPointer<platform::MessageDialog> statusBox_;
    bool preAlertStarted_ = false;
    bool quiet_ = false;          // a reload for the endpoint: boxes are noted, not shown
    bool boxWanted_ = false;      // a quiet step wanted a box
    bool reloadShowing_ = false;  // a reload's boxes are open
    bool ended_ = false;
    QMenu* trayMenu_ = nullptr;
    QList<QAction*> timeItems_;  // today's times in the tray menu
};

}  // namespace kelmo::ui
