// The Timer's icon in the notification area of the task bar, behind an interface so that the
// Timer can be tested without a tray. The icon reports mouse activity as the tray callback
// message of the original design: (icon identifier, mouse message).
#pragma once

#include <QIcon>
#include <QString>
#include <functional>
#include <memory>

class QMenu;
class QSystemTrayIcon;

namespace kelmo::platform {

inline constexpr int kTrayRightButtonDown = 0x204;
inline constexpr int kTrayLeftDoubleClick = 0x203;

class TrayIcon {
  public:
    using Callback = std::function<void(int iconId, int mouseMessage)>;
    virtual ~TrayIcon() = default;
    // Adds the icon, or changes it when shown; false when the platform has no tray.
    virtual bool show(const QIcon& icon, const QString& tip, int iconId, Callback callback) = 0;
    // Changes the tooltip of the shown icon.
    virtual void setTip(const QString& tip) = 0;
    // Removes the icon; true also when none was shown.
    virtual bool remove() = 0;
    virtual bool isShown() const = 0;
    // True when the platform opens the icon's menu by itself on the right button.
    virtual bool showsMenu() const = 0;
    // The menu the platform opens on the right button (null for none).
    virtual void setMenu(QMenu* menu) = 0;
};

// QSystemTrayIcon: without a system tray, show() fails and the Timer runs without icon.
class SystemTrayIcon final : public TrayIcon {
  public:
    SystemTrayIcon();
    ~SystemTrayIcon() override;
    bool show(const QIcon& icon, const QString& tip, int iconId, Callback callback) override;
    void setTip(const QString& tip) override;
    bool remove() override;
    bool isShown() const override;
    bool showsMenu() const override { return true; }
    void setMenu(QMenu* menu) override;

  private:
    std::unique_ptr<QSystemTrayIcon> icon_;
    QMenu* menu_ = nullptr;
};

}  // namespace kelmo::platform
