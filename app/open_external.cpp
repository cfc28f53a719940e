#include "app/open_external.h"

#include <QDesktopServices>
#include <QUrl>

#include "app/form_look.h"
#include "app/help_viewer.h"

namespace orv::app {

namespace {

// Identifier of the 32-bit Windows family that is not NT; any value but 2
// takes the command-line branch.
constexpr std::int16_t kPlatformThisDesktop = 1;

std::optional<std::int16_t>& PlatformOverride() {
    static std::optional<std::int16_t> id;
    return id;
}

std::function<void(const LaunchRequest&)>& Launcher() {
    static std::function<void(const LaunchRequest&)> launcher;
    return launcher;
}

void OpenAddressOrHelp(const std::string& target) {
    if (FromFileText(target).endsWith(QStringLiteral(".hlp"), Qt::CaseInsensitive)) {
        ShowHelpViewer(FromFilePath(target));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromUserInput(FromFileText(target)));
}

}  // namespace

std::int16_t PlatformId() {
    return PlatformOverride().value_or(kPlatformThisDesktop);
}

void SetPlatformIdOverride(std::optional<std::int16_t> id) {
    PlatformOverride() = id;
}

void SetLauncher(std::function<void(const LaunchRequest&)> launcher) {
    Launcher() = std::move(launcher);
}

void OpenExternal(const std::string& target, const std::string& prefix, QWidget* owner) {
    LaunchRequest request;
    if (PlatformId() == kPlatformNt) {
        request.kind = LaunchRequest::Kind::kShellOpen;
        request.target = target;
        request.owner = owner;
    } else {
        request.kind = LaunchRequest::Kind::kCommandLine;
        request.command_line = prefix + target;
    }
    if (Launcher()) {
        Launcher()(request);
        return;
    }
    Launch(request);
}

void Launch(const LaunchRequest& request) {
    if (request.kind == LaunchRequest::Kind::kShellOpen) {
        OpenAddressOrHelp(request.target);
        return;
    }
    // The command line is the program name, one space, and the target as it
    // stands (spaces included).
    const std::string& line = request.command_line;
    const std::size_t space = line.find(' ');
    const std::string program = line.substr(0, space);
    const std::string argument = space == std::string::npos ? "" : line.substr(space + 1);
    if (program == "winhelp") {
        ShowHelpViewer(FromFilePath(argument));
    } else if (program == "start") {
        QDesktopServices::openUrl(QUrl::fromUserInput(FromFileText(argument)));
    }
}

}  // namespace orv::app
