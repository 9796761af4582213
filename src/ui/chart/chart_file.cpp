#include "ui/chart/chart_file.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "ui/chart/chart_picture.h"
#include "ui/text_edge.h"

namespace kelmo::ui {

namespace {

QByteArray pngBytes(const PrayerChart& chart, const Words& words) {
    QImage image(kChartFileSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintPrayerChart(painter, QRectF(QPointF(0, 0), kChartFileSize), chart, words);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray svgBytes(const PrayerChart& chart, const Words& words) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(kChartFileSize);
    svg.setViewBox(QRect(QPoint(0, 0), kChartFileSize));
    svg.setTitle(toWidget(chart.title));
    svg.setDescription(toWidget(chart.settings));
    QPainter painter(&svg);
    paintPrayerChart(painter, QRectF(QPointF(0, 0), kChartFileSize), chart, words);
    painter.end();
    return bytes;
}

}  // namespace

QByteArray chartFileBytes(const PrayerChart& chart, ChartFormat format, const Words& words) {
    return format == ChartFormat::png ? pngBytes(chart, words) : svgBytes(chart, words);
}

}  // namespace kelmo::ui
