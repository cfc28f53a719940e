// The end of a test in the windows: from the last Process press to the
// evaluation window, its text, and Quit.
#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

#include "app/help_viewer.h"
#include "evaluation/core/evaluation_text.h"
#include "evaluation/frmEval.h"
#include "shell/frmTestMain.h"
#include "testing/frmTest.h"
#include "tests/ui_support.h"

namespace {

// Three questions: 1 relates to 3; 2 is reverse-scored on scale 4.
const QByteArray kDatabase =
    "3\t.Copyright notice of this test\r\n"
    "1\tpunctual\t3\t2\t.I am always on time.\r\n"
    "2\tcalm\t0\t4-\t.I lose my temper easily.\r\n"
    "3\treliable\t0\t2\t.People can count on me.\r\n";

}  // namespace

class EvaluationWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        delete main_.TestWindow().EvaluationWindow();
        QCOMPARE(std::exchange(log_.boxes, {}).size(), std::size_t{0});
    }

    void lastAnswerShowsTheEvaluationCentred() {
        const frmEval* window = TakeTest(0, kDatabase);
        QVERIFY(window && window->isVisible() && !main_.TestWindow().IsLoaded());
        QCOMPARE(window->Text1->toPlainText().split('\n')[11], "You are punctual and reliable.  ");
        QCOMPARE(window->windowTitle(),
                 QStringLiteral("Orvane Personality Test - This result is kept"));
        QCOMPARE(window->size(), QSize(619, 422));
        QCOMPARE(window->palette().color(QPalette::Window), QColor(255, 255, 204));
        QVERIFY(orv::testing::SettlesCentred(*window));
        QTest::keyClicks(window->Text1, QStringLiteral("typed"));  // locked
        QVERIFY(!window->Text1->toPlainText().contains(QStringLiteral("typed")));
    }

    void laterEvaluationReplacesTheTextInPlaceUntilQuit() {
        QPointer<frmEval> window = TakeTest(0, kDatabase);
        // A user moves the window once it is on screen and painted.
        QVERIFY(orv::testing::SettlesCentred(*window) && QTest::qWaitForWindowExposed(window));
        QTest::qWait(50);
        window->move(window->pos() + QPoint(37, 23));
        const QPoint moved = window->pos();
        QCOMPARE(TakeTest(1, kDatabase), window.data());
        QTest::qWait(50);
        QVERIFY(window->isVisible() && window->pos() == moved);
        QCOMPARE(window->Text1->toPlainText().split('\n')[5],
                 "          Assessment of Interpersonal and Social Attributes:");
        window->cmdQuit->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull() && !main_.TestWindow().EvaluationWindow() && main_.isVisible());
        // Other test numbers make the window hidden, with the header alone.
        main_.TestWindow().EvalDisp(2);
        window = main_.TestWindow().EvaluationWindow();
        QVERIFY(window && !window->isVisible());
        QCOMPARE(window->Evaluation(), orv::EvaluationHeader(orv::CurrentYear()));
    }

    // Fitted beside the vertical scroll bar, a line scrolls sideways only at
    // the smallest size.
    void aLineScrollsSidewaysOnlyAtTheSmallestSize() {
        frmEval window;
        window.show();
        for (int length = 40; length <= 120; ++length) {
            window.SetEvaluation(std::string(length, 'x'));
            QVERIFY2(window.Text1->font().pointSizeF() == 8 ||
                         window.Text1->horizontalScrollBar()->maximum() == 0,
                     QByteArray::number(length));
        }
    }

    void shippedTestsEndInTheEvaluationOfTheirAnswers() {
        for (const int testno : {0, 1}) {
            QFile shipped(QStringLiteral(ORV_DATA_DIR "/orv%1.dll").arg(testno));
            QVERIFY(shipped.open(QIODevice::ReadOnly));
            std::unique_ptr<frmEval> window(TakeTest(testno, shipped.readAll()));
            const orv::TestRecord& taken = main_.TestWindow().record;
            QVERIFY(window && window->isVisible() && taken.state == orv::kFinished &&
                    taken.qno == 150);
            // The scores were zero when the test started; the evaluation adds to them.
            auto record = std::make_unique<orv::TestRecord>(taken);
            record->sscore.fill(0);
            const std::string expected =
                orv::EvaluationText(*record, std::int16_t(testno), orv::CurrentYear());
            QCOMPARE(window->Evaluation(), expected);
            QCOMPARE(window->Text1->toPlainText(),
                     QString::fromLatin1(expected).replace("\r\n", "\n"));
        }
    }

    // "What does this mean?" (Alt+W) opens the help at what the verdicts
    // mean; the other controls stand where the design puts them, in twips.
    void whatDoesThisMeanOpensTheHelpAtTheVerdicts() {
        frmEval window;
        window.show();
        const std::pair<QWidget*, QRect> design[] = {
            {window.Label1, {168, 8, 233, 25}},     {window.Text1, {24, 40, 577, 321}},
            {window.cmdProfile, {24, 384, 73, 25}}, {window.cmdPrint, {176, 384, 73, 25}},
            {window.cmdQuit, {328, 384, 73, 25}},   {window.cmdSavePdf, {480, 384, 121, 25}}};
        for (const auto& [control, pixels] : design) {  // the design's twips / 15
            QCOMPARE(control->geometry(), pixels);
            QVERIFY(!pixels.intersects(window.cmdMeaning->geometry()));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(window.cmdMeaning)->text(QAccessible::Name),
                 QStringLiteral("What does this mean?"));
        QCOMPARE(window.cmdMeaning->shortcut(), QKeySequence(QStringLiteral("Alt+W")));
        window.cmdMeaning->click();
        QPointer<orv::app::HelpViewer> viewer;
        for (QWidget* top : QApplication::topLevelWidgets())
            viewer = viewer ? viewer.data() : qobject_cast<orv::app::HelpViewer*>(top);
        QVERIFY(viewer && viewer->isVisible());
        QTextBrowser& help = *viewer->browser();
        QTRY_VERIFY(help.verticalScrollBar()->value() > 0);
        QCOMPARE(help.cursorForPosition(QPoint(20, 20)).block().text().trimmed(),
                 QStringLiteral("Reading the evaluation"));  // the verdicts' heading on top
        // The caret too, where a screen reader reads on.
        QCOMPARE(help.textCursor().block().text().trimmed(),
                 QStringLiteral("Reading the evaluation"));
        delete viewer;
    }

  private:
    // Chooses a test, presses Start and answers strongly, moderately, not,
    // while the test window is open; the evaluation window, if any.
    frmEval* TakeTest(int testno, const QByteArray& database) {
        const orv::testing::ProgramFolderFile file(QStringLiteral("orv%1.dll").arg(testno),
                                                   database);
        main_.show();
        main_.Option1[testno]->click();
        main_.cmdStart->click();
        frmTest& test = main_.TestWindow();
        for (int qno = 1; qno <= 250 && test.IsLoaded(); ++qno) {
            test.controls()->Option1[2 - qno % 3]->click();
            test.controls()->cmdProcess->click();
        }
        return test.EvaluationWindow();
    }

    orv::testing::MessageLog log_;
    frmTestMain main_;
};

QTEST_MAIN(EvaluationWindowTest)

#include "ui_evaluation_test.moc"
