// The chart window: the period of the Date dialog, today from the clock, and saving the
// picture as PNG or SVG through the file chooser.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "support/civil_date.h"
#include "ui/chart/chart_picture.h"
#include "ui/chart_w.h"

#include "support/places.h"
#include "ui/fake_services.h"
#include "ui/ui_support.h"

using namespace kelmo;
using namespace kelmo::ui;
using kelmo::test::click;

class ChartWTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeServices> fakes_;
    Location oslo_;
    Config config_;
    CalendarDate date_;
    QTemporaryDir folder_;

    std::string path(const char* name) const { return folder_.filePath(name).toStdString(); }

  private Q_SLOTS:
    void init() {
        fakes_ = std::make_unique<test::FakeServices>();  // the clock stands at 2024-03-11
        int answer = -1;
        oslo_ = test::builtInPlace("Oslo,Norway", &answer);
        QCOMPARE(answer, 0);
        config_ = Config{};
        config_.fiqh = 1;
        date_ = test::civil(2024, 6, 20);
    }

    void theDateDialogsPeriodChoosesYearOrMonth() {
        config_.alertFlags = 2 << alert::kPeriodShift;
        ChartW year(date_, oslo_, test::zoneOf(oslo_), config_, fakes_->services);
        QCOMPARE(year.windowTitle(), QString(" Prayer Chart for Oslo,Norway"));
        QCOMPARE(year.chart().days.size(), std::size_t(366));
        QCOMPARE(year.chart().today.value_or(-1), 31 + 29 + 10);  // 11 March
        QVERIFY(!year.chart().ruleName.empty());
        // A day counts as its year; a month is that month.
        config_.alertFlags = 0;
        QCOMPARE(
            ChartW(date_, oslo_, test::zoneOf(oslo_), config_, fakes_->services).chart().length,
            366);
        config_.alertFlags = 1 << alert::kPeriodShift;
        ChartW june(date_, oslo_, test::zoneOf(oslo_), config_, fakes_->services);
        QCOMPARE(june.chart().length, 30);
        QVERIFY(!june.chart().today.has_value());
    }

    void savesPngAndSvgWhereTheUserChose() {
        config_.alertFlags = 1 << alert::kPeriodShift;
        ChartW window(date_, oslo_, test::zoneOf(oslo_), config_, fakes_->services);
        window.show();
        fakes_->files.choice = path("june.png");
        click(&window, chartwin::kSavePng);
        QCOMPARE(fakes_->files.asked.back(), std::string("KelmoChart.png"));
        const QImage png(QString::fromStdString(path("june.png")));
        QCOMPARE(png.size(), kChartFileSize);
        fakes_->files.choice = path("june.svg");
        click(&window, chartwin::kSaveSvg);
        QCOMPARE(fakes_->files.asked.back(), std::string("KelmoChart.svg"));
        QFile svg(QString::fromStdString(path("june.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray text = svg.readAll();
        QVERIFY(text.contains("<svg"));
        QVERIFY(text.contains("</svg>"));
        // A folder name Windows-1252 cannot hold comes back from the chooser as the system's
        // bytes and is written there.
        QVERIFY(QDir(folder_.path()).mkdir(QString::fromUtf8("مكة")));
        fakes_->files.choice = path("مكة/chart.png");
        QVERIFY(window.save(ChartFormat::png));
        QVERIFY(QFile::exists(folder_.filePath(QString::fromUtf8("مكة/chart.png"))));
        QVERIFY(fakes_->messages.shown.empty());
    }

    void cancelSavesNothingAndAFailureSaysSo() {
        ChartW window(date_, oslo_, test::zoneOf(oslo_), config_, fakes_->services);
        fakes_->files.choice.reset();
        QVERIFY(!window.save(ChartFormat::png));
        QVERIFY(fakes_->messages.shown.empty());
        fakes_->files.choice = path("no/such/folder/chart.svg");
        QVERIFY(!window.save(ChartFormat::svg));
        QCOMPARE(fakes_->messages.shown.size(), std::size_t(1));
        QVERIFY(fakes_->messages.lastText().rfind("Could not open output file!", 0) == 0);
    }
};

QTEST_MAIN(ChartWTest)
#include "chart_w_test.moc"
