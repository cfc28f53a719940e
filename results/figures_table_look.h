#pragma once

class QTableWidget;

namespace orv::results {

// The look and keys of a table of figures: read only, one cell at a time,
// Tab leaves it while the arrows go from cell to cell, as tall and wide as its
// figures, its heading readable in every theme, and its current cell read to
// a screen reader when it gets the focus.
void LookOfFiguresTable(QTableWidget* table);

}  // namespace orv::results
