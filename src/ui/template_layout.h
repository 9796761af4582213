// Template dialogs in every language. The templates place their controls for the English
// texts; a translation may be longer, and Arabic, Urdu and Persian read from right to left.
// Before a template dialog is shown its controls get the room their texts need and, for a
// right-to-left language, the mirror image of their places.
#pragma once

class QWidget;

namespace kelmo::ui {

// The pixels a control lacks to show its whole text (0 when it fits or shows no text):
// labels, buttons, radio buttons, check boxes and group boxes' titles.
int missingWidth(const QWidget* control);

// Gives every control of holder (its direct children, placed by the template) the width its
// text needs: a column as wide as the missing room is put in at the control's right edge,
// moving what lies to the right of it and widening what spans it (a group box around it, a
// field of another row), and holder grows by it. Then, when holder is laid out from right to
// left, every control moves to the mirror image of its place.
void arrangeTemplate(QWidget* holder);

}  // namespace kelmo::ui
