#include "platform/report_services.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/report_header.h"

namespace kelmo::platform {
namespace {

namespace fs = std::filesystem;

TEST(SystemReportServices, ReportFileIsUtf8) {
    SystemReportServices services;
    EXPECT_EQ(services.fileText("26\xB0"
                                "14'"),
              "26\xC2\xB0"
              "14'");
}

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
        "Latitude 51\xB0"
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

}  // namespace
}  // namespace kelmo::platform
