#include "calendar/tzif_file.h"

#include <array>

namespace kelmo {

namespace {

constexpr std::string_view kMagic = "TZif";
constexpr std::size_t kHeaderSize = 44;
constexpr std::size_t kCountsAt = 20;  // six 32-bit counts follow the magic, version, padding
constexpr std::size_t kTypeRecordSize = 6;
constexpr long kMaxOffsetSeconds = 26 * 3600;  // beyond any clock a zone has had

struct Counts {
    std::uint32_t isUtc, isStd, leap, time, type, chars;
};

std::uint32_t be32(std::string_view b, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
    return v;
}

std::int64_t be64(std::string_view b, std::size_t at) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(be32(b, at)) << 32 |
                                     be32(b, at + 4));
}

std::optional<Counts> readHeader(std::string_view b, std::size_t at) {
    if (b.size() < at + kHeaderSize || b.substr(at, kMagic.size()) != kMagic) return std::nullopt;
    const auto c = [&](std::size_t i) { return be32(b, at + kCountsAt + 4 * i); };
    return Counts{c(0), c(1), c(2), c(3), c(4), c(5)};
}

// Bytes of the data block after a header, for times of timeSize bytes.
std::uint64_t blockSize(const Counts& c, std::size_t timeSize) {
    return std::uint64_t{c.time} * (timeSize + 1) + std::uint64_t{c.type} * kTypeRecordSize +
           c.chars + std::uint64_t{c.leap} * (timeSize + 4) + c.isStd + c.isUtc;
}

std::optional<ZoneHistory> readBlock(std::string_view b, std::size_t at, const Counts& c,
                                     std::size_t timeSize) {
    if (c.type == 0 || c.type > 256 || b.size() < at + blockSize(c, timeSize)) return std::nullopt;
    ZoneHistory h;
    for (std::uint32_t i = 0; i < c.time; ++i, at += timeSize) {
        const std::int64_t t = timeSize == 8 ? be64(b, at) : static_cast<std::int32_t>(be32(b, at));
        if (!h.changes.empty() && t <= h.changes.back()) return std::nullopt;
        h.changes.push_back(t);
    }
    for (std::uint32_t i = 0; i < c.time; ++i, ++at) {
        const auto index = static_cast<std::uint8_t>(b[at]);
        if (index >= c.type) return std::nullopt;
        h.typeAfter.push_back(index);
    }
    for (std::uint32_t i = 0; i < c.type; ++i, at += kTypeRecordSize) {
        const auto offset = static_cast<std::int32_t>(be32(b, at));
        if (offset < -kMaxOffsetSeconds || offset > kMaxOffsetSeconds) return std::nullopt;
        h.types.push_back({Seconds{static_cast<long double>(offset)}, b[at + 4] != 0});
    }
    return h;
}

// The footer "\n<TZ string>\n" after the version 2 data; an empty string gives no rule.
bool readFooter(std::string_view b, std::size_t at, ZoneHistory& h) {
    if (at >= b.size() || b[at] != '\n') return false;
    const std::size_t end = b.find('\n', at + 1);
    if (end == std::string_view::npos) return false;
    const std::string_view tz = b.substr(at + 1, end - at - 1);
    if (tz.empty()) return true;
    h.rule = parseClockRule(tz);
    return h.rule.has_value();
}

// Some zones mark a clock as daylight-saving time with a negative saving: Ireland its winter
// (IST is standard, GMT the "saving"), Morocco the month of Ramadan. A saving below standard
// time is no summer time here; where the zone's yearly rule names the winter so (Ireland), its
// summer clock is summer time, as people call it.
void markNegativeSavingAsStandard(ZoneHistory& h) {
    const bool winterSaving = h.rule && h.rule->winterWasSaving;
    std::vector<std::uint8_t> summer, standard;
    for (std::size_t i = 1; i < h.changes.size(); ++i) {
        const ClockType& before = h.types[h.typeAfter[i - 1]];
        const ClockType& after = h.types[h.typeAfter[i]];
        if (after.summer && !before.summer && after.offset < before.offset) {
            standard.push_back(h.typeAfter[i]);
            if (winterSaving) summer.push_back(h.typeAfter[i - 1]);
        }
    }
    for (const std::uint8_t t : standard) {
        h.types[t].summer = false;
        h.types[t].belowStandard = !winterSaving;
    }
    for (const std::uint8_t t : summer) h.types[t].summer = true;
}

}  // namespace

std::optional<ZoneHistory> parseTzif(std::string_view bytes) {
    const std::optional<Counts> v1 = readHeader(bytes, 0);
    if (!v1) return std::nullopt;
    const char version = bytes[kMagic.size()];
    if (version == '\0') {
        std::optional<ZoneHistory> h = readBlock(bytes, kHeaderSize, *v1, 4);
        if (h) markNegativeSavingAsStandard(*h);
        return h;
    }

    const std::uint64_t v2At = kHeaderSize + blockSize(*v1, 4);
    if (v2At > bytes.size()) return std::nullopt;
    const std::optional<Counts> v2 = readHeader(bytes, v2At);
    if (!v2) return std::nullopt;
    const std::size_t dataAt = v2At + kHeaderSize;
    std::optional<ZoneHistory> h = readBlock(bytes, dataAt, *v2, 8);
    if (!h || !readFooter(bytes, dataAt + blockSize(*v2, 8), *h)) return std::nullopt;
    markNegativeSavingAsStandard(*h);
    return h;
}

}  // namespace kelmo
