// The date and period of the prayer and moon reports of kelmo-cli: --period, and the date
// from --date (civil, with its Hijri date at the place) or --hijri-date.
#pragma once

#include "app/cli/cli_options.h"

namespace kelmo::cli {

// Sets the report period and the Hijri-date bit in resolved.config.alertFlags and fills
// resolved.date in both calendars. An invalid --hijri-date is a usage error (2); a Hijri
// date that cannot be converted at the place is a failure (1).
CliError resolveReportDate(const CliOptions& options, Resolved& resolved);

// "YYYY-MM-DD" of the civil fields, or of the Hijri fields.
std::string isoDate(const CalendarDate& date);
std::string isoHijriDate(const CalendarDate& date);

}  // namespace kelmo::cli
