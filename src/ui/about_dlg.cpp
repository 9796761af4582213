#include "ui/about_dlg.h"

#include <QLabel>
#include <QPushButton>

#include "ui/dialog_template.h"
#include "ui/earth_picture.h"
#include "ui/template_layout.h"

namespace kelmo::ui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    DialogTemplate t(this, QStringLiteral(" ") + tr("About KelmoTimes"), 217, 55);
    QLabel* icon = t.label(QString(), 11, 17, 21, 20);
    icon->setPixmap(applicationIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignCenter);
    t.label(kVersionLine, 40, 22, 119, 10);
    QPushButton* ok = t.button(1, tr("OK"), 178, 7, 32, 14);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    arrangeTemplate(this);
}

}  // namespace kelmo::ui
