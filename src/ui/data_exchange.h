// The field check of the dialogs: reads integers and texts from edits with the range
// messages of the Windows dialog framework. The first failing field shows its message,
// gets the focus and stops the check.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

#include "platform/message_box.h"

class QLineEdit;

namespace kelmo::ui {

// Parses an integer as the dialog framework did: blanks around it, an optional sign, digits
// (of any script: Arabic-Indic and Persian digits read as ASCII ones).
bool parseDialogInteger(const QString& text, int& value);

inline constexpr const char* kControlCharacters = QT_TRANSLATE_NOOP(
    "kelmo::ui::DataExchange", "Enter no control characters (such as a line end, a tab or ESC).");

class DataExchange {
    Q_DECLARE_TR_FUNCTIONS(kelmo::ui::DataExchange)

  public:
    explicit DataExchange(platform::MessageBox& messages) : messages_(messages) {}

    // The edit's integer in low .. high. "Enter an integer." or
    // "Enter an integer between %1 and %2." when it is not.
    bool integer(QLineEdit* edit, int low, int high, int& value);
    // The edit's text, letters of any script, at most maxCharacters characters long, else
    // "Enter no more than %1 characters."; a text with a control character is refused with
    // kControlCharacters.
    bool text(QLineEdit* edit, int maxCharacters, std::string& value);
    // The edit's text as a file path (the system's bytes), at most maxCharacters bytes long,
    // without a control character.
    bool path(QLineEdit* edit, int maxCharacters, std::string& value);

  private:
    // read, of length characters (or bytes for a path), at most maxCharacters long.
    bool limited(QLineEdit* edit, const std::string& read, std::size_t length, int maxCharacters,
                 std::string& value);
    bool fail(QLineEdit* edit, const QString& message);

    platform::MessageBox& messages_;
};

}  // namespace kelmo::ui
