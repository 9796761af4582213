// The main window of the desktop program: three input buttons (Date, Location,
// Configuration), three compute buttons (Prayer, Moon, Qibla), Help (also F1) and Quit, and
// beside them today's times at the current location. It holds no data of its own: it works
// on the application's four records, which the sub-dialogs change in place.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "ui/help_window.h"
#include "ui/services.h"

class QMenu;
class QPushButton;

namespace kelmo::ui {

class TodayPanel;

namespace mainwin {
inline constexpr int kDate = 3, kLocation = 4, kConfiguration = 5;
inline constexpr int kPrayer = 6, kMoon = 7, kQibla = 8;
inline constexpr int kHelp = 57670, kQuit = 1000;
inline constexpr int kAboutCommand = 16;                 // the system-menu item "&About KelmoTimes"
inline constexpr const char* kChartShortcut = "Ctrl+G";  // the chart window
inline constexpr int kQuitResult = 1000;
}  // namespace mainwin

// Windows that other parts of the program provide: the Location dialog, the Qibla window and
// the chart window, each run on the records it is given.
struct ExtraWindows {
    std::function<void(QWidget* parent, Location& home, Location& current)> location;
    std::function<void(QWidget* parent, Location& current, Config& config)> qibla;
    std::function<void(QWidget* parent, const CalendarDate& date, const Location& current,
                       const Config& config)>
        chart;
};

class CKelmoDlg : public QDialog {
    Q_OBJECT
  public:
    CKelmoDlg(Location& home, Location& current, Config& config, CalendarDate& date,
              const Services& services, ExtraWindows extra = {}, QWidget* parent = nullptr);
    ~CKelmoDlg() override;

    // The date check and the other calendar, run before each computation and before the Date
    // dialog opens; false after showing error 400.
    bool prepareChosenDate();
    // The window's system menu (also on the right mouse button and Alt+Space), with the chart
    // window (also on kChartShortcut) before the About item.
    QMenu* systemMenu() const { return systemMenu_; }
    // A system command: kAboutCommand opens the About box.
    void systemCommand(int id);
    // The help page (beside the executable or in the installed share folder).
    void setHelpFile(std::string path) { helpFile_ = std::move(path); }
    HelpViewer& helpViewer() { return help_; }
    TodayPanel& today() { return *today_; }

  public Q_SLOTS:
    void accept() override;  // the default command: does nothing
    void reject() override;  // Esc and the close box end the dialog as Quit does

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void buildTemplate(QWidget* holder);
    void buildSystemMenu();
    void openDate();
    void openConfiguration();
    void openChart();
    void compute(int kind);
    void setComputeEnabled(bool enabled);

    Location& home_;
    Location& current_;
    Config& config_;
    CalendarDate& date_;
    const Services& services_;
    ExtraWindows extra_;
    HelpViewer help_;
    std::string helpFile_;
    QMenu* systemMenu_ = nullptr;
    TodayPanel* today_ = nullptr;
};

}  // namespace kelmo::ui
