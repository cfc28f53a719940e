// The two launches of the program: the introduction help from the main
// window's button and the web address from the about window. Each goes
// through OpenExternal, which takes the shell's "open" with the owner window on
// the NT family and the command line prefix + target elsewhere.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <optional>
#include <vector>

#include "app/form_look.h"
#include "app/help_viewer.h"
#include "app/message_box.h"
#include "app/open_external.h"
#include "shell/frmAbout.h"
#include "shell/frmTestMain.h"

using orv::app::LaunchRequest;

namespace {

// Records the launches while it lives instead of launching, on the given
// platform (none: the program's own).
class LaunchLog {
  public:
    explicit LaunchLog(std::optional<std::int16_t> platform = std::nullopt) {
        orv::app::SetPlatformIdOverride(platform);
        orv::app::SetLauncher(
            [this](const LaunchRequest& request) { requests.push_back(request); });
    }
    ~LaunchLog() {
        orv::app::SetLauncher({});
        orv::app::SetPlatformIdOverride(std::nullopt);
    }
    std::vector<LaunchRequest> requests;
};

// Set for a run of this test from a copy in a folder whose name has spaces.
bool ExpectSpacesInProgramFolder() {
    return qEnvironmentVariableIsSet("ORV_EXPECT_SPACES");
}

orv::app::HelpViewer* OpenHelpViewer() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* viewer = qobject_cast<orv::app::HelpViewer*>(window);
            viewer != nullptr && viewer->isVisible()) {
            return viewer;
        }
    }
    return nullptr;
}

}  // namespace

class OpenExternalTest : public QObject {
    Q_OBJECT
  private slots:
    void helpButtonStartsWinhelpWithTheHelpPath();
    void helpButtonOnNtOpensTheHelpWithTheMainWindow();
    void programFolderWithSpacesStaysUnquoted();
    void webAddressClickStartsStartWithTheAddress();
    void webAddressClickOnNtOpensItWithTheAboutWindow();
    void webAddressNeedsAClickOnTheLabel();
    void winhelpLineOpensTheProgramsHelpViewer();
    void missingHelpFileIsToldByTheViewerNotTheMainWindow();
};

void OpenExternalTest::helpButtonStartsWinhelpWithTheHelpPath() {
    LaunchLog log;
    frmTestMain main_window;
    QTest::mouseClick(main_window.Command1, Qt::LeftButton);
    QCOMPARE(log.requests.size(), size_t(1));
    const LaunchRequest& request = log.requests.front();
    QCOMPARE(request.kind, LaunchRequest::Kind::kCommandLine);
    const std::string folder = orv::app::ProgramFolder();
    QCOMPARE(request.command_line, "winhelp " + folder + "/orvtest.hlp");
    QCOMPARE(folder.find(' ') != std::string::npos, ExpectSpacesInProgramFolder());
}

void OpenExternalTest::helpButtonOnNtOpensTheHelpWithTheMainWindow() {
    LaunchLog log(orv::app::kPlatformNt);
    frmTestMain main_window;
    main_window.Command1->click();
    QCOMPARE(log.requests.size(), size_t(1));
    const LaunchRequest& request = log.requests.front();
    QCOMPARE(request.kind, LaunchRequest::Kind::kShellOpen);
    QCOMPARE(request.target, orv::app::ProgramFolder() + "/orvtest.hlp");
    QCOMPARE(request.owner, &main_window);
}

// Runs the help-button test again from a copy of this program in a folder
// whose name has spaces: the command line carries the path as it is.
void OpenExternalTest::programFolderWithSpacesStaysUnquoted() {
    if (ExpectSpacesInProgramFolder()) {
        QSKIP("already running from the folder with spaces");
    }
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString folder = temporary.filePath(QStringLiteral("Orvane Personality Test"));
    QVERIFY(QDir().mkpath(folder));
    const QString copy = folder + QStringLiteral("/ui_open_external_test");
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));

    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ORV_EXPECT_SPACES"), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    run.setProcessEnvironment(environment);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(copy, {QStringLiteral("helpButtonStartsWinhelpWithTheHelpPath")});
    QVERIFY(run.waitForFinished(60000));
    const QByteArray output = run.readAll();
    QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0, output.constData());
    QVERIFY2(output.contains("PASS   : OpenExternalTest::helpButtonStartsWinhelpWithTheHelpPath()"),
             output.constData());
}

void OpenExternalTest::webAddressClickStartsStartWithTheAddress() {
    LaunchLog log;
    frmAbout about;
    about.show();
    QTest::mouseClick(about.Label6, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(log.requests.size(), size_t(1));
    QCOMPARE(log.requests.front().kind, LaunchRequest::Kind::kCommandLine);
    QCOMPARE(log.requests.front().command_line, std::string("start http://www.example.com/orvane"));
    QVERIFY(about.isVisible());
}

// The about window, not the main window behind it, owns the launch.
void OpenExternalTest::webAddressClickOnNtOpensItWithTheAboutWindow() {
    LaunchLog log(orv::app::kPlatformNt);
    frmTestMain main_window;
    frmAbout about(&main_window);
    about.show();
    QTest::mouseClick(about.Label6, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(log.requests.size(), size_t(1));
    const LaunchRequest& request = log.requests.front();
    QCOMPARE(request.kind, LaunchRequest::Kind::kShellOpen);
    QCOMPARE(request.target, std::string("http://www.example.com/orvane"));
    QCOMPARE(request.owner, &about);
    QVERIFY(about.isVisible());
}

void OpenExternalTest::webAddressNeedsAClickOnTheLabel() {
    LaunchLog log;
    frmAbout about;
    about.show();
    QTest::mouseClick(about.Label6, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseClick(about.Label5, Qt::LeftButton);
    QTest::mouseClick(about.Label3, Qt::LeftButton);
    // Pressed on the address, released away from it: no click.
    QTest::mousePress(about.Label6, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(about.Label6, Qt::LeftButton, {}, QPoint(10, -40));
    QVERIFY(log.requests.empty());
}

// The real launcher: "winhelp " + a path with spaces, unquoted, shows that
// file in the program's own help viewer.
void OpenExternalTest::winhelpLineOpensTheProgramsHelpViewer() {
    QTemporaryDir temporary;
    // A folder name with spaces and a letter beyond ASCII, as the file
    // system spells it.
    const QString folder = temporary.filePath(QString::fromUtf8("Program Files Orvane caf\u00e9"));
    QVERIFY(QDir().mkpath(folder));
    const QString help = folder + QStringLiteral("/orvtest.hlp");
    QVERIFY(QFile::copy(QStringLiteral(ORV_DATA_DIR "/orvtest.hlp"), help));

    orv::app::OpenExternal(orv::app::ToFilePath(help), "winhelp ", nullptr);
    orv::app::HelpViewer* viewer = OpenHelpViewer();
    QVERIFY(viewer != nullptr);
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Introduction to Personality Analysis"));
    QVERIFY(viewer->browser()->toPlainText().contains(
        QStringLiteral("This introduction explains what the Orvane Personality Test looks at")));
    delete viewer;
}

void OpenExternalTest::missingHelpFileIsToldByTheViewerNotTheMainWindow() {
    std::vector<std::string> boxes;
    orv::app::SetMessageBoxHandler([&](const std::string& text, int, const std::string&) {
        boxes.push_back(text);
        return orv::app::kResultOk;
    });
    QTemporaryDir temporary;
    frmTestMain main_window;
    orv::app::OpenExternal(orv::app::ToFilePath(temporary.filePath(QStringLiteral("orvtest.hlp"))),
                           "winhelp ", &main_window);
    orv::app::SetMessageBoxHandler({});
    QVERIFY(boxes.empty());
    orv::app::HelpViewer* viewer = OpenHelpViewer();
    QVERIFY(viewer != nullptr);
    QVERIFY(viewer->browser()->toPlainText().startsWith(
        QStringLiteral("The help file could not be opened.")));
    delete viewer;
}

QTEST_MAIN(OpenExternalTest)
#include "ui_open_external_test.moc"
