#include "ui/help_window.h"

#include <QCoreApplication>
#include <QFile>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/earth_picture.h"
#include "ui/error_box.h"
#include "ui/screen_fit.h"
#include "ui/text_edge.h"

namespace kelmo::ui {

namespace {
constexpr int kWidth = 720, kHeight = 640, kMinWidth = 360;
constexpr int kGap = 8;  // pixels between the main window and the help window
}  // namespace

HelpWindow::HelpWindow(QWidget* owner)
    : QDialog(owner, Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      browser_(new QTextBrowser(this)) {
    setObjectName("helpWindow");
    setWindowTitle(tr("KelmoTimes Help"));
    setWindowIcon(applicationIcon());
    setModal(false);
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resizeWithinScreen(this, QSize(kWidth, kHeight), owner);
}

void HelpWindow::placeBesideOwner() {
    const QWidget* owner = parentWidget();
    if (owner == nullptr || !owner->isVisible() || owner->screen() == nullptr) return;
    const QRect frame = owner->frameGeometry();
    const QRect area = availableArea(owner);
    const QMargins decoration = decorationOf(this, owner);
    // The side with more room, the window narrowed to it down to a readable width; its frame
    // (title bar included) inside the area.
    const int right = area.right() - frame.right() - kGap;
    const int left = frame.left() - area.left() - kGap;
    const int room = std::max(left, right) - decoration.left() - decoration.right();
    resize(clientSizeWithin(QSize(std::clamp(room, kMinWidth, kWidth), kHeight), decoration, area));
    const QSize frameSize = size().grownBy(decoration);
    const int x =
        right >= left ? frame.right() + 1 + kGap : frame.left() - kGap - frameSize.width();
    move(framePositionWithin(QPoint(x, frame.top()), frameSize, area));
}

void HelpViewer::show(const std::string& helpFile) {
    const QString path = pathToWidget(helpFile);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        say(messages_,
            QCoreApplication::translate("kelmo::ui::HelpWindow", "Failed to launch help."));
        return;
    }
    if (!window_) {
        window_ = new HelpWindow(owner_);
        window_->setAttribute(Qt::WA_DeleteOnClose, owner_ == nullptr);
        window_->placeBesideOwner();
    }
    window_->browser()->setSource(QUrl::fromLocalFile(path));
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void HelpViewer::quit() {
    if (window_) window_->close();
}

}  // namespace kelmo::ui
