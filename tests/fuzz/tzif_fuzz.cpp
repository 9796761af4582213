// libFuzzer target: the compiled zone files (TZif) and the POSIX TZ strings of their footers,
// bytes that the program reads from the system. Any bytes are taken as both. A history that
// reads names only types it holds; a rule gives its standard or its summer offset at instants
// from far past to far future.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calendar/clock_rule.h"
#include "calendar/tzif_file.h"

using namespace kelmo;

namespace {

constexpr long double kFarSeconds = 1.0e12L;  // beyond the years -30000..30000

void checkRule(const ClockRule& rule) {
    for (const long double t : {-kFarSeconds, 0.0L, 2.0e9L, kFarSeconds}) {
        const Seconds offset = rule.offsetAt(Instant(Seconds(t)));
        const bool summer = rule.summer && offset == rule.summer->offset;
        if (offset != rule.standardOffset && !summer) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const std::optional<ZoneHistory> history = parseTzif(bytes)) {
        if (history->types.empty() || history->typeAfter.size() != history->changes.size())
            std::abort();
        for (const std::uint8_t type : history->typeAfter)
            if (type >= history->types.size()) std::abort();
        if (history->rule) checkRule(*history->rule);
    }
    if (const std::optional<ClockRule> rule = parseClockRule(bytes)) checkRule(*rule);
    return 0;
}
