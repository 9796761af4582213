#include "ui/data_exchange.h"

#include <QLineEdit>
#include <charconv>

#include "calendar/utf8_text.h"
#include "files/settings/field_scanner.h"
#include "ui/error_box.h"
#include "ui/text_edge.h"

namespace kelmo::ui {

bool parseDialogInteger(const QString& text, int& value) {
    // The digits of any script (Arabic-Indic, Persian) read as the ASCII digits.
    QString ascii = text.trimmed();
    for (QChar& c : ascii) {
        if (c.isDigit() && c.unicode() > 0x7F) c = QChar(u'0' + c.digitValue());
    }
    const std::string digits = ascii.toStdString();
    const char* first = digits.data();
    const char* last = first + digits.size();
    if (first != last && *first == '+') {
        ++first;  // from_chars takes only "-", and only one sign may stand
        if (first != last && *first == '-') return false;
    }
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last && first != last;
}

bool DataExchange::fail(QLineEdit* edit, const QString& message) {
    say(messages_, message);
    edit->setFocus();
    edit->selectAll();
    return false;
}

bool DataExchange::integer(QLineEdit* edit, int low, int high, int& value) {
    int read = 0;
    if (!parseDialogInteger(edit->text(), read)) return fail(edit, tr("Enter an integer."));
    if (read < low || read > high)
        return fail(edit, tr("Enter an integer between %1 and %2.").arg(low).arg(high));
    value = read;
    return true;
}

bool DataExchange::text(QLineEdit* edit, int maxCharacters, std::string& value) {
    const std::string read = fromWidget(edit->text());
    return limited(edit, read, characterCount(read), maxCharacters, value);
}

bool DataExchange::path(QLineEdit* edit, int maxCharacters, std::string& value) {
    const std::string read = pathFromWidget(edit->text());
    return limited(edit, read, read.size(), maxCharacters, value);
}

bool DataExchange::limited(QLineEdit* edit, const std::string& read, std::size_t length,
                           int maxCharacters, std::string& value) {
    // A pasted CR or ESC would go into Kelmo.cfg, reports and calendars.
    if (holdsControl(read)) return fail(edit, tr(kControlCharacters));
    if (length > static_cast<std::size_t>(maxCharacters))
        return fail(edit, tr("Enter no more than %1 characters.").arg(maxCharacters));
    value = read;
    return true;
}

}  // namespace kelmo::ui
