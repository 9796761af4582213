#include <cstdio>
#include <string>

#include "app/cli/commands.h"
#include "calendar/julian_day.h"
#include "calendar/names.h"
#include "hijri/hijri_date.h"

namespace kelmo::cli {

int runToday(const CliOptions& options, const platform::Clock& clock) {
    Resolved r;
    if (CliError e = resolve(options, clock, r)) return report(e);
    const int wd = weekday(julianDay(r.date));
    char line[160];
    std::snprintf(line, sizeof line, "%s, %d %s %d (%s)\n", names::kWeekdays[wd - 1],
                  static_cast<int>(r.date.day), names::kMonths[r.date.month - 1], r.date.year,
                  r.location.name.c_str());
    std::string text = line;
    CalendarDate hijri = r.date;
    if (hijriFromDate(hijri, r.location, r.config) == 1) {
        std::snprintf(line, sizeof line, "%d %s %d AH\n", static_cast<int>(hijri.hijriDay),
                      names::kHijriMonths[hijri.hijriMonth - 1], hijri.hijriYear);
        text += line;
    }
    return report(writeOutput(options.output, text));
}

void addTodayCommand(CLI::App& app, CommandRun& run) {
    CommandShape shape;
    shape.formats = {"text"};
    addCommand(app, run, "today", "today's date at the place", shape, runToday);
}

}  // namespace kelmo::cli
