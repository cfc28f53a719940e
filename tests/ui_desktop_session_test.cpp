#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QtTest>

#include "app/desktop_session.h"

using orv::app::MissingDesktopSession;
using orv::app::PreferredPlatform;

// Runs before any toolkit object exists, as the program's check does.
class DesktopSessionTest : public QObject {
    Q_OBJECT
  private slots:
    // X servers listen first on the abstract socket, which has no file; one that
    // answers is preferred, under Wayland too, unless a platform was asked for.
    void saysInOneLineWhyNoWindowCanShowAndPrefersX() {
        unsetenv("QT_QPA_PLATFORM");
        unsetenv("WAYLAND_DISPLAY");
        unsetenv("DISPLAY");
        QCOMPARE(MissingDesktopSession(),
                 std::string("Orvane Personality Test needs a desktop session: neither DISPLAY "
                             "nor WAYLAND_DISPLAY is set."));
        setenv("DISPLAY", ":4243.0", 1);
        QCOMPARE(MissingDesktopSession(),
                 std::string("Orvane Personality Test cannot reach the display :4243.0."));
        setenv("WAYLAND_DISPLAY", "wayland-0", 1);  // trusted without a look
        QCOMPARE(MissingDesktopSession(), std::string());
        QCOMPARE(PreferredPlatform(), std::string());  // no X server answers
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{AF_UNIX, "\0/tmp/.X11-unix/X4243"};
        const auto size = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + 20);  // NUL, name
        QVERIFY(::bind(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
                ::listen(fd, 1) == 0);
        QCOMPARE(PreferredPlatform(), std::string("xcb"));
        unsetenv("WAYLAND_DISPLAY");
        QCOMPARE(MissingDesktopSession(), std::string());
        setenv("QT_QPA_PLATFORM", "wayland", 1);
        QCOMPARE(PreferredPlatform(), std::string());
        ::close(fd);
    }
};

QTEST_APPLESS_MAIN(DesktopSessionTest)
#include "ui_desktop_session_test.moc"
