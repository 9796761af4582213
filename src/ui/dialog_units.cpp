#include "ui/dialog_units.h"

#include <QApplication>
#include <QFontMetrics>

namespace kelmo::ui {

namespace {

constexpr int kTemplatePointSize = 8;
constexpr int kHorizontalDivisor = 4;
constexpr int kVerticalDivisor = 8;

// Rounded a * b / c, as the Windows MulDiv.
int mulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    return static_cast<int>(product >= 0 ? (product + c / 2) / c : (product - c / 2) / c);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    // The average width is measured over the 52 letters, as Windows measures dialog fonts.
    static const QString letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const QFontMetrics metrics(font);
    baseWidth_ = (metrics.horizontalAdvance(letters) + 26) / 52;
    baseHeight_ = metrics.height();
}

int DialogUnits::x(int units) const {
    return mulDiv(units, baseWidth_, kHorizontalDivisor);
}
int DialogUnits::y(int units) const {
    return mulDiv(units, baseHeight_, kVerticalDivisor);
}

QRect DialogUnits::rect(int x0, int y0, int width, int height) const {
    return QRect(x(x0), y(y0), x(width), y(height));
}

QSize DialogUnits::size(int width, int height) const {
    return QSize(x(width), y(height));
}

QFont dialogFont() {
    QFont font = QApplication::font();
    font.setPointSize(kTemplatePointSize);
    return font;
}

}  // namespace kelmo::ui
