// Desktop notifications (the freedesktop.org notification service, version 1.2), behind
// an interface so that the Timer can be tested without a session bus. Desktops without a
// notification area (GNOME) show them as well.
#pragma once

#include <string>

namespace kelmo::platform {

// The launcher's id (reverse DNS), shared by the .desktop file, the AppStream metainfo, the
// icon's name in the hicolor theme, QGuiApplication::desktopFileName and the notifications.
inline constexpr const char* kDesktopFileId = "io.github.kelmotimes.KelmoTimes";

class DesktopNotifier {
  public:
    virtual ~DesktopNotifier() = default;
    // Shows a notification (UTF-8 texts) and returns at once; a desktop without a
    // notification service shows nothing.
    virtual void notify(const std::string& summary, const std::string& body) = 0;
};

}  // namespace kelmo::platform
