#pragma once

#include <vector>

#include "results/core/kept_results.h"

class QWidget;

namespace orv::results {

// Save a copy: the file chooser (owned by `parent`) asks where, under the
// kept file's name in the user's documents folder first, and asks before it
// replaces a file; the result is then written whole in its own format, or
// nothing is written and a message says so.
void SaveResultCopy(QWidget* parent, const ListedResult& listed);

// Export all as CSV: the same for a CSV table of the readable results of
// `listed`.
void ExportResultsCsv(QWidget* parent, const std::vector<ListedResult>& listed);

}  // namespace orv::results
