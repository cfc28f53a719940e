// Printing without a print server: the message for a missing printer, the
// message for a printer that fails, and the printed lines of a PDF printer.
#include <QApplication>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "app/message_box.h"
#include "evaluation/frmEval.h"
#include "evaluation/text_printer.h"
#include "tests/ui_print_support.h"

namespace {

struct Box {
    std::string text;
    int flags;
    std::string title;
};

}  // namespace

class PrintWithoutServerTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        boxes_.clear();
        orv::app::SetMessageBoxHandler(
            [this](const std::string& text, int flags, const std::string& title) {
                boxes_.push_back({text, flags, title});
                return orv::app::kResultOk;
            });
        evaluation_ = orv::testing::StronglyAgreedEvaluation(ORV_DATA_DIR "/orv0.dll");
        QVERIFY(!evaluation_.empty());
        window_ = std::make_unique<frmEval>();
        window_->SetEvaluation(evaluation_);
        window_->show();
    }

    void cleanup() {
        window_.reset();
        orv::evaluation::SetPrinterFactory({});
        orv::app::SetMessageBoxHandler({});
    }

    void noPrinterIsReported() {
        QVERIFY2(QPrinterInfo::defaultPrinter().isNull(),
                 "a default printer is reachable although CUPS_SERVER names no server");
        window_->cmdPrint->click();
        QCOMPARE(boxes_.size(), std::size_t{1});
        QCOMPARE(boxes_[0].text,
                 std::string("No printer is available. The evaluation was not printed."));
        QCOMPARE(boxes_[0].flags, 0);
        QCOMPARE(boxes_[0].title, std::string("Orvane Personality Test"));
        CheckWindowUnchanged();
    }

    void failingPrinterIsReported() {
        orv::evaluation::SetPrinterFactory([] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(QStringLiteral("/nonexistent-folder/evaluation.pdf"));
            return printer;
        });
        window_->cmdPrint->click();
        QCOMPARE(boxes_.size(), std::size_t{1});
        QCOMPARE(boxes_[0].text, std::string("The evaluation could not be printed."));
        QCOMPARE(boxes_[0].title, std::string("Orvane Personality Test"));
        CheckWindowUnchanged();
    }

    void everyLineGoesOnPaper() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        int presses = 0;
        orv::evaluation::SetPrinterFactory([&] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(
                folder.filePath(QStringLiteral("press%1.pdf").arg(++presses)));
            return printer;
        });
        window_->cmdPrint->click();
        window_->cmdPrint->click();
        QVERIFY(boxes_.empty());
        QCOMPARE(presses, 2);
        const QStringList expected = orv::testing::VisibleLines(evaluation_);
        for (const char* name : {"press1.pdf", "press2.pdf"}) {
            const QString text = orv::testing::PdfText(folder.filePath(QLatin1String(name)));
            QCOMPARE(orv::testing::VisibleLines(text), expected);
            QCOMPARE(text.count(QLatin1Char('\f')), 2);  // two pages
        }
        CheckWindowUnchanged();
    }

    void overlongLinesContinueOnTheNextLine() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString pdf = folder.filePath(QStringLiteral("long.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        std::string words;
        for (int n = 100; n < 160; ++n) {
            words += " word" + std::to_string(n);
        }
        QCOMPARE(orv::evaluation::PrintText(printer, "Before\r\n" + words + "\r\nAfter\r\n"),
                 orv::evaluation::PrintOutcome::kPrinted);
        const QStringList lines = orv::testing::VisibleLines(orv::testing::PdfText(pdf));
        QVERIFY(lines.size() > 3);
        QCOMPARE(lines.first(), QStringLiteral("Before"));
        QCOMPARE(lines.last(), QStringLiteral("After"));
        QString middle = lines.mid(1, lines.size() - 2).join(QLatin1Char(' '));
        QCOMPARE(middle.simplified(), QString::fromStdString(words).simplified());
    }

  private:
    void CheckWindowUnchanged() {
        QVERIFY(window_->isVisible());
        QCOMPARE(window_->Evaluation(), evaluation_);
        QCOMPARE(
            window_->Text1->toPlainText(),
            QString::fromLatin1(evaluation_).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }

    std::vector<Box> boxes_;
    std::string evaluation_;
    std::unique_ptr<frmEval> window_;
};

int main(int argc, char** argv) {
    // A server address where none listens: the system has no printer.
    qputenv("CUPS_SERVER", "/nonexistent/orvane-no-print-server.sock");
    QApplication application(argc, argv);
    PrintWithoutServerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ui_print_no_server_test.moc"
