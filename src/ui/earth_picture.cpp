#include "ui/earth_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <array>
#include <cmath>

#include "base/angles.h"

namespace kelmo::ui {

namespace {

// Stars of the banner, in its own 121 x 46 pixel coordinates.
constexpr std::array<QPointF, 14> kStars = {
    QPointF{6, 5},   QPointF{17, 12},  QPointF{29, 3},  QPointF{41, 9},  QPointF{55, 4},
    QPointF{68, 11}, QPointF{80, 3},   QPointF{93, 8},  QPointF{104, 4}, QPointF{115, 12},
    QPointF{11, 22}, QPointF{111, 24}, QPointF{48, 15}, QPointF{87, 16}};

void paintSpace(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, kBannerHeight);
    sky.setColorAt(0.0, QColor(2, 3, 12));
    sky.setColorAt(1.0, QColor(8, 14, 40));
    painter.fillRect(QRectF(0, 0, kBannerWidth, kBannerHeight), sky);
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < kStars.size(); ++i) {
        painter.setBrush(QColor(255, 255, 255, i % 3 == 0 ? 230 : 150));
        const double radius = i % 4 == 0 ? 0.8 : 0.5;
        painter.drawEllipse(kStars[i], radius, radius);
    }
}

// The Earth: a large globe rising from the lower edge, lit from the upper left, with its
// thin blue atmosphere, oceans, land and a few clouds.
void paintEarth(QPainter& painter) {
    const QPointF centre(60.5, 118.0);
    const double radius = 92.0;
    QRadialGradient glow(centre, radius + 6);
    glow.setColorAt(radius / (radius + 6) - 0.01, QColor(90, 170, 255, 200));
    glow.setColorAt(1.0, QColor(90, 170, 255, 0));
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius + 6, radius + 6);

    QRadialGradient ocean(QPointF(40, 30), radius * 1.2);
    ocean.setColorAt(0.0, QColor(70, 140, 220));
    ocean.setColorAt(0.6, QColor(20, 70, 160));
    ocean.setColorAt(1.0, QColor(5, 20, 70));
    QPainterPath globe;
    globe.addEllipse(centre, radius, radius);
    painter.setBrush(ocean);
    painter.drawPath(globe);

    painter.save();
    painter.setClipPath(globe);
    painter.setBrush(QColor(70, 130, 60));
    QPainterPath land;
    land.moveTo(8, 46);
    land.cubicTo(14, 36, 26, 33, 34, 37);
    land.cubicTo(40, 40, 46, 34, 52, 38);
    land.cubicTo(56, 42, 50, 46, 48, 46);
    land.closeSubpath();
    land.moveTo(70, 31);
    land.cubicTo(78, 27, 90, 29, 96, 35);
    land.cubicTo(102, 40, 108, 38, 114, 46);
    land.lineTo(84, 46);
    land.cubicTo(86, 40, 76, 38, 70, 31);
    painter.drawPath(land);
    painter.setBrush(QColor(190, 160, 100));
    painter.drawEllipse(QPointF(88, 37), 6, 2.5);  // a desert
    painter.setBrush(QColor(255, 255, 255, 120));
    painter.drawEllipse(QPointF(30, 31), 10, 1.6);  // clouds
    painter.drawEllipse(QPointF(62, 36), 8, 1.4);
    painter.drawEllipse(QPointF(100, 30), 7, 1.3);
    // Night side towards the right.
    QLinearGradient night(60, 0, kBannerWidth, 0);
    night.setColorAt(0.0, QColor(0, 0, 0, 0));
    night.setColorAt(1.0, QColor(0, 0, 10, 150));
    painter.setBrush(night);
    painter.drawRect(QRectF(0, 0, kBannerWidth, kBannerHeight));
    painter.restore();
}

void paintName(QPainter& painter) {
    QFont font("DejaVu Serif");
    font.setPixelSize(15);
    font.setBold(true);
    font.setItalic(true);
    QPainterPath name;
    name.addText(0, 0, font, "KelmoTimes");
    const QRectF box = name.boundingRect();
    name.translate((kBannerWidth - box.width()) / 2 - box.left(), 22 - box.bottom() + 2);
    painter.setPen(QPen(QColor(10, 20, 60), 2.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(name);
    QLinearGradient gold(0, 6, 0, 24);
    gold.setColorAt(0.0, QColor(255, 246, 190));
    gold.setColorAt(1.0, QColor(230, 170, 40));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    painter.drawPath(name);
}

}  // namespace

void paintBanner(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.topLeft());
    painter.scale(area.width() / kBannerWidth, area.height() / kBannerHeight);
    painter.setClipRect(QRectF(0, 0, kBannerWidth, kBannerHeight));
    paintSpace(painter);
    paintEarth(painter);
    paintName(painter);
    painter.restore();
}

void paintApplicationIcon(QPainter& painter, double size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kIconDesignSize, size / kIconDesignSize);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 60, 140));
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    // The crescent: a bright disc with a shifted disc of the background taken out.
    QPainterPath moon;
    moon.addEllipse(QPointF(14, 16), 10, 10);
    QPainterPath bite;
    bite.addEllipse(QPointF(18, 14), 8.5, 8.5);
    painter.setBrush(QColor(250, 220, 90));
    painter.drawPath(moon.subtracted(bite));
    // A five-pointed star in the crescent's opening.
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double angle = i * kPi / 5 - kPi / 2;
        const double r = i % 2 == 0 ? 4.2 : 1.8;
        star << QPointF(22 + r * std::cos(angle), 15 + r * std::sin(angle));
    }
    painter.drawPolygon(star);
    painter.restore();
}

QIcon applicationIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paintApplicationIcon(painter, size);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void EarthPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The banner keeps its proportions, centred in the control.
    const double scale = std::min(width() / double(kBannerWidth), height() / double(kBannerHeight));
    const QSizeF size(kBannerWidth * scale, kBannerHeight * scale);
    const QPointF topLeft((width() - size.width()) / 2, (height() - size.height()) / 2);
    paintBanner(painter, QRectF(topLeft, size));
}

}  // namespace kelmo::ui
