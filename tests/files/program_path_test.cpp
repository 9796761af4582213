#include "files/program_path.h"

#include <gtest/gtest.h>

namespace kelmo {
namespace {

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

TEST(ReplaceChar, ReplacesEveryOccurrence) {
    std::string text = "New;York,NY;;USA";
    replaceChar(text, ';', ' ');
    EXPECT_EQ(text, "New York,NY  USA");
}

}  // namespace
}  // namespace kelmo
