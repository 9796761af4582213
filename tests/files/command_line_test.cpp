#include "files/settings/command_line.h"

#include <gtest/gtest.h>

#include "files/config_fixture.h"
#include "files/settings/config_file.h"

namespace kelmo {
namespace {

using test::RecordingPrompt;

TEST(IsNumber, DigitsWithAnOptionalLeadingSign) {
    EXPECT_TRUE(isNumber("0"));
    EXPECT_TRUE(isNumber("-5"));
    EXPECT_TRUE(isNumber("+12"));
    EXPECT_TRUE(isNumber("-"));  // a sign alone counts (and converts to 0)
    EXPECT_TRUE(isNumber("+"));
    EXPECT_FALSE(isNumber("5x"));
    EXPECT_FALSE(isNumber("1-"));
    EXPECT_FALSE(isNumber("--1"));
    EXPECT_FALSE(isNumber("1.5"));
}

TEST(ReadCommandLine, TimerOptionIsNeitherEchoedNorCounted) {
    Config config;
    config.timerMode = 1;
    RecordingPrompt prompt;
    EXPECT_EQ(readCommandLine("/t 0", config, prompt), "");
    EXPECT_EQ(config.timerMode, 1);
    EXPECT_EQ(config.alertFlags, 0);
    EXPECT_TRUE(prompt.messages.empty());
    readCommandLine("/T 3", config, prompt);
    EXPECT_EQ(config.alertFlags, 3);
    readCommandLine("", config, prompt);
    EXPECT_EQ(config.timerMode, 0);
}

TEST(ReadCommandLine, EchoLinesAndCount) {
    Config config;
    RecordingPrompt prompt;
    const std::string echo = readCommandLine("/f 5 /n 60", config, prompt);
    EXPECT_EQ(echo,
              "New value (5) for Max-Acceptable-Error is received\n"
              "New value (60) for nMinutes rule is received\n"
              "Number of entered and accepted values is 2 \n");
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], echo);
    EXPECT_EQ(config.maxAcceptableError, 5);
    EXPECT_EQ(config.nMinutes, 60);
}

TEST(ReadCommandLine, LetterCaseOfTheOptions) {
    Config config;
    RecordingPrompt prompt;
    readCommandLine("/F 5 /P 900 /R 2 /D 30", config, prompt);
    EXPECT_EQ(config.maxAcceptableError, 1);  // "/f" is compared with case
    EXPECT_EQ(config.pressure, 1010);         // so is "/p"
    EXPECT_EQ(config.refraction, 2);
    EXPECT_EQ(config.temperature, 30);
    readCommandLine("/p 900", config, prompt);
    EXPECT_EQ(config.pressure, 900);
}

TEST(ReadCommandLine, ValuesThatFailAreSkippedLikeUnknownOptions) {
    Config config;
    RecordingPrompt prompt;
    EXPECT_EQ(readCommandLine("/d -5 /d 5x /x 7 /n 99999999999 /r 2147483647", config, prompt),
              "New value (-5) for Temperture is received\n"
              "New value (255) for Refraction is received\n"
              "Number of entered and accepted values is 2 \n");
    EXPECT_EQ(config.temperature, -5);
    EXPECT_EQ(config.nMinutes, 90);
    EXPECT_EQ(config.refraction, 255);
}

TEST(ReadCommandLine, StoredSettingsAreBroughtIntoTheRangeOfTheFile) {
    // "/n 200" followed by the Configuration dialog's OK once wrote a file its reader refused.
    Config config;
    RecordingPrompt prompt;
    EXPECT_EQ(readCommandLine("/n 200 /f 300 /r -1", config, prompt),
              "New value (120) for nMinutes rule is received\n"
              "New value (255) for Max-Acceptable-Error is received\n"
              "New value (0) for Refraction is received\n"
              "Number of entered and accepted values is 3 \n");
    EXPECT_EQ(config.nMinutes, 120);
    readCommandLine("/n -5 /p -7 /d 9999", config, prompt);
    EXPECT_EQ(config.nMinutes, 0);
    EXPECT_EQ(config.pressure, -7);  // never stored: taken as given
    EXPECT_EQ(config.temperature, 9999);
    std::string line;
    EXPECT_EQ(configTextWithSettings(test::kSmallFile, config, line), 0);
}

TEST(ReadCommandLine, EditorNameAndReadingStopsAtAnOddWord) {
    Config config;
    RecordingPrompt prompt;
    EXPECT_EQ(readCommandLine("  /e  kate\t/n 10 /f", config, prompt),
              "New value (kate) for Editor is received\n"
              "New value (10) for nMinutes rule is received\n"
              "Number of entered and accepted values is 2 \n");
    EXPECT_EQ(config.editor, "kate");
    readCommandLine("/e " + std::string(500, 'e'), config, prompt);
    EXPECT_EQ(config.editor, std::string(Config::kTextLength, 'e'));
}

TEST(ReadCommandLine, SignsAloneConvertToZero) {
    Config config;
    RecordingPrompt prompt;
    readCommandLine("/d - /n +", config, prompt);
    EXPECT_EQ(config.temperature, 0);
    EXPECT_EQ(config.nMinutes, 0);
}

}  // namespace
}  // namespace kelmo
