#include "app/desktop_session.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace orv::app {

namespace {

constexpr int kConnectTimeoutMs = 3000;

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// Connects to a local socket; an `abstract` name lives in the abstract
// namespace (no file), where X servers listen first.
bool ConnectsUnix(const std::string& path, bool abstract) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) {
        return false;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    const std::size_t length = std::min(path.size(), sizeof(address.sun_path) - 1 - offset);
    std::memcpy(address.sun_path + offset, path.data(), length);
    const socklen_t size =
        abstract ? static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length)
                 : static_cast<socklen_t>(sizeof(address));
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), size) == 0;
    ::close(fd);
    return ok;
}

bool ConnectsTcp(const std::string& host, int port) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) {
        return false;
    }
    bool ok = false;
    for (addrinfo* a = found; a != nullptr && !ok; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK, a->ai_protocol);
        if (fd < 0) {
            continue;
        }
        // A display far away must not hold the start for minutes.
        if (::connect(fd, a->ai_addr, a->ai_addrlen) == 0) {
            ok = true;
        } else if (errno == EINPROGRESS) {
            pollfd waiting{fd, POLLOUT, 0};
            int error = 0;
            socklen_t length = sizeof(error);
            ok = ::poll(&waiting, 1, kConnectTimeoutMs) == 1 &&
                 ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
        }
        ::close(fd);
    }
    ::freeaddrinfo(found);
    return ok;
}

// Whether an X server answers at DISPLAY ("[host]:number[.screen]").
bool XServerReachable(const std::string& display) {
    const std::size_t colon = display.rfind(':');
    if (colon == std::string::npos) {
        return true;  // an unusual form: leave the judgement to the toolkit
    }
    const std::string host = display.substr(0, colon);
    const int number = std::atoi(display.c_str() + colon + 1);
    if (host.empty() || host == "unix") {
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
        return ConnectsUnix(socket, true) || ConnectsUnix(socket, false);
    }
    if (host.find('/') != std::string::npos) {
        return true;  // a launchd-style socket path
    }
    return ConnectsTcp(host, 6000 + number);
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
    if (!XServerReachable(display)) {
        return "Orvane Personality Test cannot reach the display " + display + ".";
    }
    return "";
}

std::string PreferredPlatform() {
    if (!Environment("QT_QPA_PLATFORM").empty()) {
        return "";
    }
    const std::string display = Environment("DISPLAY");
    return !display.empty() && XServerReachable(display) ? "xcb" : "";
}

}  // namespace orv::app
