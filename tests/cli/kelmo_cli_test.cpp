// The kelmo-cli contract, checked on the built program: exit statuses, the JSON records and
// the options shared by the commands.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

namespace {

struct CliRun {
    int status = -1;
    std::string out;  // standard output
};

// Runs kelmo-cli with args (shell words) and an empty configuration path, so the built-in
// configuration is used whatever lies beside the program; stderr is discarded.
CliRun cli(const std::string& args) {
    const std::string command =
        std::string(KELMO_CLI_PATH) + " " + args + " --config /nonexistent/Kelmo.cfg 2>/dev/null";
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

nlohmann::json firstLine(const std::string& text) {
    return nlohmann::json::parse(text.substr(0, text.find('\n')));
}

TEST(KelmoCli, BadValuesAreUsageErrors) {
    EXPECT_EQ(cli("times --lat 91 --lon 0").status, 2);
    EXPECT_EQ(cli("times --lat 10").status, 2);  // --lat needs --lon
    EXPECT_EQ(cli("times --date 2026-02-30").status, 2);
    EXPECT_EQ(cli("times --date yesterday").status, 2);
    EXPECT_EQ(cli("times --fiqh 5").status, 2);
    EXPECT_EQ(cli("times --imsak -10 --fajr -13.5").status, 2);  // Imsak above Fajr
    EXPECT_EQ(cli("hijri --hijri-date 1447-00-01").status, 2);
    EXPECT_EQ(cli("times --location Atlantis").status, 2);
    EXPECT_EQ(cli("nosuchcommand").status, 2);
}

TEST(KelmoCli, TimesJsonRecordsOneDayPerLine) {
    const CliRun run = cli("times --date 2026-03-20 --days 3 --fiqh 1 --format json");
    ASSERT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    std::string line;
    int days = 0;
    while (std::getline(lines, line)) {
        const auto day = nlohmann::json::parse(line);
        for (const char* key : {"date", "imsak", "fajr", "shuruq", "noon", "duhr", "asr1", "asr2",
                                "maghrib", "isha"}) {
            EXPECT_TRUE(day.contains(key)) << key;
        }
        EXPECT_LT(day["fajr"].get<double>(), day["shuruq"].get<double>());
        EXPECT_LT(day["duhr"].get<double>(), day["maghrib"].get<double>());
        ++days;
    }
    EXPECT_EQ(days, 3);
    EXPECT_EQ(firstLine(run.out)["date"], "2026-03-20");
}

TEST(KelmoCli, SummerTimeAddsOneHourToJsonSeconds) {
    const std::string place = "times --lat 51.5 --lon 0 --tz 0 --fiqh 1 --format json";
    const auto winter = firstLine(cli(place + " --date 2026-06-21").out);
    const auto summer =
        firstLine(cli(place + " --date 2026-06-21 --dst-start 834 --dst-end 2626").out);
    EXPECT_NEAR(summer["duhr"].get<double>() - winter["duhr"].get<double>(), 3600.0, 1e-3);
}

TEST(KelmoCli, HijriDateSelectsTheCivilDayForEveryCommand) {
    const auto hijri = firstLine(cli("hijri --hijri-date 1447-09-01 --format json").out);
    const std::string civil = hijri["civil"];
    EXPECT_EQ(hijri["hijri"], "1447-09-01");
    const auto times = firstLine(cli("times --hijri-date 1447-09-01 --format json").out);
    EXPECT_EQ(times["date"], civil);
    const auto back = firstLine(cli("hijri --date " + civil + " --format json").out);
    EXPECT_EQ(back["hijri"], "1447-09-01");
}

TEST(KelmoCli, NewMoonAndQiblaRecords) {
    const CliRun moon = cli("newmoon --date 2026-12-01 --format json");
    ASSERT_EQ(moon.status, 0);
    const auto m = firstLine(moon.out);
    // Published: new moon of 2026 December 9, 00:52 UT (JD 2461383.536).
    EXPECT_NEAR(m["geocentric_jd_ut"].get<double>(), 2461383.536, 0.002);
    EXPECT_GT(m["sunset_jd_ut"].get<double>(), m["geocentric_jd_ut"].get<double>());
    EXPECT_TRUE(m.contains("month_start"));

    const CliRun qibla = cli("qibla --format json");  // the built-in home, Manama
    ASSERT_EQ(qibla.status, 0);
    const auto q = firstLine(qibla.out);
    EXPECT_NEAR(q["bearing_deg"].get<double>(), 246.30, 0.01);
    EXPECT_NEAR(q["distance_km"].get<double>(), 1217.95, 0.01);
}

TEST(KelmoCli, NextIsAPrayerOfTheDayItNames) {
    const CliRun run = cli("next --fiqh 1 --format json");
    ASSERT_EQ(run.status, 0);
    const auto next = firstLine(run.out);
    const std::map<std::string, std::string> key = {{"Fajr", "fajr"},
                                                    {"Duhr", "duhr"},
                                                    {"Asr", "asr1"},
                                                    {"Maghrib", "maghrib"},
                                                    {"Isha", "isha"}};
    const std::string prayer = next["prayer"];
    ASSERT_TRUE(key.count(prayer)) << prayer;
    const auto day = firstLine(
        cli("times --fiqh 1 --format json --date " + next["date"].get<std::string>()).out);
    const double seconds = day[key.at(prayer)].get<double>();
    const std::string shown = next["time"];
    const int minutes = std::stoi(shown.substr(0, 2)) * 60 + std::stoi(shown.substr(3, 2));
    // Shown as the Timer shows it: any seconds move the minute up.
    EXPECT_GE(minutes * 60.0, seconds);
    EXPECT_LT(minutes * 60.0 - seconds, 61.0);
    EXPECT_GT(next["left_seconds"].get<long>(), 0);
    EXPECT_LT(next["left_seconds"].get<long>(), 2 * 86400);
}

TEST(KelmoCli, LocationsByNameInAnyLetterCase) {
    const auto lower =
        firstLine(cli("times --location london,uk --date 2026-01-10 --format json").out);
    const auto upper =
        firstLine(cli("times --location LONDON,UK --date 2026-01-10 --format json").out);
    EXPECT_EQ(lower, upper);
    EXPECT_EQ(cli("locations").status, 0);
}

}  // namespace
