#include "platform/report_services.h"

#include "platform/encoding.h"
#include "platform/start_detached.h"

namespace kelmo::platform {

std::string SystemReportServices::fileText(std::string_view report) const {
    return utf8FromCp1252(report);
}

ProgramStart SystemReportServices::startProgram(const std::string& program,
                                                const std::vector<std::string>& args) {
    return startDetached(program, args);
}

}  // namespace kelmo::platform
