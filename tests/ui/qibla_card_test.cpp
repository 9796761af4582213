// The Qibla card drawn into an image: geometry, needle, wedge, labels and texts, checked on
// the pixels.
#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>

#include "base/angles.h"
#include "ui/qibla_card.h"

using namespace kelmo;
using namespace kelmo::ui;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
const QColor kDisc(255, 255, 220);
const QColor kWedge(200, 200, 200);

CardStyle style() {
    CardStyle s;
    s.labelFont = QFont();
    s.textFont = QFont();
    s.disc = kDisc;
    s.wedge = kWedge;
    s.text = Qt::black;
    return s;
}

QImage drawn(const QiblaCard& card, int width = 640, int height = 400) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter painter(&image);
    paintQiblaCard(painter, image.rect(), card, style());
    return image;
}

QRgb rgb(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

bool darkIn(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
}

QiblaCard cardAt(double degrees, int method = kQiblaFromGeographicNorth) {
    QiblaCard card;
    card.method = method;
    card.shownAngle = degrees * kDegToRad;
    card.firstLine = "first";
    card.secondLine = "second";
    return card;
}

}  // namespace

class QiblaCardTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void geometryFromTheClientWidth() {
        const CardGeometry g = cardGeometry(QRect(0, 0, 517, 380));
        QCOMPARE(g.radius, 64);  // 517 / 8 truncated
        QCOMPARE(g.centre, QPoint(128, 128));
        // A rectangle given the wrong way round is normalised first.
        QCOMPARE(cardGeometry(QRect(QPoint(516, 379), QPoint(0, 0))).radius, 64);
    }

    void needleAndBarbs() {
        const CardGeometry g{80, QPoint(160, 160)};
        const Needle east = needleOf(90.0 * kDegToRad, g);
        QCOMPARE(east.tip, QPoint(240, 160));
        // Barbs 0.9 K at +/-5 degrees: 72 cos 5 = 71.73, 72 sin 5 = 6.28, truncated.
        QCOMPARE(east.barbs[0], QPoint(231, 166));
        QCOMPARE(east.barbs[1], QPoint(231, 153));
        QCOMPARE(east.word, QPoint(280, 160));
        const Needle north = needleOf(0.0, g);
        // a = -90 degrees held in single precision: cos a = -4.4e-8, and truncation moves
        // the tip one pixel left of the centre line.
        QCOMPARE(north.tip, QPoint(159, 80));
        const Needle south = needleOf(kPi, g);
        QCOMPARE(south.tip.y(), 239);  // sin of the single-precision 90 degrees is below 1
    }

    // A Qibla of 90 degrees: the needle to the right, the wedge in the upper right quarter.
    void ninetyDegreesPointsRightWithTheWedgeUpperRight() {
        const QImage image = drawn(cardAt(90.0));
        const CardGeometry g = cardGeometry(image.rect());
        const int k = g.radius, lc = g.centre.x(), mc = g.centre.y();
        QCOMPARE(rgb(image, lc + k / 2, mc), kNeedleColour & 0xFFFFFF);
        QCOMPARE(rgb(image, lc + k - 4, mc), kNeedleColour & 0xFFFFFF);
        QCOMPARE(rgb(image, lc - k / 2, mc), kDisc.rgb() & 0xFFFFFF);  // nothing to the left
        QCOMPARE(rgb(image, lc, mc - k / 2), kDisc.rgb() & 0xFFFFFF);  // nor up
        const int d = k / 10;
        QCOMPARE(rgb(image, lc + d, mc - d), kWedge.rgb() & 0xFFFFFF);
        QCOMPARE(rgb(image, lc - d, mc - d), kDisc.rgb() & 0xFFFFFF);
        QCOMPARE(rgb(image, lc - d, mc + d), kDisc.rgb() & 0xFFFFFF);
        QCOMPARE(rgb(image, lc + d, mc + d), kDisc.rgb() & 0xFFFFFF);
        // The card's rim and its outside.
        QCOMPARE(rgb(image, lc, mc + k - 1) & 0xFFFFFF, 0u);
        QCOMPARE(rgb(image, lc - k - 3, mc + 5), kWhite & 0xFFFFFF);
        // "Qibla" in the needle colour 1.5 K to the right.
        bool word = false;
        for (int x = lc + 4 * k / 3; x < lc + 5 * k / 3 && !word; ++x)
            for (int y = mc - 8; y < mc + 8 && !word; ++y)
                word = rgb(image, x, y) == (kNeedleColour & 0xFFFFFF);
        QVERIFY(word);
    }

    void wedgeRunsCounterClockwiseFromTheNeedleToTheTop() {
        // 270 degrees: the wedge covers three quarters, all but the upper left.
        const QImage west = drawn(cardAt(270.0));
        const CardGeometry g = cardGeometry(west.rect());
        const int lc = g.centre.x(), mc = g.centre.y(), d = g.radius / 10;
        QCOMPARE(rgb(west, lc - d, mc - d), kDisc.rgb() & 0xFFFFFF);
        QCOMPARE(rgb(west, lc + d, mc - d), kWedge.rgb() & 0xFFFFFF);
        QCOMPARE(rgb(west, lc + d, mc + d), kWedge.rgb() & 0xFFFFFF);
        QCOMPARE(rgb(west, lc - d, mc + d), kWedge.rgb() & 0xFFFFFF);
        // A negative angle from magnetic north (-45 degrees) is 315 degrees round.
        const QImage negative = drawn(cardAt(-45.0));
        QCOMPARE(rgb(negative, lc + d, mc + d), kWedge.rgb() & 0xFFFFFF);
        QCOMPARE(rgb(negative, lc - d / 2, mc - 2 * d), kDisc.rgb() & 0xFFFFFF);
    }

    void labelsOfTheReferences() {
        const QImage north = drawn(cardAt(45.0));
        const CardGeometry g = cardGeometry(north.rect());
        const int k = g.radius, lc = g.centre.x(), mc = g.centre.y();
        const QRect above(lc - 12, mc - k - 30, 24, 28);
        const QRect right(lc + k + 2, mc - 10, 20, 20);
        const QRect below(lc - 12, mc + k + 2, 24, 28);
        const QRect left(lc - k - 22, mc - 10, 20, 20);
        QVERIFY(darkIn(north, above));
        QVERIFY(darkIn(north, right));
        QVERIFY(darkIn(north, below));
        QVERIFY(darkIn(north, left));
        // The shadow reference has only its word above the card.
        QiblaCard shadow = cardAt(45.0, kQiblaFromSunShadow);
        shadow.shadowRatio = 0.5;
        const QImage s = drawn(shadow);
        QVERIFY(darkIn(s, above));
        QVERIFY(!darkIn(s, right));
        QVERIFY(!darkIn(s, below));
        QVERIFY(!darkIn(s, left));
        // The stick's shadow: half the radius straight up, black.
        QCOMPARE(rgb(s, lc, mc - k / 2 + 1), 0u);
        QCOMPARE(rgb(s, lc, mc - k / 2 - 3), kDisc.rgb() & 0xFFFFFF);
    }

    void textLinesBesideTheCard() {
        QiblaResults r;
        r.qiblaBearing = 246.3 * kDegToRad;
        r.meccaDistance = 1217.95;
        const QiblaCard north = qiblaCard(kQiblaFromGeographicNorth, r);
        QCOMPARE(north.firstLine,
                 QString::fromUtf8("Qibla is 246\u00B018'00\" from Geographic North"));
        QCOMPARE(north.secondLine, QString("Distance to Mecca is 1217.95 km"));
        r.declination = -0.5 * kDegToRad;
        const QiblaCard magnetic = qiblaCard(kQiblaFromMagneticNorth, r);
        QCOMPARE(magnetic.shownAngle, r.qiblaBearing - r.declination);
        QCOMPARE(magnetic.firstLine,
                 QString::fromUtf8("Qibla is 246\u00B048'00\" from Magnetic North"));
        QCOMPARE(magnetic.secondLine, QString::fromUtf8("Magnetic Declination is -00\u00B030'"));
        QVERIFY(magnetic.note.isEmpty());
        // A model used past its five years is named with a note under the declination.
        r.magneticModel = "WMM-2025";
        r.magneticModelEpoch = 2025;
        r.magneticModelExtrapolated = true;
        QCOMPARE(qiblaCard(kQiblaFromMagneticNorth, r).note,
                 QString("Extrapolated from WMM-2025 (valid 2025-2030)"));
        QVERIFY(qiblaCard(kQiblaFromGeographicNorth, r).note.isEmpty());
        r.shadowRatio = 1.0;
        r.sunAzimuth = 180.0 * kDegToRad;  // the Sun due south: the shadow points north
        const QiblaCard shadow = qiblaCard(kQiblaFromSunShadow, r);
        QVERIFY(std::fabs(shadow.shownAngle - r.qiblaBearing) < 1e-12);
        QCOMPARE(shadow.secondLine, QString("The length of shadow is 1.00 of original height"));
        QVERIFY(shadow.message.isEmpty());
        r.shadowRatio = 0.0;
        QCOMPARE(qiblaCard(kQiblaFromSunShadow, r).message,
                 QString("The length of shadow is zero!"));
        r.shadowRatio = -1.0;
        QCOMPARE(qiblaCard(kQiblaFromSunShadow, r).message,
                 QString("The Sun is below the horizon!"));
    }

    void theTextLinesStartRightOfTheCard() {
        QiblaCard card = cardAt(200.0);
        card.firstLine = "MMMMMMMMMM";
        card.secondLine = "MMMMMMMMMM";
        const QImage image = drawn(card);
        const CardGeometry g = cardGeometry(image.rect());
        const int x = g.centre.x() + static_cast<int>(1.9 * g.radius);
        QVERIFY(darkIn(image, QRect(x, g.centre.y(), 40, 10)));
        QVERIFY(!darkIn(image, QRect(x - 8, g.centre.y(), 6, 30)));
        QVERIFY(!darkIn(image, QRect(x, g.centre.y() - 12, 40, 10)));
    }

    void aMessageIsDrawnAlone() {
        QiblaCard card = cardAt(90.0, kQiblaFromSunShadow);
        card.message = "The Sun is below the horizon!";
        const QImage image = drawn(card);
        int coloured = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p)) ++coloured;
            }
        QCOMPARE(coloured, 0);  // no disc, wedge or needle: only grey text
        const CardGeometry g = cardGeometry(image.rect());
        QVERIFY(darkIn(image, QRect(g.centre.x(), g.centre.y(), 60, 16)));
        QVERIFY(!darkIn(image, QRect(0, 0, g.centre.x() - 1, image.height())));
    }
};

QTEST_MAIN(QiblaCardTest)
#include "qibla_card_test.moc"
