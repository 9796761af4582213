#include "platform/program_starter.h"

#include "platform/start_detached.h"

namespace kelmo::platform {

bool DetachedProgramStarter::start(const std::string& program,
                                   const std::vector<std::string>& arguments) {
    return startDetached(program, arguments) == ProgramStart::started;
}

}  // namespace kelmo::platform
