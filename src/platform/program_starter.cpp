#include "platform/program_starter.h"

#include "platform/start_detached.h"

namespace kelmo::platform {

bool DetachedProgramStarter::start(const std::string& program,
                                   const std::vector<std::string>& arguments) {
    std::vector<std::string> args{program};
    args.insert(args.end(), arguments.begin(), arguments.end());
    return startDetached(program, args) == ProgramStart::started;
}

}  // namespace kelmo::platform
