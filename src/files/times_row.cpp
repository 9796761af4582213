#include "files/times_row.h"

#include <cstdlib>

#include "base/markers.h"
#include "calendar/time_format.h"
#include "prayer/school_of_law.h"

namespace kelmo {

namespace {

constexpr std::size_t kPrayerSlots = 9;
constexpr int kMinutePrecision = 1;

// True when the school of law (fiqh) shows the slot in its prayer row (never the noon).
bool shownInPrayerRow(int fiqh, std::size_t slot) {
    const auto s = static_cast<PrayerSlot>(slot);
    return s != PrayerSlot::noon && schoolUsesSlot(fiqh, s);
}

// Imsak and Shuruq are cut down, the other prayer times rounded up.
int prayerThreshold(std::size_t slot) {
    constexpr std::size_t kImsak = 0, kShuruq = 2;
    return slot == kImsak || slot == kShuruq ? kRoundDown : kRoundUp;
}

// A marker's word as a 9-character cell.
std::string markerWord(double value) {
    return std::string(markerName(value)) + ' ';
}

char dayMark(int dayOffset) {
    return dayOffset < 0 ? '<' : (dayOffset > 0 ? '>' : ' ');
}

// The time and its day mark, or a 9-character marker word.
std::string cell(const Config& config, int threshold, double value) {
    if (!isTime(value)) return markerWord(value);
    const FormattedTime time = formatTime(threshold, value, config.precision, false);
    if (std::abs(time.dayOffset) > 1) return markerWord(kNotValid);
    return time.text + dayMark(time.dayOffset);
}

// Pads a prayer cell to the cell width (the blanks after a minute time).
void appendPrayerCell(const std::string& c, std::string& text) {
    text += c;
    if (c.size() < kCellWidth) text.append(kCellWidth - c.size(), ' ');
}

}  // namespace

void writeTimesRow(const Config& config, int kind, std::span<const double> values,
                   std::string& text) {
    if (kind == kPrayerRow) {
        for (std::size_t slot = 0; slot < values.size() && slot < kPrayerSlots; ++slot) {
            if (!shownInPrayerRow(config.fiqh, slot)) continue;
            appendPrayerCell(cell(config, prayerThreshold(slot), values[slot]), text);
        }
        text += '\n';
        return;
    }
    const char* suffix = config.precision == kMinutePrecision ? "      \t" : "    \t";
    for (double value : values) {
        text += cell(config, kRoundNearest, value);
        if (kind == kMoonRowCells) text += suffix;
    }
}

}  // namespace kelmo
