// Desktop notifications through the session bus: the method Notify of
// org.freedesktop.Notifications, called without waiting for its answer.
#pragma once

#include "platform/desktop_notifier.h"

namespace kelmo::platform {

class DbusNotifier final : public DesktopNotifier {
  public:
    void notify(const std::string& summary, const std::string& body) override;
};

}  // namespace kelmo::platform
