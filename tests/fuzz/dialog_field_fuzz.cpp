// libFuzzer target: the field check of the dialogs. Any bytes, read as UTF-8 as a widget would
// hold them, go through the integer parsing and the text edge of the edit fields.
#include <QString>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calendar/utf8_text.h"
#include "ui/data_exchange.h"
#include "ui/text_edge.h"

namespace {

// The dialog framework's rule, written out: blanks around, one optional sign, decimal digits,
// a value that fits an int.
bool referenceInteger(const QString& text, long long& value) {
    const std::string s = text.trimmed().toStdString();
    std::size_t i = s.empty() || (s[0] != '+' && s[0] != '-') ? 0 : 1;
    if (i == s.size()) return false;
    constexpr long long kBeyondInt = 1LL << 40;
    value = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        value = std::min(value * 10 + (s[i] - '0'), kBeyondInt);  // stays beyond once there
    }
    if (s[0] == '-') value = -value;
    return value >= INT_MIN && value <= INT_MAX;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    int value = 0;
    long long expected = 0;
    const bool parsed = kelmo::ui::parseDialogInteger(text, value);
    if (parsed != referenceInteger(text, expected) || (parsed && value != expected)) std::abort();

    // A text the edit holds comes back unchanged from the program's UTF-8, and the program
    // counts the characters the edit holds.
    const std::string utf8 = kelmo::ui::fromWidget(text);
    if (kelmo::ui::toWidget(utf8) != text) std::abort();
    if (kelmo::characterCount(utf8) != static_cast<std::size_t>(text.toUcs4().size())) std::abort();
    return 0;
}
