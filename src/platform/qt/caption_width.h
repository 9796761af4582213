// The width a window needs for a window manager's caption bar to show its whole caption: the
// caption in the bold face most caption bars use, and room for the bar's icon and buttons.
#pragma once

#include <QString>

class QWidget;

namespace kelmo::platform {

int captionWidth(const QWidget* window, const QString& caption);

}  // namespace kelmo::platform
