#pragma once

#include <string>

class QWidget;

namespace orv::results {

// Open a result file: the file chooser (owned by `parent`) asks for a result
// file from anywhere, which is read as strictly as a kept one. A result
// shows in the profile window, which offers to keep a copy of it in `folder`
// under a name of its own; anything else is named in a message, and nothing
// is kept from it.
void OpenResultFile(QWidget* parent, const std::string& folder);

}  // namespace orv::results
