#include "platform/qt/qt_message_box.h"

#include <QApplication>

#include "platform/qt/message_dialog.h"

namespace kelmo::platform {

namespace {

// The box belongs to the active window when there is one, so it stays on top of it; a
// window disabled for a computation cannot own it (the box would be disabled with it), and
// the box is then modal for the whole application.
QWidget* owner(QWidget* parent) {
    QWidget* window = parent ? parent : QApplication::activeWindow();
    return window && window->isEnabled() ? window : nullptr;
}

}  // namespace

void QtMessageBox::show(const std::string& text, const std::string& caption) {
    MessageDialog box(QString::fromStdString(text), QString::fromStdString(caption), false,
                      owner(parent_));
    box.exec();
}

bool QtMessageBox::ask(const std::string& text, const std::string& caption) {
    MessageDialog box(QString::fromStdString(text), QString::fromStdString(caption), true,
                      owner(parent_));
    return box.exec() == QDialog::Accepted;
}

}  // namespace kelmo::platform
