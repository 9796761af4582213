// The help viewer: the help page "Kelmo.html" in a window of its own beside the main window.
// The window belongs to the main window, so that the main window's modal loop leaves it free
// to be scrolled, focused and closed (close box or Esc) while both stay open.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QTextBrowser>

#include "platform/message_box.h"

namespace kelmo::ui {

inline constexpr const char* kHelpFileName = "Kelmo.html";

// A modeless window holding the page; Esc and the close box hide it.
class HelpWindow final : public QDialog {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* owner);
    QTextBrowser* browser() const { return browser_; }
    // Places the window to the right of the owner, or to its left when the screen ends there.
    void placeBesideOwner();

  private:
    QTextBrowser* browser_;
};

class HelpViewer {
  public:
    // owner: the window the help window belongs to (the main window).
    HelpViewer(platform::MessageBox& messages, QWidget* owner = nullptr)
        : messages_(messages), owner_(owner) {}
    ~HelpViewer() { quit(); }
    // Shows the page (a path as the system gives it); "Failed to launch help." when it cannot
    // be read.
    void show(const std::string& helpFile);
    // Closes the help window ("quit").
    void quit();
    HelpWindow* window() const { return window_; }

  private:
    platform::MessageBox& messages_;
    QWidget* owner_;
    QPointer<HelpWindow> window_;
};

}  // namespace kelmo::ui
