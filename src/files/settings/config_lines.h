// The lines of Kelmo.cfg as the readers take them. Editors and interrupted writers leave
// files that are whole in every way that matters, and such a file is read, never called
// corrupt: a UTF-8 byte-order mark before line 1 is not part of the home name, a line of white
// space only after line 1 holds no place and is passed over, and the last line may lack its
// "\n" (when it also does not read, a writer stopped in the middle of it: atCutShortEnd).
// The mark also says how the file holds its place names: without it in Windows-1252, as every
// older program wrote them and as this one still does while every name fits; with it in UTF-8.
#pragma once

#include <string_view>

#include "files/settings/field_scanner.h"

namespace kelmo {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// text without a UTF-8 byte-order mark at its start.
std::string_view withoutByteOrderMark(std::string_view text);

// How a Kelmo.cfg text holds its place names (the home name and the first word of every
// location line); every other field is ASCII or, for file names, the bytes the system gave.
enum class NameEncoding { windows1252, utf8 };
NameEncoding nameEncodingOf(std::string_view fileText);

class ConfigLines {
  public:
    explicit ConfigLines(std::string_view text)
        : encoding_(nameEncodingOf(text)), text_(withoutByteOrderMark(text)), lines_(text_) {}
    NameEncoding encoding() const { return encoding_; }
    // The configuration line (the first, whatever it holds); false for an empty text.
    bool first(std::string_view& line) { return lines_.next(line); }
    // The next location line, blank lines passed over; false at the end of the text.
    bool nextPlace(std::string_view& line);
    // True when the line just read is the last one and has no "\n".
    bool atCutShortEnd() const { return lines_.rest().empty() && !text_.ends_with('\n'); }
    // The text after the lines read so far, untouched.
    std::string_view rest() const { return lines_.rest(); }

  private:
    NameEncoding encoding_;
    std::string_view text_;
    LineReader lines_;
};

}  // namespace kelmo
