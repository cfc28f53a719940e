#pragma once

namespace orv::app {

// Qt shows a text browser to screen readers as a label without text. Once
// this is installed, a text browser is a read-only document named by its
// title, whose text a screen reader can read, select and follow.
void InstallAccessibleDocuments();

}  // namespace orv::app
