#include "ui/kelmo_app.h"

#include <cstdio>

#include "files/error_messages.h"
#include "files/settings/command_line.h"
#include "files/settings/place_for_zone.h"
#include "platform/computer_zone.h"
#include "platform/local_date.h"
#include "platform/message_box.h"
#include "ui/error_box.h"
#include "ui/first_start_dlg.h"
#include "ui/window_language.h"

namespace kelmo::ui {

void reportTimerRunning(platform::MessageBox& messages) {
    constexpr int kErrorTimerRunning = 800;  // "Kelmo Timer or Kelmo Notifier is already started!"
    std::fprintf(stderr, "Kelmo: %s\n", errorText(kErrorTimerRunning).c_str());
    showError(messages, kErrorTimerRunning);
}

CKelmoApp::CKelmoApp(const Services& services, ExtraWindows extra, BackgroundMode background)
    : services_(services),
      extra_(std::move(extra)),
      background_(std::move(background)),
      runModal_([](QDialog& window) { window.exec(); }) {}

CKelmoApp::~CKelmoApp() = default;

int CKelmoApp::initInstance(std::string_view commandLine, std::string_view arguments) {
    records_ = std::make_unique<ApplicationRecords>();
    MessageBoxPrompt prompt(services_.messages, [this](const auto& places, const auto& defaults) {
        return askFirstStart(places, defaults);
    });
    const CalendarDate today = platform::localToday(services_.clock);
    if (loadStartupSettings(commandLine, arguments, today, prompt, *records_) != 0) {
        // A language chosen in the Configuration dialog takes the place of the desktop's.
        if (records_->config.language) installLanguage(*records_->config.language);
        readCommandLine(arguments, records_->config, prompt);
        if (records_->config.timerMode == 0) {
            CKelmoDlg dialog(records_->home, records_->current, records_->config, records_->date,
                             services_, extra_);
            runModal_(dialog);
        } else if (const int runLoop = startBackground(); runLoop != 0) {
            return runLoop;  // the records stay for the life of the process
        }
    }
    records_.reset();
    return 0;
}

FirstStartChoice CKelmoApp::askFirstStart(const std::vector<Location>& places,
                                          const Config& defaults) {
    const ComputerTime computer = platform::computerTime(services_.clock);
    const std::string& zone = computer.zone.name();
    const double offsetHours =
        static_cast<double>(computer.zone.standardOffsetAt(computer.now).count()) / 3600.0;
    const std::size_t suggested = placeNearestZone(places, zone, offsetHours);
    const int year = computerLocalNow(computer).year;
    FirstStartDlg dialog(places, suggested, defaults, zone, year, services_.messages);
    runModal_(dialog);
    return dialog.choice();
}

int CKelmoApp::startBackground() {
    constexpr int kModeBits = alert::kNotifier | alert::kPlaySound;
    if ((records_->config.alertFlags & kModeBits) == 0) return 0;  // nothing to do, no message
    if (services_.timer.find()) {
        reportTimerRunning(services_.messages);
        return 0;
    }
    return background_ ? background_(*records_) : 0;
}

}  // namespace kelmo::ui
