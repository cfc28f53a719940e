#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "shell/frmTestMain.h"
#include "testing/frmTest.h"
#include "ui_support.h"

using orv::testing::MessageLog;
using orv::testing::ProgramFolderFile;

namespace {

const QByteArray kWorkedExample =
    "3\t.Copyright notice of this test\r\n"
    "1\tpunctual\t3\t2\t.I am always on time.\r\n"
    "2\tcalm\t0\t4-\t.I lose my temper easily.\r\n"
    "3\treliable\t0\t2\t.People can count on me.\r\n";

// Clicks an answer option on its indicator (a radio button takes clicks on
// its indicator and caption only).
void ClickOption(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// Opens the test window on test 0 from a fresh main window.
struct Started {
    frmTestMain main;
    frmTest& test = main.TestWindow();

    Started() {
        main.show();
        QTest::mouseClick(main.Option1[0], Qt::LeftButton);
        QTest::mouseClick(main.cmdStart, Qt::LeftButton);
    }
    const frmTest::Controls& c() const { return *test.controls(); }
    void Answer(int option) {
        ClickOption(c().Option1[option]);
        QTest::mouseClick(c().cmdProcess, Qt::LeftButton);
    }
};

}  // namespace

class TestWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void looksAsDesigned();
    void takesATestToItsEnd();
    void processWithoutAChoiceWarns();
    void clearingTheOptionsRaisesNoClick();
    void databaseErrorTurnsProcessIntoQuit();
    void anOptionClickAfterAnErrorCloses();
    void missingDatabaseSaysFileNotFound();
    void loadIsEnabledOnlyWithASavedFileOfThisTest();
    void reopeningMakesFreshControlsAndKeepsTheRecord();
};

void TestWindowTest::looksAsDesigned() {
    ProgramFolderFile db("orv0.dll", kWorkedExample);
    MessageLog log;
    Started s;
    QCOMPARE(s.test.windowTitle(), QStringLiteral("Orvane Personality Test"));
    QCOMPARE(s.test.size(), QSize(624, 441));
    QCOMPARE(s.test.palette().color(QPalette::Window), QColor(255, 255, 204));
    const auto& c = s.c();
    QCOMPARE(c.cmdSave->geometry(), QRect(488, 344, 73, 25));
    QCOMPARE(c.cmdLoad->geometry(), QRect(400, 344, 73, 25));
    QCOMPARE(c.cmdProcess->geometry(), QRect(88, 232, 81, 25));
    QCOMPARE(c.Option1[2]->geometry(), QRect(80, 144, 185, 17));
    QCOMPARE(c.Option1[1]->geometry(), QRect(80, 168, 185, 17));
    QCOMPARE(c.Option1[0]->geometry(), QRect(80, 192, 185, 17));
    QCOMPARE(c.lblStatus[3]->geometry(), QRect(400, 288, 193, 17));
    QCOMPARE(c.lblStatus[0]->geometry(), QRect(448, 216, 89, 17));
    QCOMPARE(c.lblTestTitle->geometry(), QRect(48, 16, 505, 25));
    QCOMPARE(c.lblQ->geometry(), QRect(24, 64, 569, 65));
    QCOMPARE(c.Option1[2]->text(), QStringLiteral("I strongly agree"));
    QCOMPARE(c.Option1[1]->text(), QStringLiteral("I moderately agree"));
    QCOMPARE(c.Option1[0]->text(), QStringLiteral("I disagree"));
    QCOMPARE(c.lblStatus[0]->text(), QStringLiteral("Status"));
    QCOMPARE(c.cmdProcess->text(), QStringLiteral("Process"));
    QVERIFY(c.lblQ->font().bold());
    QVERIFY(c.lblTestTitle->font().bold());
    QVERIFY(!c.cmdSave->isEnabled());
    QCOMPARE(s.test.focusWidget(), c.cmdProcess);
    for (QRadioButton* option : c.Option1) {
        QVERIFY(!option->isChecked());
    }
}

void TestWindowTest::takesATestToItsEnd() {
    ProgramFolderFile db("orv0.dll", kWorkedExample);
    MessageLog log;
    Started s;
    QCOMPARE(s.c().lblQ->text(), QStringLiteral("I am always on time."));
    QCOMPARE(s.c().lblStatus[1]->text(), QStringLiteral("Questions remaining 2"));
    QCOMPARE(s.c().lblStatus[2]->text(), QStringLiteral("Question No. 1"));
    QCOMPARE(s.c().lblStatus[3]->text(), QStringLiteral("Total Questions: 3"));

    s.Answer(2);
    QCOMPARE(s.c().lblQ->text(), QStringLiteral("I lose my temper easily."));
    QCOMPARE(s.c().lblStatus[1]->text(), QStringLiteral("Questions remaining 1"));
    QCOMPARE(s.c().lblStatus[2]->text(), QStringLiteral("Question No. 2"));
    QVERIFY(s.c().cmdSave->isEnabled());
    QVERIFY(!s.c().cmdLoad->isEnabled());

    s.Answer(1);
    QCOMPARE(s.c().lblQ->text(), QStringLiteral("People can count on me."));
    s.Answer(2);

    QVERIFY(!s.test.IsLoaded());
    QVERIFY(!s.test.isVisible());
    QCOMPARE(s.test.record.state, std::int16_t{1});
    QCOMPARE(s.test.record.ans[1], std::int16_t{2});
    QCOMPARE(s.test.record.ans[2], std::int16_t{1});
    QCOMPARE(s.test.record.ans[3], std::int16_t{0});
    QVERIFY(log.boxes.empty());
    QVERIFY(s.main.isVisible());
}

void TestWindowTest::processWithoutAChoiceWarns() {
    ProgramFolderFile db("orv0.dll", kWorkedExample);
    MessageLog log;
    Started s;
    QTest::mouseClick(s.c().cmdProcess, Qt::LeftButton);
    QCOMPARE(log.Texts(), std::vector<std::string>{"Make a choice before pressing Process"});
    QCOMPARE(log.boxes[0].flags, 0);
    QCOMPARE(s.c().lblStatus[2]->text(), QStringLiteral("Question No. 1"));
    QVERIFY(!s.c().cmdSave->isEnabled());
    QVERIFY(s.test.IsLoaded());
}

void TestWindowTest::clearingTheOptionsRaisesNoClick() {
    ProgramFolderFile db("orv0.dll", kWorkedExample);
    MessageLog log;
    Started s;
    QSignalSpy clicks(s.c().option_group, &QButtonGroup::idClicked);
    s.Answer(2);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(s.test.record.choice, std::int16_t{999});
    for (QRadioButton* option : s.c().Option1) {
        QVERIFY(!option->isChecked());
    }
    // The options are exclusive again once cleared.
    ClickOption(s.c().Option1[0]);
    ClickOption(s.c().Option1[1]);
    QVERIFY(!s.c().Option1[0]->isChecked());
    QCOMPARE(s.test.record.choice, std::int16_t{1});
}

void TestWindowTest::databaseErrorTurnsProcessIntoQuit() {
    ProgramFolderFile db("orv0.dll", "3\t.Copyright\r\n1\tx\t0\t12\t.Too high a scale\r\n");
    MessageLog log;
    Started s;
    QCOMPARE(log.Texts(), std::vector<std::string>{"E03: Invalid Database Contents"});
    QCOMPARE(s.c().cmdProcess->text(), QStringLiteral("QUIT"));
    QCOMPARE(s.c().lblQ->text(), QStringLiteral("Copyright"));
    QTest::mouseClick(s.c().cmdProcess, Qt::LeftButton);
    QVERIFY(!s.test.IsLoaded());
    QCOMPARE(log.boxes.size(), std::size_t{1});
}

void TestWindowTest::anOptionClickAfterAnErrorCloses() {
    ProgramFolderFile db("orv0.dll", "");
    MessageLog log;
    Started s;
    QCOMPARE(log.Texts(), std::vector<std::string>{"E02B: Invalid Database Contents."});
    ClickOption(s.c().Option1[1]);
    QVERIFY(!s.test.IsLoaded());
    QCOMPARE(s.test.record.choice, std::int16_t{1});
}

void TestWindowTest::missingDatabaseSaysFileNotFound() {
    QFile::remove(QCoreApplication::applicationDirPath() + "/orv0.dll");
    MessageLog log;
    Started s;
    QCOMPARE(log.Texts(), std::vector<std::string>{"File not found."});
    QVERIFY(s.test.IsLoaded());
    QCOMPARE(s.c().lblQ->text(), QString());
    QCOMPARE(s.c().lblStatus[1]->text(), QString());
    QCOMPARE(s.c().cmdProcess->text(), QStringLiteral("QUIT"));
    QTest::mouseClick(s.c().cmdProcess, Qt::LeftButton);
    QVERIFY(!s.test.IsLoaded());
    QCOMPARE(log.boxes.size(), std::size_t{1});

    // An answer option closes it just as well.
    QTest::mouseClick(s.main.cmdStart, Qt::LeftButton);
    QVERIFY(s.test.IsLoaded());
    ClickOption(s.c().Option1[2]);
    QVERIFY(!s.test.IsLoaded());
    QCOMPARE(log.Texts(), (std::vector<std::string>{"File not found.", "File not found."}));
}

void TestWindowTest::loadIsEnabledOnlyWithASavedFileOfThisTest() {
    ProgramFolderFile db("orv0.dll", kWorkedExample);
    MessageLog log;
    {
        ProgramFolderFile other("progress.1", "");
        ProgramFolderFile hidden(".hidden.0", "");
        Started s;
        QVERIFY(!s.c().cmdLoad->isEnabled());
        QCOMPARE(QString::fromStdString(s.test.record.fpath),
                 QCoreApplication::applicationDirPath() + "/*.0");
    }
    {
        ProgramFolderFile saved("progress.0", "");
        Started s;
        QVERIFY(s.c().cmdLoad->isEnabled());
        s.Answer(0);
        QVERIFY(!s.c().cmdLoad->isEnabled());
    }
}

void TestWindowTest::reopeningMakesFreshControlsAndKeepsTheRecord() {
    ProgramFolderFile db("orv0.dll", kWorkedExample);
    MessageLog log;
    Started s;
    s.Answer(2);
    s.test.record.savedq = 2;
    s.test.close();
    QVERIFY(!s.test.IsLoaded());
    QCOMPARE(s.test.record.ans[1], std::int16_t{2});

    QTest::mouseClick(s.main.cmdStart, Qt::LeftButton);
    QVERIFY(s.test.IsLoaded());
    QCOMPARE(s.c().lblStatus[2]->text(), QStringLiteral("Question No. 1"));
    QVERIFY(!s.c().cmdSave->isEnabled());
    QCOMPARE(s.c().cmdProcess->text(), QStringLiteral("Process"));
    QCOMPARE(s.test.record.ans[1], std::int16_t{0});
    QCOMPARE(s.test.record.savedq, std::int16_t{2});
}

QTEST_MAIN(TestWindowTest)
#include "ui_test_window_test.moc"
