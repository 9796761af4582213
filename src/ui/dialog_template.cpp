#include "ui/dialog_template.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QToolTip>
#include <algorithm>
#include <memory>

namespace kelmo::ui {

void setTip(QWidget* widget, const QString& text) {
    const QFontMetrics metrics(QToolTip::font());
    QStringList lines;
    QString line;
    for (const QString& word : text.split(' ')) {
        const QString longer = line.isEmpty() ? word : line + ' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > kTipWidth) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    lines << line;
    widget->setToolTip(lines.join('\n'));
}

void limitTyping(QLineEdit* edit, int maxCharacters) {
    auto previous = std::make_shared<QString>(edit->text());
    // textChanged follows textEdited; the text is read back, as an edit refused below has
    // already been undone when its textChanged arrives.
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [edit, previous] { *previous = edit->text(); });
    QObject::connect(
        edit, &QLineEdit::textEdited, edit, [edit, previous, maxCharacters](const QString& text) {
            if (text.size() > maxCharacters && text.size() > previous->size()) {
                const int cursor = edit->cursorPosition() - (text.size() - previous->size());
                const QSignalBlocker block(edit);
                edit->setText(*previous);
                edit->setCursorPosition(std::max(0, cursor));
            } else {
                *previous = text;
            }
        });
}

QWidget* controlById(const QWidget* dialog, int id) {
    return dialog->findChild<QWidget*>(QString::number(id));
}

DialogTemplate::DialogTemplate(QWidget* dialog, const QString& caption, int width, int height)
    : dialog_(dialog), units_(dialogFont()) {
    dialog->setFont(dialogFont());
    dialog->setWindowTitle(caption);
    dialog->setFixedSize(units_.size(width, height));
}

void DialogTemplate::place(QWidget* widget, int id, int x, int y, int w, int h) const {
    if (id != 0) widget->setObjectName(QString::number(id));
    widget->setGeometry(units_.rect(x, y, w, h));
}

QPushButton* DialogTemplate::button(int id, const QString& caption, int x, int y, int w, int h) {
    auto* widget = new QPushButton(caption, dialog_);
    widget->setAutoDefault(true);
    place(widget, id, x, y, w, h);
    return widget;
}

QRadioButton* DialogTemplate::radio(int id, const QString& caption, int x, int y, int w, int h) {
    auto* widget = new QRadioButton(caption, dialog_);
    place(widget, id, x, y, w, h);
    return widget;
}

QCheckBox* DialogTemplate::check(int id, const QString& caption, int x, int y, int w, int h) {
    auto* widget = new QCheckBox(caption, dialog_);
    place(widget, id, x, y, w, h);
    return widget;
}

QLineEdit* DialogTemplate::edit(int id, int x, int y, int w, int h) {
    auto* widget = new QLineEdit(dialog_);
    place(widget, id, x, y, w, h);
    return widget;
}

QComboBox* DialogTemplate::dropDown(int id, int x, int y, int w, int h) {
    auto* widget = new QComboBox(dialog_);
    widget->setMaxVisibleItems(12);
    place(widget, id, x, y, w, h);
    return widget;
}

QGroupBox* DialogTemplate::group(const QString& caption, int x, int y, int w, int h) {
    auto* widget = new QGroupBox(caption, dialog_);
    place(widget, 0, x, y, w, h);
    widget->lower();  // behind the controls it frames
    return widget;
}

QLabel* DialogTemplate::label(const QString& caption, int x, int y, int w, int h) {
    auto* widget = new QLabel(caption, dialog_);
    place(widget, 0, x, y, w, h);
    return widget;
}

}  // namespace kelmo::ui
