#pragma once

#include <QtGlobal>

#include "results/core/kept_result.h"
#include "results/core/profile.h"

class QWidget;

namespace orv::results {

inline constexpr const char* kPdfNotSaved = QT_TRANSLATE_NOOP(
    "Message",
    "The PDF file could not be saved. Nothing was written; please choose another folder or name.");

// Save as PDF: the standard file chooser (owned by `parent`) asks where, in
// the user's documents folder first, under a name that holds the test and
// the date; the PDF of `result` and `view` then replaces or makes that file
// whole, or leaves it as it was and says so in a message box.
void SaveAsPdf(QWidget* parent, const KeptResult& result, const ProfileView& view);

}  // namespace orv::results
