#include "files/reports/show_report.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/reports/report_header.h"
#include "files/settings/program_path.h"
#include "support/fresh_directory.h"

namespace kelmo {
namespace {

namespace fs = std::filesystem;

const std::string kSeparator80 = std::string(80, '=') + "\n";
const std::string kSeparator60 = std::string(60, '=') + "\n";

// Records the programs it is asked to start; the named ones "exist".
class FakeServices final : public ReportServices {
  public:
    std::vector<std::string> installed;
    std::vector<std::string> terminalOnly;  // installed programs that need a terminal
    bool startFails = false;
    std::vector<std::pair<std::string, std::vector<std::string>>> started;

    ProgramStart startProgram(const std::string& program,
                              const std::vector<std::string>& args) override {
        started.emplace_back(program, args);
        if (std::find(installed.begin(), installed.end(), program) == installed.end()) {
            return ProgramStart::notFound;
        }
        if (std::find(terminalOnly.begin(), terminalOnly.end(), program) != terminalOnly.end())
            return ProgramStart::terminalOnly;
        return startFails ? ProgramStart::failed : ProgramStart::started;
    }
};

// Runs each test in a fresh directory, since the report file goes to the current one.
class InTempDir : public test::InFreshDirectory {
  protected:
    static std::string readFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

Config monthConfig() {
    Config c;
    c.alertFlags = 1 << alert::kPeriodShift;
    c.editor = "myeditor";
    return c;
}

Location place() {
    Location l;
    l.name = "Manama,Bahrain";
    return l;
}

// The settings of dayPrayerText: Shafi'i.
Config shafii() {
    Config c;
    c.fiqh = 1;
    return c;
}

// A one-day prayer schedule as the report builds it (Shafi'i, minutes).
std::string dayPrayerText() {
    return "\n\t\tKelmo Times\t  Version 2.8, July, 2008\n" + kSeparator80 +
           " Location:   \tManama,Bahrain,\n" + kSeparator80 +
           "Prayer schedule for Monday,   7/December/2026,  16/Jumada II/1448\n"
           "Imsak    Fajr     Shuruq   Duhr     Asr      Maghrib  Isha'a\n" +
           kSeparator80 + "04:38    04:53    06:18    11:39    14:37    17:00    18:19>   \n";
}

TEST(DayReportText, PrayerScheduleBecomesOneLinePerPrayer) {
    const std::string expected =
        "\n\t\tKelmo Times\t  Version 2.8, July, 2008\n" + kSeparator60 +
        " Location:   \tManama,Bahrain,\n" + kSeparator60 +
        "Prayer schedule for Monday,   7/December/2026,  16/Jumada II/1448\n" + kSeparator60 +
        "\t\tImsak     \t\t04:38\n"
        "\t\tFajr         \t\t04:53\n"
        "\t\tShuruq    \t\t06:18\n"
        "\t\tDuhr      \t\t11:39\n"
        "\t\tAsr          \t\t14:37\n"
        "\t\tMaghrib \t\t17:00\n"
        "\t\tIsha'a    \t\t18:19>\n";
    EXPECT_EQ(dayReportText(dayPrayerText(), kPrayerReportOutput, shafii()), expected);
}

TEST(DayReportText, JafariSecondsAndMarkers) {
    const std::string text =
        "Prayer schedule for Monday,   7/December/2026,  \n"
        "Imsak    Fajr     Shuruq   Duhr     Maghrib\n" +
        kSeparator80 + "AlwBelow 04:53:10<NotValid 11:39:00 17:00:00 \n";
    EXPECT_EQ(dayReportText(text, kPrayerReportOutput, Config{}),
              "Prayer schedule for Monday,   7/December/2026,  \n" + kSeparator60 +
                  "\t\tImsak     \t\tAlwBelow\n"
                  "\t\tFajr         \t\t04:53:10<\n"
                  "\t\tShuruq    \t\tNotValid\n"
                  "\t\tDuhr      \t\t11:39:00\n"
                  "\t\tMaghrib \t\t17:00:00\n");
}

TEST(DayReportText, MoonReportKeepsItsRowsAndShortensEverySeparator) {
    const std::string text = "\n" + kSeparator80 + "\tMoonRise   \tMoonTransit\tMoonSet    \n" +
                             kSeparator80 + "\t05:13       \t11:00       \t17:20       \t\n\n" +
                             " Next Topocentric New Moon\n" + kSeparator80 + "x ==y\n";
    const std::string expected = "\n" + kSeparator60 + "\tMoonRise   \tMoonTransit\tMoonSet    \n" +
                                 kSeparator60 + "\t05:13       \t11:00       \t17:20       \t\n\n" +
                                 " Next Topocentric New Moon\n" + kSeparator60 + "x ==y\n";
    EXPECT_EQ(dayReportText(text, kMoonReportOutput, Config{}), expected);
}

TEST_F(InTempDir, OneDayIsReturnedForTheMessageBoxAndNoFileIsWritten) {
    FakeServices services;
    const Config c = shafii();
    ShownReport shown = showReport(dayPrayerText(), kPrayerReportOutput, c, place(), services);
    EXPECT_EQ(shown.error, 0);
    EXPECT_EQ(shown.caption, " Prayer Schedule for Manama,Bahrain");
    EXPECT_EQ(shown.dayText, dayReportText(dayPrayerText(), kPrayerReportOutput, c));
    shown = showReport("\n" + kSeparator80, kMoonReportOutput, c, place(), services);
    EXPECT_EQ(shown.caption, " Moon Information for Manama,Bahrain");
    EXPECT_EQ(shown.dayText, "\n" + kSeparator60);
    EXPECT_FALSE(fs::exists(kReportFileName));
    EXPECT_TRUE(services.started.empty());
}

TEST_F(InTempDir, MonthIsWrittenAsItIsAndOpenedInTheEditor) {
    FakeServices services;
    services.installed = {"myeditor", kDesktopOpener};
    const ShownReport shown =
        showReport("report\u00B0", kPrayerReportOutput, monthConfig(), place(), services);
    EXPECT_EQ(shown.error, 0);
    EXPECT_TRUE(shown.dayText.empty());
    EXPECT_EQ(readFile(kReportFileName), "report\u00B0");
    ASSERT_EQ(services.started.size(), 1u);
    EXPECT_EQ(services.started[0].first, "myeditor");
    EXPECT_EQ(services.started[0].second, std::vector<std::string>{"Kelmo.out"});
}

// The report file lies beside Kelmo.cfg: in the user's folder of the settings when the
// program has no Kelmo.cfg beside it.
TEST_F(InTempDir, ReportGoesBesideKelmoCfgInTheUsersFolder) {
    fs::create_directories("config/KelmoTimes");
    const std::string folder = (fs::current_path() / "config/KelmoTimes").string() + "/";
    setProgramDir((fs::current_path() / "bin/Kelmo").string(), "");
    setUserConfigDir(folder);
    FakeServices services;
    services.installed = {"myeditor"};
    const ShownReport shown =
        showReport("month", kPrayerReportOutput, monthConfig(), place(), services);
    setUserConfigDir("");
    setProgramDir("", "");
    EXPECT_EQ(shown.error, 0);
    EXPECT_EQ(readFile(folder + kReportFileName), "month");
    EXPECT_FALSE(fs::exists(kReportFileName));
    ASSERT_EQ(services.started.size(), 1u);
    EXPECT_EQ(services.started[0].second, std::vector<std::string>{folder + kReportFileName});
}

TEST_F(InTempDir, EditorNotFoundFallsBackToTheDesktopOpener) {
    FakeServices services;
    services.installed = {kDesktopOpener};
    Config c = monthConfig();
    c.alertFlags = 2 << alert::kPeriodShift;  // a year
    EXPECT_EQ(showReport("year", kMoonReportOutput, c, place(), services).error, 0);
    ASSERT_EQ(services.started.size(), 2u);
    EXPECT_EQ(services.started[1].first, kDesktopOpener);
    EXPECT_EQ(services.started[1].second, std::vector<std::string>{"Kelmo.out"});
}

// The Windows default of Kelmo.cfg, like an empty name, means the desktop's own opener.
TEST_F(InTempDir, NotepadOfAWindowsKelmoCfgMeansTheDesktopOpener) {
    for (const char* editor : {"notepad.exe", "NotePad.EXE", "", kDesktopOpener}) {
        FakeServices services;
        services.installed = {"notepad.exe", kDesktopOpener};
        Config c = monthConfig();
        c.editor = editor;
        EXPECT_EQ(showReport("month", kPrayerReportOutput, c, place(), services).error, 0);
        ASSERT_EQ(services.started.size(), 1u) << editor;
        EXPECT_EQ(services.started[0].first, kDesktopOpener);
    }
    EXPECT_FALSE(isDesktopDefaultViewer("notepad"));
    EXPECT_EQ(reportViewerProgram("gedit"), "gedit");
}

// The box names the report file and why nothing showed it.
TEST_F(InTempDir, NothingStartsGives502NamingTheFileAndWhy) {
    FakeServices services;
    const ShownReport shown =
        showReport("month", kPrayerReportOutput, monthConfig(), place(), services);
    EXPECT_EQ(shown.error, kErrorViewOutput);
    EXPECT_EQ(shown.detail,
              "Kelmo.out\nmyeditor was not found, and xdg-open, the desktop's "
              "opener of files (package xdg-utils), was not found.");
    EXPECT_EQ(readFile(kReportFileName), "month");
    // A terminal program is not replaced by the opener: the user chose it.
    services.installed = {"myeditor", kDesktopOpener};
    services.terminalOnly = {"myeditor"};
    services.started.clear();
    const ShownReport terminal =
        showReport("month", kPrayerReportOutput, monthConfig(), place(), services);
    EXPECT_EQ(terminal.error, kErrorViewOutput);
    EXPECT_EQ(terminal.detail,
              "Kelmo.out\nmyeditor runs only in a terminal, and no terminal emulator was found.");
    EXPECT_EQ(services.started.size(), 1u);
    services.terminalOnly.clear();
    // An editor that is found but fails to start is not replaced by the opener.
    services.installed = {"myeditor", kDesktopOpener};
    services.startFails = true;
    services.started.clear();
    EXPECT_EQ(showReport("month", kPrayerReportOutput, monthConfig(), place(), services).error,
              kErrorViewOutput);
    EXPECT_EQ(services.started.size(), 1u);
}

TEST_F(InTempDir, ReportFileThatCannotBeOpenedGives500) {
    fs::create_directory(kReportFileName);  // a directory cannot be opened as a file
    FakeServices services;
    services.installed = {"myeditor"};
    EXPECT_EQ(showReport("month", kPrayerReportOutput, monthConfig(), place(), services).error,
              kErrorOpenOutput);
    EXPECT_TRUE(services.started.empty());
}

TEST_F(InTempDir, ReportFileThatCannotBeWrittenGives501) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    fs::create_symlink("/dev/full", kReportFileName);  // every write fails: no space
    FakeServices services;
    services.installed = {"myeditor"};
    EXPECT_EQ(showReport("month", kPrayerReportOutput, monthConfig(), place(), services).error,
              kErrorWriteOutput);
    EXPECT_TRUE(services.started.empty());
    EXPECT_EQ(writeReportFile("plain.out", "abc"), 0);
    EXPECT_EQ(readFile("plain.out"), "abc");
}

}  // namespace
}  // namespace kelmo
