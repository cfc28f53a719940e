#pragma once

class QWidget;

namespace orv::results {

// Whether a finished test's result is kept, as the user chose in the
// settings; on until chosen otherwise.
bool KeepResultsChosen();
// False when the choice could not be saved.
bool ChooseKeepResults(bool keep);

// The first time a result is kept, says so beside `evaluation`, once for all
// runs, in a window that takes neither the focus nor the keyboard from it.
void TellOnceThatResultsAreKept(QWidget* evaluation);

}  // namespace orv::results
