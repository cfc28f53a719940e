// Printing on the real default printer: the local print server with its PDF
// printer (scripts/start-print-server.sh) turns each print into a PDF in
// $HOME/PDF, which is read back to check that every line went on paper.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "app/message_box.h"
#include "evaluation/frmEval.h"
#include "tests/ui_print_support.h"

namespace {

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool SchedulerRunning() {
    return Run(QStringLiteral("lpstat"), {QStringLiteral("-r")}).trimmed() ==
           QStringLiteral("scheduler is running");
}

// Job numbers of the printer's jobs, those waiting or those done.
QList<int> Jobs(const QString& printer, const char* which) {
    QList<int> jobs;
    const QString listing =
        Run(QStringLiteral("lpstat"),
            {QStringLiteral("-W"), QLatin1String(which), QStringLiteral("-o"), printer});
    const QRegularExpression id(
        QStringLiteral("^%1-(\\d+)\\s").arg(QRegularExpression::escape(printer)),
        QRegularExpression::MultilineOption);
    for (auto match = id.globalMatch(listing); match.hasNext();) {
        jobs.append(match.next().captured(1).toInt());
    }
    return jobs;
}

int LastJob(const QString& printer) {
    int last = 0;
    for (const int job : Jobs(printer, "all")) {
        last = std::max(last, job);
    }
    return last;
}

// The newest PDF in the folder the PDF printer writes to.
QFileInfo NewestPdf() {
    const QFileInfoList pdfs =
        QDir(QDir::home().filePath(QStringLiteral("PDF")))
            .entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
    return pdfs.isEmpty() ? QFileInfo() : pdfs.first();
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        if (!SchedulerRunning()) {
            QSKIP(
                "The print server is not running; scripts/start-print-server.sh starts it "
                "with a PDF printer as the default printer.");
        }
        printer_ = QPrinterInfo::defaultPrinter().printerName();
        QVERIFY2(!printer_.isEmpty(),
                 "The print server runs without a default printer; "
                 "scripts/start-print-server.sh makes its PDF printer the default.");
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is needed to read the printed PDF");
        evaluation_ = orv::testing::StronglyAgreedEvaluation(ORV_DATA_DIR "/orv0.dll");
        QVERIFY(!evaluation_.empty());
    }

    void init() {
        boxes_.clear();
        orv::app::SetMessageBoxHandler([this](const std::string& text, int, const std::string&) {
            boxes_.push_back(text);
            return orv::app::kResultOk;
        });
        window_ = std::make_unique<frmEval>();
        window_->SetEvaluation(evaluation_);
        window_->show();
    }

    void cleanup() {
        window_.reset();
        orv::app::SetMessageBoxHandler({});
    }

    void everyLineGoesOnPaperWithItsLeadingSpaces() {
        const int last = LastJob(printer_);
        const QDateTime start = QDateTime::currentDateTime().addSecs(-1);
        window_->cmdPrint->click();
        QVERIFY(boxes_.empty());
        QVERIFY(WaitForJobsAfter(last, 1));

        const QFileInfo pdf = NewestPdf();
        QVERIFY2(pdf.exists(), "no PDF in $HOME/PDF");
        QVERIFY(pdf.lastModified() >= start);
        const QString text = orv::testing::PdfText(pdf.filePath());
        QCOMPARE(orv::testing::VisibleLines(text), orv::testing::VisibleLines(evaluation_));
        QCOMPARE(text.count(QLatin1Char('\f')), 2);  // two pages

        QVERIFY(window_->isVisible());
        QCOMPARE(window_->Evaluation(), evaluation_);
    }

    void eachPressPrintsADocument() {
        const int last = LastJob(printer_);
        window_->cmdPrint->click();
        window_->cmdPrint->click();
        QVERIFY(boxes_.empty());
        QVERIFY(WaitForJobsAfter(last, 2));
        const QString text = orv::testing::PdfText(NewestPdf().filePath());
        QCOMPARE(orv::testing::VisibleLines(text), orv::testing::VisibleLines(evaluation_));
    }

  private:
    // Waits until `count` jobs numbered above `last` are done and none waits.
    bool WaitForJobsAfter(int last, int count) {
        return QTest::qWaitFor(
            [&] {
                if (!Jobs(printer_, "not-completed").isEmpty()) {
                    return false;
                }
                int done = 0;
                for (const int job : Jobs(printer_, "completed")) {
                    done += job > last ? 1 : 0;
                }
                return done == count;
            },
            60000);
    }

    QString printer_;
    std::string evaluation_;
    std::vector<std::string> boxes_;
    std::unique_ptr<frmEval> window_;
};

QTEST_MAIN(PrintTest)

#include "ui_print_test.moc"
