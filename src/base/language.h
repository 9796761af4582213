// The languages the program speaks, each named in its own words.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace kelmo {

enum class Language : int {
    english,
    arabic,
    urdu,
    persian,
    turkish,
    indonesian,
    malay,
    french,
    german
};

struct LanguageFacts {
    Language language;
    std::string_view code;     // ISO 639-1, as in LANG=ar_SA.UTF-8 and kelmo-cli --lang
    std::string_view ownName;  // the language's name in itself, UTF-8
    bool rightToLeft;
};

inline constexpr std::array<LanguageFacts, 9> kLanguages{{
    {Language::english, "en", "English", false},
    {Language::arabic, "ar", "\u0627\u0644\u0639\u0631\u0628\u064a\u0629", true},
    {Language::urdu, "ur", "\u0627\u0631\u062f\u0648", true},
    {Language::persian, "fa", "\u0641\u0627\u0631\u0633\u06cc", true},
    {Language::turkish, "tr", "T\u00fcrk\u00e7e", false},
    {Language::indonesian, "id", "Bahasa Indonesia", false},
    {Language::malay, "ms", "Bahasa Melayu", false},
    {Language::french, "fr", "Fran\u00e7ais", false},
    {Language::german, "de", "Deutsch", false},
}};

inline constexpr const LanguageFacts& factsOf(Language language) {
    return kLanguages[static_cast<std::size_t>(language)];
}

// The language whose code is `code`, or none: "ar", and the language part of a locale name
// such as "ar_SA.UTF-8" or "de_DE@euro".
inline std::optional<Language> languageOfCode(std::string_view code) {
    const std::string_view part = code.substr(0, code.find_first_of("_.@-"));
    for (const LanguageFacts& facts : kLanguages) {
        if (part == facts.code) return facts.language;
    }
    return std::nullopt;
}

}  // namespace kelmo
