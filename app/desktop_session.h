#pragma once

#include <string>

namespace orv::app {

// Why no window can be shown here, in one line, or "" when a desktop session
// appears to be reachable. Checked before the toolkit starts, which would
// otherwise abort with a long report.
std::string MissingDesktopSession();

}  // namespace orv::app
