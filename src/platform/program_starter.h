// Starting another program without waiting for it, behind an interface so that the windows
// can be tested without starting anything.
#pragma once

#include <string>
#include <vector>

namespace kelmo::platform {

class ProgramStarter {
  public:
    virtual ~ProgramStarter() = default;
    // Starts program (a path, or a name looked up along PATH) with the arguments and returns
    // at once; false when it could not be started.
    virtual bool start(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

// Starts programs with startDetached.
class DetachedProgramStarter final : public ProgramStarter {
  public:
    bool start(const std::string& program, const std::vector<std::string>& arguments) override;
};

}  // namespace kelmo::platform
