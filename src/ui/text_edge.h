// Texts crossing the edge between the program (UTF-8) and the widgets (Unicode).
// File paths are no such texts: they keep the bytes the system gives them (the locale's
// encoding, UTF-8 on a current Linux) and cross the edge with QFile's encodeName/decodeName.
#pragma once

#include <QFile>
#include <QString>
#include <string>

namespace kelmo::ui {

inline QString toWidget(const std::string& text) {
    return QString::fromStdString(text);
}

inline std::string fromWidget(const QString& text) {
    return text.toStdString();
}

inline QString pathToWidget(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

inline std::string pathFromWidget(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace kelmo::ui
