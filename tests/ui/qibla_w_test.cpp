// The Qibla window offscreen with a fixed clock and the computer's zone given by the test
// (Bahrain: UT + 3 h, no summer time). Pictures of each method go to "screenshots/".
#include <QApplication>
#include <QImage>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "base/angles.h"
#include "qibla/qibla_direction.h"
#include "ui/dialog_units.h"
#include "ui/fake_services.h"
#include "ui/kelmo_dlg.h"
#include "ui/loc_dlg.h"
#include "ui/qibla_w.h"
#include "ui/ui_support.h"

using namespace kelmo;
using namespace kelmo::ui;
using kelmo::test::click;

namespace {

constexpr UtcTime kNoonInBahrain{2024, 3, 11, 9, 0, 0.0};    // 12:00 local
constexpr UtcTime kNightInBahrain{2024, 3, 11, 22, 0, 0.0};  // 01:00 local

bool checked(const QWidget* window, int id) {
    return control<QRadioButton>(window, id)->isChecked();
}

// Pixels of the colour in the image.
int countColour(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++n;
    return n;
}

}  // namespace

class QiblaWTest : public QObject {
    Q_OBJECT

    test::FakeServices fakes_;
    Location place_ = test::manama();
    Config config_;

    ComputerTimeSource bahrainComputer() {
        return [this] {
            return ComputerTime{fakes_.clock.now(), Zone::fixed(Seconds{3.0L * 3600.0L})};
        };
    }

    QImage shown(QiblaW& window) {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) return {};
        return window.grab().toImage();
    }

    void save(const QImage& image, const QString& name) {
        QVERIFY(!image.isNull());
        QVERIFY(test::saveScreenshot(image, name));
    }

  private Q_SLOTS:
    void init() {
        fakes_.messages.shown.clear();
        fakes_.clock.set(kNoonInBahrain);
        config_ = Config{};
        place_ = test::manama();
    }

    void templateAndCaption() {
        QiblaW window(place_, config_, fakes_.services, nullptr, bahrainComputer());
        QCOMPARE(window.windowTitle(), QString(" Qibla for Manama,Bahrain"));
        const DialogUnits units(dialogFont());
        QCOMPARE(window.size(), units.size(345, 233));
        QCOMPARE(controlById(&window, qibla::kGeographic)->geometry(), units.rect(19, 170, 92, 14));
        QCOMPARE(controlById(&window, qibla::kMagnetic)->geometry(), units.rect(126, 170, 82, 14));
        QCOMPARE(controlById(&window, qibla::kShadow)->geometry(), units.rect(223, 170, 106, 14));
        auto* close = control<QPushButton>(&window, qibla::kClose);
        QCOMPARE(close->text(), QString("Close"));
        QCOMPARE(close->geometry(), units.rect(144, 206, 56, 20));
        QVERIFY(close->isDefault());
        QCOMPARE(control<QRadioButton>(&window, qibla::kShadow)->text(),
                 QString("From the shadow of the Sun"));
        QCOMPARE(controlById(&window, qibla::kMagnetic)->toolTip().replace('\n', ' '),
                 QString("Check to calculate the direction of Qibla counted clockwise from "
                         "Magnetic North"));
        QVERIFY(window.refreshing());
        QVERIFY(checked(&window, qibla::kGeographic));
    }

    void anEmptyNameIsError700() {
        place_.name.clear();
        QiblaW window(place_, config_, fakes_.services, nullptr, bahrainComputer());
        QCOMPARE(fakes_.messages.lastText(), std::string("Could not read Qibla information!\t"));
        QCOMPARE(window.exec(), 0);
        QVERIFY(!window.refreshing());
    }

    void meccaItselfIsError902() {
        place_.name = "Mecca,Saudi";
        place_.latitude = kKaabaLatitude;
        place_.longitude = kKaabaLongitude;
        QiblaW window(place_, config_, fakes_.services, nullptr, bahrainComputer());
        QCOMPARE(fakes_.messages.lastText(),
                 std::string("Not possible to calculate the direction of Qibla!\t"));
        QCOMPARE(window.exec(), 0);
    }

    void magneticNorthTurnsTheNeedleByTheDeclination() {
        QiblaW window(place_, config_, fakes_.services, nullptr, bahrainComputer());
        const QImage geographic = shown(window);
        const QiblaCard north = window.currentCard();
        // Published check value of the bearing at the built-in location: 246.30 degrees.
        QVERIFY(std::fabs(north.shownAngle * kRadToDeg - 246.30) < 0.01);
        QVERIFY(north.secondLine.startsWith("Distance to Mecca is 1217.9"));
        click(&window, qibla::kMagnetic);
        QCOMPARE(window.method(), 1);
        const QiblaCard magnetic = window.currentCard();
        const double declination = window.results().declination;
        QVERIFY(declination != 0.0);
        QCOMPARE(magnetic.shownAngle, north.shownAngle - declination);
        QVERIFY(magnetic.secondLine.startsWith("Magnetic Declination is "));
        // 2024 lies within WMM-2020's five years: no note.
        QCOMPARE(QString(window.results().magneticModel), QString("WMM-2020"));
        QVERIFY(magnetic.note.isEmpty());
        // The needle's middle is drawn in the needle colour in both pictures.
        const QImage turned = window.grab().toImage();
        const CardGeometry g = cardGeometry(window.rect());
        for (const auto& [image, angle] :
             {std::pair{geographic, north.shownAngle}, std::pair{turned, magnetic.shownAngle}}) {
            const Needle half = needleOf(angle, CardGeometry{g.radius / 2, g.centre});
            QCOMPARE(image.pixel(half.tip) & 0xFFFFFF, kNeedleColour & 0xFFFFFF);
        }
        save(geographic, "qibla_geographic");
        save(turned, "qibla_magnetic");
        click(&window, qibla::kGeographic);
        QCOMPARE(window.currentCard().shownAngle, north.shownAngle);
    }

    // A place 60 degrees of longitude west of the Kaaba whose great circle to Mecca leaves
    // due east: tan(phi') = tan(phiK') / cos(dL) on geocentric latitudes (the bearing
    // formula with its north component set to zero), turned back into a geodetic latitude.
    void aQiblaOfNinetyDegreesPointsRight() {
        const double dL = 60.0 * kDegToRad;
        const double geocentric =
            std::atan(std::tan(geocentricLatitude(kKaabaLatitude)) / std::cos(dL));
        double phi = geocentric;
        for (int i = 0; i < 20; ++i) phi += geocentric - geocentricLatitude(phi);
        place_.name = "East,Bound";
        place_.latitude = phi;
        place_.longitude = kKaabaLongitude - dL;
        QiblaW window(place_, config_, fakes_.services, nullptr, bahrainComputer());
        const QImage image = shown(window);
        QVERIFY(std::fabs(window.results().qiblaBearing * kRadToDeg - 90.0) < 1e-6);
        const CardGeometry g = cardGeometry(window.rect());
        const int k = g.radius, lc = g.centre.x(), mc = g.centre.y(), d = k / 10;
        const QRgb disc = window.palette().color(QPalette::ToolTipBase).rgb() & 0xFFFFFF;
        const QRgb wedge = window.palette().color(QPalette::Button).rgb() & 0xFFFFFF;
        QVERIFY(disc != wedge);
        QCOMPARE(image.pixel(lc + k / 2, mc) & 0xFFFFFF, kNeedleColour & 0xFFFFFF);
        QCOMPARE(image.pixel(lc - k / 2, mc) & 0xFFFFFF, disc);
        QCOMPARE(image.pixel(lc + d, mc - d) & 0xFFFFFF, wedge);
        QCOMPARE(image.pixel(lc - d, mc - d) & 0xFFFFFF, disc);
        QCOMPARE(image.pixel(lc - d, mc + d) & 0xFFFFFF, disc);
        QCOMPARE(image.pixel(lc + d, mc + d) & 0xFFFFFF, disc);
        QVERIFY(window.currentCard().firstLine.startsWith(
            QString::fromUtf8("Qibla is 90\u00B000'00\"")));
        save(image, "qibla_ninety_degrees");
    }

    void shadowAtNightDrawsOnlyTheMessage() {
        fakes_.clock.set(kNightInBahrain);
        QiblaW window(place_, config_, fakes_.services, nullptr, bahrainComputer());
        window.show();
        click(&window, qibla::kShadow);
        const QiblaCard card = window.currentCard();
        QCOMPARE(card.message, QString("The Sun is below the horizon!"));
        QCOMPARE(window.results().shadowRatio, -1.0);
        const QImage image = window.grab().toImage();
        QCOMPARE(countColour(image, kNeedleColour), 0);
        QCOMPARE(countColour(image, window.palette().color(QPalette::ToolTipBase).rgb()), 0);
        // The message starts at the centre of the card.
        const CardGeometry g = cardGeometry(window.rect());
        int dark = 0;
        for (int x = g.centre.x(); x < g.centre.x() + 100; ++x)
            for (int y = g.centre.y(); y < g.centre.y() + 20; ++y)
                if (qGray(image.pixel(x, y)) < 100) ++dark;
        QVERIFY(dark > 20);
        QVERIFY(controlById(&window, qibla::kGeographic)->isEnabled());
        save(image, "qibla_shadow_night");
    }

    void shadowInDaylightAndTheTimer() {
        QiblaW window(place_, config_, fakes_.services, nullptr, bahrainComputer());
        window.show();
        click(&window, qibla::kShadow);
        const QiblaCard card = window.currentCard();
        QVERIFY(card.message.isEmpty());
        const double ratio = window.results().shadowRatio;
        QVERIFY(ratio > 0.3 && ratio < 1.0);  // the Sun near 60 degrees at noon in March
        QVERIFY(card.firstLine.endsWith(" from the shadow of the Sun"));
        QVERIFY(card.secondLine.endsWith(" of original height"));
        const QImage image = window.grab().toImage();
        save(image, "qibla_shadow");
        // The stick's shadow: black straight up from the centre, beyond the wedge.
        const CardGeometry g = cardGeometry(window.rect());
        const int stick = static_cast<int>(g.radius * ratio);
        QCOMPARE(image.pixel(g.centre.x(), g.centre.y() - stick + 2) & 0xFFFFFF, 0u);
        // Half an hour later the timer's refresh redraws with the Sun moved on.
        const double azimuth = window.results().sunAzimuth;
        fakes_.clock.set(UtcTime{2024, 3, 11, 9, 30, 0.0});
        window.refresh();
        QTRY_VERIFY(window.results().sunAzimuth != azimuth);
    }

    void closeKeepsTheMethodInAlertFlags() {
        config_.alertFlags = 0x1FFF | 0x8000;
        {
            QiblaW window(place_, config_, fakes_.services, nullptr, bahrainComputer());
            window.show();
            click(&window, qibla::kShadow);
            click(&window, qibla::kClose);
            QVERIFY(!window.refreshing());
            QCOMPARE(window.result(), 0);
        }
        QCOMPARE(config_.alertFlags, (2 << 13) | 0x1FFF);
        QiblaW reopened(place_, config_, fakes_.services, nullptr, bahrainComputer());
        QVERIFY(checked(&reopened, qibla::kShadow));
        QCOMPARE(reopened.method(), 2);
        // Esc ends the window without storing a new method.
        reopened.show();
        click(&reopened, qibla::kMagnetic);
        QTest::keyClick(&reopened, Qt::Key_Escape);
        QVERIFY(!reopened.isVisible());
        QCOMPARE(config_.alertFlags, (2 << 13) | 0x1FFF);
        // Enter presses the default button, Close, which stores the method.
        QiblaW third(place_, config_, fakes_.services, nullptr, bahrainComputer());
        third.show();
        click(&third, qibla::kMagnetic);
        QTest::keyClick(&third, Qt::Key_Return);
        QVERIFY(!third.isVisible());
        QCOMPARE(config_.alertFlags, (1 << 13) | 0x1FFF);
    }

    void bothMethodBitsSetStartFromGeographicNorth() {
        config_.alertFlags = 3 << 13;
        QiblaW window(place_, config_, fakes_.services, nullptr, bahrainComputer());
        QCOMPARE(window.method(), 0);
        QVERIFY(checked(&window, qibla::kGeographic));
    }

    void theMainWindowOpensTheQiblaAndLocationWindows() {
        Location home = place_, current = place_;
        CalendarDate date;
        CKelmoDlg main(home, current, config_, date, fakes_.services);
        main.show();
        QString opened;
        auto closeModal = [&opened] {
            QWidget* modal = QApplication::activeModalWidget();
            if (qobject_cast<QiblaW*>(modal)) opened += "Qibla ";
            if (qobject_cast<LocDlg*>(modal)) opened += "Location ";
            if (modal) modal->close();
        };
        QTimer::singleShot(0, closeModal);
        click(&main, mainwin::kQibla);
        test::ProgramDirectory directory;  // the Location dialog reads Kelmo.cfg
        QTimer::singleShot(0, closeModal);
        click(&main, mainwin::kLocation);
        QCOMPARE(opened, QString("Qibla Location "));
    }
};

QTEST_MAIN(QiblaWTest)
#include "qibla_w_test.moc"
