#include "calendar/words.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <vector>

namespace kelmo {
namespace {

// One message of a Qt Linguist file: its source, its translation and whether it is finished.
struct Message {
    std::string source, translation;
    bool finished = false;
};

std::string unescape(std::string text) {
    static const std::vector<std::pair<std::string, std::string>> kEntities = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : kEntities) {
        for (std::size_t at = text.find(entity); at != std::string::npos;
             at = text.find(entity, at + character.size())) {
            text.replace(at, entity.size(), character);
        }
    }
    return text;
}

// The messages of translations/words_<code>.ts by context, read with a pattern of the
// elements Qt Linguist writes (independent of the generator, which reads them as XML).
std::map<std::string, std::vector<Message>> readTs(std::string_view code) {
    const auto path = std::filesystem::path(__FILE__).parent_path() / "../../translations" /
                      ("words_" + std::string(code) + ".ts");
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    const std::string all = text.str();
    // Cut by plain search: a regular expression over a whole context recurses once a character
    // in libstdc++ and overflows the stack of a sanitizer build.
    static const std::regex name(R"(<context>\s*<name>([^<]*)</name>)");
    static const std::regex message(
        R"(<message>\s*<source>([^<]*)</source>\s*<translation([^>]*)>([^<]*)</translation>)");
    std::map<std::string, std::vector<Message>> contexts;
    for (std::size_t at = all.find("<context>"); at != std::string::npos;
         at = all.find("<context>", at + 1)) {
        const std::string body = all.substr(at, all.find("</context>", at) - at);
        std::smatch head;
        if (!std::regex_search(body, head, name)) continue;
        auto& messages = contexts[head[1]];
        for (std::size_t m = body.find("<message>"); m != std::string::npos;
             m = body.find("<message>", m + 1)) {
            const std::string one = body.substr(m, body.find("</message>", m) - m);
            std::smatch found;
            if (!std::regex_search(one, found, message)) continue;
            messages.push_back({unescape(found[1]), unescape(found[3]),
                                found[2].str().find("type=") == std::string::npos});
        }
    }
    return contexts;
}

// The entries of words that a context of the .ts files holds.
std::vector<const char*> entriesOf(const Words& w, const std::string& context) {
    const std::map<std::string, std::span<const char* const>> members = {
        {"Prayer", w.prayers},
        {"HijriMonth", w.hijriMonths},
        {"Month", w.months},
        {"Weekday", w.weekdays},
        {"ShortWeekday", w.shortWeekdays},
        {"Ordinal", w.ordinals},
        {"Fiqh", w.fiqhs},
        {"Precision", w.precisions},
        {"HighLatitudeRule", w.highLatitudeRules},
        {"HijriCalendar", w.hijriCalendars},
        {"Marker", w.markers}};
    if (context != "Phrases") return {members.at(context).begin(), members.at(context).end()};
    return {w.phrases.begin(), w.phrases.end()};
}

// The printf conversions of a format by the argument each takes ("%2$s" takes the second).
std::multiset<std::pair<int, std::string>> conversions(const std::string& format) {
    static const std::regex conversion(R"(%(?:(\d+)\$)?([-+ #0]*\d*(?:\.\d+)?[a-zA-Z%]))");
    std::multiset<std::pair<int, std::string>> found;
    int position = 0;
    for (std::sregex_iterator i(format.begin(), format.end(), conversion), end; i != end; ++i) {
        if ((*i)[2] == "%") continue;
        ++position;
        found.insert({(*i)[1].matched ? std::stoi((*i)[1]) : position, (*i)[2]});
    }
    return found;
}

// Every .ts file: the same sources as the English table, every translation finished and
// equal to the generated table, every phrase taking the arguments of its source.
TEST(Words, TableMatchesTheLinguistFilesAndEveryEntryIsFinished) {
    for (const LanguageFacts& facts : kLanguages) {
        if (facts.language == Language::english) continue;
        auto contexts = readTs(facts.code);
        auto& phrases = contexts["Phrases"];
        for (const char* name : {"Report", "Qibla", "Cli"}) {
            phrases.insert(phrases.end(), contexts[name].begin(), contexts[name].end());
            contexts.erase(name);
        }
        EXPECT_EQ(contexts.size(), 12u) << facts.code;
        for (const auto& [context, messages] : contexts) {
            const auto english = entriesOf(wordsOf(Language::english), context);
            const auto translated = entriesOf(wordsOf(facts.language), context);
            ASSERT_EQ(messages.size(), english.size()) << facts.code << " " << context;
            for (std::size_t i = 0; i < messages.size(); ++i) {
                const Message& m = messages[i];
                SCOPED_TRACE(std::string(facts.code) + " " + context + " " + m.source);
                EXPECT_EQ(m.source, english[i]);
                EXPECT_TRUE(m.finished && !m.translation.empty());
                EXPECT_EQ(m.translation, translated[i]);
                EXPECT_EQ(conversions(m.translation), conversions(m.source));
            }
        }
    }
}

TEST(Words, NoChoiceIsEnglishAndIndexesOutsideGiveNothing) {
    EXPECT_EQ(&wordsOf(std::nullopt), &wordsOf(Language::english));
    const Words& turkish = wordsOf(Language::turkish);
    EXPECT_STREQ(turkish.prayerName(PrayerName::duhr), "\u00d6\u011fle");
    EXPECT_STREQ(turkish.weekday(7), "Pazar");
    EXPECT_STREQ(turkish.month(0), "");
    EXPECT_STREQ(turkish.hijriMonth(13), "");
}

}  // namespace
}  // namespace kelmo
