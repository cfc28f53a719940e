// A finished test's result: kept, shown as a profile, saved as PDF, listed,
// shown again, compared with an earlier one and deleted.
#include <QFileDialog>
#include <QTableWidget>

#include "app/saved_files_folder.h"
#include "evaluation/frmEval.h"
#include "results/frmProfile.h"
#include "results/frmResults.h"
#include "results/pdf_export.h"
#include "results/profile_chart.h"
#include "evaluation/text_printer.h"
#include "results/core/kept_results.h"
#include "persistence_support.h"
#include "print_jobs.h"
#include "shell/frmTestMain.h"
#include "testing/frmTest.h"
#include "ui_support.h"

using namespace orv::testing;

namespace {

const QByteArray kDatabase =
    "3\t.Copyright notice\r\n"
    "1\tpunctual\t0\t2\t.I am always on time.\r\n"
    "2\tcalm\t0\t2-\t.I lose my temper easily.\r\n"
    "3\treliable\t0\t3\t.People can count on me.\r\n";

// Saves with the file chooser about to show: `path` is typed and taken.
void SaveAsPdfTo(QPushButton* button, const QString& path) {
    QTimer::singleShot(0, [path] {
        auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        chooser->setOption(QFileDialog::DontConfirmOverwrite);
        chooser->selectFile(path);
        static_cast<QDialog*>(chooser)->accept();
    });
    button->click();
}

QString PdfText(const QString& path) {
    QProcess text;
    text.start("pdftotext", {"-layout", path, "-"});
    return text.waitForFinished() ? QString::fromLocal8Bit(text.readAllStandardOutput()) : "";
}

QStringList Lines(QString text) {  // the lines that show, as they show
    return text.replace(QRegularExpression(" *\r?\n *|\f"), "\n").split('\n', Qt::SkipEmptyParts);
}

}  // namespace

class ResultsTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        std::filesystem::remove_all(folder_);
        log_.boxes.clear();
    }

    void aFinishedTestIsKeptAndItsProfileAndPdfShowIt() {
        const std::unique_ptr<frmEval> shown(TakeTest(0, 2));
        const auto kept = orv::ListKeptResults(folder_);
        QCOMPARE(kept.size(), std::size_t{1});
        QCOMPARE(kept[0].result->text, shown->Evaluation());

        shown->cmdProfile->click();
        const QPointer<frmProfile> profile = shown->ProfileWindow();
        QVERIFY(profile && QTest::qWaitForWindowExposed(profile));
        QCOMPARE(QApplication::focusWidget(), profile->Chart);
        QCOMPARE(QAccessible::queryAccessibleInterface(profile->Chart)->role(),
                 QAccessible::Graphic);
        QVERIFY(profile->Chart->accessibleDescription().startsWith(
            "Achievement Attitudes: 0, No Responses. Emotional Temperament: 0, Unknown, "
            "conflicting responses. Energy Level: 2 of a possible 2, Positive."));
        QCOMPARE(profile->tblFigures->item(2, 2)->text(), QStringLiteral("2"));  // largest

        // Print puts the chart page on paper in the print queue.
        const OwnPrintJobs jobs;
        const bool printer = !QPrinterInfo::defaultPrinter().isNull();
        orv::evaluation::SetPrinterFactory([&] { return jobs.Printer(); });
        profile->cmdPrint->click();
        orv::evaluation::SetPrinterFactory({});
        QTRY_COMPARE_WITH_TIMEOUT(jobs.States(), printer ? QStringList{"completed"} : QStringList(),
                                  60000);
        if (printer) {
            const QString paper = PdfText(jobs.Pdf());
            QVERIFY(paper.contains("Page 1 of 1") && paper.contains("Test ended"));
            QFile::remove(jobs.Pdf());
        }
        log_.boxes.clear();

        // The whole text, then the chart page; a failed save leaves the file as it was.
        const TempFolder out;
        SaveAsPdfTo(shown->cmdSavePdf, QString::fromStdString(out.file("result.pdf")));
        const QString paper = PdfText(QString::fromStdString(out.file("result.pdf")));
        const QStringList lines = Lines(QString::fromLatin1(shown->Evaluation()));
        QCOMPARE(Lines(paper).mid(1, lines.size()), lines);
        QVERIFY(paper.contains("Page 1 of 2") && paper.contains("Page 2 of 2"));
        QVERIFY(paper.contains(QRegularExpression("Energy Level +2 +2 +Positive +No")));
        out.Write("kept.pdf", "old");
        std::filesystem::permissions(out.file("kept.pdf"), std::filesystem::perms::owner_read);
        SaveAsPdfTo(profile->cmdSavePdf, QString::fromStdString(out.file("kept.pdf")));
        QCOMPARE(log_.Texts(), std::vector<std::string>{orv::results::kPdfNotSaved});
        QCOMPARE(ReadBytes(out.file("kept.pdf")), std::string("old"));
        QCOMPARE(out.Count(), 2);
        delete profile;
    }

    void keptResultsAreListedShownComparedAndDeleted() {
        for (const auto& [testno, answer] : {std::pair{0, 2}, {1, 1}, {0, 1}}) {
            QTest::qWait(testno == 0 && answer == 2 ? 0 : 1100);  // a second apart
            delete TakeTest(testno, answer);
        }
        std::ofstream(folder_ + "/zz.result") << "orvane-result\t1\n";
        main_.Results->trigger();
        const QPointer<frmResults> results = Newest<frmResults>();
        QVERIFY(results && QTest::qWaitForWindowExposed(results));
        QListWidget& list = *results->lstResults;
        const auto kept = orv::ListKeptResults(folder_);
        QCOMPARE(list.count(), 4);
        QCOMPARE(list.item(1)->text(),
                 QString::fromStdString(orv::ShownTime(kept[1].result->ended)) +
                     "   Test of Interpersonal and Social Attributes");
        QCOMPARE(list.item(3)->text(), QStringLiteral("zz.result (not a readable result)"));

        results->cmdShow->click();  // the newest, selected from the start
        QCOMPARE(Newest<frmEval>()->Evaluation(), kept[0].result->text);
        QVERIFY(Newest<frmEval>()->cmdProfile->isEnabled());
        const auto select = [&](std::initializer_list<int> rows) {
            list.clearSelection();
            for (int row : rows) list.item(row)->setSelected(true);
        };
        select({0, 2});
        results->cmdCompare->click();
        const frmProfile* compared = Newest<frmProfile>();
        QVERIFY(compared && compared->View().earlier);
        QCOMPARE(compared->View().earlier->ended, kept[2].result->ended);
        QCOMPARE(compared->tblFigures->item(2, 3)->text(), QStringLiteral("-1"));  // 2 to 1
        select({0, 1});
        QVERIFY(!results->cmdCompare->isEnabled());
        QCOMPARE(results->lblHint->text(), QString::fromLatin1(orv::kDifferentTests));
        select({3});
        QVERIFY(!results->cmdShow->isEnabled() && !results->cmdDelete->isEnabled());
        QCOMPARE(results->lblHint->text(),
                 QStringLiteral("zz.result is not a readable result. It is left as it is."));

        // No keeps the result; Yes removes its file and nothing else.
        log_.answers = {orv::app::kResultNo, orv::app::kResultYes};
        for (int press = 0; press < 2; ++press) {
            select({1});
            results->cmdDelete->click();
        }
        QCOMPARE(log_.boxes[0].text,
                 "Delete the result of the Test of Interpersonal and Social Attributes that "
                 "ended " +
                     orv::ShownTime(kept[1].result->ended) + "? Its file is removed for good.");
        QCOMPARE(log_.boxes.size(), std::size_t{2});
        QCOMPARE(list.count(), 3);
        QCOMPARE(orv::ListKeptResults(folder_).size(), std::size_t{3});
        QVERIFY(!std::filesystem::exists(folder_ + "/" + kept[1].name));
    }

  private:
    // The window just opened, once it is the active one.
    template <typename Window>
    static Window* Newest() {
        (void)QTest::qWaitFor([] { return qobject_cast<Window*>(QApplication::activeWindow()); });
        return qobject_cast<Window*>(QApplication::activeWindow());
    }

    // Takes a test, every answer `answer`; the evaluation window.
    frmEval* TakeTest(int testno, int answer) {
        const ProgramFolderFile file(QStringLiteral("orv%1.dll").arg(testno), kDatabase);
        main_.Option1[testno]->click();
        main_.cmdStart->click();
        frmTest& test = main_.TestWindow();
        while (test.IsLoaded()) {
            test.controls()->Option1[answer]->click();
            test.controls()->cmdProcess->click();
        }
        return test.EvaluationWindow();
    }

    const std::string folder_ = orv::app::KeptResultsFolder();
    MessageLog log_;
    frmTestMain main_;
};

QTEST_MAIN(ResultsTest)
#include "ui_results_test.moc"
