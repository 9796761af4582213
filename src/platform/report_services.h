// The operating-system services of the report output step: the report file in UTF-8 and
// programs started without waiting; a program that runs only in a terminal is started in the
// terminal emulator (platform/terminal_program.h).
#pragma once

#include "files/reports/show_report.h"

namespace kelmo::platform {

class SystemReportServices final : public ReportServices {
  public:
    ProgramStart startProgram(const std::string& program,
                              const std::vector<std::string>& args) override;
};

}  // namespace kelmo::platform
