// The main window, and the test window that its START opens.
#include "app/language.h"
#include "evaluation/frmEval.h"
#include "evaluation/language_words.h"
#include "shell/frmTestMain.h"
#include "testing/frmTest.h"
#include "ui_support.h"

using namespace orv::testing;

// A main window on which START was pressed with a test chosen.
struct Started {
    explicit Started(int option = 0) { Start(option); }
    void Start(int option) const {
        QTest::mouseClick(main.Option1[option], Qt::LeftButton);
        QTest::mouseClick(main.cmdStart, Qt::LeftButton);
    }
    const frmTest::Controls& c() const { return *test.controls(); }
    void Click(int option) const {  // on the indicator, where a radio button takes clicks
        QTest::mouseClick(c().Option1[option], Qt::LeftButton, {}, QPoint(8, 8));
    }
    void Answer(int option) const {
        Click(option);
        QTest::mouseClick(c().cmdProcess, Qt::LeftButton);
    }
    MessageLog log;
    frmTestMain main;
    frmTest& test = main.TestWindow();
};

const QByteArray kSmallTest =
    "2\t.Copyright notice\r\n"
    "1\tpunctual\t0\t1\t.I am always on time.\r\n"
    "2\tcalm\t0\t2\t.I stay calm.\r\n";

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void opensCentredAndStartWantsAChoice() {
        MessageLog log;
        frmTestMain w;
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Orvane Personality Test"));
        QCOMPARE(w.centralWidget()->size(), QSize(608, 396));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(255, 255, 204));
        QVERIFY(SettlesCentred(w));
        QTest::mouseClick(w.cmdStart, Qt::LeftButton);
        QCOMPARE(log.Texts(), std::vector<std::string>{"Select a test before pressing START"});
        QCOMPARE(log.boxes[0].flags, 0);
        QCOMPARE(log.boxes[0].title, std::string("Orvane Personality Test"));
        QVERIFY(w.fname.empty() && w.testtitle.empty() && !w.TestWindow().IsLoaded());
    }

    // The Language menu names each language in its own words, a folder just
    // copied from another too, keeps the choice in the user's settings and
    // says that it counts from the next start.
    void theLanguageMenuKeepsAChoiceForTheNextStart() {
        const QTemporaryDir settings;
        qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
        const QString program = QCoreApplication::applicationDirPath();
        QDir(program + "/xq").removeRecursively();  // left by a failed run
        QCOMPARE(QProcess::execute("cp", {"-r", program + "/de", program + "/xq"}), 0);
        const ProgramFolderFile words("xq/evaluation.words", "opening\t\"Xq \"\n");
        MessageLog log;
        frmTestMain w;
        QStringList names;
        for (const QAction* action : w.Language->actions()) names << action->text();
        QCOMPARE(names.mid(0, 6), (QStringList{"The desktop's language", "", "English", "Deutsch",
                                               "Español", "Français"}));
        const int languages =
            QDir(ORV_DATA_DIR).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
        QCOMPARE(names.size(), 3 + languages + 1);
        QCOMPARE(names.last(), QStringLiteral("xq"));
        QVERIFY(w.Language->actions()[0]->isChecked());
        w.Language->actions()[3]->trigger();
        w.Language->actions().last()->trigger();
        QCOMPARE(log.Texts(),
                 (std::vector<std::string>{"From the next start the program will use: Deutsch.",
                                           "From the next start the program will use: xq."}));
        QCOMPARE(orv::app::RememberedLanguage(), std::string("xq"));
        QVERIFY(frmTestMain().Language->actions().last()->isChecked());
        QCOMPARE(orv::evaluation::WordsOf("xq").Word("opening"), std::string("Xq "));
        QVERIFY(QDir(program + "/xq").removeRecursively());
        qunsetenv("XDG_CONFIG_HOME");
    }

    void startTakesTheChosenTest() {
        const QStringList titles = {"Test of Individual Attributes",
                                    "Test of Interpersonal and Social Attributes"};
        for (int option : {0, 1}) {
            ProgramFolderFile db(QStringLiteral("orv%1.dll").arg(option), kSmallTest);
            Started s(option);
            QCOMPARE(s.main.testno, std::int16_t(option));
            QCOMPARE(QString::fromStdString(s.main.testtitle), titles[option]);
            QCOMPARE(QString::fromStdString(s.main.fname), db.path());
            QVERIFY(s.test.isVisible() && s.log.boxes.empty());
            QCOMPARE(s.c().lblTestTitle->text(), titles[option]);
            s.test.close();
        }
    }

    // START again only brings the test forward, and the test goes on as the
    // test it was started as; the other choice counts from the next START.
    void startAgainWhileOpenOnlyBringsTheTestForward() {
        ProgramFolderFile db0("orv0.dll", kSmallTest);
        Started s(0);
        s.Answer(2);
        const auto* controls = s.test.controls();
        s.Start(1);
        QCOMPARE(s.main.testtitle, std::string("Test of Interpersonal and Social Attributes"));
        QCOMPARE(s.test.controls(), controls);
        QCOMPARE(s.c().lblTestTitle->text(), QStringLiteral("Test of Individual Attributes"));
        QCOMPARE(s.test.record.qno, std::int16_t{2});
        s.Answer(2);
        QVERIFY(s.test.EvaluationWindow()->Evaluation().find(
                    "\r\n          Assessment of Individual Attributes:\r\n"
                    "\r\n          Achievement Attitudes: Positive. \r\nYou are punctual.  \r\n") !=
                std::string::npos);
        QVERIFY(s.log.boxes.empty());
        delete s.test.EvaluationWindow();
    }

    void quitAndCloseBoxEndTheProgram() {
        for (const bool by_quit : {true, false}) {
            EndProgramCounter ended;
            frmTestMain w;
            by_quit ? QTest::mouseClick(w.cmdQuit, Qt::LeftButton) : void(w.close());
            QCOMPARE(ended.count, 1);
        }
    }

    // The real ending, not a stand-in: the event loop returns, and the test
    // window in mid-test never runs its close handler; the save question is
    // asked once, by the main window, and No ends the program.
    void endingLeavesTheEventLoopWithoutClosingOtherWindows() {
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
        QCOMPARE(log.Texts(), std::vector<std::string>{"Would you like to save your responses?"});
        QVERIFY(test.IsLoaded());
        QVERIFY(!test.isVisible());
        QVERIFY(!w.isVisible());
    }

    // Saved files of the other test and hidden ones leave Load disabled.
    void testWindowTakesATestToItsEnd() {
        ProgramFolderFile db("orv0.dll", kSmallTest), other("a.1", ""), hidden(".b.0", "");
        Started s;
        QCOMPARE(s.test.size(), QSize(624, 441));
        QCOMPARE(s.test.palette().color(QPalette::Window), QColor(255, 255, 204));
        QCOMPARE(s.c().lblQ->text(), QStringLiteral("I am always on time."));
        QCOMPARE(s.test.focusWidget(), s.c().cmdProcess);
        QCOMPARE(s.c().lblStatus[1]->text(), QStringLiteral("Questions remaining 1"));
        QCOMPARE(s.c().lblStatus[2]->text(), QStringLiteral("Question No. 1"));
        QCOMPARE(s.c().lblStatus[3]->text(), QStringLiteral("Total Questions: 2"));
        QVERIFY(!s.c().cmdSave->isEnabled() && !s.c().cmdLoad->isEnabled());
        QTest::mouseClick(s.c().cmdProcess, Qt::LeftButton);
        QCOMPARE(s.log.Texts(), std::vector<std::string>{"Make a choice before pressing Process"});
        QCOMPARE(s.log.boxes[0].flags, 0);
        QSignalSpy clicks(s.c().option_group, &QButtonGroup::idClicked);
        s.Answer(2);
        QCOMPARE(clicks.count(), 1);  // clearing the options raises no click
        QCOMPARE(s.c().option_group->checkedButton(), nullptr);
        QCOMPARE(s.c().lblStatus[2]->text(), QStringLiteral("Question No. 2"));
        QVERIFY(s.c().cmdSave->isEnabled() && !s.c().cmdLoad->isEnabled());
        s.Click(0);
        s.Click(1);
        QVERIFY(!s.c().Option1[0]->isChecked());  // exclusive again once cleared
        QTest::mouseClick(s.c().cmdProcess, Qt::LeftButton);
        QVERIFY(!s.test.IsLoaded() && s.test.EvaluationWindow() != nullptr);
        QCOMPARE(s.log.boxes.size(), std::size_t{1});
    }

    // A saved file of this test enables Load until the first answer; the window
    // comes back at its design size. A save at the last question of one test
    // does not silence the question at the last question of the next.
    void testWindowReopensWithFreshControlsAndAFreshTest() {
        ProgramFolderFile db("orv0.dll", kSmallTest), saved("progress.0", "");
        Started s;
        QVERIFY(s.c().cmdLoad->isEnabled());
        s.Answer(2);
        QVERIFY(!s.c().cmdLoad->isEnabled());
        s.test.record.savedq = 2;
        s.test.resize(300, 200);
        s.test.close();
        QTest::mouseClick(s.main.cmdStart, Qt::LeftButton);
        QCOMPARE(s.test.size(), QSize(624, 441));
        QCOMPARE(s.c().lblStatus[2]->text(), QStringLiteral("Question No. 1"));
        QVERIFY(!s.c().cmdSave->isEnabled() && s.c().cmdLoad->isEnabled());
        QCOMPARE(s.test.record.ans[1], std::int16_t{0});
        s.Answer(1);
        QVERIFY(s.log.boxes.empty());
        s.test.close();
        QCOMPARE(s.log.Texts(), std::vector<std::string>{"Would you like to save your responses?"});
    }

    void aDatabaseFaultLeavesOnlyQuit_data() {
        QTest::addColumn<QByteArray>("database");  // null: none at all
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("by_option");
        QTest::newRow("E03") << QByteArray("3\t.Copyright\r\n1\tx\t0\t12\t.Too high a scale\r\n")
                             << "E03: Invalid Database Contents" << false;
        QTest::newRow("E02B") << QByteArray("") << "E02B: Invalid Database Contents." << true;
        QTest::newRow("missing") << QByteArray() << "File not found." << true;
    }

    // After a fault only QUIT is left, even with a saved file to load;
    // Process or an option closes the window.
    void aDatabaseFaultLeavesOnlyQuit() {
        QFETCH(QByteArray, database);
        QFETCH(QString, message);
        QFETCH(bool, by_option);
        ProgramFolderFile db(database.isNull() ? "orv9.dll" : "orv0.dll", database);
        ProgramFolderFile saved("progress.0", "");
        Started s;
        QCOMPARE(s.log.Texts(), std::vector<std::string>{message.toStdString()});
        QCOMPARE(s.c().cmdProcess->text(), QStringLiteral("QUIT"));
        QVERIFY(!s.c().cmdLoad->isEnabled());
        by_option ? s.Click(1) : QTest::mouseClick(s.c().cmdProcess, Qt::LeftButton);
        QVERIFY(!s.test.IsLoaded());
        QCOMPARE(s.log.boxes.size(), std::size_t{1});
    }
};

QTEST_MAIN(MainWindowTest)
#include "ui_main_window_test.moc"
