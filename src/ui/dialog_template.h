// Building a dialog from its template: each control placed in dialog units, named by its
// control id (its object name is the id in decimal, so tests and code find it by id), with
// its caption and tooltip.
#pragma once

#include <QString>

#include "ui/dialog_units.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace kelmo::ui {

// Tooltips are wrapped to lines of at most this many pixels.
inline constexpr int kTipWidth = 200;

// Sets a tooltip, broken into lines no wider than kTipWidth pixels.
void setTip(QWidget* widget, const QString& text);

// Limits what can be typed into an edit to maxCharacters, as the Windows edit limit does: a
// longer text put in by the program stays whole (the field check then refuses it), and typing
// can shorten it but never lengthen it beyond the limit.
void limitTyping(QLineEdit* edit, int maxCharacters);

// The control of a dialog with the id, or null.
QWidget* controlById(const QWidget* dialog, int id);
template <typename Control>
Control* control(const QWidget* dialog, int id) {
    return qobject_cast<Control*>(controlById(dialog, id));
}

class DialogTemplate {
  public:
    // Sets the dialog's caption, font and fixed size (in dialog units). dialog is the window,
    // or a widget inside it that holds the template's controls.
    DialogTemplate(QWidget* dialog, const QString& caption, int width, int height);

    QPushButton* button(int id, const QString& caption, int x, int y, int w, int h);
    QRadioButton* radio(int id, const QString& caption, int x, int y, int w, int h);
    QCheckBox* check(int id, const QString& caption, int x, int y, int w, int h);
    QLineEdit* edit(int id, int x, int y, int w, int h);
    QComboBox* dropDown(int id, int x, int y, int w, int h);
    QGroupBox* group(const QString& caption, int x, int y, int w, int h);
    QLabel* label(const QString& caption, int x, int y, int w, int h);
    const DialogUnits& units() const { return units_; }

  private:
    void place(QWidget* widget, int id, int x, int y, int w, int h) const;

    QWidget* dialog_;
    DialogUnits units_;
};

}  // namespace kelmo::ui
