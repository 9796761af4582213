#include "files/reports/show_report.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "calendar/utf8_text.h"
#include "files/reports/append_format.h"
#include "files/reports/report_header.h"
#include "files/reports/report_words.h"
#include "files/settings/file_replace.h"
#include "files/settings/program_path.h"
#include "prayer/school_of_law.h"

namespace kelmo {

namespace {

constexpr std::size_t kRemovedFromSeparator = 20;  // 80 "=" become 60 in the message box
constexpr std::size_t kShortName = 7;
constexpr std::size_t kNameWidth = 9;
constexpr std::size_t kWideNameWidth = 12;  // names starting with "A" or "F" (Asr, Fajr)

// Writes bytes straight into a file that is not a regular one (a device, a pipe).
int writeInPlace(const std::string& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return kErrorOpenOutput;
    const bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    return written && closed ? 0 : kErrorWriteOutput;
}

bool isSeparatorEnd(const std::string& text, std::size_t end) {
    if (end < kSeparatorWidth) return false;
    for (std::size_t i = end - kSeparatorWidth; i < end; ++i) {
        if (text[i] != '=') return false;
    }
    return true;
}

// Scanning backwards, each run of "==" that ends an 80-character separator loses the
// separator's first 20 characters.
void shortenSeparators(std::string& text) {
    std::size_t end = text.size();
    while (end >= 2) {
        if (text[end - 1] == '=' && text[end - 2] == '=' && isSeparatorEnd(text, end)) {
            text.erase(end - kSeparatorWidth, kRemovedFromSeparator);
            end -= kSeparatorWidth;
        } else {
            --end;
        }
    }
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// The cells of a one-day row: width cells each (9 in English), trailing blanks dropped. (With
// seconds shown a day mark fills the cell, so the next cell follows without a blank between.)
std::vector<std::string> rowCells(std::string_view row, std::size_t width) {
    std::vector<std::string> result;
    row = row.substr(0, row.find('\n'));
    while (!row.empty()) {
        std::string_view c = firstCells(row, width);
        if (c.empty()) c = firstCharacters(row, 1);  // a character wider than a cell
        row.remove_prefix(c.size());
        while (!c.empty() && isBlank(c.back())) c.remove_suffix(1);
        result.emplace_back(c);
    }
    return result;
}

// Start of the line that ends just before position end (end = start of the following line).
std::size_t lineStart(const std::string& text, std::size_t end) {
    if (end < 2) return 0;
    const std::size_t newline = text.rfind('\n', end - 2);
    return newline == std::string::npos ? 0 : newline + 1;
}

// A column's name on its line of the message box: in English short names are padded for the
// proportional font of the box (the widths its text always had), in another language every
// name to the widest.
std::string paddedName(std::string name, const ReportLayout& layout) {
    if (layout.dayName != 0) {
        std::string padded;
        appendPadded(padded, name, layout.dayName);
        return padded;
    }
    if (name.size() < kShortName) {
        const bool wide = name.front() == 'A' || name.front() == 'F';
        name.resize(wide ? kWideNameWidth : kNameWidth, ' ');
    }
    return name;
}

// Replaces the column line, separator and row at the end of a one-day prayer schedule by
// the separator and one line per column.
void transposeLastRow(std::string& text, const Config& config) {
    if (text.empty() || text.back() != '\n') return;
    const std::size_t rowStart = lineStart(text, text.size());
    const std::size_t separatorStart = lineStart(text, rowStart);
    const std::size_t columnStart = lineStart(text, separatorStart);
    if (columnStart == 0) return;  // no title line before the columns
    const std::string separator = text.substr(separatorStart, rowStart - separatorStart - 1);
    const Words& w = reportWords(config);
    const ReportLayout layout = reportLayout(w);
    std::vector<std::string> columns;
    for (const PrayerSlot slot : shownSlots(config.fiqh)) columns.push_back(columnName(w, slot));
    const std::vector<std::string> cells =
        rowCells(std::string_view(text).substr(rowStart), layout.cell);

    text.resize(columnStart - 1);  // cut after the title, before its line end
    text += "\n" + separator + "\n";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        // (appended piece by piece: GCC 12 warns falsely on a sum of texts here)
        text += "\t\t";
        text += paddedName(columns[i], layout);
        text += " \t\t";
        if (i < cells.size()) text += cells[i];
        text += '\n';
    }
}

// Why program did not show the report.
std::string startFailure(const std::string& program, ProgramStart start) {
    switch (start) {
        case ProgramStart::notFound:
            return program == kDesktopOpener
                       ? program +
                             ", the desktop's opener of files (package xdg-utils), was not found"
                       : program + " was not found";
        case ProgramStart::terminalOnly:
            return program + " runs only in a terminal, and no terminal emulator was found";
        default:
            return program + " could not be started";
    }
}

}  // namespace

int writeReportFile(const std::string& path, std::string_view bytes) {
    if (!linkMayBeFollowed(path)) return kErrorOpenOutput;  // as open would refuse it
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        return writeInPlace(path, bytes);  // a device or a pipe: nothing to replace
    }
    switch (replaceFileContents(path, bytes)) {
        case ReplaceResult::kDone:
            return 0;
        case ReplaceResult::kCannotCreate:
        case ReplaceResult::kUnsafeLink:
            return kErrorOpenOutput;
        default:
            return kErrorWriteOutput;
    }
}

std::string dayReportText(std::string text, int kind, const Config& config) {
    shortenSeparators(text);
    if (kind == kPrayerReportOutput) transposeLastRow(text, config);
    return text;
}

ShownReport showReport(const std::string& text, int kind, const Config& config,
                       const Location& location, ReportServices& services) {
    ShownReport shown;
    if (reportPeriod(config) == ReportPeriod::day) {
        const Phrase title =
            kind == kPrayerReportOutput ? Phrase::prayerCaption : Phrase::moonTitle;
        std::string caption(1, ' ');
        appendFormat(caption, reportWords(config).phrase(title), location.name.c_str());
        shown.caption = std::move(caption);
        shown.dayText = dayReportText(text, kind, config);
        return shown;
    }
    const std::string reportFile = settingsPath(kReportFileName);
    shown.error = writeReportFile(reportFile, text);
    if (shown.error != 0) return shown;
    const std::vector<std::string> args = {reportFile};
    const std::string viewer = reportViewerProgram(config.editor);
    ProgramStart start = services.startProgram(viewer, args);
    if (start == ProgramStart::started) return shown;
    std::string why = startFailure(viewer, start);
    if (start == ProgramStart::notFound && viewer != kDesktopOpener) {
        start = services.startProgram(kDesktopOpener, args);
        if (start == ProgramStart::started) return shown;
        why += ", and " + startFailure(kDesktopOpener, start);
    }
    shown.error = kErrorViewOutput;
    shown.detail = reportFile + "\n" + why + ".";
    return shown;
}

}  // namespace kelmo
