#include <cstdio>
#include <string>

#include "app/cli/commands.h"
#include "calendar/julian_day.h"
#include "files/reports/append_format.h"
#include "files/reports/report_words.h"
#include "hijri/hijri_date.h"

namespace kelmo::cli {

int runToday(const CliOptions& options, const platform::Clock& clock) {
    Resolved r;
    if (CliError e = resolve(options, clock, r)) return report(e);
    const Words& w = reportWords(r.config);
    std::string text;
    appendFormat(text, "%s, %d %s %d (%s)\n", w.weekday(weekday(julianDay(r.date))),
                 static_cast<int>(r.date.day), w.month(r.date.month), r.date.year,
                 r.location.name.c_str());
    CalendarDate hijri = r.date;
    if (hijriFromDate(hijri, r.location, r.config) == 1) {
        appendFormat(text, w.phrase(Phrase::hijriDate), static_cast<int>(hijri.hijriDay),
                     w.hijriMonth(hijri.hijriMonth), hijri.hijriYear);
        text += '\n';
    }
    return report(writeOutput(options.output, text));
}

void addTodayCommand(CLI::App& app, CommandRun& run) {
    CommandShape shape;
    shape.formats = {"text"};
    addCommand(app, run, "today", "today's date at the place", shape, runToday);
}

}  // namespace kelmo::cli
