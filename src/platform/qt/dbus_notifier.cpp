#include "platform/qt/dbus_notifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QStringList>
#include <QVariantMap>

namespace kelmo::platform {

namespace {
constexpr const char* kService = "org.freedesktop.Notifications";
constexpr const char* kPath = "/org/freedesktop/Notifications";
constexpr int kServerDefaultTimeout = -1;
constexpr unsigned char kNormalUrgency = 1;
}  // namespace

void DbusNotifier::notify(const std::string& summary, const std::string& body) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, "Notify");
    const QVariantMap hints{{"desktop-entry", QString(kDesktopFileId)},
                            {"urgency", QVariant::fromValue(kNormalUrgency)}};
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout
    call << QStringLiteral("KelmoTimes") << 0U << QString(kDesktopFileId)
         << QString::fromStdString(summary) << QString::fromStdString(body) << QStringList()
         << hints << kServerDefaultTimeout;
    bus.asyncCall(call);
}

}  // namespace kelmo::platform
