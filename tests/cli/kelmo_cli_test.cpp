// The kelmo-cli contract, checked on the built program: exit statuses, the JSON records and
// the options shared by the commands.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "files/settings/default_locations.h"

namespace {

struct CliRun {
    int status = -1;
    std::string out;  // standard output
    std::string err;  // standard error
};

std::string readAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// A scratch folder of this test program with the built-in configuration file, plus one place
// whose name is beyond ASCII (Windows-1252 in the file, as the desktop program stores it).
const std::filesystem::path& scratch() {
    static const std::filesystem::path folder = [] {
        const auto dir = std::filesystem::temp_directory_path() /
                         ("kelmo_cli_test_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        std::ofstream(dir / "Kelmo.cfg", std::ios::binary)
            << kelmo::defaultConfigText() << "K\xF6ln,Germany 0.88903 0.12148 0 1.0000 834 2626\n";
        return dir;
    }();
    return folder;
}

const std::string& configOption() {
    static const std::string option = " --config " + (scratch() / "Kelmo.cfg").string();
    return option;
}

// Runs a shell command: its standard output and exit status (-1 when it could not run or
// did not exit).
CliRun runCommand(const std::string& command) {
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

// Runs kelmo-cli with args (shell words, redirections allowed at the end) on the built-in
// configuration with the extra place, whatever lies beside the program.
CliRun cli(const std::string& args, const std::string& redirect = "") {
    const auto errFile = scratch() / "stderr.txt";
    const std::string command = std::string(KELMO_CLI_PATH) + " " + args + configOption() + " 2>" +
                                errFile.string() + " " + redirect;
    CliRun run = runCommand(command);
    run.err = readAll(errFile);
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

// methods lists every method with its figures and source; --method takes its figures (an
// angle given too makes it Custom) and every report's header names it: the prayer report (the
// desktop's layout) whenever the method or the calendar is not the default, byte for byte as
// before for a Kelmo.cfg without either, the times table always, Custom too; --calendar
// chooses the Hijri calendar and Umm al-Qura refuses a year it does not cover.
TEST(KelmoCli, MethodsAndCalendars) {
    const auto methods = nlohmann::json::parse(
        runCommand(std::string(KELMO_CLI_PATH) + " methods --format json").out);
    ASSERT_GE(methods.size(), 17u);
    for (const auto& m : methods) EXPECT_FALSE(m["source"].get<std::string>().empty()) << m;
    EXPECT_EQ(methods[0]["key"], "Custom");
    EXPECT_EQ(cli("times --method Mars").status, 2);
    EXPECT_EQ(cli("times --calendar lunar").status, 2);

    const std::string makkah = " --lat 21.4225 --lon 39.8262 --tz 3 --date 2025-03-10";
    const CliRun named = cli("prayer --method ummalqura --fiqh 1" + makkah);
    EXPECT_NE(named.out.find("Method = Umm al-Qura University, Makkah"), std::string::npos);
    const CliRun own = cli("prayer --method UmmAlQura --fajr -19" + makkah);
    EXPECT_EQ(own.out.find("Method ="), std::string::npos) << own.out;  // Custom, as ever
    EXPECT_NE(own.out.find("Fajr angle = -19"), std::string::npos) << own.out;
    EXPECT_EQ(cli("prayer" + makkah).out.find("Method ="), std::string::npos);
    EXPECT_NE(cli("prayer --calendar tabular" + makkah).out.find("Method = Custom"),
              std::string::npos);
    EXPECT_NE(
        cli("times" + makkah).out.find("\nMethod: Custom (the angles of the configuration)\n"),
        std::string::npos);
    EXPECT_NE(cli("times --method jakim" + makkah).out.find("\nMethod: JAKIM (Jabatan Kemajuan"),
              std::string::npos);

    const std::string hijri = "hijri --format json --date 2025-03-01 --calendar ";
    // Saudi Arabia began Ramadan 1446 on 1 March 2025.
    EXPECT_EQ(firstLine(cli(hijri + "umm-al-qura").out)["hijri"], "1446-09-01");
    const CliRun outside = cli("hijri --hijri-date 1299-01-01 --calendar umm-al-qura");
    EXPECT_EQ(outside.status, 1);
    EXPECT_NE(outside.err.find("1300-1600 AH"), std::string::npos) << outside.err;
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
    // Rabi' II 1447 has 29 days at Manama: its 30th is no date (it once gave the 1st of the
    // next month), while the 29th is the day before the 1st of Jumada I.
    const CliRun thirtieth = cli("hijri --hijri-date 1447-04-30");
    EXPECT_EQ(thirtieth.status, 2);
    EXPECT_NE(thirtieth.err.find("no such day"), std::string::npos) << thirtieth.err;
    const auto last = firstLine(cli("hijri --hijri-date 1447-04-29 --format json").out);
    const auto next = firstLine(cli("hijri --hijri-date 1447-05-01 --format json").out);
    EXPECT_LT(last["civil"].get<std::string>(), next["civil"].get<std::string>());
}

// In a zone of +12 hours every day has its own times (21 March once repeated 20 March).
TEST(KelmoCli, ZonePlusTwelveDaysAreTheirOwn) {
    const CliRun run =
        cli("times --location \"auckland,new zealand\" --date 2024-03-20 --days 4 "
            "--format json");
    ASSERT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    std::string line;
    std::vector<double> noons;
    while (std::getline(lines, line)) {
        noons.push_back(nlohmann::json::parse(line)["noon"].get<double>());
        EXPECT_GT(noons.back(), 11.0 * 3600.0);  // 12:xx of New Zealand standard time
        EXPECT_LT(noons.back(), 14.0 * 3600.0);
    }
    ASSERT_EQ(noons.size(), 4u);
    // In March the equation of time brings noon some 18 s earlier each day.
    for (std::size_t k = 1; k < noons.size(); ++k) EXPECT_NEAR(noons[k], noons[k - 1] - 18.0, 5.0);
}

TEST(KelmoCli, NewMoonAndQiblaRecords) {
    const CliRun moon = cli("newmoon --date 2026-12-01 --format json");
    ASSERT_EQ(moon.status, 0);
    const auto m = firstLine(moon.out);
    // Published: new moon of 2026 December 9, 00:52 UT (JD 2461383.536).
    EXPECT_NEAR(m["geocentric_jd_ut"].get<double>(), 2461383.536, 0.002);
    EXPECT_GT(m["sunset_jd_ut"].get<double>(), m["geocentric_jd_ut"].get<double>());
    EXPECT_TRUE(m.contains("month_start"));
    // London in October 2025 has no evening with a sunset before the moonset after the new
    // moon: the new moon is still given, the sunset fields are null, the month start comes
    // from the Hijri calendar's retreat toward the equator.
    const CliRun london = cli("newmoon --location london,uk --date 2025-10-01 --format json");
    ASSERT_EQ(london.status, 0) << london.err;
    const auto l = firstLine(london.out);
    // Published: new moon of 2025 October 21, 12:25 UT (JD 2460970.017).
    EXPECT_NEAR(l["geocentric_jd_ut"].get<double>(), 2460970.017, 0.002);
    EXPECT_TRUE(l["sunset_jd_ut"].is_null());
    EXPECT_TRUE(l["moon_altitude_deg"].is_null());
    EXPECT_TRUE(l["month_start"].is_string());
    EXPECT_NE(cli("newmoon --location london,uk --date 2025-10-01").out.find("not available"),
              std::string::npos);

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

// The calendar file is read by the icalendar package (RFC 5545): every event parses and starts
// at the moment of the schedule, given in UTC (Manama keeps UTC+3 all year).
TEST(KelmoCli, IcsFileReadByAnICalendarParser) {
    const std::string file = (scratch() / "kelmo_cli_test.ics").string();
    ASSERT_EQ(cli("prayer --date 2026-03-20 --fiqh 1 --format ics --out " + file).status, 0);
    // The system's Python, for which Debian's python3-icalendar is installed.
    const std::string events = runCommand("/usr/bin/python3 " KELMO_ICS_CHECK_PATH " " + file).out;
    std::remove(file.c_str());
    const auto day = firstLine(cli("times --date 2026-03-20 --fiqh 1 --format json").out);
    const double fajrUtc = day["fajr"].get<double>() - 3 * 3600.0;
    const std::string fajr = "Fajr 2026-03-20T";
    const std::size_t at = events.find(fajr);
    ASSERT_NE(at, std::string::npos) << events;
    const std::string clock = events.substr(at + fajr.size(), 8);
    const double shown = std::stoi(clock.substr(0, 2)) * 3600.0 +
                         std::stoi(clock.substr(3, 2)) * 60.0 + std::stoi(clock.substr(6, 2));
    EXPECT_NEAR(shown, fajrUtc, 60.0) << events;  // shown to the minute, as in the report
    EXPECT_EQ(std::count(events.begin(), events.end(), '\n'), 7) << events;
}

// --zone: the clock of each date from the tz database (America/New_York: summer time from
// 8 March 2026), with or without --tz; zones the database does not know are usage errors.
TEST(KelmoCli, ZoneGivesTheClockOfEachDate) {
    const std::string place = "times --lat 40.7128 --lon -74.006 --fiqh 1 --format json ";
    const auto before = firstLine(cli(place + "--zone America/New_York --date 2026-03-07").out);
    const auto after = firstLine(cli(place + "--zone America/New_York --date 2026-03-08").out);
    EXPECT_NEAR(after["duhr"].get<double>() - before["duhr"].get<double>(), 3600.0, 30.0);
    const auto withTz =
        firstLine(cli(place + "--zone America/New_York --tz -5 --date 2026-03-08").out);
    EXPECT_EQ(withTz["duhr"], after["duhr"]);
    EXPECT_EQ(cli(place + "--zone Nowhere/Atlantis").status, 2);
    // The built-in places carry their zones.
    const auto places = nlohmann::json::parse(cli("locations --format json").out);
    const auto london = std::find_if(places.begin(), places.end(),
                                     [](const auto& p) { return p["name"] == "London,Uk"; });
    ASSERT_NE(london, places.end());
    EXPECT_EQ((*london)["zone"], "Europe/London");
}

// qibla --date/--time: the magnetic model of that date, with a note when it is extrapolated,
// and the Sun's shadow at that local time (Manama, UTC+3).
TEST(KelmoCli, QiblaAtAChosenMoment) {
    const auto old = firstLine(cli("qibla --method 1 --date 2008-01-01 --format json").out);
    EXPECT_EQ(old["magnetic_model"], "WMM-2000");
    EXPECT_EQ(old["model_extrapolated"], true);
    EXPECT_NE(cli("qibla --method 1 --date 2008-01-01")
                  .out.find("Extrapolated from WMM-2000 (valid 2000-2005)"),
              std::string::npos);
    const auto now = firstLine(cli("qibla --method 1 --date 2026-06-01 --format json").out);
    EXPECT_EQ(now["magnetic_model"], "WMM-2025");
    EXPECT_EQ(now["model_extrapolated"], false);
    EXPECT_EQ(cli("qibla --method 1 --date 2026-06-01").out.find("Extrapolated"),
              std::string::npos);
    const std::string shadow = "qibla --method 2 --date 2026-06-21 --format json --time ";
    EXPECT_GT(firstLine(cli(shadow + "12:00").out)["shadow_ratio"].get<double>(), 0.0);
    EXPECT_EQ(firstLine(cli(shadow + "00:30").out)["shadow_ratio"].get<double>(), -1.0);
    EXPECT_EQ(cli(shadow + "24:00").status, 2);
}

TEST(KelmoCli, LocationsByNameInAnyLetterCase) {
    const auto lower =
        firstLine(cli("times --location london,uk --date 2026-01-10 --format json").out);
    const auto upper =
        firstLine(cli("times --location LONDON,UK --date 2026-01-10 --format json").out);
    EXPECT_EQ(lower, upper);
    EXPECT_EQ(cli("locations").status, 0);
}

// Every number of the command line is a finite decimal within its range; the message says
// which of the two it is not. (NaN once passed every range check and crashed the solver.)
TEST(KelmoCli, NumbersAreFiniteDecimals) {
    for (const char* args :
         {"times --lat nan --lon 0", "prayer --lat nan --lon 0 --date 2024-01-01", "times --tz nan",
          "times --tz inf", "qibla --lat nan --lon 0", "moon --lat 0 --lon -nan",
          "newmoon --lat inf --lon 0", "hijri --visibility nan", "times --fajr nan",
          "next --isha -nan", "times --lat 0x10 --lon 0", "times --height 0x10",
          "times --lat abc --lon 0", "times --lat 1,5 --lon 0", "times --days 7e0"}) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("not a number"), std::string::npos) << args << ": " << run.err;
    }
    for (const char* args : {"times --lat 91 --lon 0", "times --lat 1e999 --lon 0",
                             "times --fiqh 99999999999", "times --lat -90.5 --lon 0"}) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("not in range"), std::string::npos) << args << ": " << run.err;
    }
    // Leading zeros are decimal, not octal: 010 metres are ten metres.
    EXPECT_EQ(cli("times --height 010 --date 2026-01-01 --format json").out,
              cli("times --height 10 --date 2026-01-01 --format json").out);
    EXPECT_EQ(cli("times --lat +21.4225 --lon 39.8262 --tz 3 --date 2026-01-01").status, 0);
}

TEST(KelmoCli, EmptyArgumentsAreRefusedBeforeParsing) {
    for (const char* args : {"times '' --x", "'' times", "times --name ''"}) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("is empty"), std::string::npos) << args << ": " << run.err;
    }
}

// Dates are read in the years the models are meant for, as the Date dialog accepts them.
TEST(KelmoCli, YearsOutsideTheModelsAreUsageErrors) {
    for (const char* args :
         {"times --date 4294969296-01-01", "times --date 2147483647-12-31",
          "hijri --date 30000000-01-01", "prayer --period year --date 9999999-01-01",
          "times --date 6001-01-01", "times --date -2001-12-31", "moon --hijri-date 6001-01-01",
          "times --hijri-date 0-01-01", "times --date 6000-12-01 --days 40"}) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(run.err.find("between -2000 and 6000") != std::string::npos ||
                    run.err.find("between 1 and 6000") != std::string::npos ||
                    run.err.find("end of 6000") != std::string::npos)
            << args << ": " << run.err;
    }
    for (const char* args :
         {"times --date 2024-+1-01", "times --date ' 2024-01-01'", "times --date 2024-01-01x",
          "times --date 2024--01-01", "times --date 2024", "times --date 2024-01",
          "times --date 2024-01-", "times --date -"}) {
        EXPECT_EQ(cli(args).status, 2) << args;
    }
    EXPECT_EQ(cli("times --date 6000-12-31").status, 0);
    EXPECT_EQ(cli("times --date -2000-01-01").status, 0);
    EXPECT_EQ(cli("hijri --hijri-date 6000-01-01").status, 0);
}

// Output files are replaced only by a complete new text; failed writes are reported.
TEST(KelmoCli, FailedWritesKeepTheOldFileAndSaySo) {
    const CliRun full = cli("times --date 2026-01-01", ">/dev/full");
    EXPECT_EQ(full.status, 1);
    EXPECT_NE(full.err.find("Could not write into output file!"), std::string::npos) << full.err;

    const CliRun missing = cli("times --out /nonexistent/x");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Could not open output file!"), std::string::npos) << missing.err;

    // A file-size limit of one block makes the year's report fail half-way.
    const auto out = scratch() / "kept.txt";
    std::ofstream(out) << "old contents\n";
    const std::string limited = "bash -c 'ulimit -f 1; trap \"\" XFSZ; exec " +
                                std::string(KELMO_CLI_PATH) + " prayer --period year --out " +
                                out.string() + configOption() + "' 2>/dev/null";
    const int raw = std::system(limited.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
    EXPECT_EQ(readAll(out), "old contents\n");
}

TEST(KelmoCli, ConfigurationNamedOnTheCommandLineMustBeReadable) {
    const std::string args =
        std::string(KELMO_CLI_PATH) + " times --config /nonexistent/Kelmo.cfg 2>&1 >/dev/null";
    FILE* pipe = popen(args.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::array<char, 512> buffer{};
    const std::string message(buffer.data(), fread(buffer.data(), 1, buffer.size(), pipe));
    EXPECT_EQ(WEXITSTATUS(pclose(pipe)), 1);
    EXPECT_NE(message.find("Could not open configuration file!"), std::string::npos) << message;
}

// Names are UTF-8 at the terminal and inside, in any script, at most 47 characters.
TEST(KelmoCli, NamesBeyondAsciiAtTheTerminal) {
    const CliRun named = cli("next --name 'Z\u00FCrich,Schweiz'");
    EXPECT_EQ(named.status, 0);
    EXPECT_NE(named.out.find("(Z\u00FCrich,Schweiz)"), std::string::npos) << named.out;
    const CliRun ics = cli("times --name 'Z\u00FCrich,Schweiz' --format ics");
    EXPECT_NE(ics.out.find("Z\u00FCrich"), std::string::npos);
    EXPECT_EQ(ics.out.find("Z\u00C3\u00BC"), std::string::npos);  // no double conversion

    const CliRun found = cli("times --location 'k\u00F6ln,germany' --date 2026-01-01");
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(found.out.rfind("Prayer times for K\u00F6ln,Germany (", 0), 0u) << found.out;

    const CliRun arabic = cli("next --name '\u0645\u0643\u0629'");
    EXPECT_EQ(arabic.status, 0) << arabic.err;
    EXPECT_NE(arabic.out.find("(\u0645\u0643\u0629)"), std::string::npos) << arabic.out;
    EXPECT_EQ(cli("times --name " + std::string(48, 'x')).status, 2);
    std::string letters;
    for (int i = 0; i < 47; ++i) letters += "\u0645";  // 47 characters of two bytes
    EXPECT_EQ(cli("times --name " + letters).status, 0);
    EXPECT_EQ(cli("times --name " + letters + "\u0645").status, 2);
    const CliRun latin1 = cli("times --name \"$(printf 'Z\\374rich')\"");
    EXPECT_EQ(latin1.status, 2);  // a Windows-1252 byte is no UTF-8
    EXPECT_NE(latin1.err.find("must be UTF-8"), std::string::npos) << latin1.err;
    // Control characters (a CR, an ESC) in a name are refused, not written into the output.
    for (const char* name : {"\"$(printf 'Evil\\rPlace')\"", "\"$(printf 'Evil\\033[2J')\""}) {
        const CliRun control = cli(std::string("times --format ics --name ") + name);
        EXPECT_EQ(control.status, 2) << name;
        EXPECT_NE(control.err.find("control character"), std::string::npos) << control.err;
    }

    // The numbers of the list start at the same character on every line.
    const CliRun list = cli("locations");
    const auto lineOf = [&list](const std::string& name) {
        const std::size_t at = list.out.find(name);
        return at == std::string::npos ? std::string()
                                       : list.out.substr(at, list.out.find('\n', at) - at);
    };
    const std::string koeln = lineOf("K\u00F6ln,Germany"), berlin = lineOf("Berlin,Germany");
    ASSERT_FALSE(koeln.empty());
    EXPECT_EQ(koeln.find_first_of("0123456789") - 1, berlin.find_first_of("0123456789"))
        << koeln << "\n"
        << berlin;  // o-umlaut is one character of two bytes
}

// The characters of a UTF-8 text (its bytes that begin a character), each one cell for the
// letters used here.
std::size_t cellsOf(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// A Kelmo.cfg in UTF-8 after its byte-order mark, as the program writes it once a name needs
// it, with an Arabic and a Turkish place: "locations" lists them with their numbers at the same
// cell as every other place, "prayer" reports at either, in English unless --lang chooses.
TEST(KelmoCli, PlacesInAnyScriptAndReportsInTheChosenLanguage) {
    const std::string mecca = "\u0645\u0643\u0629,\u0627\u0644\u0633\u0639\u0648\u062F\u064A\u0629";
    const std::string istanbul = "\u0130stanbul,T\u00FCrkiye";
    const auto file = scratch() / "Kelmo-utf8.cfg";
    std::ofstream(file, std::ios::binary)
        << "\xEF\xBB\xBF" << mecca
        << " notepad.exe Athan.wav PreAth.wav -16.0000 -13.5000 -18.0000 15.00 1297 88576 258 10 "
           "0 0\n"
        << istanbul << " 0.71733776 0.50480166 39 3.0000 0 0 Europe/Istanbul\n"
        << "K\u00F6ln,Germany 0.88903 0.12148 0 1.0000 834 2626\n"
        << mecca << " 0.37396 0.69523 277 3.0000 0 0 Asia/Riyadh\n";
    const std::string kelmo = std::string(KELMO_CLI_PATH) + " ";
    const std::string config = " --config " + file.string();
    const CliRun list = runCommand(kelmo + "locations" + config);
    ASSERT_EQ(list.status, 0);
    std::istringstream lines(list.out);
    std::vector<std::size_t> numbersAt;
    for (std::string line; std::getline(lines, line);) {
        numbersAt.push_back(cellsOf(line.substr(0, line.find_first_of("0123456789"))));
    }
    ASSERT_EQ(numbersAt.size(), 3u) << list.out;
    EXPECT_EQ(numbersAt[0], numbersAt[1]) << list.out;
    EXPECT_EQ(numbersAt[0], numbersAt[2]) << list.out;

    const std::string date = " --date 2026-03-01 --fiqh 1";
    const CliRun english = runCommand(kelmo + "prayer" + date + config);
    ASSERT_EQ(english.status, 0);
    EXPECT_NE(english.out.find(" Location:   \t" + mecca + ",\n"), std::string::npos);
    // Not the locale: scripts read kelmo-cli's English.
    EXPECT_EQ(
        runCommand("LANG=ar_SA.UTF-8 LC_ALL=ar_SA.UTF-8 " + kelmo + "prayer" + date + config).out,
        english.out);
    const CliRun turkish =
        runCommand(kelmo + "prayer --lang tr --location '" + istanbul + "'" + date + config);
    ASSERT_EQ(turkish.status, 0);
    EXPECT_NE(turkish.out.find(" Konum:      \t" + istanbul + ",\n"), std::string::npos)
        << turkish.out;
    EXPECT_NE(turkish.out.find("\t\t\u00D6\u011Fle "), std::string::npos) << turkish.out;
    const CliRun arabic = runCommand(kelmo + "prayer --lang ar" + date + config);
    EXPECT_NE(arabic.out.find("\u0627\u0644\u0638\u0647\u0631"), std::string::npos);  // al-zuhr

    EXPECT_EQ(cli("times --lang de").out.rfind("Gebetszeiten f\u00FCr Manama,Bahrain (Breite ", 0),
              0u);
    const CliRun unknown = cli("prayer --lang xx");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("no such language: xx"), std::string::npos) << unknown.err;
}

// The chart: PNG or SVG by the extension of --out (or by --format), the SVG well-formed XML.
TEST(KelmoCli, ChartIsPngOrWellFormedSvg) {
    const std::string oslo = "chart --location oslo,norway --fiqh 1 ";
    const auto png = scratch() / "year.png", svg = scratch() / "June.SVG";
    ASSERT_EQ(cli(oslo + "--date 2024-05-01 --out " + png.string()).status, 0);
    const std::string image = readAll(png);
    EXPECT_EQ(image.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_GT(image.size(), 20000u);

    ASSERT_EQ(cli(oslo + "--date 2024-06-01 --period month --out " + svg.string()).status, 0);
    EXPECT_NE(readAll(svg).find("<title>Prayer times June 2024 at Oslo,Norway"), std::string::npos);
    EXPECT_EQ(std::system(("xmllint --noout " + svg.string()).c_str()), 0);
    // --format svg writes to standard output; the Hijri month of --hijri-date.
    const CliRun ramadan = cli("chart --format svg --period month --hijri-date 1447-09-01");
    EXPECT_EQ(ramadan.status, 0);
    EXPECT_NE(ramadan.out.find("Prayer times Ramadan 1447 AH at Manama,Bahrain"),
              std::string::npos);

    EXPECT_EQ(cli("chart --out year.txt").status, 2);  // neither PNG nor SVG
    EXPECT_EQ(cli("chart").status, 2);
    EXPECT_EQ(cli("chart --period day --out day.png").status, 2);
    const CliRun missing = cli("chart --out /nonexistent/folder/year.png");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Could not open output file!"), std::string::npos) << missing.err;
}

// Status bars run "kelmo-cli next" every few seconds: the tool links no Qt library, only the
// chart command loads them with its module; without the module chart alone fails, naming it.
TEST(KelmoCli, OnlyTheChartLoadsTheGuiLibraries) {
    const CliRun libraries = runCommand(std::string("ldd ") + KELMO_CLI_PATH);
    ASSERT_EQ(libraries.status, 0);
    EXPECT_EQ(libraries.out.find("libQt6"), std::string::npos) << libraries.out;
    const auto alone = scratch() / "alone" / "kelmo-cli";
    std::filesystem::create_directories(alone.parent_path());
    std::filesystem::copy_file(KELMO_CLI_PATH, alone,
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_EQ(runCommand(alone.string() + " next" + configOption()).status, 0);
    const CliRun chart =
        runCommand(alone.string() + " chart --format svg" + configOption() + " 2>&1");
    EXPECT_EQ(chart.status, 1);
    EXPECT_NE(chart.out.find("kelmo-chart.so"), std::string::npos) << chart.out;
}

// --version for the manual page; a command's help shows that command, a wrong one all.
TEST(KelmoCli, VersionAndTheHelpOfEachCommand) {
    const CliRun version = runCommand(std::string(KELMO_CLI_PATH) + " --version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("kelmo-cli ", 0), 0u) << version.out;
    const CliRun next = cli("next --help");
    EXPECT_EQ(next.status, 0);
    EXPECT_NE(next.out.find("Usage: kelmo-cli next"), std::string::npos) << next.out;
    const CliRun wrong = cli("nxt");
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.err.find("nxt"), std::string::npos) << wrong.err;
}

}  // namespace
