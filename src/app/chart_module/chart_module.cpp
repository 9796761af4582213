// The entry of the chart module (chart_module.h): the chart window's picture drawn offscreen.
#include "app/chart_module/chart_module.h"

#include <QGuiApplication>
#include <memory>
#include <type_traits>

#include "ui/chart/chart_file.h"

namespace {

// Fonts need a GUI application; the offscreen platform needs no display. One is made for the
// drawing only when the loading program has none.
std::unique_ptr<QGuiApplication> applicationIfNone() {
    if (QGuiApplication::instance() != nullptr) return nullptr;
    static int argc = 3;
    static char name[] = "kelmo-cli", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) bool kelmoChartFileBytes(
    const kelmo::PrayerChart& chart, kelmo::ChartFormat format, std::string& bytes) {
    const std::unique_ptr<QGuiApplication> application = applicationIfNone();
    const QByteArray picture = kelmo::ui::chartFileBytes(chart, format);
    bytes.assign(picture.constData(), static_cast<std::size_t>(picture.size()));
    return !picture.isEmpty();
}

// The entry's type is the one the loader expects.
static_assert(std::is_same_v<decltype(&kelmoChartFileBytes), kelmo::ChartModuleEntry>);
