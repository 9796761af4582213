#include "ui/error_box.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <iterator>

#include "ui/text_edge.h"

namespace kelmo::ui {

namespace {

constexpr const char* kContext = "kelmo::ErrorMessages";

constexpr int kNoCode = -1;

struct ErrorText {
    int code;
    const char* text;
};

// The core's error texts (files/error_messages.cpp) without their closing TAB, marked for
// translation: the windows' test of this file checks that both tables hold the same texts.
constexpr ErrorText kErrorTexts[] = {
    {10, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not calculate valid prayer time!")},
    {100, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not open configuration file!")},
    {101, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Configuration file is empty!")},
    {102, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Configuration file is corrupt!")},
    {103, QT_TRANSLATE_NOOP("kelmo::ErrorMessages",
                            "Default location is not found in configuration file!")},
    {104, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not create configuration file!")},
    {105, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not write into configuration file!")},
    {106,
     QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not open configuration file for writing!")},
    {107, QT_TRANSLATE_NOOP("kelmo::ErrorMessages",
                            "Invalid combination of Fiqh and prayers chosen for sound play!")},
    {108, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not find sound player!")},
    {109, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not open sound file!")},
    {110,
     QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not open sound file (pre-play sound file)!")},
    {112, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "No prayer is chosen for sound play!")},
    {113, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not get current directory path!")},
    {114, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not open Windows Registry!")},
    {115, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not modify Windows Registry!")},
    {116, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not open temporary file!")},
    {117, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Configuration file is too large!")},
    {118,
     QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not read the time zone of the location!")},
    {200, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "You have to type a location name!")},
    {201, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Wrong latitude value!")},
    {202, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Wrong longitude value!")},
    {203, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Incorrect time zone value!")},
    {204, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Incorrect DST start date!")},
    {205, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Incorrect DST end date!")},
    {300, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Incorrect Fajr angle!")},
    {301, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Incorrect Imsak angle!")},
    {400, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Invalid date is chosen!")},
    {401, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not convert chosen date!")},
    {402, QT_TRANSLATE_NOOP("kelmo::ErrorMessages",
                            "Date outside the Umm al-Qura calendar (1300-1600 AH)!")},
    {500, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not open output file!")},
    {501, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not write into output file!")},
    {502, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not view output file!")},
    {503, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not start sound player!")},
    {504, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not terminate sound player!")},
    {505, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not start KelmoTimes!")},
    {600, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not read command line!")},
    {601, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not minimize Notifier window!")},
    {700, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not read Qibla information!")},
    {800, QT_TRANSLATE_NOOP("kelmo::ErrorMessages",
                            "Kelmo Timer or Kelmo Notifier is already started!")},
    {801,
     QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not update the Timer and Notifier process!")},
    {802, QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Could not show status!")},
    {902, QT_TRANSLATE_NOOP("kelmo::ErrorMessages",
                            "Not possible to calculate the direction of Qibla!")},
    // The question after an unreadable Kelmo.cfg's error, on a line of its own (no code).
    {kNoCode,
     QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Do you want to create new configuration file?")},
};
constexpr const char* kUnknownError = QT_TRANSLATE_NOOP("kelmo::ErrorMessages", "Unknown error!");

}  // namespace

QString errorTextOf(int code) {
    const auto known = std::find_if(std::begin(kErrorTexts), std::end(kErrorTexts),
                                    [code](const ErrorText& e) { return e.code == code; });
    const char* english = known != std::end(kErrorTexts) ? known->text : kUnknownError;
    return QCoreApplication::translate(kContext, english) + '\t';
}

QString coreText(const std::string& text) {
    QStringList lines = toWidget(text).split('\n');
    for (QString& line : lines) {
        const bool tab = line.endsWith('\t');
        if (tab) line.chop(1);
        line = QCoreApplication::translate(kContext, line.toUtf8().constData());
        if (tab) line += '\t';
    }
    return lines.join('\n');
}

void say(platform::MessageBox& box, const QString& text) {
    box.show(text.toStdString());
}

void say(platform::MessageBox& box, const QString& text, const QString& caption) {
    box.show(text.toStdString(), caption.toStdString());
}

bool ask(platform::MessageBox& box, const QString& text) {
    return box.ask(text.toStdString());
}

void showError(platform::MessageBox& box, int code) {
    say(box, errorTextOf(code));
}

void showError(platform::MessageBox& box, int code, const std::string& detail) {
    say(box, errorTextOf(code) + '\n' + QString::fromStdString(detail));
}

}  // namespace kelmo::ui
