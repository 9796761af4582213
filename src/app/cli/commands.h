// The commands of kelmo-cli. Each add...Command function adds its subcommand to the
// application; its callback runs the command and stores the exit status in run.status.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <string>
#include <vector>

#include "app/cli/cli_options.h"

namespace kelmo::cli {

struct CommandRun {
    const platform::Clock& clock;
    int status = kExitOk;
};

// Which shared option groups a command takes.
struct CommandShape {
    bool place = true;
    bool settings = true;
    bool date = true;
    bool periods = false;  // --period
    bool days = false;     // --days
    std::vector<std::string> formats = {"text", "json"};
};

using CommandBody = std::function<int(const CliOptions&, const platform::Clock&)>;

// Adds a subcommand with the shared options of its shape; body runs when it is chosen.
CLI::App* addCommand(CLI::App& app, CommandRun& run, const std::string& name,
                     const std::string& description, const CommandShape& shape, CommandBody body);

// Prints a CliError on stderr and returns its status.
int report(const CliError& error);

// Shown when no command is given: today's date at the home location.
int runToday(const CliOptions& options, const platform::Clock& clock);

// One line per command; each is defined in its own file.
void addTodayCommand(CLI::App& app, CommandRun& run);
void addQiblaCommand(CLI::App& app, CommandRun& run);
void addTimesCommand(CLI::App& app, CommandRun& run);
void addPrayerCommand(CLI::App& app, CommandRun& run);
void addMoonCommand(CLI::App& app, CommandRun& run);
void addNextCommand(CLI::App& app, CommandRun& run);
void addNewMoonCommand(CLI::App& app, CommandRun& run);
void addHijriCommand(CLI::App& app, CommandRun& run);
void addLocationsCommand(CLI::App& app, CommandRun& run);
void addTimerCommand(CLI::App& app, CommandRun& run);
void addChartCommand(CLI::App& app, CommandRun& run);
void addMethodsCommand(CLI::App& app, CommandRun& run);

}  // namespace kelmo::cli
