#include "ui/help_window.h"

#include <QFile>
#include <QUrl>

#include "ui/earth_picture.h"
#include "ui/text_edge.h"

namespace kelmo::ui {

void HelpViewer::show(const std::string& helpFile) {
    const QString path = toWidget(helpFile);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        messages_.show("Failed to launch help.");
        return;
    }
    if (!window_) {
        window_ = new QTextBrowser;
        window_->setAttribute(Qt::WA_DeleteOnClose);
        window_->setWindowTitle("KelmoTimes Help");
        window_->setWindowIcon(applicationIcon());
        window_->setOpenExternalLinks(true);
        window_->resize(720, 640);
    }
    window_->setSource(QUrl::fromLocalFile(path));
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void HelpViewer::quit() {
    if (window_) window_->close();
}

}  // namespace kelmo::ui
