// libFuzzer target: a zone's compiled file (TZif) and the POSIX TZ string of its footer, the
// bytes of a file that the program reads from the system. Any bytes are taken as both; a zone
// that reads gives a local time type at instants from far past to far future.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calendar/tzif_zone.h"

using namespace kelmo;

namespace {

bool same(const TzifType& a, const TzifType& b) {
    return a.offset == b.offset && a.daylightSaving == b.daylightSaving;
}

// The type at an instant is one of the file's types or of its rule.
bool isAType(const TzifZone& zone, const TzifType& type) {
    for (const TzifType& t : zone.types)
        if (same(t, type)) return true;
    return zone.rule && (same(zone.rule->standard, type) ||
                         (zone.rule->summer && same(*zone.rule->summer, type)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    constexpr std::int64_t kFarSeconds = std::int64_t{1} << 40;  // beyond the years -30000..30000
    std::optional<TzifZone> zone = parseTzif(bytes);
    if (!zone) zone = TzifZone{{}, {}, {TzifType{}}, parseTzRule(bytes)};
    for (const std::int64_t t :
         {-kFarSeconds, std::int64_t{0}, std::int64_t{2000000000}, kFarSeconds})
        if (!isAType(*zone, typeAt(*zone, t))) std::abort();
    return 0;
}
