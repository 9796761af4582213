#include "app/cli/chart_module_loader.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "app/chart_module/chart_module.h"

namespace kelmo::cli {

namespace {

namespace fs = std::filesystem;

// Where the module lies: beside the executable (the build tree), or in the installed
// library folder, given by the build relative to the installed executable's folder.
std::vector<fs::path> moduleCandidates() {
    std::error_code error;
    const fs::path programDir = fs::read_symlink("/proc/self/exe", error).parent_path();
    return {programDir / kChartModuleFile,
            programDir / KELMO_CHART_MODULE_DIR_FROM_BIN / kChartModuleFile};
}

CliError moduleFailure(const std::string& what) {
    return {kExitFailure, "chart: " + what};
}

// The entry of the first module found; the module stays loaded until the program ends.
CliError loadEntry(ChartModuleEntry& entry) {
    const std::vector<fs::path> candidates = moduleCandidates();
    for (const fs::path& candidate : candidates) {
        std::error_code error;
        if (!fs::exists(candidate, error)) continue;
        void* module = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) return moduleFailure(std::string("cannot load ") + ::dlerror());
        entry = reinterpret_cast<ChartModuleEntry>(::dlsym(module, kChartModuleEntry));
        if (entry == nullptr) {
            return moduleFailure(candidate.string() + " has no entry " + kChartModuleEntry);
        }
        return {};
    }
    return moduleFailure("the picture module " + candidates.front().string() + " (or " +
                         candidates.back().lexically_normal().string() + ") is missing");
}

}  // namespace

CliError chartPictureBytes(const PrayerChart& chart, ChartFormat format, std::string& bytes) {
    ChartModuleEntry entry = nullptr;
    if (CliError e = loadEntry(entry)) return e;
    if (!entry(chart, format, bytes)) return moduleFailure("the picture could not be drawn");
    return {};
}

}  // namespace kelmo::cli
