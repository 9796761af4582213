#include "ui/chart_w.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "calendar/local_time.h"
#include "files/reports/report_header.h"
#include "files/reports/show_report.h"
#include "ui/chart/chart_picture.h"
#include "ui/error_box.h"
#include "ui/screen_fit.h"
#include "ui/text_edge.h"
#include "ui/window_words.h"

namespace kelmo::ui {

namespace {

// The window's size where the screen has room; it can be resized down to the smallest chart
// that keeps its labels apart.
const QSize kWindowSize(1200, 830);
const QSize kSmallestChart(360, 240);

// The chart drawn to the size of the widget.
class ChartView : public QWidget {
  public:
    ChartView(const PrayerChart& chart, QWidget* parent) : QWidget(parent), chart_(chart) {
        setMinimumSize(kSmallestChart);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paintPrayerChart(painter, rect(), chart_, windowWords());
    }

  private:
    const PrayerChart& chart_;
};

ChartPeriod chosenPeriod(const Config& config) {
    return reportPeriod(config) == ReportPeriod::month ? ChartPeriod::month : ChartPeriod::year;
}

}  // namespace

ChartW::ChartW(const CalendarDate& date, const Location& location, const Zone& zone,
               const Config& config, const Services& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    const CalendarDate today = currentLocalTime(zone, services.clock.now()).date;
    chart_ = prayerChart(date, chosenPeriod(config), location, zone, config, today);
    setWindowTitle(QStringLiteral(" ") + tr("Prayer Chart for %1").arg(toWidget(location.name)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new ChartView(chart_, this), 1);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    auto button = [&](int id, const char* caption) {
        auto* b = new QPushButton(tr(caption), this);
        b->setObjectName(QString::number(id));  // found by controlById
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    connect(button(chartwin::kSavePng, QT_TR_NOOP("Save as &PNG...")), &QPushButton::clicked, this,
            [this] { save(ChartFormat::png); });
    connect(button(chartwin::kSaveSvg, QT_TR_NOOP("Save as &SVG...")), &QPushButton::clicked, this,
            [this] { save(ChartFormat::svg); });
    buttons->addStretch(1);
    connect(button(chartwin::kClose, QT_TR_NOOP("&Close")), &QPushButton::clicked, this,
            &QDialog::accept);
    resizeWithinScreen(this, kWindowSize, parent);
}

bool ChartW::save(ChartFormat format) {
    const char* suggested = format == ChartFormat::png ? "KelmoChart.png" : "KelmoChart.svg";
    const std::optional<std::string> name = services_.files.chooseSaveFile(suggested);
    if (!name) return false;
    QSaveFile file(pathToWidget(*name));
    if (!file.open(QIODevice::WriteOnly)) {
        showError(services_.messages, kErrorOpenOutput);
        return false;
    }
    const QByteArray bytes = chartFileBytes(chart_, format, windowWords());
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        showError(services_.messages, kErrorWriteOutput);
        return false;
    }
    return true;
}

}  // namespace kelmo::ui
