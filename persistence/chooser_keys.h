#pragma once

class QKeyEvent;

// Whether a key would cancel a dialog (Escape), which the choosers refuse:
// they hand back their choice on every way of closing, so a cancel would
// commit whatever was picked last.
bool IsCancelKey(const QKeyEvent* event);
