// UTF-8 texts as a terminal or a report in a fixed-width font shows them: how many cells a text
// takes, how many characters it holds, and padding to a column. A character that is drawn takes
// one cell, an East Asian wide or full-width one two; combining marks (Arabic vowel signs,
// accents written apart) and format characters (the zero-width non-joiner of Persian, the
// direction marks) take none. A byte that is no well-formed UTF-8 counts as one character of
// one cell.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelmo {

// The cells text takes.
std::size_t shownWidth(std::string_view text);

// The characters (code points) text holds.
std::size_t characterCount(std::string_view text);

// The first count characters of text (all of it when it holds no more).
std::string_view firstCharacters(std::string_view text, std::size_t count);

// The longest start of text that takes at most cells (a mark that follows its letter goes
// with it).
std::string_view firstCells(std::string_view text, std::size_t cells);

// Decodes the UTF-8 sequence at text[i] into c and moves i past it; false for a byte that
// begins no well-formed sequence (RFC 3629: no overlong form, surrogate or code point beyond
// U+10FFFF), which c then holds and i moves past alone.
bool decodeUtf8(std::string_view text, std::size_t& i, char32_t& c);

// True when text is well-formed UTF-8 (RFC 3629).
bool isWellFormedUtf8(std::string_view text);
// text with every byte that is no well-formed UTF-8 replaced by "?".
std::string wellFormedUtf8(std::string_view text);

// Appends word and as many blanks as bring it to cells (none when it is as wide or wider).
void appendPadded(std::string& text, std::string_view word, std::size_t cells);

}  // namespace kelmo
