#include "files/reports/method_text.h"

#include <utility>

#include "calendar/names.h"
#include "files/reports/append_format.h"

namespace kelmo {

namespace {

constexpr const char* kCustomFigures = "the angles of the configuration";

// An angle below the horizon as written: the depression, positive ("18.5").
std::string depression(float angle) {
    std::string text;
    appendFormat(text, "%g\u00B0", -static_cast<double>(angle));
    return text;
}

}  // namespace

std::string adjustmentsText(const MinuteAdjustments& a) {
    const std::pair<const char*, int> moved[] = {
        {"Imsak", a.imsak}, {"Fajr", a.fajr},       {"Shuruq", a.shuruq}, {"Duhr", a.duhr},
        {"Asr", a.asr},     {"Maghrib", a.maghrib}, {"Isha", a.isha}};
    std::string text;
    for (const auto& [prayer, minutes] : moved) {
        if (minutes == 0) continue;
        appendFormat(text, "%s%s %+d min", text.empty() ? "" : ", ", prayer, minutes);
    }
    return text;
}

std::string methodTitle(const CalculationMethod& m) {
    return std::string(m.key) + " (" + (isCustom(m) ? kCustomFigures : m.name) + ")";
}

std::string methodFiguresText(const CalculationMethod& m) {
    if (isCustom(m)) return kCustomFigures;
    std::string text = "Fajr " + depression(m.fajrAngle) + ", Isha ";
    if (m.ishaMinutes == 0) {
        text += depression(m.ishaAngle);
    } else {
        appendFormat(text, "%d min after Maghrib", m.ishaMinutes);
        if (m.ishaMinutesRamadan != 0)
            appendFormat(text, " (%d min in Ramadan)", m.ishaMinutesRamadan);
    }
    text += ", Maghrib ";
    text += m.maghribAngle == 0.0f ? "at sunset" : depression(m.maghribAngle);
    text += ", Imsak ";
    if (m.imsakMinutes == 0) {
        text += "at the configured angle";
    } else {
        appendFormat(text, "%d min before Fajr", m.imsakMinutes);
    }
    text += m.fiqh == kFiqhNotFixed
                ? std::string(", Asr by the configured school")
                : std::string(", school ") + names::nameAt(names::kFiqhs, m.fiqh);
    if (m.duhrFrom == DuhrFrom::westernLimb) text += ", Duhr at the western limb's transit";
    const std::string adjustments = adjustmentsText(m.adjust);
    text += adjustments.empty() ? ", no minute adjustments" : ", " + adjustments;
    return text;
}

}  // namespace kelmo
