// The compass card of the Qibla window: what it shows for a method and its results (the two
// text lines, the angle of the needle) and how it is drawn into the window's client area.
//
// Geometry: radius K = client width / 8 (whole pixels), centre 2K right of and 2K below the
// top-left corner; the card's top is the method's reference (geographic north, magnetic north
// or the direction of the shadow), angles run clockwise from it. Every computed point is
// truncated to whole pixels.
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include "qibla/compute_qibla.h"

class QPainter;

namespace kelmo::ui {

// The needle and the word "Qibla" (red 20, green 0, blue 140).
inline constexpr QRgb kNeedleColour = 0xFF14008C;

// What the card shows.
struct QiblaCard {
    int method = kQiblaFromGeographicNorth;
    double shownAngle = 0.0;   // the needle, radians clockwise from the card's top
    double shadowRatio = 0.0;  // the stick's shadow (method 2)
    QString firstLine;         // "Qibla is ... from ..."
    QString secondLine;        // distance, declination or shadow length
    QString note;              // below them: the magnetic model is extrapolated (method 1)
    QString message;           // when not empty it is drawn alone, without the card
};

// The card of a method from its results: method 0 the bearing from geographic north and the
// distance, 1 the bearing minus the declination and the declination, 2 the bearing from the
// shadow and the shadow's length, or the message when the Sun gives no shadow.
QiblaCard qiblaCard(int method, const QiblaResults& results);

struct CardGeometry {
    int radius = 0;  // K
    QPoint centre;   // (Lc, Mc)
};
CardGeometry cardGeometry(const QRect& client);

// The needle: its tip on the rim, the ends of its two barbs (0.9 K at +/-5 degrees) and the
// centre of the word "Qibla" (1.5 K from the centre).
struct Needle {
    QPoint tip;
    QPoint barbs[2];
    QPoint word;
};
Needle needleOf(double shownAngle, const CardGeometry& geometry);

// Fonts and colours of the drawing.
struct CardStyle {
    QFont labelFont;  // N/E/S/W, "Shadow" and the messages
    QFont textFont;   // the two text lines and "Qibla"
    QColor disc;      // the card
    QColor wedge;     // the angle between the needle and the top
    QColor text;
};

// Draws the card into the client rectangle.
void paintQiblaCard(QPainter& painter, const QRect& client, const QiblaCard& card,
                    const CardStyle& style);

}  // namespace kelmo::ui
