#include "files/reports/times_row.h"

#include <cstdlib>

#include "calendar/time_format.h"
#include "prayer/school_of_law.h"

namespace kelmo {

namespace {

constexpr int kMinutePrecision = 1;

// A marker's word as a 9-character cell.
std::string markerWord(EventStatus status) {
    return std::string(statusName(status)) + ' ';
}

char dayMark(int dayOffset) {
    return dayOffset < 0 ? '<' : (dayOffset > 0 ? '>' : ' ');
}

// The time and its day mark, or a 9-character marker word.
std::string cell(const Config& config, int threshold, const RowTime& value) {
    if (!value.isTime()) return markerWord(value.status);
    const FormattedTime time = formatTime(threshold, value.dayAngle(), config.precision, false);
    if (std::abs(time.dayOffset) > 1) return markerWord(EventStatus::notValid);
    return time.text + dayMark(time.dayOffset);
}

// Pads a prayer cell to the cell width (the blanks after a minute time).
void appendPrayerCell(const std::string& c, std::string& text) {
    text += c;
    if (c.size() < kCellWidth) text.append(kCellWidth - c.size(), ' ');
}

}  // namespace

int prayerThreshold(PrayerSlot slot) {
    return slot == PrayerSlot::imsak || slot == PrayerSlot::shuruq ? kRoundDown : kRoundUp;
}

void writeTimesRow(const Config& config, int kind, std::span<const RowTime> values,
                   std::string& text) {
    if (kind == kPrayerRow) {
        for (const PrayerSlot slot : shownSlots(config.fiqh)) {
            const auto index = static_cast<std::size_t>(slot);
            if (index >= values.size()) break;
            appendPrayerCell(cell(config, prayerThreshold(slot), values[index]), text);
        }
        text += '\n';
        return;
    }
    const char* suffix = config.precision == kMinutePrecision ? "      \t" : "    \t";
    for (const RowTime& value : values) {
        text += cell(config, kRoundNearest, value);
        if (kind == kMoonRowCells) text += suffix;
    }
}

}  // namespace kelmo
