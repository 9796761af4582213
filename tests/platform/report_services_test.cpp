#include "platform/report_services.h"
#include "platform/terminal_program.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/reports/report_header.h"
#include "support/fresh_directory.h"
#include "support/scoped_env.h"

namespace kelmo::platform {
namespace {

namespace fs = std::filesystem;

// With an empty PATH neither the configured editor nor the desktop opener can be found:
// the report file is still written, in UTF-8, and the outcome is 502.
TEST(SystemReportServices, NoEditorAndNoOpenerStillWritesTheFile) {
    const fs::path previous = fs::current_path();
    const fs::path dir =
        fs::temp_directory_path() / ("kelmo_services_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::current_path(dir);
    const char* oldPath = std::getenv("PATH");
    const std::string savedPath = oldPath ? oldPath : "";
    ::setenv("PATH", "", 1);

    Config config;  // editor "notepad.exe"
    config.alertFlags = 2 << alert::kPeriodShift;
    Location location;
    location.name = "London,Uk";
    SystemReportServices services;
    const ShownReport shown = showReport(
        "Latitude 51\u00B0"
        "30'00\" N\n",
        kPrayerReportOutput, config, location, services);

    ::setenv("PATH", savedPath.c_str(), 1);
    std::ifstream in(kReportFileName, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    fs::current_path(previous);
    fs::remove_all(dir);

    EXPECT_EQ(shown.error, kErrorViewOutput);
    EXPECT_EQ(content.str(),
              "Latitude 51\xC2\xB0"
              "30'00\" N\n");
}

class TerminalEditor : public test::InFreshDirectory {
  protected:
    // An executable shell script bin/name that writes its arguments into name.args.
    void script(const std::string& name) {
        const fs::path file = dir_ / "bin" / name;
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "#!/bin/sh\nPATH=/usr/bin:/bin\necho \"$@\" > \""
                            << (dir_ / name).string() << ".args.tmp\"; mv \""
                            << (dir_ / name).string() << ".args.tmp\" \"" << (dir_ / name).string()
                            << ".args\"\n";
        fs::permissions(file, fs::perms::owner_all);
    }
    std::string arguments(const std::string& name) {
        const fs::path file = dir_ / (name + ".args");
        for (int i = 0; i < 100 && !fs::exists(file); ++i) ::usleep(50000);
        std::ifstream in(file);
        std::string line;
        std::getline(in, line);
        return line;
    }
};

// vim and nano say "Terminal=true" in their desktop entries: started by the desktop program
// without a terminal they would show nothing, so they run in the terminal emulator.
TEST_F(TerminalEditor, RunsInTheTerminalEmulatorOrIsRefused) {
    script("myvi");
    fs::create_directories(dir_ / "share/applications");
    std::ofstream(dir_ / "share/applications/myvi.desktop")
        << "[Desktop Entry]\nName=myvi\nTerminal=true\n[Desktop Action x]\nTerminal=false\n";
    const test::ScopedEnv path("PATH", (dir_ / "bin").string());
    const test::ScopedEnv home("XDG_DATA_HOME", (dir_ / "share").string());
    const test::ScopedEnv dirs("XDG_DATA_DIRS", (dir_ / "none").string());
    SystemReportServices services;
    EXPECT_EQ(services.startProgram("myvi", {"Kelmo.out"}), ProgramStart::terminalOnly);
    script(kTerminalEmulator);
    EXPECT_EQ(services.startProgram("myvi", {"Kelmo.out"}), ProgramStart::started);
    EXPECT_EQ(arguments(kTerminalEmulator), "-e myvi Kelmo.out");
    // A program whose entry does not ask for a terminal is started itself.
    std::ofstream(dir_ / "share/applications/myvi.desktop") << "[Desktop Entry]\nTerminal=false\n";
    EXPECT_EQ(services.startProgram("myvi", {"Kelmo.out"}), ProgramStart::started);
    EXPECT_EQ(arguments("myvi"), "Kelmo.out");
}

}  // namespace
}  // namespace kelmo::platform
