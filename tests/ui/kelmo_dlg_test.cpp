// The main window driven through its buttons, with fake platform services.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "hijri/hijri_date.h"
#include "prayer/day_times.h"
#include "ui/about_dlg.h"
#include "ui/fake_services.h"
#include "ui/kelmo_dlg.h"
#include "ui/text_edge.h"
#include "ui/today_panel.h"
#include "ui/ui_support.h"

using namespace kelmo;
using namespace kelmo::ui;
using kelmo::test::click;

class KelmoDlgTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeServices> fakes_;
    Location home_ = test::manama();
    Location current_ = test::manama();
    Config config_;
    CalendarDate date_;

  private Q_SLOTS:
    void init() {
        fakes_ = std::make_unique<test::FakeServices>();
        config_ = Config{};
        date_ = CalendarDate{};
        date_.year = 2024;
        date_.month = 3;
        date_.day = 20;
    }

    void templateButtonsCaptionsAndTips() {
        CKelmoDlg dialog(home_, current_, config_, date_, fakes_->services);
        QCOMPARE(dialog.windowTitle(), QString("KelmoTimes"));
        const std::pair<int, const char*> buttons[] = {{mainwin::kDate, "Date"},
                                                       {mainwin::kLocation, "Location"},
                                                       {mainwin::kConfiguration, "Configuration"},
                                                       {mainwin::kPrayer, "Prayer"},
                                                       {mainwin::kMoon, "Moon"},
                                                       {mainwin::kQibla, "Qibla"},
                                                       {mainwin::kHelp, "&Help"},
                                                       {mainwin::kQuit, "Quit"}};
        for (const auto& [id, caption] : buttons)
            QCOMPARE(control<QPushButton>(&dialog, id)->text(), QString(caption));
        QCOMPARE(controlById(&dialog, mainwin::kMoon)->toolTip().replace('\n', ' '),
                 QString("Press to calculate Moon data and the start of Islamic month"));
        // Buttons of one row share a top edge and size; rows keep the template's order.
        const QRect date = controlById(&dialog, mainwin::kDate)->geometry();
        const QRect prayer = controlById(&dialog, mainwin::kPrayer)->geometry();
        const QRect quit = controlById(&dialog, mainwin::kQuit)->geometry();
        QCOMPARE(controlById(&dialog, mainwin::kConfiguration)->geometry().top(), date.top());
        QCOMPARE(prayer.size(), date.size());
        QVERIFY(date.bottom() < prayer.top() && prayer.bottom() < quit.top());
        QCOMPARE(quit.left(), controlById(&dialog, mainwin::kQibla)->geometry().left());
        QVERIFY(dialog.findChild<QWidget*>("picture173"));
    }

    void prayerForADayShowsTheDayReportInAMessageBox() {
        CKelmoDlg dialog(home_, current_, config_, date_, fakes_->services);
        dialog.show();
        click(&dialog, mainwin::kPrayer);
        QCOMPARE(fakes_->messages.shown.size(), std::size_t(1));
        const auto& box = fakes_->messages.shown[0];
        QCOMPARE(box.caption, std::string(" Prayer Schedule for Manama,Bahrain"));
        QVERIFY(box.text.find("\t\tFajr") != std::string::npos);
        QVERIFY(box.text.find(std::string(60, '=')) != std::string::npos);
        QVERIFY(box.text.find(std::string(61, '=')) == std::string::npos);
        // The date got its Hijri counterpart first, and the buttons are enabled again.
        QCOMPARE(date_.hijriValid, 1);
        QVERIFY(dialog.isEnabled());
        QVERIFY(controlById(&dialog, mainwin::kPrayer)->isEnabled());
        QVERIFY(controlById(&dialog, mainwin::kMoon)->isEnabled());
    }

    void moonForADayIsCaptionedMoonInformation() {
        CKelmoDlg dialog(home_, current_, config_, date_, fakes_->services);
        dialog.show();
        click(&dialog, mainwin::kMoon);
        QCOMPARE(fakes_->messages.shown.size(), std::size_t(1));
        QCOMPARE(fakes_->messages.shown[0].caption,
                 std::string(" Moon Information for Manama,Bahrain"));
    }

    void anInvalidDayStopsTheComputation() {
        date_.year = 1582;
        date_.month = 10;
        date_.day = 10;
        CKelmoDlg dialog(home_, current_, config_, date_, fakes_->services);
        dialog.show();
        click(&dialog, mainwin::kPrayer);
        click(&dialog, mainwin::kMoon);
        QCOMPARE(fakes_->messages.shown.size(), std::size_t(2));
        QCOMPARE(fakes_->messages.shown[0].text, std::string("Invalid date is chosen!\t"));
        QCOMPARE(fakes_->messages.shown[1].text, std::string("Invalid date is chosen!\t"));
        QVERIFY(fakes_->reports.started.empty());
        QVERIFY(controlById(&dialog, mainwin::kPrayer)->isEnabled());
    }

    void aMonthPeriodSkipsTheDateCheck() {
        QTemporaryDir folder;
        const QString keep = QDir::currentPath();
        QDir::setCurrent(folder.path());
        config_.alertFlags = 1 << 8;  // a month
        config_.editor = "kelmo-test-editor";
        date_.month = 4;
        date_.day = 31;  // no such day in April: not checked for a month
        CKelmoDlg dialog(home_, current_, config_, date_, fakes_->services);
        dialog.show();
        QVERIFY(dialog.prepareChosenDate());
        click(&dialog, mainwin::kPrayer);
        QVERIFY(fakes_->messages.shown.empty());
        QCOMPARE(fakes_->reports.started, std::vector<std::string>{"kelmo-test-editor"});
        QVERIFY(QFile::exists(folder.filePath("Kelmo.out")));
        QDir::setCurrent(keep);
    }

    void prepareFillsTheCivilDateOfAHijriDay() {
        config_.alertFlags = alert::kHijriDate;
        date_.hijriYear = 1445;
        date_.hijriMonth = 9;
        date_.hijriDay = 1;
        date_.hijriValid = 1;
        CKelmoDlg dialog(home_, current_, config_, date_, fakes_->services);
        QVERIFY(dialog.prepareChosenDate());
        QCOMPARE(date_.year, 2024);
        QCOMPARE(date_.month, 3);
        date_.hijriMonth = 13;
        QVERIFY(!dialog.prepareChosenDate());
        QCOMPARE(fakes_->messages.lastText(), std::string("Invalid date is chosen!\t"));
    }

    void escEndsWithQuitsResultAndTheDefaultCommandDoesNothing() {
        CKelmoDlg dialog(home_, current_, config_, date_, fakes_->services);
        dialog.show();
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), 1000);
        CKelmoDlg second(home_, current_, config_, date_, fakes_->services);
        second.show();
        click(&second, mainwin::kQuit);
        QCOMPARE(second.result(), 1000);
    }

    void systemMenuEndsWithTheAboutItem() {
        CKelmoDlg dialog(home_, current_, config_, date_, fakes_->services);
        const QList<QAction*> actions = dialog.systemMenu()->actions();
        QVERIFY(actions.size() >= 2);
        QVERIFY(actions[actions.size() - 2]->isSeparator());
        QCOMPARE(actions.last()->text(), QString("&About KelmoTimes"));
        QCOMPARE(actions.last()->data().toInt(), 16);
        // Choosing it opens the About box.
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
            opened = about != nullptr && about->windowTitle() == " About KelmoTimes";
            if (QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
        });
        actions.last()->trigger();
        QVERIFY(opened);
    }

    void helpShowsThePageOrSaysItFailed() {
        CKelmoDlg dialog(home_, current_, config_, date_, fakes_->services);
        dialog.show();
        dialog.setHelpFile("/nonexistent/Kelmo.html");
        click(&dialog, mainwin::kHelp);
        QCOMPARE(fakes_->messages.lastText(), std::string("Failed to launch help."));
        QTemporaryDir folder;
        QFile page(folder.filePath("Kelmo.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body><h1>KelmoTimes help</h1></body></html>");
        page.close();
        dialog.setHelpFile(page.fileName().toStdString());
        click(&dialog, mainwin::kHelp);
        QCOMPARE(fakes_->messages.shown.size(), std::size_t(1));
        QVERIFY(dialog.helpViewer().window() && dialog.helpViewer().window()->isVisible());
        QVERIFY(dialog.helpViewer().window()->browser()->toPlainText().contains("KelmoTimes help"));
        // F1 shows the page too.
        dialog.helpViewer().quit();
        QVERIFY(!dialog.helpViewer().window()->isVisible());
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, Qt::Key_F1);
        QVERIFY(dialog.helpViewer().window()->isVisible());
    }

    // Today's panel: the place, both dates, the school's times with the next prayer marked and
    // a count-down; a prayer that begins, a new day and a new place are shown afresh. The
    // reference times are the day's times computed afresh; 11 March 2024 was a Monday.
    void todayShowsTheDayAtTheCurrentLocation() {
        config_.fiqh = 1;  // Shafi'i: Asr by shadow factor 1, and Isha
        ExtraWindows extra;
        extra.location = [](QWidget*, Location&, Location& current) {
            current = test::builtInPlace("Oslo,Norway");
        };
        CKelmoDlg dialog(home_, current_, config_, date_, fakes_->services, extra);
        auto label = [&](const QString& name) { return dialog.findChild<QLabel*>(name); };
        auto slotLabel = [&](PrayerSlot slot) {
            return label(today::kTimePrefix + QString::number(static_cast<int>(slot)));
        };
        QCOMPARE(label(today::kPlace)->text(), QString("Manama,Bahrain"));
        QCOMPARE(label(today::kCivilDate)->text(), QString("Monday, 11 March 2024"));
        CalendarDate day{};
        day.year = 2024;
        day.month = 3;
        day.day = 11;
        hijriFromDate(day, current_, config_);
        QCOMPARE(label(today::kHijriDate)->text(),
                 QString("%1 %2 1445 AH")
                     .arg(int(day.hijriDay))
                     .arg(day.hijriMonth == 9 ? "Ramadan" : "Sha'ban"));
        QVERIFY(!slotLabel(PrayerSlot::asrShadow2)->isVisibleTo(&dialog));
        QVERIFY(!slotLabel(PrayerSlot::noon)->isVisibleTo(&dialog));
        QVERIFY(slotLabel(PrayerSlot::isha)->isVisibleTo(&dialog));
        // At 12:00 there Duhr has begun: Asr is next, 90.5 s after the clock's moment.
        const PrayerTimes times = computeDayTimes(day, current_, config_);
        const double asrUt =
            times[PrayerSlot::asrShadow1].angle().value() / kSecondToRad - 3 * 3600.0;
        fakes_->clock.set({2024, 3, 11, 0, 0, asrUt - 90.5});
        dialog.today().tick();
        QVERIFY(slotLabel(PrayerSlot::asrShadow1)->font().bold());
        QVERIFY(!slotLabel(PrayerSlot::duhr)->font().bold());
        QCOMPARE(label(today::kCountDown)->text(), QString("Asr in 00:01:31"));
        fakes_->clock.set({2024, 3, 11, 0, 0, asrUt + 0.5});
        dialog.today().tick();
        QVERIFY(label(today::kCountDown)->text().startsWith("Maghrib in "));
        QVERIFY(slotLabel(PrayerSlot::maghrib)->font().bold());
        QVERIFY(!slotLabel(PrayerSlot::asrShadow1)->font().bold());
        // 21:00:01 UT is just past midnight in Manama.
        fakes_->clock.set({2024, 3, 11, 21, 0, 1.0});
        dialog.today().tick();
        QCOMPARE(label(today::kCivilDate)->text(), QString("Tuesday, 12 March 2024"));
        click(&dialog, mainwin::kLocation);
        QCOMPARE(label(today::kPlace)->text(), QString("Oslo,Norway"));
    }

    // The main window runs modally, as the program runs it; the help window must still take
    // the user's input. Clicks, keys and closing go through the window system (QTest's QWindow
    // overloads), where a window blocked by a modal loop loses them.
    void helpWindowScrollsAndClosesBesideTheModalMainWindow() {
        // The program's own help page, copied beside the built programs.
        const QString page = QCoreApplication::applicationDirPath() + "/Kelmo.html";
        QVERIFY(QFile::exists(page));
        CKelmoDlg dialog(home_, current_, config_, date_, fakes_->services);
        dialog.setHelpFile(pathFromWidget(page));
        int scrolled = -1;
        bool onTheRoomierSide = false, hiddenByEsc = false, hiddenByCloseBox = false;
        QTimer::singleShot(0, &dialog, [&] {
            QVERIFY(QApplication::activeModalWidget() == &dialog);
            dialog.move(0, 0);  // room on the right for the help window
            click(&dialog, mainwin::kHelp);
            HelpWindow* help = dialog.helpViewer().window();
            QVERIFY(help && QTest::qWaitForWindowExposed(help));
            // To the right, the side with room, as far as the screen lets it.
            onTheRoomierSide = help->frameGeometry().left() > dialog.frameGeometry().left() &&
                               help->screen()->availableGeometry().contains(help->frameGeometry());
            // A click on the lower end of the vertical scroll bar pages down.
            QScrollBar* bar = help->browser()->verticalScrollBar();
            QVERIFY(bar->maximum() > 0);
            const QPoint lower = bar->mapTo(help, QPoint(bar->width() / 2, bar->height() - 30));
            QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, lower);
            scrolled = bar->value();
            QVERIFY(test::saveScreenshot(help, "help_window_scrolled"));
            QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
            hiddenByEsc = !help->isVisible();
            click(&dialog, mainwin::kHelp);
            help->windowHandle()->close();  // the close box
            hiddenByCloseBox = !help->isVisible();
            dialog.done(mainwin::kQuitResult);
        });
        dialog.exec();
        QVERIFY(scrolled > 0);
        QVERIFY(onTheRoomierSide);
        QVERIFY(hiddenByEsc);
        QVERIFY(hiddenByCloseBox);
    }

    void locationAndQiblaOpenTheWindowsGivenToTheDialog() {
        int opened = 0;
        ExtraWindows extra;
        extra.location = [&](QWidget*, Location& home, Location& current) {
            opened += (&home == &home_ && &current == &current_) ? 1 : 100;
        };
        extra.qibla = [&](QWidget*, Location& current, Config& config) {
            opened += (&current == &current_ && &config == &config_) ? 10 : 100;
        };
        CKelmoDlg dialog(home_, current_, config_, date_, fakes_->services, extra);
        dialog.show();
        click(&dialog, mainwin::kLocation);
        click(&dialog, mainwin::kQibla);
        QCOMPARE(opened, 11);
    }

    // The chart window opens from the system menu, next to About, and on Ctrl+G, for the
    // chosen date; the buttons stay as they are.
    void chartOpensFromTheMenuAndItsShortcut() {
        int opened = 0;
        ExtraWindows extra;
        extra.chart = [&](QWidget*, const CalendarDate& date, const Location& current,
                          const Config& config) {
            opened += (&date == &date_ && &current == &current_ && &config == &config_) ? 1 : 100;
        };
        CKelmoDlg dialog(home_, current_, config_, date_, fakes_->services, extra);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const QList<QAction*> actions = dialog.systemMenu()->actions();
        QAction* chart = actions[actions.size() - 3];
        QCOMPARE(chart->text(), QString("Prayer &chart..."));
        QCOMPARE(chart->shortcut(), QKeySequence(mainwin::kChartShortcut));
        chart->trigger();
        QTest::keyClick(&dialog, Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(opened, 2);
        QCOMPARE(dialog.findChildren<QPushButton*>().size(), 8);
    }
};

QTEST_MAIN(KelmoDlgTest)
#include "kelmo_dlg_test.moc"
