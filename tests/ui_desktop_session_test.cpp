#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QtTest>

#include "app/desktop_session.h"

using orv::app::MissingDesktopSession;
using orv::app::PreferredPlatform;

namespace {

// An X server of the test's own that admits only the clients holding its
// cookie; the cookie for its display is in client_authority().
class PrivateXServer {
  public:
    PrivateXServer() {
        Xauth(QStringLiteral("server"), QStringLiteral(":0"));
        // The shell hands over the server's process id, the server its display number.
        const QString start =
            QStringLiteral(
                "Xvfb -displayfd 1 -auth '%1' -nolisten tcp -noreset 2>/dev/null & echo $!")
                .arg(folder_.filePath(QStringLiteral("server")));
        FILE* out = ::popen(start.toLocal8Bit().constData(), "r");
        int display = -1;
        if (out != nullptr && std::fscanf(out, "%d %d", &pid_, &display) == 2) {
            display_ = QByteArray::number(display);
            Xauth(QStringLiteral("client"), QStringLiteral(":") + display_);
        }
        if (out != nullptr) {
            ::pclose(out);
        }
    }
    ~PrivateXServer() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
        }
    }
    QByteArray display() const { return display_; }  // its number, "" if it did not start
    QByteArray client_authority() const {
        return folder_.filePath(QStringLiteral("client")).toLocal8Bit();
    }

  private:
    void Xauth(const QString& file, const QString& display) const {
        const QString command =
            QStringLiteral("xauth -q -f '%1' add %2 . 5f0e3c2a9b8d7e6f5a4b3c2d1e0f9a8b 2>/dev/null")
                .arg(folder_.filePath(file), display);
        QCOMPARE(std::system(command.toLocal8Bit().constData()), 0);
    }

    QTemporaryDir folder_;
    pid_t pid_ = -1;
    QByteArray display_;
};

}  // namespace

// Runs before any toolkit object exists, as the program's check does.
class DesktopSessionTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY", "XAUTHORITY"}) {
            unsetenv(name);
        }
    }

    void saysInOneLineWhyNoWindowCanShow() {
        QCOMPARE(MissingDesktopSession(),
                 std::string("Orvane Personality Test needs a desktop session: neither DISPLAY "
                             "nor WAYLAND_DISPLAY is set."));
        setenv("DISPLAY", ":4243.0", 1);
        QCOMPARE(MissingDesktopSession(),
                 std::string("Orvane Personality Test cannot reach the display :4243.0."));
        setenv("WAYLAND_DISPLAY", "wayland-0", 1);  // trusted without a look
        QCOMPARE(MissingDesktopSession(), std::string());
        QCOMPARE(PreferredPlatform(), std::string());  // no X server answers
    }

    // A socket that takes the connection and never answers, as a far or hung
    // X server would, is given up after a few seconds.
    void aDisplayThatNeverAnswersCannotHoldTheStart() {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const std::string display = std::to_string(4244 + ::getpid() % 10000);  // this run's
        const std::string name = "/tmp/.X11-unix/X" + display;
        sockaddr_un address{AF_UNIX, {}};
        name.copy(address.sun_path + 1, name.size());
        const auto size =
            socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size());  // NUL, name
        QVERIFY(::bind(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
                ::listen(fd, 1) == 0);
        setenv("DISPLAY", (":" + display).c_str(), 1);
        QElapsedTimer waited;
        waited.start();
        QCOMPARE(MissingDesktopSession(),
                 "Orvane Personality Test cannot reach the display :" + display + ".");
        QVERIFY(waited.elapsed() < 10000);
        ::close(fd);
    }

    // The X server itself decides, with its authorisation: without the cookie
    // the display refuses the program; with it, X is preferred, under Wayland
    // too, unless a platform was asked for.
    void asksTheXServerWithItsAuthorisation() {
        const PrivateXServer server;
        QVERIFY2(!server.display().isEmpty(), "Xvfb did not start");
        setenv("DISPLAY", ":" + server.display(), 1);
        setenv("XAUTHORITY", "/nonexistent/.Xauthority", 1);
        QCOMPARE(MissingDesktopSession(), "Orvane Personality Test cannot reach the display :" +
                                              server.display().toStdString() + ".");
        setenv("XAUTHORITY", server.client_authority(), 1);
        QCOMPARE(MissingDesktopSession(), std::string());
        setenv("DISPLAY", "unix:" + server.display() + ".0", 1);
        QCOMPARE(MissingDesktopSession(), std::string());
        setenv("WAYLAND_DISPLAY", "wayland-0", 1);
        QCOMPARE(PreferredPlatform(), std::string("xcb"));
        setenv("QT_QPA_PLATFORM", "wayland", 1);
        QCOMPARE(PreferredPlatform(), std::string());
    }
};

QTEST_APPLESS_MAIN(DesktopSessionTest)
#include "ui_desktop_session_test.moc"
