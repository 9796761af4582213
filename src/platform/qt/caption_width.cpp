#include "platform/qt/caption_width.h"

#include <QFontMetrics>
#include <QWidget>

namespace kelmo::platform {

namespace {
constexpr int kCaptionBarExtraPixels = 96;  // icon, margins and a close button
}  // namespace

int captionWidth(const QWidget* window, const QString& caption) {
    QFont bold = window->font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(caption) + kCaptionBarExtraPixels;
}

}  // namespace kelmo::platform
