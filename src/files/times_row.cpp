#include "files/times_row.h"

#include <cstdlib>

#include "base/markers.h"
#include "calendar/time_format.h"

namespace kelmo {

namespace {

constexpr std::size_t kPrayerSlots = 9;
constexpr int kMinutePrecision = 1;

// True when the school of law (fiqh) shows the slot in its prayer row.
bool shownInPrayerRow(int fiqh, std::size_t slot) {
    constexpr std::size_t kNoon = 3, kAsrShadow1 = 5, kAsrShadow2 = 6, kIsha = 8;
    if (slot == kNoon) return false;
    switch (fiqh) {
        case 0:  // Jafari: no Asr, no Isha
            return slot != kAsrShadow1 && slot != kAsrShadow2 && slot != kIsha;
        case 2:  // Hanafi: Asr from shadow factor 2
            return slot != kAsrShadow1;
        default:
            return slot != kAsrShadow2;
    }
}

// Imsak and Shuruq are cut down, the other prayer times rounded up.
int prayerThreshold(std::size_t slot) {
    constexpr std::size_t kImsak = 0, kShuruq = 2;
    return slot == kImsak || slot == kShuruq ? kRoundDown : kRoundUp;
}

const char* markerWord(double value) {
    if (value == kAlwAbove) return "AlwAbove ";
    if (value == kAlwBelow) return "AlwBelow ";
    return "NotValid ";
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
