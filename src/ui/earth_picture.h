// The pictures of the program, drawn rather than loaded: the banner of the main window (the
// name "KelmoTimes" written over the Earth seen from space, 121 by 46 pixels at its own
// size) and the application icon (a crescent and a star).
#pragma once

#include <QIcon>
#include <QWidget>

class QPainter;

namespace kelmo::ui {

inline constexpr int kBannerWidth = 121;
inline constexpr int kBannerHeight = 46;

// Draws the banner into the rectangle.
void paintBanner(QPainter& painter, const QRectF& area);

// The icon is designed on a square of this many units.
inline constexpr double kIconDesignSize = 32.0;

// Draws the application icon into the square (0, 0, size, size) of the painter.
void paintApplicationIcon(QPainter& painter, double size);

// The application icon at the usual sizes.
QIcon applicationIcon();

// A picture control showing the banner scaled into its rectangle.
class EarthPicture : public QWidget {
    Q_OBJECT
  public:
    explicit EarthPicture(QWidget* parent = nullptr) : QWidget(parent) {}
    QSize sizeHint() const override { return {kBannerWidth, kBannerHeight}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kelmo::ui
