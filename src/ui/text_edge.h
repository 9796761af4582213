// Texts crossing the edge between the program (UTF-8) and the widgets (Unicode).
// File paths are no such texts: they keep the bytes the system gives them (the locale's
// encoding, UTF-8 on a current Linux) and cross the edge with QFile's encodeName/decodeName.
#pragma once

#include <QFile>
#include <QLocale>
#include <QString>
#include <string>

namespace kelmo::ui {

inline QString toWidget(const std::string& text) {
    return QString::fromStdString(text);
}

inline std::string fromWidget(const QString& text) {
    return text.toStdString();
}

// A text of the program (times, dates, counts in ASCII digits) with its digits in those the
// user's locale shows by default (Arabic-Indic for Arabic, Persian for Persian).
inline QString shownDigits(const QString& text) {
    const QString zero = QLocale().zeroDigit();
    if (zero.size() != 1 || zero == QLatin1String("0")) return text;
    QString shown = text;
    for (QChar& c : shown) {
        if (c >= u'0' && c <= u'9') c = QChar(zero[0].unicode() + (c.unicode() - u'0'));
    }
    return shown;
}

// A whole number in the user's locale's digits, without group separators (a year stays 2024).
inline QString shownNumber(long long value) {
    return shownDigits(QString::number(value));
}

inline QString pathToWidget(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

inline std::string pathFromWidget(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace kelmo::ui
