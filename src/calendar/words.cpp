#include "calendar/words.h"

#include "calendar/words_table.h"

namespace kelmo {

const Words& wordsOf(Language language) {
    return kWordsTable[static_cast<std::size_t>(language)];
}

const Words& wordsOf(const std::optional<Language>& chosen) {
    return wordsOf(chosen.value_or(Language::english));
}

}  // namespace kelmo
