#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace orv::app {

// Platform identifier of the Windows NT family; only that family opens
// targets through the shell's "open" operation.
inline constexpr std::int16_t kPlatformNt = 2;

// The platform identifier this program reports: not the NT family.
std::int16_t PlatformId();

// What OpenExternal hands to the platform.
struct LaunchRequest {
    enum class Kind { kShellOpen, kCommandLine };
    Kind kind = Kind::kCommandLine;
    std::string target;        // kShellOpen: the file or address to open
    std::string command_line;  // kCommandLine: prefix + target, unquoted
    QWidget* owner = nullptr;  // kShellOpen: the owner window
};

// Opens a help file or a web address with the program that goes with it.
// On the NT family the target is opened with the owner window; elsewhere the
// command line prefix + target is started ("winhelp FILE", "start ADDRESS").
void OpenExternal(const std::string& target, const std::string& prefix, QWidget* owner);

// Runs a launch request: "winhelp FILE" shows the program's help viewer,
// "start ADDRESS" and shell opens go to the desktop's browser.
void Launch(const LaunchRequest& request);

// Seams for tests: a fixed platform identifier and a launcher that records
// instead of launching. Empty values restore the real ones.
void SetPlatformIdOverride(std::optional<std::int16_t> id);
void SetLauncher(std::function<void(const LaunchRequest&)> launcher);

}  // namespace orv::app
