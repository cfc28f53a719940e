#pragma once

#include <QPalette>

class QWidget;

namespace orv::app {

// The colours of a window of the design: the pale yellow background with
// black text on a light desktop, the desktop's own on a dark one; they follow
// a change of the desktop's colours.
void FollowFormColours(QWidget* window);

// A window without the pale yellow (the help viewer, a message box): the
// desktop's colours, kept readable on a dark desktop, following their changes.
void FollowDesktopColours(QWidget* window);

// Gives a label or option button the background of its window: pale yellow
// with black text, or blue for a link (`text` Link), on a light desktop.
void PaintPaleYellow(QWidget* control, QPalette::ColorRole text = QPalette::WindowText);

// A control that keeps the desktop's colours in a pale yellow window (the
// menu bar).
void KeepDesktopColours(QWidget* control);

// The column headers of a table, in the text's own colour on a dark desktop.
void PaintHeaderReadable(QWidget* header);

}  // namespace orv::app
