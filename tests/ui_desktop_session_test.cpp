#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QtTest>
#include <cstddef>
#include <cstdlib>
#include <cstring>

#include "app/desktop_session.h"

using orv::app::MissingDesktopSession;
using orv::app::PreferredPlatform;

// The check runs before any toolkit object exists, so it needs none here.
class DesktopSessionTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        unsetenv("QT_QPA_PLATFORM");
        unsetenv("WAYLAND_DISPLAY");
        unsetenv("DISPLAY");
    }
    void cleanupTestCase() { setenv("QT_QPA_PLATFORM", "offscreen", 1); }

    void noDisplayAtAllIsSaidInOneLine() {
        QCOMPARE(MissingDesktopSession(),
                 std::string("Orvane Personality Test needs a desktop session: neither DISPLAY "
                             "nor WAYLAND_DISPLAY is set."));
    }
    void aDisplayNobodyServesIsNamed() {
        setenv("DISPLAY", ":4242", 1);
        QCOMPARE(MissingDesktopSession(),
                 std::string("Orvane Personality Test cannot reach the display :4242."));
    }
    void aServingDisplayPasses() {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        QCOMPARE(::listen(fd, 16), 0);
        socklen_t length = sizeof(address);
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
        const int port = ntohs(address.sin_port);
        if (port < 6000) {
            ::close(fd);
            QSKIP("the system gave a port below the X range");
        }
        const std::string display = "127.0.0.1:" + std::to_string(port - 6000);
        setenv("DISPLAY", display.c_str(), 1);
        QCOMPARE(MissingDesktopSession(), std::string());
        QCOMPARE(PreferredPlatform(), std::string("xcb"));
        setenv("WAYLAND_DISPLAY", "wayland-0", 1);
        QCOMPARE(PreferredPlatform(), std::string("xcb"));
        setenv("QT_QPA_PLATFORM", "wayland", 1);
        QCOMPARE(PreferredPlatform(), std::string());
        ::close(fd);
    }
    // X servers listen first on a socket of the abstract namespace, which
    // has no file in /tmp/.X11-unix.
    void aDisplayServedOnlyOnTheAbstractSocketPasses() {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        const std::string name = "/tmp/.X11-unix/X4243";
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + 1, name.data(), name.size());
        const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), size), 0);
        QCOMPARE(::listen(fd, 16), 0);
        setenv("DISPLAY", ":4243.0", 1);
        QCOMPARE(MissingDesktopSession(), std::string());
        QCOMPARE(PreferredPlatform(), std::string("xcb"));
        ::close(fd);
    }
    void anExplicitPlatformOrWaylandIsTrusted() {
        setenv("DISPLAY", ":4242", 1);
        setenv("WAYLAND_DISPLAY", "wayland-0", 1);
        QCOMPARE(MissingDesktopSession(), std::string());
        QCOMPARE(PreferredPlatform(), std::string());  // no X server answers
        unsetenv("WAYLAND_DISPLAY");
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        QCOMPARE(MissingDesktopSession(), std::string());
    }
};

QTEST_APPLESS_MAIN(DesktopSessionTest)
#include "ui_desktop_session_test.moc"
