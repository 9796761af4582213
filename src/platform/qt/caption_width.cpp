#include "platform/qt/caption_width.h"

#include <QFontMetrics>
#include <QWidget>

namespace kelmo::platform {

namespace {
// Title-bar controls and paddings counted as squares of the bar's height: the icon, minimise,
// maximise and close, and the room a window manager keeps on both sides of the title.
constexpr int kTitleBarSquares = 6;
constexpr int kTitleBarPadding = 8;  // the bar is this much higher than its text
}  // namespace

int widthForCaption(const QWidget* window, const QString& caption) {
    QFont bold = window->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int barHeight = metrics.height() + kTitleBarPadding;
    return metrics.horizontalAdvance(caption.trimmed()) + kTitleBarSquares * barHeight;
}

}  // namespace kelmo::platform
