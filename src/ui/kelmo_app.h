// The application object of the desktop program: it owns the four records of the run (the
// home and current locations, the configuration and the chosen date), loads the settings and
// the command line at start and decides between the interactive mode (the main window) and
// the background mode ("/t": the Timer).
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/settings/prompt.h"
#include "files/settings/startup_settings.h"
#include "ui/error_box.h"
#include "ui/kelmo_dlg.h"
#include "ui/services.h"

namespace kelmo::ui {

// Start-up's questions and messages shown in the program's message boxes, and the first
// start's questions asked by firstStart (none: not asked).
class MessageBoxPrompt final : public Prompt {
  public:
    using FirstStart =
        std::function<FirstStartChoice(const std::vector<Location>& places, const Config&)>;
    explicit MessageBoxPrompt(platform::MessageBox& box, FirstStart firstStart = nullptr)
        : box_(box), firstStart_(std::move(firstStart)) {}
    bool askOkCancel(const std::string& text) override { return ask(box_, coreText(text)); }
    void showMessage(const std::string& text) override { say(box_, coreText(text)); }
    FirstStartChoice chooseFirstSettings(const std::vector<Location>& places,
                                         const Config& defaults) override {
        return firstStart_ ? firstStart_(places, defaults) : FirstStartChoice{};
    }

  private:
    platform::MessageBox& box_;
    FirstStart firstStart_;
};

// Error 800 for a start of the Timer that finds one running: in a message box, and as a line
// on standard error too, so that a second start by the session leaves its reason in the log.
void reportTimerRunning(platform::MessageBox& messages);

class CKelmoApp {
  public:
    // Runs the background mode on the records; returns whether the message loop is to run.
    using BackgroundMode = std::function<int(ApplicationRecords& records)>;
    // Runs a window modally (tests replace it to look at the window without blocking).
    using RunModal = std::function<void(QDialog& window)>;

    CKelmoApp(const Services& services, ExtraWindows extra = {},
              BackgroundMode background = nullptr);
    ~CKelmoApp();

    // commandLine: the whole command line (the program's path first); arguments: the part
    // after the program name. Returns 1 when the background mode's message loop is to run,
    // 0 when the process is to end (after the main window has closed, or at once).
    int initInstance(std::string_view commandLine, std::string_view arguments);

    // The records while they exist (from initInstance until they are deleted).
    ApplicationRecords* records() const { return records_.get(); }
    void setRunModal(RunModal run) { runModal_ = std::move(run); }

  private:
    int startBackground();
    // The first start's dialog, run by runModal, with the place nearest the computer's zone.
    FirstStartChoice askFirstStart(const std::vector<Location>& places, const Config& defaults);

    const Services& services_;
    ExtraWindows extra_;
    BackgroundMode background_;
    RunModal runModal_;
    std::unique_ptr<ApplicationRecords> records_;
};

}  // namespace kelmo::ui
