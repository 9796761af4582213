// Pictures of every window of the desktop program, written as PNG files into
// "screenshots/" of the build tree for review: the main window, the About box, the Date
// dialog for each period, the Configuration dialog, the day report's message box and the
// chart window of a year at four places.
#include <QImage>
#include <QSet>
#include <QTest>

#include "files/reports/prayer_report.h"
#include "files/reports/show_report.h"
#include "hijri/hijri_date.h"
#include "platform/qt/message_dialog.h"
#include "ui/about_dlg.h"
#include "ui/cfg_dlg.h"
#include "ui/chart_w.h"
#include "ui/date_dlg.h"
#include "ui/earth_picture.h"
#include "ui/fake_services.h"
#include "ui/kelmo_dlg.h"
#include "ui/text_edge.h"
#include "ui/ui_support.h"

using namespace kelmo;
using namespace kelmo::ui;

class ScreenshotsTest : public QObject {
    Q_OBJECT

    test::FakeServices fakes_;
    Location place_ = test::manama();
    Config config_;
    CalendarDate date_;

    // Shows the window, saves its picture and checks that something was drawn in it
    // (text and frames give many colours; an empty window has one or two).
    void save(QWidget& window, const QString& name) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage image = window.grab().toImage();
        QVERIFY(!image.isNull());
        QVERIFY(test::saveScreenshot(image, name));
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() > 8, qPrintable(name));
    }

  private Q_SLOTS:
    void init() {
        config_ = Config{};
        date_ = CalendarDate{};
        date_.year = 2024;
        date_.month = 3;
        date_.day = 20;
        hijriFromDate(date_, place_, config_);
    }

    void mainWindow() {
        Location current = place_;
        CKelmoDlg dialog(place_, current, config_, date_, fakes_.services);
        save(dialog, "main");
    }

    void bannerEnlarged() {
        EarthPicture picture;
        picture.resize(kBannerWidth * 4, kBannerHeight * 4);
        save(picture, "banner");
    }

    void aboutBox() {
        CAboutDlg about;
        save(about, "about");
    }

    void dateDialogForEachPeriod() {
        const char* names[] = {"date_day", "date_month", "date_year"};
        for (int period = 0; period < 3; ++period) {
            config_.alertFlags = period << alert::kPeriodShift;
            DateDlg dialog(date_, config_, place_, fakes_.messages);
            save(dialog, names[period]);
        }
        config_.alertFlags = alert::kHijriDate;
        DateDlg hijri(date_, config_, place_, fakes_.messages);
        save(hijri, "date_day_hijri");
    }

    void configurationDialog() {
        config_.alertFlags = alert::kNotifier | alert::kPlaySound | (alert::kFajrSound << 3);
        CfgDlg dialog(config_, fakes_.services);
        save(dialog, "configuration");
    }

    void dayReportBox() {
        std::string text;
        prayerScheduleReport(date_, place_, test::zoneOf(place_), config_, text);
        const std::string day = dayReportText(text, kPrayerReportOutput, config_);
        platform::MessageDialog box(toWidget(day), " Prayer Schedule for Manama,Bahrain", false);
        save(box, "day_report");
        platform::MessageDialog question(
            "Could not open configuration file!\t\nDo you want to create new configuration file?",
            "KelmoTimes", true);
        save(question, "question");
    }

    // Manama; Oslo (the rule's days in summer, summer time); Longyearbyen (polar night and
    // day); Auckland (southern summer time, zone +12).
    void chartWindows() {
        const char* places[][2] = {{"Manama,Bahrain", "chart_manama"},
                                   {"Oslo,Norway", "chart_oslo"},
                                   {"Longyearbyen,Svalbard", "chart_longyearbyen"},
                                   {"Auckland,New Zealand", "chart_auckland"}};
        config_.fiqh = 1;
        config_.alertFlags = 2 << alert::kPeriodShift;
        for (const auto& [name, file] : places) {
            int answer = -1;
            const Location place = test::builtInPlace(name, &answer);
            QCOMPARE(answer, 0);
            ChartW window(date_, place, test::zoneOf(place), config_, fakes_.services);
            save(window, file);
        }
    }
};

QTEST_MAIN(ScreenshotsTest)
#include "screenshots_test.moc"
