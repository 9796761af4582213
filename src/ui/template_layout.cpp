#include "ui/template_layout.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QWidget>
#include <algorithm>

namespace kelmo::ui {

namespace {

// The title of a group box needs its text and the frame's indent on both sides.
int groupTitleWidth(const QGroupBox* group) {
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.direction = Qt::LeftToRight;  // the indent from the left edge, in either direction
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.lineWidth = 1;
    const QRect label = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                       QStyle::SC_GroupBoxLabel, group);
    return 2 * label.left() + label.width();
}

QList<QWidget*> controlsOf(QWidget* holder) {
    return holder->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
}

// Puts a column of width pixels into holder at x.
void insertColumn(QWidget* holder, int x, int width) {
    for (QWidget* control : controlsOf(holder)) {
        const QRect place = control->geometry();
        if (place.left() >= x) {
            control->move(place.x() + width, place.y());
        } else if (place.left() + place.width() > x) {
            control->resize(place.width() + width, place.height());
        }
    }
    holder->setFixedWidth(holder->width() + width);
}

}  // namespace

int missingWidth(const QWidget* control) {
    if (control->isWindow()) return 0;
    int needed = 0;
    if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
        if (group->title().isEmpty()) return 0;
        needed = groupTitleWidth(group);
    } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty() || label->wordWrap()) return 0;
        needed = label->sizeHint().width();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        if (button->text().isEmpty()) return 0;
        needed = button->sizeHint().width();
    }
    return std::max(0, needed - control->width());
}

void arrangeTemplate(QWidget* holder) {
    QList<QWidget*> controls = controlsOf(holder);
    // From left to right, so that each column moves only controls already given their room or
    // yet to be looked at with their own size.
    std::sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) {
        return a->geometry().right() < b->geometry().right();
    });
    for (QWidget* control : controls) {
        if (const int missing = missingWidth(control); missing > 0) {
            insertColumn(holder, control->x() + control->width(), missing);
            control->resize(control->width() + missing, control->height());
        }
    }
    if (holder->layoutDirection() != Qt::RightToLeft) return;
    for (QWidget* control : controlsOf(holder)) {
        control->move(holder->width() - control->x() - control->width(), control->y());
    }
}

}  // namespace kelmo::ui
