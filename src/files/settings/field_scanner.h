// Reading the text of Kelmo.cfg: lines of any length, and the blank-separated fields of one
// line read the way the C library's formatted input reads them ("%s", "%d", "%f"): white
// space is skipped before every field, a word runs to the next white space, a number takes
// the longest leading number of its word and leaves the rest for the next field.
// Numbers are read in the C locale whatever the process locale is; a number that does not fit
// its type, or is not finite, does not convert.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelmo {

// The lines of a text, each without its "\n". A last line without "\n" counts; an empty text
// has no line.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text_(text) {}
    // The next line; false at the end of the text.
    bool next(std::string_view& line);
    // The text after the lines read so far, untouched.
    std::string_view rest() const { return text_.substr(position_); }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
};

class FieldScanner {
  public:
    explicit FieldScanner(std::string_view line) : line_(line) {}
    // "%s": the next word, whole; false when only white space is left.
    bool word(std::string_view& out);
    // "%s" into a field of maxLength characters: a longer word is read whole and cut.
    bool word(std::string& out, std::size_t maxLength);
    // "%d": a decimal integer with optional sign that fits an int.
    bool integer(int& out);
    // "%f": a finite decimal number that fits a float.
    bool real(float& out);

  private:
    void skipSpace();
    std::string_view line_;
    std::size_t position_ = 0;
};

// The standard text-to-number conversion of a word: its longest leading decimal number, 0 when
// there is none (or when it is not finite).
double leadingNumber(std::string_view word);
// The same reading, but false when the word begins with a number that is not finite: "nan",
// "inf", or one beyond the range of a double.
bool finiteLeadingNumber(std::string_view word, double& value);

// True when a and b are the same text with ASCII letters compared without regard to case.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// True for the white space of the C locale: blank, \t, \n, \v, \f, \r.
constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// True for the control characters of ASCII: 0x00 .. 0x1F and DEL (0x7F).
constexpr bool isControl(char c) {
    return (c >= 0 && c < ' ') || c == '\x7F';
}

// What stands for a control character in a name that is shown or written.
inline constexpr char kControlStandIn = '?';

// True when text holds a control character.
bool holdsControl(std::string_view text);

}  // namespace kelmo
