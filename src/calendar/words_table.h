// The words of every language, generated from translations/words_<code>.ts.
#pragma once

#include <array>

#include "calendar/words.h"

namespace kelmo {

extern const std::array<Words, kLanguages.size()> kWordsTable;

}  // namespace kelmo
