#include "files/reports/report_viewer.h"

#include "files/settings/field_scanner.h"

namespace kelmo {

namespace {

constexpr std::string_view kWindowsDefaultEditor = "notepad.exe";

}  // namespace

bool isDesktopDefaultViewer(std::string_view editor) {
    return editor.empty() || editor == kDesktopOpener ||
           equalsIgnoringCase(editor, kWindowsDefaultEditor);
}

std::string reportViewerProgram(const std::string& editor) {
    return isDesktopDefaultViewer(editor) ? kDesktopOpener : editor;
}

}  // namespace kelmo
