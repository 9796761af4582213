#include "platform/report_services.h"

#include "platform/start_detached.h"
#include "platform/terminal_program.h"

namespace kelmo::platform {

ProgramStart SystemReportServices::startProgram(const std::string& program,
                                                const std::vector<std::string>& args) {
    if (findProgram(program).empty()) return ProgramStart::notFound;
    if (!runsInTerminal(program)) return startDetached(program, args);
    if (findProgram(kTerminalEmulator).empty()) return ProgramStart::terminalOnly;
    std::vector<std::string> inTerminal = {"-e", program};
    inTerminal.insert(inTerminal.end(), args.begin(), args.end());
    return startDetached(kTerminalEmulator, inTerminal);
}

}  // namespace kelmo::platform
