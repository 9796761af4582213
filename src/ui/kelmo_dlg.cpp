#include "ui/kelmo_dlg.h"
#include "ui/error_box.h"
#include "ui/place_clock.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "calendar/julian_day.h"
#include "files/error_messages.h"
#include "files/reports/moon_report.h"
#include "files/reports/prayer_report.h"
#include "hijri/hijri_date.h"
#include "platform/user_folders.h"
#include "ui/about_dlg.h"
#include "ui/cfg_dlg.h"
#include "ui/chart_w.h"
#include "ui/date_dlg.h"
#include "ui/dialog_template.h"
#include "ui/earth_picture.h"
#include "ui/loc_dlg.h"
#include "ui/qibla_w.h"
#include "ui/template_layout.h"
#include "ui/text_edge.h"
#include "ui/today_panel.h"
#include "ui/window_language.h"

namespace kelmo::ui {

namespace {
constexpr int kErrorInvalidDate = 400;  // "Invalid date is chosen!"
constexpr int kTodayTop = 14;           // dialog units: the top of the template's "Input" group
constexpr int kTodayMargin = 7;         // dialog units: the template's margin
}  // namespace

CKelmoDlg::CKelmoDlg(Location& home, Location& current, Config& config, CalendarDate& date,
                     const Services& services, ExtraWindows extra, QWidget* parent)
    : QDialog(parent),
      home_(home),
      current_(current),
      config_(config),
      date_(date),
      services_(services),
      extra_(std::move(extra)),
      help_(services.messages, this),
      helpFile_(helpPagePath()) {
    setWindowTitle("KelmoTimes");
    setFont(dialogFont());
    auto* buttons = new QWidget(this);
    buildTemplate(buttons);
    arrangeTemplate(buttons);
    today_ = new TodayPanel(current_, config_, services.clock, this);
    // The template's buttons keep their arrangement; today's panel stands beside them, its
    // top level with the template's first group and with the template's margin around it.
    const DialogUnits units(dialogFont());
    auto* side = new QVBoxLayout;
    side->setContentsMargins(0, units.y(kTodayTop), units.x(kTodayMargin), units.y(kTodayMargin));
    side->addWidget(today_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buttons, 0, Qt::AlignTop);
    layout->addLayout(side, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    buildSystemMenu();
    setWindowIcon(applicationIcon());
}

CKelmoDlg::~CKelmoDlg() {
    help_.quit();
}

void CKelmoDlg::buildTemplate(QWidget* holder) {
    using namespace mainwin;
    DialogTemplate t(holder, "KelmoTimes", 218, 130);
    t.group(tr("Input"), 7, 14, 204, 39);
    t.group(tr("Compute"), 7, 55, 205, 39);
    struct Button {
        int id;
        const char* caption;
        int x, y;
        const char* tip;
    };
    // In the order the tooltips are registered.
    const Button buttons[] = {
        {kDate, QT_TR_NOOP("Date"), 12, 26, QT_TR_NOOP("Press to set the required date")},
        {kLocation, QT_TR_NOOP("Location"), 79, 26,
         QT_TR_NOOP("Press to select or manipulate the location database")},
        {kConfiguration, QT_TR_NOOP("Configuration"), 146, 26,
         QT_TR_NOOP("Press to manipulate configuration parameters")},
        {kPrayer, QT_TR_NOOP("Prayer"), 12, 66, QT_TR_NOOP("Press to calculate prayer times")},
        {kMoon, QT_TR_NOOP("Moon"), 79, 66,
         QT_TR_NOOP("Press to calculate Moon data and the start of Islamic month")},
        {kQibla, QT_TR_NOOP("Qibla"), 146, 66,
         QT_TR_NOOP("Press to calculate Qibla direction and the distance to Mecca")},
        {kHelp, QT_TR_NOOP("&Help"), 12, 100, QT_TR_NOOP("Press to view the online help")},
        {kQuit, QT_TR_NOOP("Quit"), 146, 100, QT_TR_NOOP("Press to terminate the program")}};
    for (const Button& b : buttons)
        setTip(t.button(b.id, tr(b.caption), b.x, b.y, 60, 22), tr(b.tip));
    auto* picture = new EarthPicture(holder);
    picture->setObjectName("picture173");
    picture->setGeometry(t.units().rect(79, 100, 60, 22));

    auto clicked = [this](int id, auto handler) {
        connect(control<QPushButton>(this, id), &QPushButton::clicked, this, handler);
    };
    clicked(kDate, [this] { openDate(); });
    clicked(kLocation, [this] {
        if (extra_.location) {
            extra_.location(this, home_, current_);
        } else {
            LocDlg dialog(home_, current_, services_, this);
            dialog.exec();
        }
        today_->refresh();
    });
    clicked(kConfiguration, [this] { openConfiguration(); });
    clicked(kPrayer, [this] { compute(kPrayerReportOutput); });
    clicked(kMoon, [this] { compute(kMoonReportOutput); });
    clicked(kQibla, [this] {
        if (extra_.qibla) {
            extra_.qibla(this, current_, config_);
        } else {
            QiblaW window(current_, config_, services_, this);
            window.exec();
        }
    });
    clicked(kHelp, [this] { help_.show(helpFile_); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { help_.show(helpFile_); });
    clicked(kQuit, [this] { done(kQuitResult); });
}

void CKelmoDlg::buildSystemMenu() {
    systemMenu_ = new QMenu(this);
    systemMenu_->addAction(tr("Mi&nimize"), this, &QWidget::showMinimized);
    systemMenu_->addAction(tr("&Close"), this, &CKelmoDlg::reject);
    QAction* chart = systemMenu_->addAction(tr("Prayer &chart..."), this, &CKelmoDlg::openChart);
    chart->setShortcut(QKeySequence(mainwin::kChartShortcut));
    addAction(chart);  // the shortcut works in the whole window
    // The about item goes at the end, after a separator.
    systemMenu_->addSeparator();
    QAction* about = systemMenu_->addAction(tr("&About KelmoTimes"));
    about->setData(mainwin::kAboutCommand);
    connect(about, &QAction::triggered, this, [this] { systemCommand(mainwin::kAboutCommand); });
    auto* shortcut = new QShortcut(QKeySequence("Alt+Space"), this);
    connect(shortcut, &QShortcut::activated, this,
            [this] { systemMenu_->popup(mapToGlobal(QPoint(0, 0))); });
}

void CKelmoDlg::contextMenuEvent(QContextMenuEvent* event) {
    systemMenu_->popup(event->globalPos());
}

void CKelmoDlg::systemCommand(int id) {
    if ((id & ~0xF) == mainwin::kAboutCommand) {
        CAboutDlg about(this);
        about.exec();
    }
}

void CKelmoDlg::accept() {}

void CKelmoDlg::reject() {
    done(mainwin::kQuitResult);
}

bool CKelmoDlg::prepareChosenDate() {
    if ((config_.alertFlags & alert::kPeriodMask) != 0) return true;  // a month or a year
    const bool hijri = (config_.alertFlags & alert::kHijriDate) != 0;
    if (!isValidDate(date_, hijri)) {
        showError(services_.messages, kErrorInvalidDate);
        return false;
    }
    // The other calendar is filled in; a failed conversion does not stop the computation.
    if (!hijri) {
        hijriFromDate(date_, current_, config_);
        return true;
    }
    // A Hijri day past the end of its month is no date; a year outside the chosen calendar
    // has no civil date (computing on would use the civil date of before).
    const int converted = dateFromHijri(date_, current_, config_);
    if (converted == kHijriDayBeyondMonth || converted == kHijriOutsideCalendar) {
        showError(services_.messages,
                  converted == kHijriDayBeyondMonth ? kErrorInvalidDate : kErrorOutsideCalendar);
        return false;
    }
    return true;
}

void CKelmoDlg::openDate() {
    DateDlg dialog(date_, config_, current_, services_.messages, this);
    prepareChosenDate();  // its message is shown; the dialog opens all the same
    dialog.exec();
    today_->refresh();
}

void CKelmoDlg::openConfiguration() {
    CfgDlg dialog(config_, services_, this);
    dialog.exec();
    today_->refresh();
}

void CKelmoDlg::openChart() {
    if (!prepareChosenDate()) return;
    if (extra_.chart) {
        extra_.chart(this, date_, current_, config_);
        return;
    }
    const std::optional<Zone> zone = placeZoneOrSay(current_, services_.messages);
    if (!zone) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ChartW window(date_, current_, *zone, config_, services_, this);
    QApplication::restoreOverrideCursor();
    window.exec();
}

void CKelmoDlg::setComputeEnabled(bool enabled) {
    QWidget* prayer = controlById(this, mainwin::kPrayer);
    QWidget* moon = controlById(this, mainwin::kMoon);
    if (enabled) {
        setEnabled(true);
        prayer->setEnabled(true);
        moon->setEnabled(true);
    } else {
        prayer->setEnabled(false);
        moon->setEnabled(false);
        setEnabled(false);
    }
}

void CKelmoDlg::compute(int kind) {
    if (!prepareChosenDate()) return;
    const std::optional<Zone> zone = placeZoneOrSay(current_, services_.messages);
    if (!zone) return;
    setComputeEnabled(false);
    std::string text;
    if (kind == kPrayerReportOutput)
        prayerScheduleReport(date_, current_, *zone, config_, text);
    else
        moonReport(date_, current_, *zone, config_, text);
    const ShownReport shown = showReport(text, kind, config_, current_, services_.reports);
    if (shown.error != 0)
        showError(services_.messages, shown.error, shown.detail);
    else if (!shown.dayText.empty())
        say(services_.messages, toWidget(shown.dayText), toWidget(shown.caption));
    setComputeEnabled(true);
}

}  // namespace kelmo::ui
