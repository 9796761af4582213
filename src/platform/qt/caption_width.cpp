#include "platform/qt/caption_width.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QWidget>
#include <algorithm>

namespace kelmo::platform {

namespace {
// Caption bars draw with the desktop's own font, not the window's: the application's font,
// bold and never smaller than this (Openbox, GNOME and KDE use 8 to 11 points).
constexpr double kCaptionPoints = 10.0;
constexpr int kCaptionBarExtraPixels = 128;  // icon, margins and three buttons
}  // namespace

int captionWidth(const QWidget* window, const QString& caption) {
    QFont bold = QGuiApplication::font();
    bold.setBold(true);
    bold.setPointSizeF(std::max(bold.pointSizeF(), kCaptionPoints));
    const int text = std::max(QFontMetrics(bold).horizontalAdvance(caption),
                              QFontMetrics(window->font()).horizontalAdvance(caption));
    return text + kCaptionBarExtraPixels;
}

int widenForCaption(QWidget* window) {
    const int growth = captionWidth(window, window->windowTitle()) - window->width();
    if (growth <= 0) return 0;
    window->setFixedWidth(window->width() + growth);
    return growth;
}

}  // namespace kelmo::platform
