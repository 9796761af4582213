// Keeping top-level windows inside the screen's available area (the desktop without its
// panels): a window is made no larger than the area and placed so that its whole frame,
// title bar included, can be seen.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace kelmo::ui {

// The client size nearest to wanted whose frame (the window system's decorations, margins
// around the client area) fits in available.
QSize clientSizeWithin(QSize wanted, const QMargins& frame, const QRect& available);

// The top-left corner of a frame of frameSize, moved as little as possible from wanted so
// that the frame lies inside available (its top-left corner when it is larger).
QPoint framePositionWithin(QPoint wanted, QSize frameSize, const QRect& available);

// The decorations of a window: its own once the window system has framed it, else those of
// reference (a shown window of the program, framed by the same window manager), else none.
QMargins decorationOf(const QWidget* window, const QWidget* reference = nullptr);

// The available area of the screen that window (or else reference) is on.
QRect availableArea(const QWidget* window, const QWidget* reference = nullptr);

// Resizes a top-level window to wanted, cut so that its frame fits the available area of its
// screen (never below the window's minimum size: its content decides how small it can be).
void resizeWithinScreen(QWidget* window, QSize wanted, const QWidget* reference = nullptr);

}  // namespace kelmo::ui
