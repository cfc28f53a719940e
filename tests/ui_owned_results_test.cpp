// The user's say over the kept results: keeping switched off, all deleted,
// a copy saved out and opened back, all exported as CSV.
#include <QFileDialog>
#include <QInputDialog>
#include <set>

#include "app/settings_file.h"
#include "evaluation/frmEval.h"
#include "evaluation/language_words.h"
#include "persistence_support.h"
#include "results/comparison_chart.h"
#include "results/core/kept_results.h"
#include "results/frmComparison.h"
#include "results/frmProfile.h"
#include "results/frmResults.h"
#include "results/kept_results_folder.h"
#include "shell/frmTestMain.h"
#include "taking_tests.h"
#include "testing/frmTest.h"
#include "ui_support.h"

using namespace orv::testing;
namespace fs = std::filesystem;

namespace {

// Answers the file chooser about to show with `path`.
void ChooseFile(QPushButton* button, const QString& path) {
    QTimer::singleShot(0, [path] {
        auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        chooser->setOption(QFileDialog::DontConfirmOverwrite);
        chooser->selectFile(path);
        static_cast<QDialog*>(chooser)->accept();
    });
    button->click();
}

// Makes a file one that nobody, the superuser included, may remove.
bool SetUnremovable(const std::string& path, bool on) {
    return QProcess::execute("chattr", {on ? "+i" : "-i", QString::fromStdString(path)}) == 0;
}

QStringList Cells(const QTableWidget& table) {
    QStringList cells;
    for (int c = 0; c < table.columnCount(); ++c) cells << table.horizontalHeaderItem(c)->text();
    for (int r = 0; r < table.rowCount(); ++r)
        for (int c = 0; c < table.columnCount(); ++c) cells << table.item(r, c)->text();
    return cells;
}

}  // namespace

class OwnedResultsTest : public QObject {
    Q_OBJECT
  private slots:
    // Settings of its own, which init() removes, however it is started.
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", (QCoreApplication::applicationDirPath() + "/settings").toUtf8());
    }

    void init() {
        fs::remove_all(folder_);
        QFile::remove(orv::app::SettingsPath());
        log_.boxes.clear();
    }

    // Switched off, a finished test is shown but nothing is written, in this
    // run and the next; switched on again, the first kept result says once
    // where it is, beside the evaluation, which keeps the keyboard.
    void keepingOffWritesNothingAcrossARestart() {
        auto main = std::make_unique<frmTestMain>();
        QVERIFY(main->KeepResults->isChecked());
        main->KeepResults->trigger();
        main = std::make_unique<frmTestMain>();  // as the next run starts
        QVERIFY(!main->KeepResults->isChecked());
        std::unique_ptr<frmEval> shown(TakeTest(*main, 0, 2));
        QVERIFY(shown->isVisible() && shown->cmdProfile->isEnabled());
        QCOMPARE(shown->windowTitle(), "Orvane Personality Test - This result is not kept");
        QVERIFY(!fs::exists(folder_) && log_.boxes.empty());
        frmResults results(folder_);
        QCOMPARE(results.Label1->text(),
                 "No results are kept: \"Keep results\" is switched off "
                 "in the Results menu of the main window.");

        main->KeepResults->trigger();
        for (const int count : {1, 2}) {
            shown.reset();  // a new window for each result
            shown.reset(TakeTest(*main, 0, 2));
            QCOMPARE(shown->windowTitle(), "Orvane Personality Test - This result is kept");
            QCOMPARE(orv::ListKeptResults(folder_).size(), std::size_t(count));
            auto* note = shown->findChild<QMessageBox*>("keptNote");
            QCOMPARE(note != nullptr, count == 1);
            if (note) {
                QVERIFY(note->isVisible() && !note->isModal());
                QCOMPARE(note->text(), "This result has been kept on this computer, in " +
                                           QString::fromStdString(folder_) +
                                           ", so that it can be shown and compared later. To stop "
                                           "keeping results, switch off \"Keep results\" in the "
                                           "Results menu of the main window.");
                QVERIFY(
                    QTest::qWaitFor([&] { return QApplication::activeWindow() == shown.get(); }));
            }
        }
    }

    // Every result, readable or not, and every temporary file is removed even
    // where one result cannot be, which is named and not counted; what the
    // user put there stays and is shown.
    void deleteAllLeavesOnlyForeignFilesAndNamesWhatItCannotRemove() {
        for (int answer : {2, 1, 0}) delete TakeTest(main_, 0, answer);
        const auto kept = orv::ListKeptResults(folder_);
        QCOMPARE(kept.size(), std::size_t{3});
        std::ofstream(folder_ + "/notes.txt") << "mine";
        std::ofstream(folder_ + "/zz.result") << "orvane-result\t9\n";  // broken, or newer
        std::ofstream(folder_ + "/photo.result") << "\x89PNG";
        std::ofstream(folder_ + "/.saving-0123abcd") << "orvane-res";
        const std::string stuck = kept[1].name;
        if (!SetUnremovable(folder_ + "/" + stuck, true))
            QSKIP("This file system cannot keep a file from being removed.");

        frmResults results(folder_);
        log_.answers = {orv::app::kResultYes};
        results.cmdDeleteAll->click();
        SetUnremovable(folder_ + "/" + stuck, false);
        QCOMPARE(log_.Texts(),
                 (std::vector<std::string>{
                     "Delete all 4 kept results? Their files are removed for good.",
                     "Kept results deleted: 3. These files could not be removed: " + stuck + "."}));
        std::set<std::string> left;
        for (const auto& entry : fs::directory_iterator(folder_))
            left.insert(entry.path().filename());
        QCOMPARE(left, (std::set<std::string>{"notes.txt", "photo.result", stuck}));
        QCOMPARE(results.lstResults->count(), 2);
        QCOMPARE(results.lblOthers->text(),
                 "The folder of the kept results also holds files that are not results: "
                 "notes.txt, photo.result. They are left as they are.");
    }

    // A copy holds the kept bytes for the user only; the CSV, read by
    // Python's csv module, gives each result's figures in its own language,
    // quotes and accents whole.
    void aCopyAndTheCsvCarryTheFigures() {
        delete TakeTest(main_, 0, 2);
        orv::KeptResult odd = orv::ListKeptResults(folder_)[0].result.value();
        const auto at = orv::SecondsSinceEpoch(odd.ended);
        odd.ended = orv::LocalTimeAt(at - 1);
        odd.scales[0].name = "Caf\xe9, \"Achievement\"";
        QVERIFY(orv::KeepResult(folder_, odd));
        const auto words = orv::evaluation::WordsOf("de");
        auto record = std::make_unique<orv::TestRecord>();
        orv::KeptResult german = orv::MakeKeptResult(
            *record, 1, orv::Evaluate(*record, 1, 2026, words), orv::LocalTimeAt(at + 1), words);
        german.name = "Ren\u00e9, \"R\"";
        QVERIFY(orv::KeepResult(folder_, german));
        const auto kept = orv::ListKeptResults(folder_);

        frmResults results(folder_);
        const TempFolder out;
        results.lstResults->setCurrentRow(2);
        ChooseFile(results.cmdSaveCopy, QString::fromStdString(out.file("copy.result")));
        QCOMPARE(ReadBytes(out.file("copy.result")), ReadBytes(folder_ + "/" + kept[2].name));
        QCOMPARE(fs::status(out.file("copy.result")).permissions(),
                 fs::perms::owner_read | fs::perms::owner_write);

        // Opened back, it shows the kept figures, and a copy of it is kept
        // beside the original; a file that is not a result is only named.
        ChooseFile(results.cmdOpenFile, QString::fromStdString(out.file("copy.result")));
        const QPointer<frmProfile> opened = Newest<frmProfile>();
        QVERIFY(opened && opened->cmdKeepCopy);
        const frmProfile original(*kept[2].result);
        QCOMPARE(Cells(*opened->tblFigures), Cells(*original.tblFigures));
        opened->cmdKeepCopy->click();
        QVERIFY(!opened->cmdKeepCopy->isEnabled());
        const auto after = orv::ListKeptResults(folder_);
        QCOMPARE(after.size(), std::size_t{4});
        QCOMPARE(after[2].result, kept[2].result);  // of one second, the later name first
        QCOMPARE(ReadBytes(folder_ + "/" + after[2].name), ReadBytes(out.file("copy.result")));
        delete opened;
        out.Write("photo.result", "\x89PNG");
        ChooseFile(results.cmdOpenFile, QString::fromStdString(out.file("photo.result")));
        QCOMPARE(log_.Texts(), std::vector<std::string>{
                                   "photo.result is not a readable result. It is left as it is."});
        QCOMPARE(orv::ListKeptResults(folder_).size(), std::size_t{4});

        ChooseFile(results.cmdExportCsv, QString::fromStdString(out.file("all.csv")));
        QProcess python;
        python.start("python3", {"-c",
                                 "import csv, json, sys\n"
                                 "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                                 "    print(json.dumps(list(csv.reader(f, strict=True))))\n",
                                 QString::fromStdString(out.file("all.csv"))});
        QVERIFY(python.waitForFinished() && python.exitCode() == 0);
        const QJsonArray rows = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows[0].toArray().size(), 35);
        for (int row = 1; row < 5; ++row) {
            const QJsonArray fields = rows[row].toArray();
            const orv::KeptResult& result = *after[row - 1].result;
            QCOMPARE(fields[0].toString().toStdString(), after[row - 1].name);
            QCOMPARE(fields[4].toString().toStdString(), orv::IsoTimeText(result.ended));
            for (int scale = 0; scale < orv::kScales; ++scale)
                QCOMPARE(fields[6 + 3 * scale].toString().toInt(), int(result.scales[scale].score));
        }
        const auto field = [&](int row, int column) { return rows[row][column].toString(); };
        QCOMPARE(field(1, 1) + "|" + field(1, 2),
                 "Ren\u00e9, \"R\"|Test der zwischenmenschlichen und sozialen Eigenschaften");
        QCOMPARE(field(1, 5) + "|" + field(1, 7), "Aggressivit\u00e4t|Keine Antworten");
        QCOMPARE(field(2, 1) + "|" + field(2, 11) + "|" + field(2, 13), "|Energy Level|Positive");
        QCOMPARE(field(3, 5), "Caf\u00e9, \"Achievement\"");
    }

    // Named, a result is kept anew in format 3 in place of its format-1
    // file; compared with an unnamed one, the profile says whose is whose.
    void aNamedResultIsComparedWithAnUnnamedOne() {
        delete TakeTest(main_, 0, 2);
        QTest::qWait(1100);
        delete TakeTest(main_, 0, 1);
        const auto kept = orv::ListKeptResults(folder_);
        frmResults results(folder_);
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->setTextValue(" Anna \u00f1 ");
            dialog->accept();
        });
        results.cmdName->click();
        const auto named = orv::ListKeptResults(folder_);
        QCOMPARE(named.size(), std::size_t{2});
        QVERIFY(!fs::exists(folder_ + "/" + kept[0].name));
        QVERIFY(ReadBytes(folder_ + "/" + named[0].name).starts_with("orvane-result\t3\n"));
        QVERIFY(ReadBytes(folder_ + "/" + named[1].name).starts_with("orvane-result\t1\n"));
        QVERIFY(results.lstResults->item(0)->text().endsWith("   Anna \u00f1"));
        QCOMPARE(results.lstResults->currentRow(), 0);
        results.lstResults->item(1)->setSelected(true);
        results.cmdCompare->click();
        const QPointer<frmProfile> compared = Newest<frmProfile>();
        QVERIFY(compared);
        QVERIFY(compared->lblDates->text().endsWith(
            "\nEarlier result (paler bars): no name. Later result: Anna \u00f1."));
        QCOMPARE(compared->tblFigures->item(2, 3)->text(), "-1");  // Energy Level, 2 to 1
        delete compared;
    }

    // Three of one test compare oldest first, with the change from the first
    // to the last; six are drawn with six shades per scale that differ in grey.
    void severalResultsCompareOldestFirstInShadesThatDifferInGrey() {
        for (int answer : {2, 1, 0}) delete TakeTest(main_, 0, answer);
        frmResults results(folder_);
        for (int row = 0; row < 3; ++row) results.lstResults->item(row)->setSelected(true);
        results.cmdCompare->click();
        const QPointer<frmComparison> compared = Newest<frmComparison>();
        QVERIFY(compared && compared->tblFigures->columnCount() == 5);
        QCOMPARE(
            compared->tblFigures->item(2, 1)->text() + compared->tblFigures->item(2, 4)->text(),
            "2-2");  // Energy Level: 2 first, 0 last
        delete compared;

        orv::Comparison six;
        for (int i = 0; i < 6; ++i) {
            orv::Profile profile;
            profile.ended = orv::LocalTimeAt(1796000000 + 60 * i);
            for (auto& scale : profile.scales) scale.share = 0.5 + 0.1 * i, scale.score = i;
            profile.scales[0].name = "Scale";
            six.profiles.push_back(profile);
        }
        six.profiles[0].name = "Anna";
        ComparisonChart chart(six, nullptr);
        chart.resize(800, chart.sizeHint().height());
        const QImage image = chart.grab().toImage();
        const int background = qGray(image.pixel(image.width() - 1, 0)), x = image.width() * 3 / 4;
        QList<int> greys;  // of each bar, from the top, at its middle
        for (int y = 0, from = -1; y < image.height(); ++y) {
            const bool bar = qGray(image.pixel(x, y)) != background;
            if (bar && from < 0)
                from = y;
            if (!bar && from >= 0)
                greys << qGray(image.pixel(x, (from + y) / 2)), from = -1;
        }
        QCOMPARE(greys.size(), 60);
        for (int at = 0; at < 60; ++at)
            QVERIFY2(at % 6 == 0 || greys[at] >= greys[at - 1] + 20,
                     qPrintable(QString::number(at)));
        QVERIFY(chart.accessibleDescription().startsWith(
            "Scale: 1. Anna, " + QString::fromStdString(orv::ShownTime(six.profiles[0].ended)) +
            ": 0; 2. "));
        QVERIFY(chart.accessibleDescription().contains("; change from the first to the last: +5."));
    }

  private:
    const std::string folder_ = orv::results::KeptResultsFolder();
    MessageLog log_;
    frmTestMain main_;
};

QTEST_MAIN(OwnedResultsTest)
#include "ui_owned_results_test.moc"
