#include "platform/qt/message_dialog.h"

#include "platform/qt/caption_width.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QTextOption>
#include <QVBoxLayout>

namespace kelmo::platform {

namespace {
constexpr int kTabCharacters = 8;  // the message box's tab stops, in average characters
constexpr int kLargeExtent = 100000;
}  // namespace

TabbedText::TabbedText(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
}

int TabbedText::tabStop() const {
    return kTabCharacters * fontMetrics().averageCharWidth();
}

QSize TabbedText::sizeHint() const {
    const QRect box = fontMetrics().boundingRect(QRect(0, 0, kLargeExtent, kLargeExtent),
                                                 Qt::TextExpandTabs, text_, tabStop());
    return box.size() + QSize(2, 2);
}

void TabbedText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(tabStop());
    painter.drawText(QRectF(rect()), text_, option);
}

MessageDialog::MessageDialog(const QString& text, const QString& caption, bool withCancel,
                             QWidget* parent)
    : QDialog(parent), text_(text) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 12);
    layout->setSpacing(14);
    layout->addWidget(new TabbedText(text, this));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setDefault(true);
    ok_->setMinimumWidth(80);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(ok_);
    if (withCancel) {
        cancel_ = new QPushButton(tr("Cancel"), this);
        cancel_->setMinimumWidth(80);
        connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
        buttons->addWidget(cancel_);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    // At least as wide as the caption, which a narrow box's caption bar would cut.
    const int margins = layout->contentsMargins().left() + layout->contentsMargins().right();
    layout->addSpacerItem(new QSpacerItem(captionWidth(this, caption) - margins, 0,
                                          QSizePolicy::Fixed, QSizePolicy::Fixed));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace kelmo::platform
