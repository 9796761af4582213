#include "files/settings/program_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/fresh_directory.h"

namespace kelmo {
namespace {

namespace fs = std::filesystem;

class SettingsFolder : public test::InFreshDirectory {
  protected:
    void SetUp() override {
        InFreshDirectory::SetUp();
        fs::create_directories("bin");
    }
    void TearDown() override {
        setUserConfigDir("");
        setProgramDir("", "");
        InFreshDirectory::TearDown();
    }
    // An absolute folder below the fresh directory, ending in a separator.
    static std::string dir(const std::string& name) {
        return (fs::current_path() / name).string() + "/";
    }
};

TEST(ProgramPath, QuotedPathWithBlankAndArgumentsWithBackslash) {
    // The quote is skipped, the cut at the arguments keeps their backslash out.
    const std::string line = R"("C:\Program Files\Kelmo\Kelmo.exe" /e C:\tools\ed.exe)";
    const std::size_t length = setProgramDir(line, R"(/e C:\tools\ed.exe)");
    EXPECT_EQ(programPath("Kelmo.cfg"), R"(C:\Program Files\Kelmo\Kelmo.cfg)");
    EXPECT_EQ(length, std::string(R"(C:\Program Files\Kelmo\)").size());
}

TEST(ProgramPath, SlashesCountAsSeparators) {
    setProgramDir("/opt/kelmo/bin/Kelmo /t 0", "/t 0");
    EXPECT_EQ(programPath("Kelmo.cfg"), "/opt/kelmo/bin/Kelmo.cfg");
    EXPECT_EQ(configFilePath(), "/opt/kelmo/bin/Kelmo.cfg");
}

TEST(ProgramPath, NoSeparatorBeforeTheArgumentsMeansCurrentDirectory) {
    EXPECT_EQ(setProgramDir("Kelmo.exe /e c:\\x\\ed.exe", "/e c:\\x\\ed.exe"), 0u);
    EXPECT_EQ(programPath("Kelmo.cfg"), "Kelmo.cfg");
    EXPECT_EQ(setProgramDir("Kelmo", ""), 0u);
    EXPECT_EQ(programPath("Kelmo.cfg"), "Kelmo.cfg");
    EXPECT_EQ(setProgramDir("\"", ""), 0u);  // a lone quote: nothing to skip into
}

TEST(ProgramPath, LongCommandLinesAreHandledWhole) {
    const std::string dir = "/" + std::string(5000, 'd') + "/";
    EXPECT_EQ(setProgramDir(dir + "Kelmo", ""), dir.size());
    EXPECT_EQ(programPath("Kelmo.cfg"), dir + "Kelmo.cfg");
    setProgramDir("", "");
}

// The settings live in the user's folder unless a Kelmo.cfg lies beside the executable.
TEST_F(SettingsFolder, BesideTheProgramWinsWhenItExistsElseTheUserFolder) {
    setProgramDir(dir("bin") + "Kelmo", "");
    setUserConfigDir(dir("config/KelmoTimes"));
    EXPECT_EQ(configFilePath(), dir("config/KelmoTimes") + "Kelmo.cfg");
    EXPECT_EQ(settingsPath("Kelmo.out"), dir("config/KelmoTimes") + "Kelmo.out");
    EXPECT_FALSE(fs::exists(dir("config")));  // made only when the settings are first saved
    ASSERT_TRUE(makeSettingsFolder());
    EXPECT_TRUE(fs::is_directory(dir("config/KelmoTimes")));
    std::ofstream(dir("bin") + "Kelmo.cfg") << "portable";
    EXPECT_EQ(configFilePath(), dir("bin") + "Kelmo.cfg");
    EXPECT_EQ(settingsPath("Kelmo.out"), dir("bin") + "Kelmo.out");
    // Without a user folder everything stays beside the program, as before.
    fs::remove(dir("bin") + "Kelmo.cfg");
    setUserConfigDir("");
    EXPECT_EQ(configFilePath(), dir("bin") + "Kelmo.cfg");
}

TEST_F(SettingsFolder, FolderThatCannotBeMadeIsReported) {
    std::ofstream("plain-file") << "x";
    setProgramDir(dir("bin") + "Kelmo", "");
    setUserConfigDir(fs::absolute("plain-file").string() + "/KelmoTimes/");
    EXPECT_FALSE(makeSettingsFolder());
}

TEST(ReplaceChar, ReplacesEveryOccurrence) {
    std::string text = "New;York,NY;;USA";
    replaceChar(text, ';', ' ');
    EXPECT_EQ(text, "New York,NY  USA");
}

}  // namespace
}  // namespace kelmo
