// The reports in every language the program speaks: the words of the language, and columns
// that stay aligned in the cells a fixed-width font shows, whatever the script. The reference
// of a column's place is the layout's widths, measured on the text by calendar/utf8_text.h.
#include "files/reports/report_words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/utf8_text.h"
#include "files/reports/moon_report.h"
#include "files/reports/prayer_report.h"
#include "files/reports/show_report.h"
#include "hijri/hijri_date.h"
#include "prayer/school_of_law.h"
#include "support/places.h"

namespace kelmo {
namespace {

Config settingsIn(Language language, int period, int rule = 5) {
    Config c;
    c.fiqh = 1;
    c.highLatitudeRule = rule;
    c.alertFlags = period << alert::kPeriodShift;
    c.language = language;
    return c;
}

CalendarDate civil(int y, int m, int d, const Location& l, const Config& c) {
    CalendarDate date;
    date.year = y;
    date.month = m;
    date.day = d;
    hijriFromDate(date, l, c);
    return date;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The text of line from the given cell on.
std::string_view fromCell(std::string_view line, std::size_t cell) {
    const std::string_view before = firstCells(line, cell);
    EXPECT_EQ(shownWidth(before), cell) << line;
    return line.substr(before.size());
}

// June at London without a high-latitude rule: Isha is a marker on some days. Every prayer
// column's name in the column line and every row's time or marker begin at the same cell.
TEST(ReportWords, PrayerColumnsAlignInEveryLanguage) {
    const Location l = test::london();
    for (const LanguageFacts& facts : kLanguages) {
        SCOPED_TRACE(facts.code);
        const Words& w = wordsOf(facts.language);
        const ReportLayout layout = reportLayout(w);
        const Config c = settingsIn(facts.language, 1, 0);
        std::string text;
        prayerScheduleReport(civil(2026, 6, 1, l, c), l, test::zoneOf(l), c, text);
        EXPECT_NE(text.find(w.month(6)), std::string::npos);
        const std::vector<std::string> lines = linesOf(text);
        const auto header = std::find_if(lines.begin(), lines.end(), [&](const std::string& s) {
            return s.starts_with(w.phrase(Phrase::dateColumn));
        });
        ASSERT_NE(header, lines.end());
        const std::vector<PrayerSlot> slots = shownSlots(c.fiqh);
        const std::size_t prefix = layout.date + layout.hijriDate + layout.weekday;
        int markers = 0;
        for (std::size_t i = 0; i < slots.size(); ++i) {
            const std::size_t cell = prefix + i * layout.cell;
            EXPECT_TRUE(fromCell(*header, cell).starts_with(columnName(w, slots[i])));
            for (auto row = header + 2; row != lines.end() && !row->empty(); ++row) {
                const std::string_view value = fromCell(*row, cell);
                const bool marker =
                    std::any_of(w.markers.begin(), w.markers.end(),
                                [&](const char* m) { return value.starts_with(m); });
                markers += marker;
                EXPECT_TRUE(marker ||
                            std::regex_search(std::string(value), std::regex("^[0-9]{2}:")))
                    << *row;
            }
        }
        EXPECT_GT(markers, 0);
    }
}

// In another language than English every Moon cell and column name is as wide as the
// layout's Moon cell before its tab.
TEST(ReportWords, MoonColumnsAreOfOneWidthInOtherLanguages) {
    const Location l = test::london();
    for (const LanguageFacts& facts : kLanguages) {
        if (facts.language == Language::english) continue;
        SCOPED_TRACE(facts.code);
        const Words& w = wordsOf(facts.language);
        const Config c = settingsIn(facts.language, 1);
        std::string text;
        moonReport(civil(2024, 12, 1, l, c), l, test::zoneOf(l), c, text);
        int fields = 0;
        for (const std::string& line : linesOf(text)) {
            if (!line.starts_with('\t') || line.starts_with("\t\t")) continue;
            std::vector<std::string> parts;
            std::istringstream in(line.substr(1));
            for (std::string part; std::getline(in, part, '\t');) parts.push_back(part);
            const ReportLayout layout = reportLayout(w);
            // (the first field holds the day's number and weekday before the first cell)
            EXPECT_EQ(shownWidth(parts[0]), layout.date + layout.weekday + layout.moonCell) << line;
            for (std::size_t i = 1; i < parts.size(); ++i, ++fields) {
                EXPECT_EQ(shownWidth(parts[i]), layout.moonCell) << line;
            }
        }
        EXPECT_GT(fields, 60);
        EXPECT_NE(text.find(w.phrase(Phrase::moonTransitColumn)), std::string::npos);
    }
}

// The day's message box names every prayer in the language, the names padded alike.
TEST(ReportWords, DayBoxNamesThePrayersInTheLanguage) {
    const Location l = test::manama();
    for (const LanguageFacts& facts : kLanguages) {
        if (facts.language == Language::english) continue;
        SCOPED_TRACE(facts.code);
        const Words& w = wordsOf(facts.language);
        const Config c = settingsIn(facts.language, 0);
        std::string text;
        prayerScheduleReport(civil(2026, 3, 1, l, c), l, test::zoneOf(l), c, text);
        const std::vector<std::string> lines = linesOf(dayReportText(text, kPrayerReportOutput, c));
        const std::vector<PrayerSlot> slots = shownSlots(c.fiqh);
        ASSERT_GE(lines.size(), slots.size());
        for (std::size_t i = 0; i < slots.size(); ++i) {
            const std::string& line = lines[lines.size() - slots.size() + i];
            const std::string name = std::string("\t\t") + columnName(w, slots[i]);
            EXPECT_TRUE(line.starts_with(name)) << line;
            EXPECT_TRUE(std::regex_search(line, std::regex(" \t\t[0-9]{2}:[0-9]{2}$"))) << line;
            EXPECT_EQ(shownWidth(line.substr(0, line.find(" \t\t", 2))),
                      2 + reportLayout(w).dayName);
        }
    }
}

}  // namespace
}  // namespace kelmo
