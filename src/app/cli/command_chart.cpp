// kelmo-cli chart: the chart of the prayer times of a year or a month as a PNG image or an
// SVG drawing, the same picture the desktop program's chart window shows and saves.
#include <memory>

#include "app/cli/chart_module_loader.h"
#include "app/cli/commands.h"
#include "app/cli/report_date.h"
#include "calendar/local_time.h"
#include "files/output/chart_format.h"
#include "files/output/prayer_chart.h"

namespace kelmo::cli {

namespace {

// The format from --format (its default "text" means not given), else from the extension of
// --out.
CliError chartFormat(const OutputOptions& output, ChartFormat& format) {
    if (output.format != "text") {
        format = output.format == "png" ? ChartFormat::png : ChartFormat::svg;
        return {};
    }
    const std::optional<ChartFormat> byName =
        output.out ? chartFormatFor(*output.out) : std::nullopt;
    if (!byName)
        return {kExitUsage,
                "chart: --out needs a name ending in .png or .svg (or give --format png|svg)"};
    format = *byName;
    return {};
}

int runChart(CliOptions options, const std::string& period, const platform::Clock& clock) {
    ChartFormat format{};
    if (CliError e = chartFormat(options.output, format)) return report(e);
    Resolved r;
    if (CliError e = resolve(options, clock, r)) return report(e);
    options.date.period = period;
    if (CliError e = resolveReportDate(options, r)) return report(e);
    const CalendarDate today = currentLocalTime(*r.zone, clock.now()).date;
    const PrayerChart chart =
        prayerChart(r.date, period == "month" ? ChartPeriod::month : ChartPeriod::year, r.location,
                    *r.zone, r.config, today);
    std::string bytes;
    if (CliError e = chartPictureBytes(chart, format, bytes)) return report(e);
    return report(writeOutput(options.output, bytes));
}

}  // namespace

void addChartCommand(CLI::App& app, CommandRun& run) {
    CommandShape shape;
    shape.formats = {"png", "svg"};
    auto period = std::make_shared<std::string>("year");
    CLI::App* command = addCommand(
        app, run, "chart",
        "chart of the prayer times of a year or a month (Gregorian, or Hijri with --hijri-date)",
        shape, [period](const CliOptions& options, const platform::Clock& clock) {
            return runChart(options, *period, clock);
        });
    command->add_option("--period", *period, "year (default) or month")
        ->check(CLI::IsMember({"month", "year"}));
    command->footer(
        "The picture is a PNG image or an SVG drawing, by the extension of --out (or by "
        "--format). One line per prayer time the fiqh shows, at the clock time of each day "
        "(summer time included); times supplied by the high-latitude rule dashed, times that "
        "do not exist left out; the first days of the Hijri months at the place along the top.");
}

}  // namespace kelmo::cli
