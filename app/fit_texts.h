#pragma once

class QPushButton;
class QWidget;

namespace orv::app {

// Widens a window laid out in twips until the text of every label, button
// and option button on `area` fits its control: the positions and widths of
// the controls, and the window, grow in one proportion, so that nothing comes
// to overlap. A window whose texts fit already stays as it is. For texts of
// other languages, which are often longer than the English ones.
void WidenToFitTexts(QWidget* window, QWidget* area);

// Whether the text of a label, button or option button fits its control.
bool TextFits(const QWidget* control);

// The least width in which a button's caption fits, by that measure.
int WidthToFit(const QPushButton* button);

}  // namespace orv::app
