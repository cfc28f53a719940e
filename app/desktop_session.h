#pragma once

#include <string>

namespace orv::app {

// Why no window can be shown here, in one line, or "" when a desktop session
// appears to be reachable. Checked before the toolkit starts, which would
// otherwise abort with a long report.
std::string MissingDesktopSession();

// The windowing platform to ask the toolkit for: "xcb" when no platform was
// chosen and an X display answers (under Wayland through its X server), so
// that every window can centre itself as it opens, which Wayland leaves to
// the compositor; "" to let the toolkit choose.
std::string PreferredPlatform();

}  // namespace orv::app
