#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

#include "evaluation/frmEval.h"
#include "shell/frmTestMain.h"
#include "testing/frmTest.h"
#include "ui_support.h"

using orv::testing::EndProgramCounter;
using orv::testing::MessageLog;
using orv::testing::ProgramFolderFile;

namespace {

const QByteArray kSmallTest =
    "2\t.Copyright notice\r\n"
    "1\tpunctual\t0\t1\t.I am always on time.\r\n"
    "2\tcalm\t0\t2\t.I stay calm.\r\n";

QString ProgramFolder() {
    return QCoreApplication::applicationDirPath();
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void looksAsDesigned();
    void opensCentred();
    void startWithoutAChoiceOnlyWarns();
    void startTakesTheChosenTest_data();
    void startTakesTheChosenTest();
    void startAgainWhileOpenOnlyBringsTheTestForward();
    void optionClickChangesTheTestAtOnce();
    void quitAndCloseBoxEndTheProgramWithoutClosingTheTest();
    void endingLeavesTheEventLoopWithoutClosingOtherWindows();
};

void MainWindowTest::looksAsDesigned() {
    frmTestMain w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Orvane Personality Test"));
    QCOMPARE(w.centralWidget()->size(), QSize(608, 396));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(255, 255, 204));
    QCOMPARE(w.cmdStart->geometry(), QRect(152, 280, 113, 25));
    QCOMPARE(w.cmdQuit->geometry(), QRect(328, 280, 89, 25));
    QCOMPARE(w.Command1->geometry(), QRect(159, 337, 262, 32));
    QCOMPARE(w.Option1[0]->geometry(), QRect(136, 120, 364, 33));
    QCOMPARE(w.Option1[1]->geometry(), QRect(136, 192, 388, 33));
    QCOMPARE(w.Label1->geometry(), QRect(104, 40, 385, 41));
    QCOMPARE(w.Label1->text(), QStringLiteral("Select a Test and press START"));
    QVERIFY(w.Label1->font().bold());
    QCOMPARE(w.Label1->font().pointSizeF(), 12.0);
    QCOMPARE(w.Option1[0]->font().pointSizeF(), 12.0);
    QCOMPARE(w.font().pointSizeF(), 9.75);
    QCOMPARE(w.Option1[0]->text(), QStringLiteral("Test of Individual Attributes"));
    QCOMPARE(w.Option1[1]->text(), QStringLiteral("Test of Interpersonal and Social Attributes"));
    QCOMPARE(w.Command1->text(), QStringLiteral("Introduction to Personality Analysis"));
    QVERIFY(!w.Option1[0]->isChecked());
    QVERIFY(!w.Option1[1]->isChecked());
    QCOMPARE(w.Instructions->text(), QStringLiteral("&Instructions"));
    QCOMPARE(w.About->text(), QStringLiteral("&About"));
    QCOMPARE(w.menuBar()->actions().size(), 2);
    QVERIFY(w.Instructions->menu() == nullptr);
    QCOMPARE(w.testno, std::int16_t{999});
    QVERIFY(w.fname.empty());
    QVERIFY(w.testtitle.empty());
}

void MainWindowTest::opensCentred() {
    frmTestMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCoreApplication::processEvents();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect outer = w.frameGeometry();
    QVERIFY(qAbs(outer.center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(outer.center().y() - screen.center().y()) <= 1);
}

void MainWindowTest::startWithoutAChoiceOnlyWarns() {
    MessageLog log;
    frmTestMain w;
    QTest::mouseClick(w.cmdStart, Qt::LeftButton);
    QCOMPARE(log.boxes.size(), std::size_t{1});
    QCOMPARE(log.boxes[0].text, std::string("Select a test before pressing START"));
    QCOMPARE(log.boxes[0].flags, 0);
    QCOMPARE(log.boxes[0].title, std::string("Orvane Personality Test"));
    QVERIFY(w.fname.empty());
    QVERIFY(w.testtitle.empty());
    QVERIFY(!w.TestWindow().IsLoaded());
}

void MainWindowTest::startTakesTheChosenTest_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("database");
    QTest::newRow("individual") << 0 << "Test of Individual Attributes"
                                << "/orv0.dll";
    QTest::newRow("interpersonal") << 1 << "Test of Interpersonal and Social Attributes"
                                   << "/orv1.dll";
}

void MainWindowTest::startTakesTheChosenTest() {
    QFETCH(int, option);
    QFETCH(QString, title);
    QFETCH(QString, database);
    ProgramFolderFile db(database.mid(1), kSmallTest);
    MessageLog log;
    frmTestMain w;
    w.show();
    QTest::mouseClick(w.Option1[option], Qt::LeftButton);
    QCOMPARE(w.testno, std::int16_t(option));
    QTest::mouseClick(w.cmdStart, Qt::LeftButton);
    QCOMPARE(QString::fromStdString(w.testtitle), title);
    QCOMPARE(QString::fromStdString(w.fname), ProgramFolder() + database);
    QVERIFY(w.TestWindow().IsLoaded());
    QVERIFY(w.TestWindow().isVisible());
    QCOMPARE(w.TestWindow().controls()->lblTestTitle->text(), title);
    QCOMPARE(w.TestWindow().record.filename, w.fname);
    QVERIFY(log.boxes.empty());
    w.TestWindow().close();
}

void MainWindowTest::startAgainWhileOpenOnlyBringsTheTestForward() {
    ProgramFolderFile db0("orv0.dll", kSmallTest);
    MessageLog log;
    frmTestMain w;
    w.show();
    QTest::mouseClick(w.Option1[0], Qt::LeftButton);
    QTest::mouseClick(w.cmdStart, Qt::LeftButton);
    frmTest& test = w.TestWindow();
    QTest::mouseClick(test.controls()->Option1[2], Qt::LeftButton);
    QTest::mouseClick(test.controls()->cmdProcess, Qt::LeftButton);
    QCOMPARE(test.record.qno, std::int16_t{2});
    const auto* controls = test.controls();

    QTest::mouseClick(w.Option1[1], Qt::LeftButton);
    QTest::mouseClick(w.cmdStart, Qt::LeftButton);
    QCOMPARE(w.testtitle, std::string("Test of Interpersonal and Social Attributes"));
    QCOMPARE(QString::fromStdString(w.fname), ProgramFolder() + "/orv1.dll");
    QCOMPARE(test.controls(), controls);
    QCOMPARE(test.record.qno, std::int16_t{2});
    QCOMPARE(test.record.ans[1], std::int16_t{2});
    QCOMPARE(test.controls()->lblTestTitle->text(),
             QStringLiteral("Test of Individual Attributes"));
    QCOMPARE(test.record.filename, ProgramFolder().toStdString() + "/orv0.dll");

    // The running test ends on its own database, evaluated as the test now
    // chosen in the main window.
    QTest::mouseClick(test.controls()->Option1[2], Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseClick(test.controls()->cmdProcess, Qt::LeftButton);
    QVERIFY(!test.IsLoaded());
    QVERIFY(test.EvaluationWindow() != nullptr);
    const std::string& text = test.EvaluationWindow()->Evaluation();
    QVERIFY(text.find("\r\n          Assessment of Interpersonal and Social Attributes:\r\n") !=
            std::string::npos);
    QVERIFY(text.find("\r\n          Aggressiveness: Sociable. \r\nYou are punctual.  \r\n") !=
            std::string::npos);
    QVERIFY(log.boxes.empty());
    delete test.EvaluationWindow();
}

void MainWindowTest::optionClickChangesTheTestAtOnce() {
    frmTestMain w;
    QTest::mouseClick(w.Option1[1], Qt::LeftButton);
    QCOMPARE(w.testno, std::int16_t{1});
    QTest::mouseClick(w.Option1[0], Qt::LeftButton);
    QCOMPARE(w.testno, std::int16_t{0});
    QVERIFY(w.fname.empty());
}

void MainWindowTest::quitAndCloseBoxEndTheProgramWithoutClosingTheTest() {
    ProgramFolderFile db0("orv0.dll", kSmallTest);
    for (const bool by_quit : {true, false}) {
        MessageLog log;
        EndProgramCounter ended;
        frmTestMain w;
        w.show();
        QTest::mouseClick(w.Option1[0], Qt::LeftButton);
        QTest::mouseClick(w.cmdStart, Qt::LeftButton);
        QTest::mouseClick(w.TestWindow().controls()->Option1[1], Qt::LeftButton);
        QTest::mouseClick(w.TestWindow().controls()->cmdProcess, Qt::LeftButton);
        if (by_quit) {
            QTest::mouseClick(w.cmdQuit, Qt::LeftButton);
        } else {
            w.close();
        }
        QCOMPARE(ended.count, 1);
        QVERIFY(log.boxes.empty());
        QVERIFY(w.TestWindow().IsLoaded());  // its close handler never ran
    }
}

// The real ending, not a stand-in: the event loop returns, and the test
// window in mid-test never runs its close handler (which would ask to save).
void MainWindowTest::endingLeavesTheEventLoopWithoutClosingOtherWindows() {
    ProgramFolderFile db0("orv0.dll",
                          "3\t.Copyright notice\r\n"
                          "1\tpunctual\t0\t1\t.I am always on time.\r\n"
                          "2\tcalm\t0\t2\t.I stay calm.\r\n"
                          "3\treliable\t0\t3\t.People can count on me.\r\n");
    MessageLog log;
    frmTestMain w;
    w.show();
    QTest::mouseClick(w.Option1[0], Qt::LeftButton);
    QTest::mouseClick(w.cmdStart, Qt::LeftButton);
    frmTest& test = w.TestWindow();
    QTest::mouseClick(test.controls()->Option1[1], Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseClick(test.controls()->cmdProcess, Qt::LeftButton);
    QCOMPARE(test.record.qno, std::int16_t{2});
    QCOMPARE(test.record.totalq, std::int16_t{3});  // closing the test now would ask to save

    QTimer::singleShot(0, &w, [&w] { w.close(); });
    QTimer failsafe;
    failsafe.setSingleShot(true);
    connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    failsafe.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(log.boxes.empty());
    QVERIFY(test.IsLoaded());
    QVERIFY(!test.isVisible());
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "ui_main_window_test.moc"
