// Windows fit the screen: a 1600x1000 screen at QT_SCALE_FACTOR=2 (800x500 in Qt's units, as a
// large-font desktop shows it) on the offscreen platform, whose windows have frame margins.
// The chart window and the help window opened from the main window, the main window itself
// and the first start's dialog keep their frames and every button inside the screen's
// available area.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "calendar/julian_day.h"
#include "files/settings/default_locations.h"
#include "files/settings/location_database.h"
#include "ui/chart_w.h"
#include "ui/fake_services.h"
#include "ui/first_start_dlg.h"
#include "ui/help_window.h"
#include "ui/kelmo_dlg.h"
#include "ui/ui_support.h"

using namespace kelmo;
using namespace kelmo::ui;

namespace {

constexpr int kScreenWidth = 1600, kScreenHeight = 1000, kScale = 2;

QRect available() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// The frame and every push button of a shown window lie inside the available area.
void verifyOnScreen(QWidget& window, const char* name) {
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY2(available().contains(window.frameGeometry()), name);
    QVERIFY2(window.frameGeometry() != window.geometry(), name);  // the frame is counted
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
        QVERIFY2(available().contains(onScreen), qPrintable(name + (": " + button->text())));
    }
}

}  // namespace

class WindowFitTest : public QObject {
    Q_OBJECT

    test::FakeServices fakes_;
    Location home_ = test::manama();
    Location current_ = test::manama();
    Config config_;
    CalendarDate date_;

  private Q_SLOTS:
    void init() {
        config_ = Config{};
        date_ = CalendarDate{};
        date_.year = 2024;
        date_.month = 3;
        date_.day = 20;
    }

    void theScreenIsTheScaledOne() {
        QCOMPARE(available().size(), QSize(kScreenWidth / kScale, kScreenHeight / kScale));
    }

    void chartWindowFitsWithItsButtons() {
        CKelmoDlg main(home_, current_, config_, date_, fakes_.services);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        config_.alertFlags = 2 << alert::kPeriodShift;  // a year
        ChartW chart(date_, current_, test::zoneOf(current_), config_, fakes_.services, &main);
        chart.show();
        verifyOnScreen(chart, "chart");
        QVERIFY(test::saveScreenshot(&chart, "chart_scale2"));
    }

    void helpWindowFitsBesideTheMainWindow() {
        CKelmoDlg main(home_, current_, config_, date_, fakes_.services);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QTemporaryDir folder;
        QFile page(folder.filePath("Kelmo.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body><h1>KelmoTimes help</h1></body></html>");
        page.close();
        main.setHelpFile(pathFromWidget(page.fileName()));
        for (const QPoint& at : {QPoint(0, 0), QPoint(available().right() - main.width(), 200)}) {
            main.move(at);
            main.helpViewer().show(pathFromWidget(page.fileName()));
            verifyOnScreen(*main.helpViewer().window(), "help");
            main.helpViewer().quit();
        }
    }

    void mainWindowFits() {
        CKelmoDlg main(home_, current_, config_, date_, fakes_.services);
        main.show();
        verifyOnScreen(main, "main");
    }

    void firstStartDialogFits() {
        std::vector<Location> places;
        QCOMPARE(locationsFromText(defaultConfigText(), places), 0);
        FirstStartDlg dialog(places, 0, config_, "Asia/Bahrain", 2024, fakes_.messages);
        dialog.show();
        verifyOnScreen(dialog, "first start");
    }
};

int main(int argc, char** argv) {
    // The offscreen platform reads its screens from a JSON file named in the platform option.
    QTemporaryDir folder;
    const QString config = folder.filePath("screen.json");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(QString(R"({"windowFrameMargins": true, "screens": [{"name": "fit", "x": 0,
        "y": 0, "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                   .arg(kScreenWidth)
                   .arg(kScreenHeight)
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kScale));
    QApplication app(argc, argv);
    WindowFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_fit_test.moc"
