// The width a window needs for its caption to show whole in the window manager's title bar:
// the caption in a bold face (as title bars draw it) and room for the window icon, the three
// buttons and the padding around the title.
#pragma once

#include <QString>

class QWidget;

namespace kelmo::platform {

// The smallest window width that shows caption whole, in the window's own units.
int widthForCaption(const QWidget* window, const QString& caption);

}  // namespace kelmo::platform
