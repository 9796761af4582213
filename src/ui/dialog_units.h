// Dialog units: the coordinates of the dialog templates, converted to pixels with the average
// character size of the dialog's font (horizontal unit = a quarter of the average character
// width, vertical unit = an eighth of the character height), as Windows lays out templates.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

namespace kelmo::ui {

class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);
    int x(int units) const;
    int y(int units) const;
    QRect rect(int x, int y, int width, int height) const;
    QSize size(int width, int height) const;
    int baseWidth() const { return baseWidth_; }
    int baseHeight() const { return baseHeight_; }

  private:
    int baseWidth_;   // average character width, pixels
    int baseHeight_;  // character height, pixels
};

// The font of the dialog templates: 8 points of the desktop's dialog face.
QFont dialogFont();

}  // namespace kelmo::ui
