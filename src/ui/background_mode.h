// The background mode of the desktop program ("/t"): it claims the "KelmoTimer" endpoint
// (a second Timer is refused with error 800; a Timer that cannot listen is not started, and
// says why), builds the Timer on the application's records,
// connects the endpoint's messages to it and schedules the first prayer.
#pragma once

#include <memory>
#include <string>

#include "files/settings/startup_settings.h"
#include "platform/qt/timer_endpoint_server.h"
#include "platform/qt/tray_icon.h"
#include "platform/sound_player.h"
#include "ui/kelmo_frm.h"
#include "ui/services.h"

namespace kelmo::ui {

// The start of the message of a Timer that cannot listen; the reason follows.
inline constexpr const char* kTimerNotStarted =
    QT_TRANSLATE_NOOP("kelmo::ui::BackgroundMode", "Kelmo Timer not started: ");

class BackgroundMode {
  public:
    // ended: what ends the process (the application's quit; tests record it).
    BackgroundMode(const Services& services, platform::SoundPlayer& sound, platform::TrayIcon& tray,
                   CKelmoFrm::LoadSettings loadSettings, CKelmoFrm::Ended ended,
                   std::string socketPath = platform::timerSocketPath());
    ~BackgroundMode();

    // Returns 1 when the message loop is to run, 0 when the process is to end (error 800, error
    // 10 or why the endpoint could not be opened shown).
    int run(ApplicationRecords& records);

    // The desktop notification service the Timer announces each prayer with (none: null).
    void setDesktopNotifier(platform::DesktopNotifier* notifier) { desktopNotifier_ = notifier; }

    CKelmoFrm* timer() const { return timer_.get(); }
    platform::TimerEndpointServer* endpoint() const { return server_.get(); }

  private:
    platform::TimerEndpointServer::Reply answer(const platform::TimerMessage& message);

    const Services& services_;
    platform::SoundPlayer& sound_;
    platform::TrayIcon& tray_;
    CKelmoFrm::LoadSettings loadSettings_;
    CKelmoFrm::Ended ended_;
    std::string socketPath_;
    platform::DesktopNotifier* desktopNotifier_ = nullptr;
    std::unique_ptr<platform::TimerEndpointServer> server_;
    std::unique_ptr<CKelmoFrm> timer_;
};

// The reload of the Timer: start-up's settings step again (Kelmo.cfg, home and current
// location, today's date), the command line not read again.
CKelmoFrm::LoadSettings startupSettingsLoader(const Services& services, std::string commandLine,
                                              std::string arguments);

}  // namespace kelmo::ui
