#pragma once

class QAbstractItemView;

namespace orv::app {

// Tells screen readers of the current item of `view` each time the view gets
// the focus, as Qt does only when the current item changes: a list of one
// item, where the arrow keys cannot move, would otherwise never be read.
void AnnounceCurrentItemOnFocus(QAbstractItemView* view);

}  // namespace orv::app
