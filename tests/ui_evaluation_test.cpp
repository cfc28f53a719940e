// The end of a test: the evaluation window, from the last Process press to
// Quit, with its text checked line by line.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "app/core/centre.h"
#include "app/message_box.h"
#include "evaluation/core/evaluation_text.h"
#include "evaluation/frmEval.h"
#include "shell/frmTestMain.h"
#include "testing/frmTest.h"

namespace {

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// Three questions: 1 relates to 3; 2 is reverse-scored on scale 4.
const std::string kDatabase = Lines({
    "3\t.Copyright notice of this test",
    "1\tpunctual\t3\t2\t.I am always on time.",
    "2\tcalm\t0\t4-\t.I lose my temper easily.",
    "3\treliable\t0\t2\t.People can count on me.",
});

const std::string kTen(10, ' ');
const std::string kFifteen(15, ' ');

std::string Header() {
    return Lines(
        {"", "", kFifteen + "Orvane Personality Test ",
         kFifteen + "Copyright (c) " + std::to_string(orv::CurrentYear()) + " Orvane Software",
         ""});
}

std::string NoResponses(const std::string& heading) {
    return Lines({kTen + heading + " No Responses. ",
                  "Either you are not paying attention or you are a liar.", ""});
}

std::string NoResponses(const std::vector<std::string>& headings) {
    std::string text;
    for (const std::string& heading : headings) {
        text += NoResponses(heading);
    }
    return text;
}

// Answers 2, 1, 2: question 3 is cancelled by question 1's strong agreement.
std::string FirstTestText() {
    return Header() + Lines({kTen + "Assessment of Individual Attributes:", ""}) +
           NoResponses("Achievement Attitudes:") +
           Lines({kTen + "Emotional Temperament: Positive. ", "You are punctual.  ", ""}) +
           NoResponses("Energy Level:") +
           Lines({kTen + "Intellectual Factors: Negative. ", "You are calm.  ", ""}) +
           NoResponses({"Material Attitudes:", "Maturity:", "Philosophical Attitudes:",
                        "Physical Attributes:", "Risk Attitudes:", "Task Performance Attitudes:"});
}

// Answers 1, 1, 1 on the second test: question 3 ends at 0.
std::string SecondTestText() {
    return Header() + Lines({kTen + "Assessment of Interpersonal and Social Attributes:", ""}) +
           NoResponses("Aggressiveness:") +
           Lines({kTen + "Social Control Attitudes: Sociable. ", "You are punctual.  ", ""}) +
           NoResponses("Dependability:") +
           Lines({kTen + "Egocentrism: Dangerous. ", "You are calm.  ", ""}) +
           NoResponses({"Emotional Expression:", "Fairness:", "Leadership:", "Physical Appearance:",
                        "Regard for Rules:", "Team Spirit:"});
}

QString ProgramFile(const char* name) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(name));
}

// Writes a file into the program folder (this test's own folder).
void WriteProgramFile(const char* name, const std::string& bytes) {
    QFile file(ProgramFile(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// Chooses a test, presses Start and answers every question.
void TakeTest(frmTestMain& main, int testno, const std::vector<int>& answers) {
    main.Option1[testno]->click();
    main.cmdStart->click();
    frmTest& test = main.TestWindow();
    for (const int answer : answers) {
        QVERIFY(test.IsLoaded());
        test.controls()->Option1[answer]->click();
        test.controls()->cmdProcess->click();
    }
}

// What Text1 shows, one entry a line.
QStringList ShownLines(const frmEval& window) {
    return window.Text1->toPlainText().split(QLatin1Char('\n'));
}

QStringList ExpectedLines(const std::string& text) {
    return QString::fromLatin1(text).split(QStringLiteral("\r\n"));
}

// Whether the window stands centred by its outer size once its frame is known.
bool SettlesCentred(const QWidget& window) {
    return QTest::qWaitFor(
        [&] {
            const QRect screen = QGuiApplication::primaryScreen()->geometry();
            const QSize outer = window.frameGeometry().size();
            const orv::WindowPosition position = orv::CentredPosition(
                screen.width(), screen.height(), outer.width(), outer.height());
            return window.frameGeometry().topLeft() ==
                   screen.topLeft() + QPoint(position.left, position.top);
        },
        2000);
}

}  // namespace

class EvaluationWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        messages_.clear();
        orv::app::SetMessageBoxHandler([this](const std::string& text, int, const std::string&) {
            messages_.push_back(text);
            return orv::app::kResultOk;
        });
        WriteProgramFile("orv0.dll", kDatabase);
        WriteProgramFile("orv1.dll", kDatabase);
        main_ = std::make_unique<frmTestMain>();
        main_->show();
    }

    void cleanup() {
        if (frmEval* window = main_->TestWindow().EvaluationWindow()) {
            delete window;
        }
        main_.reset();
        orv::app::SetMessageBoxHandler({});
        QFile::remove(ProgramFile("orv0.dll"));
        QFile::remove(ProgramFile("orv1.dll"));
    }

    void lastAnswerShowsTheEvaluation() {
        TakeTest(*main_, 0, {2, 1, 2});
        frmTest& test = main_->TestWindow();
        QVERIFY(!test.IsLoaded());
        QVERIFY(main_->isVisible());

        frmEval* window = test.EvaluationWindow();
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QCOMPARE(window->Evaluation(), FirstTestText());
        QCOMPARE(ShownLines(*window), ExpectedLines(FirstTestText()));
        QCOMPARE(test.record.sscore[2], std::int16_t{2});
        QCOMPARE(test.record.sscore[4], std::int16_t{-1});
        QVERIFY(messages_.empty());
    }

    void windowLooksAsDesigned() {
        TakeTest(*main_, 0, {2, 1, 2});
        frmEval* window = main_->TestWindow().EvaluationWindow();
        QVERIFY(window != nullptr);

        QCOMPARE(window->windowTitle(), QStringLiteral("Orvane Personality Test"));
        QCOMPARE(window->size(), QSize(619, 422));
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(window->palette().color(QPalette::Window), QColor(255, 255, 204));
        QCOMPARE(window->parentWidget(), nullptr);
        QVERIFY(!window->isModal());
        QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(SettlesCentred(*window));

        QCOMPARE(window->Label1->text(), QStringLiteral("Personality Evaluation"));
        QCOMPARE(window->Label1->geometry(), QRect(168, 8, 233, 25));
        QVERIFY(window->Label1->font().bold());
        QVERIFY(window->Label1->alignment() & Qt::AlignHCenter);
        QCOMPARE(window->Text1->geometry(), QRect(24, 40, 577, 321));
        QCOMPARE(window->Text1->font().pointSizeF(), 12.0);
        QCOMPARE(window->Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(window->cmdPrint->text(), QStringLiteral("Print"));
        QCOMPARE(window->cmdPrint->geometry(), QRect(176, 384, 73, 25));
        QCOMPARE(window->cmdQuit->text(), QStringLiteral("Quit"));
        QCOMPARE(window->cmdQuit->geometry(), QRect(328, 384, 73, 25));
    }

    void textCanBeSelectedButNotChanged() {
        TakeTest(*main_, 0, {2, 1, 2});
        frmEval* window = main_->TestWindow().EvaluationWindow();
        QVERIFY(window != nullptr);
        QVERIFY(window->Text1->isReadOnly());
        window->Text1->setFocus();
        QTest::keyClick(window->Text1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(window->Text1, QStringLiteral("typed"));
        QTest::keyClick(window->Text1, Qt::Key_Delete);
        QCOMPARE(window->Text1->textCursor().selectedText().size(),
                 window->Text1->toPlainText().size());
        QCOMPARE(ShownLines(*window), ExpectedLines(FirstTestText()));
        // The scroll bar reaches the end of a text longer than the box.
        QVERIFY(window->Text1->verticalScrollBar()->maximum() > 0);
    }

    void laterEvaluationReplacesTheTextInPlace() {
        TakeTest(*main_, 0, {2, 1, 2});
        frmEval* first = main_->TestWindow().EvaluationWindow();
        QVERIFY(first != nullptr);
        QVERIFY(SettlesCentred(*first));
        // A user moves a window once it is on screen and painted.
        QVERIFY(QTest::qWaitForWindowExposed(first));
        QTest::qWait(50);
        first->move(first->pos() + QPoint(37, 23));
        const QPoint moved = first->pos();

        TakeTest(*main_, 1, {1, 1, 1});
        QCOMPARE(main_->TestWindow().EvaluationWindow(), first);
        QTest::qWait(50);
        QCOMPARE(first->pos(), moved);
        QVERIFY(first->isVisible());
        QCOMPARE(first->Evaluation(), SecondTestText());
        QCOMPARE(ShownLines(*first), ExpectedLines(SecondTestText()));
    }

    void quitDiscardsTheWindowAndTheNextTestMakesANewOne() {
        TakeTest(*main_, 0, {2, 1, 2});
        QPointer<frmEval> first = main_->TestWindow().EvaluationWindow();
        QVERIFY(first != nullptr);
        QVERIFY(SettlesCentred(*first));
        first->move(first->pos() + QPoint(50, 50));
        first->cmdQuit->click();
        QVERIFY(!first->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QCOMPARE(main_->TestWindow().EvaluationWindow(), nullptr);
        QVERIFY(main_->isVisible());

        TakeTest(*main_, 0, {2, 1, 2});
        frmEval* second = main_->TestWindow().EvaluationWindow();
        QVERIFY(second != nullptr);
        QVERIFY(second->isVisible());
        QVERIFY(SettlesCentred(*second));
        QCOMPARE(second->Evaluation(), FirstTestText());
    }

    void otherTestNumbersGiveTheHeaderAndNoWindow() {
        frmTest& test = main_->TestWindow();
        test.record.totalq = 1;
        test.record.qscale[1] = 3;
        test.record.qdir[1] = 1;
        test.record.ans[1] = 2;
        test.EvalDisp(2);
        frmEval* window = test.EvaluationWindow();
        QVERIFY(window != nullptr);
        QVERIFY(!window->isVisible());
        QCOMPARE(window->Evaluation(), Header());
        QCOMPARE(ShownLines(*window), ExpectedLines(Header()));
        QCOMPARE(test.record.sscore[3], std::int16_t{2});
    }

  private:
    std::unique_ptr<frmTestMain> main_;
    std::vector<std::string> messages_;
};

QTEST_MAIN(EvaluationWindowTest)

#include "ui_evaluation_test.moc"
