#include <cstdio>
#include <string>

#include "app/cli/commands.h"
#include "calendar/julian_day.h"
#include "calendar/names.h"

namespace kelmo::cli {

int runToday(const CliOptions& options, const platform::Clock& clock) {
    Resolved r;
    if (CliError e = resolve(options, clock, r)) return report(e);
    const int wd = weekday(julianDay(r.date));
    char line[160];
    std::snprintf(line, sizeof line, "%s, %d %s %d (%s)\n", names::kWeekdays[wd - 1],
                  static_cast<int>(r.date.day), names::kMonths[r.date.month - 1], r.date.year,
                  r.location.name.c_str());
    return report(writeOutput(options.output, line));
}

void addTodayCommand(CLI::App& app, CommandRun& run) {
    CommandShape shape;
    shape.formats = {"text"};
    addCommand(app, run, "today", "today's date at the place", shape, runToday);
}

}  // namespace kelmo::cli
