// The output step of the reports: a month or a year goes to the report file "Kelmo.out" beside
// Kelmo.cfg (files/program_path.h) and is opened in the configured editor (files/report_viewer.h)
// without waiting; one day
// is shortened (and, for the prayer schedule, turned into one line per prayer) for a message box,
// which the caller shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/config.h"
#include "base/location.h"
#include "files/reports/report_viewer.h"

namespace kelmo {

// Kinds of report output.
inline constexpr int kMoonReportOutput = 1;
inline constexpr int kPrayerReportOutput = 2;

inline constexpr const char* kReportFileName = "Kelmo.out";

inline constexpr int kErrorOpenOutput = 500;   // "Could not open output file!"
inline constexpr int kErrorWriteOutput = 501;  // "Could not write into output file!"
inline constexpr int kErrorViewOutput = 502;   // "Could not view output file!"

// Outcome of starting another program without waiting for it. terminalOnly: the program
// runs only in a terminal and no terminal emulator was found to run it in.
enum class ProgramStart { started, notFound, failed, terminalOnly };

// What the output step needs from the operating system.
class ReportServices {
  public:
    virtual ~ReportServices() = default;
    // Starts program (the name as given, else along the PATH) with args; does not wait.
    virtual ProgramStart startProgram(const std::string& program,
                                      const std::vector<std::string>& args) = 0;
};

// Writes bytes to the file at path, replacing it through a temporary file and a rename, so a
// failure leaves the old file whole (a device or a pipe is written directly): 0, 500 (cannot
// be opened or created, or a link linkMayBeFollowed refuses) or 501 (cannot be written
// completely).
int writeReportFile(const std::string& path, std::string_view bytes);

// The one-day text of the message box: every 80-character separator of text shortened to
// 60 "="; for kPrayerReportOutput the column line, separator and row at the end are replaced
// by the separator and one line "\t\t<name> \t\t<time>\n" per column (the columns of
// config.fiqh in the words of config.language).
std::string dayReportText(std::string text, int kind, const Config& config);

// What the caller shows: the error message of a non-zero code, or for one day a message box
// with caption and dayText.
struct ShownReport {
    int error = 0;
    std::string caption;  // " Prayer Schedule for <place>" or " Moon Information for <place>"
    std::string dayText;  // empty for a month or a year
    std::string detail;   // with 502: the report file and why no program showed it (UTF-8)
};

// The output step for the report text of kind, for the period in config.alertFlags.
// A month or year is written to kReportFileName beside Kelmo.cfg (500, 501), then the
// program of reportViewerProgram(config.editor) is started on it; when that cannot be found
// kDesktopOpener is started instead (502 with its detail when neither starts). The report
// file stays on disk whatever happens.
ShownReport showReport(const std::string& text, int kind, const Config& config,
                       const Location& location, ReportServices& services);

}  // namespace kelmo
