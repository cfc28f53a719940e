// Printing the evaluation: every line goes on paper on the default printer of
// the print server (scripts/start-print-server.sh: a PDF printer writing to
// $HOME/PDF); with CUPS_SERVER naming no server there is no printer at all;
// with LPDEST naming no printer there are printers but no default.
#include <QDir>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include "evaluation/core/evaluation_text.h"
#include "evaluation/frmEval.h"
#include "evaluation/text_printer.h"
#include "tests/print_jobs.h"
#include "tests/ui_support.h"

namespace {

// An evaluation of two pages: ten scales of strong and moderate sentences.
std::string LongEvaluation() {
    auto record = std::make_unique<orv::TestRecord>();
    record->totalq = 150;
    for (int n = 1; n <= 150; ++n) {
        record->qscale[n] = static_cast<std::int16_t>(n % 10 + 1);
        record->qdesc[n] = "the trait phrase of question " + std::to_string(n);
        record->ans[n] = static_cast<std::int16_t>(n % 3);
    }
    return orv::EvaluationText(*record, 0, 2027);
}

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The lines with text, leading spaces kept; trailing spaces do not show on paper.
QStringList VisibleLines(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral(" *[\r\n\f]+")), Qt::SkipEmptyParts);
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        window_.SetEvaluation(text_);
        window_.show();
    }
    // Printing leaves the window as it was.
    void cleanup() {
        QVERIFY(window_.isVisible() && window_.Evaluation() == text_);
        QCOMPARE(window_.Text1->toPlainText(), orv::evaluation::PrintableLines(text_));
        log_.boxes.clear();
    }

    void everyLineGoesOnPaperOnceAPress() {
        if (Run(QStringLiteral("lpstat"), {"-r"}).trimmed() != "scheduler is running") {
            QSKIP("No print server; scripts/start-print-server.sh starts one with a PDF printer.");
        }
        QVERIFY2(!QPrinterInfo::defaultPrinter().isNull(),
                 "the print server has no default printer");
        const orv::testing::OwnPrintJobs jobs;
        orv::evaluation::SetPrinterFactory([&] { return jobs.Printer(); });
        window_.cmdPrint->click();
        window_.cmdPrint->click();
        orv::evaluation::SetPrinterFactory({});
        QVERIFY(log_.boxes.empty());
        // Each press is a job of its own.
        QTRY_COMPARE_WITH_TIMEOUT(jobs.States(), QStringList({"completed", "completed"}), 60000);
        const QString paper = Run(QStringLiteral("pdftotext"), {"-layout", jobs.Pdf(), "-"});
        QFile::remove(jobs.Pdf());
        QCOMPARE(VisibleLines(paper), VisibleLines(QString::fromLatin1(text_)));
        QCOMPARE(paper.count(QLatin1Char('\f')), 2);  // two pages
    }

    void noPrinterIsReported() {
        if (!qEnvironmentVariableIsSet("CUPS_SERVER")) {
            QSKIP("Only where CUPS_SERVER names no server (ctest: ui_print_no_server_test).");
        }
        QVERIFY(QPrinterInfo::defaultPrinter().isNull());
        window_.cmdPrint->click();
        QCOMPARE(log_.Texts(), std::vector<std::string>{
                                   "No printer is available. The evaluation was not printed."});
    }

    // The print dialog lets the user pick a printer: accepted, the evaluation
    // is printed there; cancelled, nothing is printed and nothing said.
    void withoutADefaultPrinterTheUserPicksOne() {
        if (!qEnvironmentVariableIsSet("LPDEST")) {
            QSKIP("Only where LPDEST names no printer (ctest: ui_print_no_default_test).");
        }
        QVERIFY(QPrinterInfo::defaultPrinter().isNull());
        const QString printer = QPrinterInfo::availablePrinterNames().value(0);
        if (printer.isEmpty()) {
            QSKIP("No printer; scripts/start-print-server.sh starts a server with a PDF printer.");
        }
        const orv::testing::OwnPrintJobs jobs;
        QStringList picked;
        for (const bool accept : {true, false}) {
            QTimer::singleShot(0, [&picked, &jobs, accept] {
                auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog != nullptr);
                picked << dialog->printer()->printerName();
                dialog->printer()->setDocName(jobs.title);
                accept ? dialog->accept() : dialog->reject();
            });
            window_.cmdPrint->click();
        }
        QCOMPARE(picked, QStringList({printer, printer}));
        QVERIFY(log_.boxes.empty());
        QTRY_COMPARE_WITH_TIMEOUT(jobs.States(), QStringList{"completed"}, 60000);
        QFile::remove(jobs.Pdf());
    }

    void failingPrinterIsReported() {
        orv::evaluation::SetPrinterFactory([] {
            auto printer = std::make_unique<QPrinter>();
            printer->setOutputFileName(QStringLiteral("/nonexistent-folder/evaluation.pdf"));
            return printer;
        });
        window_.cmdPrint->click();
        orv::evaluation::SetPrinterFactory({});
        QCOMPARE(log_.Texts(), std::vector<std::string>{"The evaluation could not be printed."});
    }

  private:
    const std::string text_ = LongEvaluation();
    orv::testing::MessageLog log_;
    frmEval window_;
};

QTEST_MAIN(PrintTest)

#include "ui_print_test.moc"
