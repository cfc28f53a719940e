#pragma once

class QWidget;

namespace orv::app {

// On a dark desktop a ring in the window's text colour marks the control that
// has the keyboard focus: the dark styles' own focus frames stand out less
// than 3:1 from the window. A light window shows the style's frame alone.
void MarkFocusWhenDark(QWidget* window);

}  // namespace orv::app
