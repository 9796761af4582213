#include "platform/qt/tray_icon.h"

#include <QMenu>
#include <QSystemTrayIcon>

namespace kelmo::platform {

namespace {
// Tool tips of the notification area hold at most 127 characters.
constexpr int kMaxTipLength = 127;
}  // namespace

SystemTrayIcon::SystemTrayIcon() = default;
SystemTrayIcon::~SystemTrayIcon() = default;

bool SystemTrayIcon::show(const QIcon& icon, const QString& tip, int iconId, Callback callback) {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return false;
    if (!icon_) {
        icon_ = std::make_unique<QSystemTrayIcon>();
        icon_->setContextMenu(menu_);
    }
    icon_->setIcon(icon);
    setTip(tip);
    QObject::disconnect(icon_.get(), &QSystemTrayIcon::activated, nullptr, nullptr);
    if (callback) {
        QObject::connect(icon_.get(), &QSystemTrayIcon::activated, icon_.get(),
                         [callback, iconId](QSystemTrayIcon::ActivationReason reason) {
                             if (reason == QSystemTrayIcon::Context)
                                 callback(iconId, kTrayRightButtonDown);
                             else if (reason == QSystemTrayIcon::DoubleClick)
                                 callback(iconId, kTrayLeftDoubleClick);
                         });
    }
    icon_->show();
    return true;
}

void SystemTrayIcon::setTip(const QString& tip) {
    if (icon_ && !tip.isEmpty()) icon_->setToolTip(tip.left(kMaxTipLength));
}

bool SystemTrayIcon::remove() {
    icon_.reset();
    return true;
}

bool SystemTrayIcon::isShown() const {
    return icon_ && icon_->isVisible();
}

void SystemTrayIcon::setMenu(QMenu* menu) {
    menu_ = menu;
    if (icon_) icon_->setContextMenu(menu);
}

}  // namespace kelmo::platform
