#include "files/reports/times_row.h"

#include <cstdlib>

#include "calendar/time_format.h"
#include "calendar/utf8_text.h"
#include "files/reports/report_words.h"
#include "prayer/school_of_law.h"

namespace kelmo {

namespace {

constexpr int kMinutePrecision = 1;

// A marker's word and a blank.
std::string markerCell(const Words& w, EventStatus status) {
    return std::string(markerWord(w, status)) + ' ';
}

char dayMark(int dayOffset) {
    return dayOffset < 0 ? '<' : (dayOffset > 0 ? '>' : ' ');
}

// The time and its day mark, or a marker word and a blank.
std::string cell(const Config& config, const Words& w, int threshold, const RowTime& value) {
    if (!value.isTime()) return markerCell(w, value.status);
    const FormattedTime time = formatTime(threshold, value.dayAngle(), config.precision, false);
    if (std::abs(time.dayOffset) > 1) return markerCell(w, EventStatus::notValid);
    return time.text + dayMark(time.dayOffset);
}

// A Moon cell and its tab: in English the blanks reports always had after it, in another
// language the blanks up to the column's width.
void appendMoonCell(const Config& config, const Words& w, const std::string& c, std::string& text) {
    if (isEnglish(w)) {
        text += c;
        text += config.precision == kMinutePrecision ? "      \t" : "    \t";
    } else {
        appendPadded(text, c, reportLayout(w).moonCell);
        text += '\t';
    }
}

}  // namespace

int prayerThreshold(PrayerSlot slot) {
    return slot == PrayerSlot::imsak || slot == PrayerSlot::shuruq ? kRoundDown : kRoundUp;
}

void writeTimesRow(const Config& config, int kind, std::span<const RowTime> values,
                   std::string& text) {
    const Words& w = reportWords(config);
    if (kind == kPrayerRow) {
        const std::size_t width = reportLayout(w).cell;
        for (const PrayerSlot slot : shownSlots(config.fiqh)) {
            const auto index = static_cast<std::size_t>(slot);
            if (index >= values.size()) break;
            appendPadded(text, cell(config, w, prayerThreshold(slot), values[index]), width);
        }
        text += '\n';
        return;
    }
    for (const RowTime& value : values) {
        const std::string c = cell(config, w, kRoundNearest, value);
        if (kind == kMoonRowCells) {
            appendMoonCell(config, w, c, text);
        } else {
            text += c;
        }
    }
}

}  // namespace kelmo
