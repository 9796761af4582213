// libFuzzer target: any bytes as the argument part of the command line.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/settings/command_line.h"

namespace {

class SilentPrompt final : public kelmo::Prompt {
  public:
    bool askOkCancel(const std::string&) override { return false; }
    void showMessage(const std::string& text) override { shown = text; }
    std::string shown;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view arguments(reinterpret_cast<const char*>(data), size);
    kelmo::Config config;
    SilentPrompt prompt;
    const std::string echo = kelmo::readCommandLine(arguments, config, prompt);
    if (echo != prompt.shown) std::abort();
    if (config.editor.size() > kelmo::Config::kTextLength) std::abort();
    kelmo::isNumber(arguments);
    return 0;
}
