// The Configuration dialog's list of languages: "System" (the desktop's language), then each
// language the program speaks, named in its own words.
#pragma once

#include <optional>

#include "base/language.h"

class QComboBox;

namespace kelmo::ui {

// Fills list and selects chosen (none: "System").
void fillLanguageList(QComboBox* list, std::optional<Language> chosen);

// The language selected in a list filled by fillLanguageList (none: "System").
std::optional<Language> selectedLanguage(const QComboBox* list);

}  // namespace kelmo::ui
