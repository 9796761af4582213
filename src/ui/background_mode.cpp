#include "ui/background_mode.h"

#include <QGuiApplication>
#include <cstdio>

#include "platform/kelmo_messages.h"
#include "platform/local_date.h"
#include "platform/timer_status.h"
#include "ui/kelmo_app.h"

namespace kelmo::ui {

BackgroundMode::BackgroundMode(const Services& services, platform::SoundPlayer& sound,
                               platform::TrayIcon& tray, CKelmoFrm::LoadSettings loadSettings,
                               CKelmoFrm::Ended ended, std::string socketPath)
    : services_(services),
      sound_(sound),
      tray_(tray),
      loadSettings_(std::move(loadSettings)),
      ended_(std::move(ended)),
      socketPath_(std::move(socketPath)) {}

BackgroundMode::~BackgroundMode() {
    timer_.reset();   // before the endpoint: the Timer's answers go through it
    server_.reset();  // removes the socket file
}

int BackgroundMode::run(ApplicationRecords& records) {
    server_ = std::make_unique<platform::TimerEndpointServer>(socketPath_);
    switch (server_->listen()) {
        case platform::TimerEndpointServer::Claim::alreadyTaken:
            server_.reset();
            reportTimerRunning(services_.messages);
            return 0;
        case platform::TimerEndpointServer::Claim::failed: {
            // Unreachable, and without the lock that keeps a second Timer out: not started.
            const std::string failure = server_->failure();
            const std::string why = kTimerNotStarted + failure + ".";
            server_.reset();
            std::fprintf(stderr, "Kelmo: %s\n", why.c_str());
            say(services_.messages,
                QCoreApplication::translate("kelmo::ui::BackgroundMode", kTimerNotStarted) +
                    QString::fromStdString(failure) + ".\t");
            return 0;
        }
        case platform::TimerEndpointServer::Claim::listening:
            break;
    }
    timer_ = std::make_unique<CKelmoFrm>(records, services_, sound_, tray_, loadSettings_, ended_);
    timer_->setDesktopNotifier(desktopNotifier_);
    server_->setHandler([this](const platform::TimerMessage& m) { return answer(m); });
    // The Notifier and the alert come and go; only the Timer's end ends the process.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    timer_->initialise();
    if (timer_->ScheduleNextPrayer() != 0) return 1;
    timer_.reset();  // error 10 shown: the process ends, without its tray icon
    return 0;
}

platform::TimerEndpointServer::Reply BackgroundMode::answer(const platform::TimerMessage& message) {
    if (message.message == WM_KELMO_STATUS) return {timer_->statusAnswer(), {}};
    if (message.message == WM_KELMO_RELOAD) {
        // The sender waits: the result goes first, a message box the reload needs after it.
        CKelmoFrm::ReloadAnswer reload = timer_->reloadForAnswer();
        return {platform::encodeTimerResult(reload.result), std::move(reload.whenAnswered)};
    }
    return {platform::encodeTimerResult(
                timer_->windowMessage(message.message, message.wParam, message.lParam)),
            {}};
}

CKelmoFrm::LoadSettings startupSettingsLoader(const Services& services, std::string commandLine,
                                              std::string arguments) {
    return [&services, commandLine = std::move(commandLine), arguments = std::move(arguments)](
               ApplicationRecords& records, Prompt& prompt) {
        return loadStartupSettings(commandLine, arguments, platform::localToday(services.clock),
                                   prompt, records);
    };
}

}  // namespace kelmo::ui
