#include "app/cli/run_cli.h"

#include <iostream>
#include <memory>
#include <string>

#include "app/cli/commands.h"
#include "app/cli/settings_source.h"

namespace kelmo::cli {

int report(const CliError& error) {
    if (error) std::cerr << "kelmo-cli: " << error.message << '\n';
    return error.status;
}

CLI::App* addCommand(CLI::App& app, CommandRun& run, const std::string& name,
                     const std::string& description, const CommandShape& shape, CommandBody body) {
    auto options = std::make_shared<CliOptions>();
    CLI::App* command = app.add_subcommand(name, description);
    if (shape.place) addPlaceOptions(*command, options->place);
    if (shape.settings) addSettingsOptions(*command, options->settings);
    if (shape.date) addDateOptions(*command, options->date, shape.periods, shape.days);
    addOutputOptions(*command, options->output, shape.formats);
    command->callback([&run, options, body] { run.status = body(*options, run.clock); });
    return command;
}

namespace {

constexpr const char* kFooterRest =
    "), or --config FILE; the built-in defaults when the default file cannot be read; each "
    "overridable by its option. Dates: --date YYYY-MM-DD (default today at the "
    "place) or --hijri-date YYYY-MM-DD; years -2000 to 6000 (Hijri 1 to 6000).\n"
    "Output: UTF-8 on standard output or to --out FILE. Exit status 0 ok, 1 a computation "
    "or file failed (the error text on stderr), 2 a usage error.";

// The help's closing text, naming the Kelmo.cfg this run uses.
std::string footer() {
    return "Without a command: today's date at the home location. \"kelmo-cli COMMAND --help\" "
           "shows a command's options and formats.\n"
           "Place: --location NAME from Kelmo.cfg, or --lat/--lon [--height --tz --dst-start "
           "--dst-end --name]; default the home location of Kelmo.cfg. Settings: Kelmo.cfg "
           "beside the program when it is there, else in $XDG_CONFIG_HOME/KelmoTimes/ (here: " +
           defaultConfigFile() + kFooterRest;
}

struct CommandEntry {
    const char* name;
    void (*add)(CLI::App&, CommandRun&);
};

// Every command in the order of the help.
constexpr CommandEntry kCommands[] = {
    {"today", addTodayCommand},     {"qibla", addQiblaCommand}, {"times", addTimesCommand},
    {"prayer", addPrayerCommand},   {"moon", addMoonCommand},   {"next", addNextCommand},
    {"newmoon", addNewMoonCommand}, {"hijri", addHijriCommand}, {"locations", addLocationsCommand},
    {"timer", addTimerCommand},     {"chart", addChartCommand}, {"methods", addMethodsCommand}};

// Adds the command named by the first argument, or every command when it names none (the
// help, a missing or wrong command). Status bars run one command every few seconds: it
// starts without building the options of all the others.
void addCommands(CLI::App& app, CommandRun& run, int argc, const char* const* argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    for (const CommandEntry& command : kCommands) {
        if (command.name == first) {
            command.add(app, run);
            return;
        }
    }
    for (const CommandEntry& command : kCommands) command.add(app, run);
}

// The option library cannot parse an empty word (it loops on one before an unknown option),
// and no option of the tool takes an empty value: refuse them all before parsing.
CliError emptyArgument(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '\0') {
            return {kExitUsage, "argument " + std::to_string(i) + " is empty"};
        }
    }
    return {};
}

}  // namespace

int runKelmoCli(int argc, const char* const* argv, const platform::Clock& clock) {
    if (CliError e = emptyArgument(argc, argv)) return report(e);
    CLI::App app{"KelmoTimes: Islamic prayer times, Moon, Hijri calendar and Qibla", "kelmo-cli"};
    app.require_subcommand(0, 1);
    app.footer(footer());
    app.set_version_flag("--version", std::string("kelmo-cli ") + KELMO_VERSION);
    CommandRun run{clock};
    addCommands(app, run, argc, argv);
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {  // --help or --version
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        return report({kExitUsage, e.what()});
    }
    if (app.get_subcommands().empty()) return runToday(CliOptions{}, clock);
    return run.status;
}

}  // namespace kelmo::cli
