// Each shipped test taken to its end through the windows: Start from the main
// window, every question answered with an option and Process, and the
// evaluation window showing the evaluation of those answers.
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "evaluation/core/evaluation_text.h"
#include "evaluation/frmEval.h"
#include "shell/frmTestMain.h"
#include "testing/frmTest.h"
#include "tests/ui_support.h"

using orv::testing::MessageLog;
using orv::testing::ProgramFolderFile;

namespace {

constexpr int kQuestions = 150;
constexpr int kQuestionsPerScale = 15;

const std::vector<std::string> kIndividualHeadings = {
    "Achievement Attitudes:",      "Emotional Temperament:", "Energy Level:",
    "Intellectual Factors:",       "Material Attitudes:",    "Maturity:",
    "Philosophical Attitudes:",    "Physical Attributes:",   "Risk Attitudes:",
    "Task Performance Attitudes:",
};

const std::vector<std::string> kInterpersonalHeadings = {
    "Aggressiveness:", "Social Control Attitudes:", "Dependability:",
    "Egocentrism:",    "Emotional Expression:",     "Fairness:",
    "Leadership:",     "Physical Appearance:",      "Regard for Rules:",
    "Team Spirit:",
};

QByteArray ShippedFile(const QString& name) {
    QFile file(QStringLiteral(ORV_DATA_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

// Option buttons take clicks only on their indicator and caption.
void ClickOption(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// Strongly, moderately, not: every answer and every mix of a contradicting
// pair occurs, so both sentences and cancelled questions appear.
int AnswerTo(int qno) {
    return 2 - qno % 3;
}

QStringList ShownLines(const frmEval& window) {
    return window.Text1->toPlainText().split(QLatin1Char('\n'));
}

QStringList Lines(const std::string& text) {
    return QString::fromLatin1(text).split(QStringLiteral("\r\n"));
}

}  // namespace

class ShippedTestsTest : public QObject {
    Q_OBJECT
  private slots:
    void eachTestRunsToItsEvaluation_data();
    void eachTestRunsToItsEvaluation();
};

void ShippedTestsTest::eachTestRunsToItsEvaluation_data() {
    QTest::addColumn<int>("testno");
    QTest::addColumn<QString>("database");
    QTest::newRow("individual") << 0 << "orv0.dll";
    QTest::newRow("interpersonal") << 1 << "orv1.dll";
}

void ShippedTestsTest::eachTestRunsToItsEvaluation() {
    QFETCH(int, testno);
    QFETCH(QString, database);
    const QByteArray bytes = ShippedFile(database);
    QVERIFY2(!bytes.isEmpty(), qPrintable(database));
    const ProgramFolderFile db(database, bytes);
    MessageLog log;
    frmTestMain main;
    main.show();

    ClickOption(main.Option1[testno]);
    QCOMPARE(main.testno, std::int16_t(testno));
    QTest::mouseClick(main.cmdStart, Qt::LeftButton);
    frmTest& test = main.TestWindow();
    QVERIFY(test.IsLoaded());

    for (int qno = 1; qno <= kQuestions; ++qno) {
        if (!test.IsLoaded()) {
            const QString shown =
                log.boxes.empty() ? QString() : QString::fromStdString(log.boxes.front().text);
            QFAIL(qPrintable(QStringLiteral("closed before question %1; first message: %2")
                                 .arg(qno)
                                 .arg(shown)));
        }
        const frmTest::Controls& c = *test.controls();
        QCOMPARE(c.lblStatus[1]->text(),
                 QStringLiteral("Questions remaining %1").arg(kQuestions - qno));
        QCOMPARE(c.lblStatus[2]->text(), QStringLiteral("Question No. %1").arg(qno));
        QCOMPARE(c.lblStatus[3]->text(), QStringLiteral("Total Questions: 150"));
        QVERIFY(!c.lblQ->text().isEmpty());
        QRadioButton* option = c.Option1[AnswerTo(qno)];
        ClickOption(option);
        QVERIFY(option->isChecked());
        QTest::mouseClick(c.cmdProcess, Qt::LeftButton);
    }

    QVERIFY(!test.IsLoaded());
    QCOMPARE(test.record.state, std::int16_t(orv::kFinished));
    QVERIFY2(log.boxes.empty(), log.boxes.empty() ? "" : log.boxes.front().text.c_str());
    for (int scale = 1; scale <= orv::kScales; ++scale) {
        QCOMPARE(test.record.scount[scale], std::int16_t(kQuestionsPerScale));
    }

    frmEval* window = test.EvaluationWindow();
    QVERIFY(window != nullptr);
    const std::unique_ptr<frmEval> close_at_end(window);
    QVERIFY(window->isVisible());
    // The scale scores were zero when the test started; the evaluation adds into them.
    auto record = std::make_unique<orv::TestRecord>(test.record);
    record->sscore.fill(0);
    const std::string expected =
        orv::EvaluationText(*record, std::int16_t(testno), orv::CurrentYear());
    QCOMPARE(window->Evaluation(), expected);
    QCOMPARE(ShownLines(*window), Lines(expected));

    // The section heading, then the ten scale headings in order, each with its verdict.
    const std::string& shown = window->Evaluation();
    const std::string section = testno == 0 ? "Assessment of Individual Attributes:"
                                            : "Assessment of Interpersonal and Social Attributes:";
    std::size_t at = shown.find("\r\n          " + section + "\r\n");
    QVERIFY(at != std::string::npos);
    for (const std::string& heading : testno == 0 ? kIndividualHeadings : kInterpersonalHeadings) {
        at = shown.find("\r\n          " + heading + " ", at + 1);
        QVERIFY2(at != std::string::npos, heading.c_str());
    }
    QVERIFY(shown.find("You are also ") != std::string::npos);
}

QTEST_MAIN(ShippedTestsTest)
#include "ui_shipped_tests_test.moc"
