// The language of the windows: the one chosen in the Configuration dialog, else the desktop's
// (LC_ALL, LC_MESSAGES, LANG: the first that is set decides), else English. Installing it
// loads the program's translation and Qt's own (the buttons of Qt's dialogs), sets the locale
// whose digits the windows show and, for Arabic, Urdu and Persian, lays the windows out from
// right to left.
#pragma once

#include <optional>
#include <string>

#include "base/language.h"

namespace kelmo::ui {

// The desktop's language from the values of LC_ALL, LC_MESSAGES and LANG (null or empty:
// not set); English when the deciding value names no language of the program ("C", "es_ES").
Language systemLanguage(const char* lcAll, const char* lcMessages, const char* lang);

// The configured language, else the desktop's from this process's environment.
Language windowLanguage(std::optional<Language> configured);

// Installs language for every window made from now on; returns false when its translation
// file could not be loaded (the windows then stay in English, laid out for the language).
bool installLanguage(Language language);

// The language installed last (English before any).
Language installedLanguage();

// The translation file of the program for a language ("kelmo_ar.qm") in the folder beside the
// executable or the installed share folder, or empty when there is none.
std::string translationFile(Language language);

// The help page in the installed language ("Kelmo_ar.html") when there is one, else the
// English "Kelmo.html"; found as the other data files are.
std::string helpPagePath();

}  // namespace kelmo::ui
