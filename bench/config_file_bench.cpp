// Speed of Kelmo.cfg: loading the built-in file (settings line and home lookup, the whole
// location list), building the text of a rewrite, and reading one command line.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "files/settings/command_line.h"
#include "files/settings/config_file.h"
#include "files/settings/default_locations.h"
#include "files/settings/location_database.h"

namespace {

using namespace kelmo;

// Home at the last line: the lookup reads every location line.
std::string fileWithLastHome() {
    std::string text = defaultConfigText();
    text.replace(0, text.find(' '), "Zagreb,Croatia");
    return text;
}

void BM_ConfigFromText(benchmark::State& state) {
    const std::string text = fileWithLastHome();
    for (auto _ : state) {
        Location home;
        Config config;
        benchmark::DoNotOptimize(configFromText(text, home, config));
    }
}
BENCHMARK(BM_ConfigFromText);

void BM_LocationsFromText(benchmark::State& state) {
    const std::string text = defaultConfigText();
    std::vector<Location> list;
    for (auto _ : state) benchmark::DoNotOptimize(locationsFromText(text, list));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kDefaultLocationCount));
}
BENCHMARK(BM_LocationsFromText);

void BM_ConfigTextWithLocations(benchmark::State& state) {
    const std::string text = defaultConfigText();
    std::vector<Location> list;
    locationsFromText(text, list);
    std::string written;
    for (auto _ : state) {
        benchmark::DoNotOptimize(configTextWithLocations(text, "Manama,Bahrain", list, written));
    }
}
BENCHMARK(BM_ConfigTextWithLocations);

class NoPrompt final : public Prompt {
  public:
    bool askOkCancel(const std::string&) override { return true; }
    void showMessage(const std::string&) override {}
};

void BM_ReadCommandLine(benchmark::State& state) {
    NoPrompt prompt;
    for (auto _ : state) {
        Config config;
        benchmark::DoNotOptimize(readCommandLine("/f 5 /n 60 /e kate /t 0", config, prompt));
    }
}
BENCHMARK(BM_ReadCommandLine);

}  // namespace
