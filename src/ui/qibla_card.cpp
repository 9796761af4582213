#include "ui/qibla_card.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <string>

#include "base/angles.h"
#include "files/reports/qibla_texts.h"
#include "ui/text_edge.h"
#include "ui/window_words.h"

namespace kelmo::ui {

namespace {

constexpr double kBarbLength = 0.9;  // of the radius
constexpr double kBarbAngle = 5.0 * kDegToRad;
constexpr double kWordDistance = 1.5;     // of the radius
constexpr double kTextLeft = 1.9;         // of the radius, right of the centre
constexpr int kNeedleWidth = 2;           // pen A
constexpr int kCardWidth = 2;             // pen C
constexpr int kSixteenthsPerDegree = 16;  // QPainter's unit of arc angles

int whole(double pixels) {
    return static_cast<int>(pixels);
}

// A word of the card in the user's language.
QString cardWord(const char* english) {
    return QCoreApplication::translate("kelmo::ui::QiblaW", english);
}

// Text with its top-left corner at (x, y), as the platform writes text by default.
void textAt(QPainter& painter, double x, double y, const QString& text) {
    painter.drawText(whole(x), whole(y) + painter.fontMetrics().ascent(), text);
}

void drawLabels(QPainter& painter, const CardGeometry& g, int method) {
    const QFontMetrics metrics = painter.fontMetrics();
    const double k = g.radius, lc = g.centre.x(), mc = g.centre.y();
    const double h = metrics.height();
    auto width = [&metrics](const QString& text) {
        return static_cast<double>(metrics.horizontalAdvance(text));
    };
    if (method == kQiblaFromSunShadow) {
        const QString shadow = cardWord(QT_TRANSLATE_NOOP("kelmo::ui::QiblaW", "Shadow"));
        textAt(painter, lc - width(shadow) / 2, mc - k - 1.3 * h, shadow);
        return;
    }
    const QString north = cardWord(QT_TRANSLATE_NOOP("kelmo::ui::QiblaW", "N"));
    const QString east = cardWord(QT_TRANSLATE_NOOP("kelmo::ui::QiblaW", "E"));
    const QString south = cardWord(QT_TRANSLATE_NOOP("kelmo::ui::QiblaW", "S"));
    const QString west = cardWord(QT_TRANSLATE_NOOP("kelmo::ui::QiblaW", "W"));
    textAt(painter, lc - width(north) / 2, mc - k - 1.3 * h, north);
    textAt(painter, lc + k + width(east) / 2, mc - h / 2, east);
    textAt(painter, lc - width(south) / 2, mc + k + h / 3, south);
    textAt(painter, lc - k - 1.2 * width(west), mc - h / 2, west);
}

QPoint radial(const CardGeometry& g, double length, double angle) {
    return QPoint(whole(g.centre.x() + length * std::cos(angle)),
                  whole(g.centre.y() + length * std::sin(angle)));
}

// The needle's direction on the screen: clockwise from the right-hand side, in single
// precision as the drawing has always held it.
float screenAngle(double shownAngle) {
    return static_cast<float>(shownAngle - kPi / 2);
}

// The wedge from the needle counter-clockwise round to the top of the card.
void drawWedge(QPainter& painter, const CardGeometry& g, double shownAngle) {
    const int quarter = g.radius / 4;
    const QRect square(g.centre.x() - quarter, g.centre.y() - quarter, 2 * quarter, 2 * quarter);
    const double startDegrees = -screenAngle(shownAngle) * kRadToDeg;  // counter-clockwise
    double spanDegrees = std::fmod(90.0 - startDegrees, 360.0);
    if (spanDegrees < 0.0) spanDegrees += 360.0;
    painter.drawPie(square, static_cast<int>(std::lround(startDegrees * kSixteenthsPerDegree)),
                    static_cast<int>(std::lround(spanDegrees * kSixteenthsPerDegree)));
}

}  // namespace

QiblaCard qiblaCard(int method, const QiblaResults& r) {
    const QiblaTexts texts = qiblaTexts(method, r, windowWords());
    QiblaCard card;
    card.method = method;
    card.shadowRatio = r.shadowRatio;
    card.shownAngle = texts.shownAngle;
    card.firstLine = toWidget(texts.firstLine);
    card.secondLine = toWidget(texts.secondLine);
    card.note = toWidget(texts.note);
    card.message = toWidget(texts.message);
    return card;
}

CardGeometry cardGeometry(const QRect& client) {
    const QRect r = client.normalized();
    CardGeometry g;
    g.radius = r.width() / 8;
    g.centre = QPoint(r.left() + 2 * g.radius, r.top() + 2 * g.radius);
    return g;
}

Needle needleOf(double shownAngle, const CardGeometry& g) {
    const float a = screenAngle(shownAngle);
    Needle needle;
    needle.tip = radial(g, g.radius, a);
    needle.barbs[0] = radial(g, kBarbLength * g.radius, a + kBarbAngle);
    needle.barbs[1] = radial(g, kBarbLength * g.radius, a - kBarbAngle);
    needle.word = radial(g, kWordDistance * g.radius, a);
    return needle;
}

void paintQiblaCard(QPainter& painter, const QRect& client, const QiblaCard& card,
                    const CardStyle& style) {
    const CardGeometry g = cardGeometry(client);
    const int k = g.radius, lc = g.centre.x(), mc = g.centre.y();
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(style.text);
    painter.setFont(style.labelFont);
    if (!card.message.isEmpty()) {
        textAt(painter, lc, mc, card.message);
        return;
    }

    painter.setPen(QPen(Qt::black, kCardWidth));
    painter.setBrush(style.disc);
    painter.drawEllipse(QRect(lc - k, mc - k, 2 * k, 2 * k));

    painter.setPen(style.text);
    drawLabels(painter, g, card.method);

    painter.setFont(style.textFont);
    const double textX = lc + kTextLeft * k;
    textAt(painter, textX, mc, card.firstLine);
    textAt(painter, textX, mc + painter.fontMetrics().height(), card.secondLine);
    if (!card.note.isEmpty()) {
        textAt(painter, textX, mc + 2 * painter.fontMetrics().height(), card.note);
    }

    const Needle needle = needleOf(card.shownAngle, g);
    painter.setPen(QPen(QColor(kNeedleColour), kNeedleWidth));
    painter.drawLine(g.centre, needle.tip);
    painter.drawLine(needle.tip, needle.barbs[0]);
    painter.drawLine(needle.tip, needle.barbs[1]);

    const QFontMetrics metrics = painter.fontMetrics();
    const QString qibla = cardWord(QT_TRANSLATE_NOOP("kelmo::ui::QiblaW", "Qibla"));
    const QRect word(needle.word.x() - metrics.horizontalAdvance(qibla) / 2,
                     needle.word.y() - metrics.height() / 2, metrics.horizontalAdvance(qibla),
                     metrics.height());
    painter.drawText(word, Qt::AlignCenter, qibla);

    painter.setPen(QPen(Qt::black, 1));
    if (card.method == kQiblaFromSunShadow) {
        const int stick = std::min(whole(k * card.shadowRatio), k);
        painter.drawLine(g.centre, QPoint(lc, mc - stick));
    }
    painter.setBrush(style.wedge);
    drawWedge(painter, g, card.shownAngle);
}

}  // namespace kelmo::ui
