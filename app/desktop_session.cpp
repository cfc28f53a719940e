#include "app/desktop_session.h"

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <future>
#include <memory>
#include <thread>

namespace orv::app {

namespace {

// A display far away, or one that never answers, must not hold the start.
constexpr std::chrono::seconds kAnswerTimeout{3};

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// Whether the X server at `display` accepts a connection from this program,
// as libxcb judges it: every form of DISPLAY, and the X authorisation.
bool XServerAccepts(const std::string& display) {
    auto answer = std::make_shared<std::promise<bool>>();
    std::future<bool> accepted = answer->get_future();
    // A connection that hangs is left behind on its own thread.
    std::thread([display, answer] {
        xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
        answer->set_value(xcb_connection_has_error(connection) == 0);
        xcb_disconnect(connection);
    }).detach();
    return accepted.wait_for(kAnswerTimeout) == std::future_status::ready && accepted.get();
}

}  // namespace

std::string MissingDesktopSession() {
    if (!Environment("QT_QPA_PLATFORM").empty() || !Environment("WAYLAND_DISPLAY").empty()) {
        return "";
    }
    const std::string display = Environment("DISPLAY");
    if (display.empty()) {
        return "Orvane Personality Test needs a desktop session: neither DISPLAY nor "
               "WAYLAND_DISPLAY is set.";
    }
    if (!XServerAccepts(display)) {
        return "Orvane Personality Test cannot reach the display " + display + ".";
    }
    return "";
}

std::string PreferredPlatform() {
    if (!Environment("QT_QPA_PLATFORM").empty()) {
        return "";
    }
    const std::string display = Environment("DISPLAY");
    return !display.empty() && XServerAccepts(display) ? "xcb" : "";
}

}  // namespace orv::app
