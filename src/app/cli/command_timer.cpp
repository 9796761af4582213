// kelmo-cli timer reload|quit|status: the messages of the desktop program to the running
// background Timer, sent over its "KelmoTimer" endpoint (a Unix-domain socket; see
// platform/unix_timer_client.h), and the Timer's answer.
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "app/cli/commands.h"
#include "platform/kelmo_messages.h"
#include "platform/timer_socket_folder.h"
#include "platform/timer_status.h"
#include "platform/unix_timer_client.h"

namespace kelmo::cli {

namespace {

// RELOAD makes the Timer read Kelmo.cfg and compute two days of prayer times (any message box
// it needs comes after its answer); the desktop program waits as long.
constexpr int kAnswerTimeoutMs = 30000;

CliError noTimer() {
    return {kExitFailure, "no Timer is running (start it with \"Kelmo /t 0\")"};
}

int runTimer(const std::string& action, const OutputOptions& output) {
    const int message = action == "reload" ? WM_KELMO_RELOAD
                        : action == "quit" ? WM_KELMO_QUIT
                                           : WM_KELMO_STATUS;
    const auto answer = platform::exchangeTimerLine(platform::timerSocketPath(),
                                                    platform::encodeTimerMessage({message, 0, 0}),
                                                    kAnswerTimeoutMs);
    if (!answer) return report(noTimer());
    const bool json = output.format == "json";
    if (message == WM_KELMO_STATUS) {
        const auto status = platform::decodeTimerStatus(*answer);
        if (!status) return report({kExitFailure, "the Timer holds no prayer time"});
        char date[32];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", status->year, status->month,
                      status->day);
        const std::string place = status->location;
        const std::string text =
            json ? nlohmann::json{{"prayer", status->prayer},
                                  {"date", date},
                                  {"time", status->time},
                                  {"location", place}}
                           .dump() +
                       "\n"
                 : status->prayer + " " + date + " " + status->time + " " + place + "\n";
        return report(writeOutput(output, text));
    }
    const auto result = platform::decodeTimerResult(*answer);
    if (!result) return report({kExitFailure, "the Timer gave no result"});
    const std::string text =
        json ? nlohmann::json{{"result", *result}}.dump() + "\n" : std::to_string(*result) + "\n";
    if (const CliError error = writeOutput(output, text)) return report(error);
    if (*result == 0) return report({kExitFailure, "the Timer could not reload its settings"});
    return kExitOk;
}

}  // namespace

void addTimerCommand(CLI::App& app, CommandRun& run) {
    CommandShape shape;
    shape.place = false;
    shape.settings = false;
    shape.date = false;
    auto action = std::make_shared<std::string>();
    CLI::App* command = addCommand(
        app, run, "timer",
        "talk to the running background Timer: reload (re-read Kelmo.cfg; prints 1, or 0 when "
        "that failed), quit (prints 1), status (the prayer it waits for)",
        shape, [action](const CliOptions& options, const platform::Clock&) {
            return runTimer(*action, options.output);
        });
    command->add_option("action", *action, "reload, quit or status")
        ->required()
        ->check(CLI::IsMember({"reload", "quit", "status"}));
}

}  // namespace kelmo::cli
