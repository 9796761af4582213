#include "ui/method_box.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>

#include "calendar/angle_format.h"
#include "calendar/names.h"
#include "files/reports/method_text.h"
#include "prayer/calculation_methods.h"
#include "ui/cfg_dlg.h"
#include "ui/dialog_template.h"
#include "ui/text_edge.h"
#include "ui/window_words.h"

namespace kelmo::ui {

namespace {

// The angle fields a method fills: degrees and minutes of Imsak, Fajr and Isha.
constexpr int kAngleFields[] = {cfg::kImsakDegrees, cfg::kImsakMinutes, cfg::kFajrDegrees,
                                cfg::kFajrMinutes,  cfg::kIshaDegrees,  cfg::kIshaMinutes};

void moveControlsDown(QDialog* dialog, int pixels) {
    for (QWidget* child : dialog->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        child->move(child->x(), child->y() + pixels);
    }
    dialog->setFixedSize(dialog->width(), dialog->height() + pixels);
}

void showAngle(const QDialog* dialog, int degreesId, int minutesId, float angle) {
    const SplitAngle split = splitAngle(angle, true);
    control<QLineEdit>(dialog, degreesId)->setText(QString::number(split.degrees));
    control<QLineEdit>(dialog, minutesId)->setText(QString::number(split.minutes));
}

// The line below the list: every figure of the method (nothing for Custom).
QString otherFigures(const CalculationMethod& m) {
    if (isCustom(m)) return QString();
    return toWidget(methodFiguresText(m));
}

}  // namespace

MethodBox::MethodBox(QDialog* dialog, DialogTemplate& t, const Config& config) : dialog_(dialog) {
    using namespace cfg;
    moveControlsDown(dialog, t.units().size(0, kMethodRowHeight).height());
    t.group(tr("Calculation method"), 7, 5, 200, 27);
    methods_ = t.dropDown(kMethod, 13, 15, 188, 13);
    t.group(tr("Hijri calendar"), 214, 5, 116, 27);
    calendars_ = t.dropDown(kCalendar, 220, 15, 104, 13);
    figures_ = t.label(QString(), 9, 33, 321, 10);
    figures_->setObjectName(QString::number(kMethodFigures));
    for (const CalculationMethod& m : calculationMethods()) methods_->addItem(m.name);
    for (const char* name : windowWords().hijriCalendars) calendars_->addItem(shownWord(name));
    const bool known =
        config.method >= 0 && static_cast<std::size_t>(config.method) < calculationMethods().size();
    methods_->setCurrentIndex(known ? config.method : kCustomMethod);
    calendars_->setCurrentIndex(static_cast<int>(config.hijriCalendar));
    setTip(methods_, tr("Choose the authority whose method your mosque follows; Custom keeps the "
                        "angles you set"));
    setTip(calendars_,
           tr("Choose the calendar of the Hijri dates: the crescent seen at the place, "
              "the official Umm al-Qura calendar (1300 to 1600 AH) or the tabular one"));

    QObject::connect(methods_, &QComboBox::activated, dialog, [this](int i) { choose(i); });
    for (int id : kAngleFields) {
        QObject::connect(control<QLineEdit>(dialog, id), &QLineEdit::textEdited, dialog,
                         [this] { switchToCustom(); });
    }
    QObject::connect(control<QComboBox>(dialog, kFiqh), &QComboBox::activated, dialog, [this] {
        if (calculationMethods()[method()].fiqh != kFiqhNotFixed) switchToCustom();
    });
}

void MethodBox::showChosen() {
    setFiguresGrey(method() != kCustomMethod);
    figures_->setText(otherFigures(calculationMethods()[method()]));
}

int MethodBox::method() const {
    return methods_->currentIndex();
}

HijriCalendar MethodBox::calendar() const {
    return static_cast<HijriCalendar>(calendars_->currentIndex());
}

void MethodBox::choose(int index) {
    Config figures;
    figures.fiqh = control<QComboBox>(dialog_, cfg::kFiqh)->currentIndex();
    applyMethod(index, figures);
    if (index != kCustomMethod) {
        showAngle(dialog_, cfg::kImsakDegrees, cfg::kImsakMinutes, figures.imsakAngle);
        showAngle(dialog_, cfg::kFajrDegrees, cfg::kFajrMinutes, figures.fajrAngle);
        if (calculationMethods()[index].ishaMinutes == 0) {
            showAngle(dialog_, cfg::kIshaDegrees, cfg::kIshaMinutes, figures.ishaAngle);
        }
        control<QComboBox>(dialog_, cfg::kFiqh)->setCurrentIndex(figures.fiqh);
    }
    showChosen();
}

void MethodBox::switchToCustom() {
    methods_->setCurrentIndex(kCustomMethod);
    showChosen();
}

void MethodBox::setFiguresGrey(bool grey) {
    const QPalette normal = dialog_->palette();
    QPalette shown = normal;
    if (grey) {
        for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText}) {
            shown.setColor(role, normal.color(QPalette::Disabled, role));
        }
    }
    for (int id : kAngleFields) control<QLineEdit>(dialog_, id)->setPalette(shown);
    const bool fiqhFixed = grey && calculationMethods()[method()].fiqh != kFiqhNotFixed;
    control<QComboBox>(dialog_, cfg::kFiqh)->setPalette(fiqhFixed ? shown : normal);
}

}  // namespace kelmo::ui
