#pragma once
// Colours of the parameter editor and the focus colouring of controls.
#include <QColor>
#include <vector>

#include "model/row_colours.h"

class QWidget;

namespace kestrin {

QColor FocusColour();        // 255, 255, 0
QColor SelectedRowColour();  // 255, 255, 150
QColor GuardColour();        // 113, 255, 113
QColor WindowColour();       // the system's window (edit field) colour
QColor ButtonFaceColour();   // the system's button face colour

// An Rgb of row_colours.h as a colour; kWindowColourRgb gives WindowColour().
QColor RgbColour(Rgb rgb);

enum class FocusState { Focused, Normal, Given };

// Focused: focus colour; Normal: the colour of the control's kind (labels,
// radio buttons, check boxes, sliders: button face; line edits: button face
// when read-only, else window; list, tree, list-box and combo box: window);
// Given: colour. Other kinds (tables, buttons, group boxes) are left alone.
void SetFocusColour(QWidget* control, FocusState state, const QColor& colour = QColor());

// From now on paints control, and the labels that belong to it, Focused while
// the control has the focus and Normal after it loses it; the colours stay as
// they are until then. The one focus colouring of controls; a control already
// tracked stays as it is.
void TrackFocusColour(QWidget* control, std::vector<QWidget*> labels = {});

// The background colour SetFocusColour last gave the control (for tests).
QColor BackgroundColour(const QWidget* control);

}  // namespace kestrin
