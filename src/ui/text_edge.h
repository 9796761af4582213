// Texts crossing the edge between the program (Windows-1252 bytes) and the widgets (Unicode).
#pragma once

#include <QString>
#include <string>

#include "platform/encoding.h"

namespace kelmo::ui {

inline QString toWidget(const std::string& cp1252) {
    return QString::fromStdString(platform::utf8FromCp1252(cp1252));
}

inline std::string fromWidget(const QString& text) {
    return platform::cp1252FromUtf8(text.toStdString());
}

}  // namespace kelmo::ui
