// The width a window needs for a window manager's caption bar to show its whole caption: the
// caption in the bold face most caption bars use, and room for the bar's icon and buttons.
#pragma once

#include <QString>

class QWidget;

namespace kelmo::platform {

int captionWidth(const QWidget* window, const QString& caption);

// Gives window (of a fixed width) the width captionWidth asks for its own caption, when it is
// narrower; returns the pixels it grew by (0 when it was wide enough).
int widenForCaption(QWidget* window);

}  // namespace kelmo::platform
