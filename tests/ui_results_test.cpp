// A finished test's result: kept, shown as a profile, saved as PDF, listed,
// shown again, compared with an earlier one and deleted.
#include <sys/resource.h>

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QFileDialog>
#include <QTableWidget>
#include <csignal>
#include <map>

#include "app/language.h"
#include "app/saved_files_folder.h"
#include "evaluation/frmEval.h"
#include "evaluation/language_words.h"
#include "evaluation/text_printer.h"
#include "persistence_support.h"
#include "print_jobs.h"
#include "results/comparison_chart.h"
#include "results/core/kept_results.h"
#include "results/frmProfile.h"
#include "results/frmResults.h"
#include "results/kept_results_folder.h"
#include "results/pdf_export.h"
#include "results/profile_chart.h"
#include "results/result_document.h"
#include "results/scale_meaning_pane.h"
#include "shell/frmTestMain.h"
#include "taking_tests.h"
#include "testing/frmTest.h"
#include "ui_support.h"

using namespace orv::testing;

namespace {

// What the help says of the Energy Level scale and its Positive verdict.
const QString kEnergyLevel =
    "This scale looks at the energy you bring to a day. It asks whether you start quickly, keep "
    "busy and enjoy a brisk pace, or whether you tire easily and prefer a slow and restful rhythm. "
    "Positive: You start the day quickly, keep busy and enjoy a brisk pace.";

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

// Writes fail beyond `bytes` while it lives, as on a full disk.
struct DiskFull {
    explicit DiskFull(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~DiskFull() { setrlimit(RLIMIT_FSIZE, &old); }
    rlimit old{};
};

// The bars of a chart image from top to bottom, by colour, as "+0.50"
// (bold, to the right) or "(-0.25)" (paler, to the left): how far each reaches
// from the centre line as a share of the full length, which the first bold
// bars show (+1 and -1). "?" for a bar that does not start at the centre line.
QStringList BarsOf(const QImage& image) {
    const QRgb up = qRgb(31, 100, 170), down = qRgb(196, 84, 0);
    const QRgb pale_up = qRgb(165, 193, 221), pale_down = qRgb(231, 186, 153);
    struct Bar {
        QRgb colour = 0;
        int left = 0, right = 0;
    };
    std::vector<Bar> bars;
    QRgb above = 0;
    for (int y = 0; y < image.height(); ++y) {
        Bar row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y) | 0xFF000000;
            if (pixel == up || pixel == down || pixel == pale_up || pixel == pale_down) {
                row.left = row.colour ? row.left : x;
                row.colour = pixel;
                row.right = x + 1;
            }
        }
        if (row.colour && row.colour != above)
            bars.push_back(row);
        above = row.colour;
    }
    const auto first = [&](QRgb colour) {
        return *std::find_if(bars.begin(), bars.end(), [&](auto& b) { return b.colour == colour; });
    };
    // The centre line covers the bars' inner ends.
    const double centre = (first(up).left + first(down).right) / 2.0;
    const double full = (first(up).right - first(down).left) / 2.0;
    QStringList shares;
    for (const Bar& bar : bars) {
        const bool right = bar.colour == up || bar.colour == pale_up;
        const int from = right ? bar.left : bar.right, to = right ? bar.right : bar.left;
        const double share = (to - centre) / full;
        const QString text = std::abs(from - centre) > 3
                                 ? QStringLiteral("?")
                                 : QString::asprintf("%+.2f", qRound(share * 20) / 20.0);
        shares << (bar.colour == up || bar.colour == down ? text : "(" + text + ")");
    }
    return shares;
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
        QVERIFY(paper.contains("Page 1 of 3") && paper.contains("Page 3 of 3"));
        // Then what each scale and its verdict mean, in the result's language.
        for (const QString& text :
             QStringList{"About the scales", "Energy Level: Positive " + kEnergyLevel,
                         "Emotional Temperament: Unknown, Conflicting Responses",
                         "What this test is not"}) {
            QVERIFY2(paper.simplified().contains(text), qPrintable(text));
        }
        QVERIFY(paper.contains(QRegularExpression("Energy Level +2 +2 +Positive +No")));
        for (const bool full : {false, true}) {  // a read-only file, a full disk
            log_.boxes.clear();
            out.Write("kept.pdf", "old");
            std::filesystem::permissions(
                out.file("kept.pdf"),
                std::filesystem::perms::owner_read |
                    (full ? std::filesystem::perms::owner_write : std::filesystem::perms::none));
            {
                const DiskFull disk(full ? 1000 : RLIM_INFINITY);
                SaveAsPdfTo(profile->cmdSavePdf, QString::fromStdString(out.file("kept.pdf")));
            }
            QCOMPARE(log_.Texts(), std::vector<std::string>{orv::results::kPdfNotSaved});
            QCOMPARE(ReadBytes(out.file("kept.pdf")), std::string("old"));
            QCOMPARE(out.Count(), 2);
        }
        delete profile;
    }

    // A result taken in German: its PDF gives back every letter, Greek and
    // Cyrillic too, under German headings.
    void aGermanResultsPdfReadsBackInGerman() {
        const orv::EvaluationWords& words = orv::evaluation::WordsOf("de");
        auto record = std::make_unique<orv::TestRecord>();
        record->totalq = 3;
        const char* phrases[] = {"gr\u00fcn", "\u03b5\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac",
                                 "\u043a\u0438\u0440\u0438\u043b\u043b\u0438\u0446\u0430"};
        for (int q = 1; q <= 3; ++q) {
            std::tie(record->qscale[q], record->qdir[q], record->ans[q]) = std::tuple(1, 1, 2);
            record->qdesc[q] = phrases[q - 1];
            record->seen[q] = true;
        }
        const orv::KeptResult result = orv::MakeKeptResult(
            *record, 0, orv::Evaluate(*record, 0, 2026, words), orv::LocalNow(), words);
        const TempFolder out;
        QFile pdf(QString::fromStdString(out.file("de.pdf")));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.write(orv::results::ResultPdf(result, orv::ViewOf(result, words)));
        pdf.close();
        const QString paper = PdfText(pdf.fileName());
        for (const char* line :
             {"Orvane Pers\u00f6nlichkeitstest", "Leistungshaltung: Positiv.",
              "Sie sind gr\u00fcn, \u03b5\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac und "
              "\u043a\u0438\u0440\u0438\u043b\u043b\u0438\u0446\u0430.",
              "Profil: Test der individuellen Eigenschaften", "Gr\u00f6\u00dftm\u00f6glich",
              "Seite 3 von 3", "\u00dcber die Skalen",
              "Leistungshaltung: Positiv Diese Skala befasst sich mit Ehrgeiz",
              "Positiv: Sie setzen sich Ziele, m\u00f6gen Herausforderungen und machen nach einem "
              "R\u00fcckschlag weiter.",
              "Tatkraft: Keine Antworten", "Was dieser Test nicht ist"}) {
            QVERIFY2(paper.simplified().contains(QString::fromUtf8(line)), line);
        }
        QVERIFY(!paper.contains("This scale"));
    }

    // The pane explains the scale in focus: the table's current row, which a
    // screen reader hears with the cell when the arrow key moves it, or a bar
    // clicked. Strongest first, remembered, keeps that scale in focus.
    void thePaneExplainsTheScaleInFocus() {
        const QTemporaryDir settings;
        qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
        const std::unique_ptr<frmEval> shown(TakeTest(0, 2));
        shown->cmdProfile->click();
        const QPointer<frmProfile> profile = shown->ProfileWindow();
        QVERIFY(QTest::qWaitForWindowExposed(profile));
        QTableWidget& table = *profile->tblFigures;
        table.setCurrentCell(1, 0);
        table.setFocus();
        // What a screen reader is told when the arrow key moves to the next row.
        static QStringList heard;
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            QAccessibleInterface* told = event->accessibleInterface();
            if (event->type() == QAccessible::Focus || event->type() == QAccessible::NameChanged)
                heard << told->text(QAccessible::Name) + " | " +
                             told->text(QAccessible::Description);
        });
        QTest::keyClick(&table, Qt::Key_Down);
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        const QString pane =
            "Energy Level: Positive. " + kEnergyLevel + " 2 of a possible 2 towards Positive.";
        heard.sort();
        QCOMPARE(heard, (QStringList{"Energy Level | " + pane,
                                     pane + " | What the scale in focus means"}));

        // A bar clicked; then the strongest first, that scale still in focus.
        const QRectF temperament = orv::results::ProfileChartRow(
            profile->View(), QRectF(profile->Chart->rect()).adjusted(4, 2, -4, -2),
            profile->Chart->font(), profile->Chart, 1);
        QTest::mouseClick(profile->Chart, Qt::LeftButton, {}, temperament.center().toPoint());
        profile->chkStrongest->click();
        QCOMPARE(table.currentRow(), 2);
        QVERIFY(profile->Meaning->accessibleName().startsWith("Emotional Temperament: Unknown. "));
        for (auto* window :
             {profile.data(), new frmProfile(*orv::ListKeptResults(folder_)[0].result)}) {
            QVERIFY(window->chkStrongest->isChecked());  // remembered
            QCOMPARE(window->tblFigures->item(0, 0)->text() + ", " +
                         window->tblFigures->item(1, 0)->text(),
                     QStringLiteral("Energy Level, Achievement Attitudes"));
            window->close();
        }
        qunsetenv("XDG_CONFIG_HOME");
    }

    // Each language's evaluation of the same answers to its own questions
    // reads back from the PDF line for line, its own letters (ü, é, ñ, ¿)
    // included; the moment shows as the language writes it in the list, the
    // profile, the PDF and a comparison, and as ever in English, though this
    // time zone is another; the file keeps the ISO moment.
    void eachLanguageReadsBackFromThePdfAndWritesTheMomentItsWay() {
        const std::map<std::string, QString> forms = {{"en", "2026-03-07 08:05"},
                                                      {"de", "07.03.2026 08:05"},
                                                      {"fr", "07/03/2026 08:05"},
                                                      {"es", "07/03/2026 8:05"}};
        const orv::LocalTime ended{2026, 3, 7, 8, 5, 0, 60};
        QStringList codes = {"en"};
        for (const QFileInfo& entry :
             QDir(ORV_DATA_DIR).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
            codes << entry.fileName();
        QStringList shown, listed;
        for (const QString& code : codes) {
            const std::string language = code.toStdString();
            const orv::EvaluationWords& words = orv::evaluation::WordsOf(language);
            const auto record = std::make_unique<orv::TestRecord>();
            QFile database(QString(ORV_DATA_DIR "/%1orv0.dll").arg(code == "en" ? "" : code + "/"));
            QVERIFY(database.open(QIODevice::ReadOnly));
            database.readLine();  // the header
            for (int q = 1; !database.atEnd(); ++q) {
                const QList<QByteArray> fields = database.readLine().split('\t');
                record->qdesc[q] = fields[1].toStdString();
                record->qscale[q] = std::abs(fields[3].toShort());
                record->qdir[q] = fields[3].endsWith('-') ? -1 : 1;
                record->ans[q] = std::int16_t(q % 3);
                record->seen[q] = true;
                record->totalq = std::int16_t(q);
            }
            const orv::KeptResult result = orv::MakeKeptResult(
                *record, 0, orv::Evaluate(*record, 0, 2026, words), ended, words);
            const QString text = orv::evaluation::FromWordsText(result.text, words);
            QVERIFY(code == "en" || text.contains(QRegularExpression("[^\\x00-\\x7f]")));
            const TempFolder out;
            QFile pdf(QString::fromStdString(out.file("result.pdf")));
            QVERIFY(pdf.open(QIODevice::WriteOnly));
            pdf.write(orv::results::ResultPdf(result, orv::ViewOf(result, words)));
            pdf.close();
            const QString paper = PdfText(pdf.fileName());
            QCOMPARE(Lines(paper).mid(1, Lines(text).size()), Lines(text));

            const QString form = orv::evaluation::FromWordsText(words.Time(ended), words);
            QVERIFY2(!forms.count(language) || form == forms.at(language), qPrintable(form));
            QVERIFY(Lines(paper).first().endsWith(form));
            const auto name = orv::KeepResult(folder_, result);
            QVERIFY(name);
            QVERIFY(ReadBytes(folder_ + "/" + *name).find("2026-03-07T08:05:00+01:00") !=
                    std::string::npos);
            frmProfile profile(result);
            QVERIFY(profile.lblDates->text().contains(form));
            const orv::Profile compared = orv::ProfileOf(result, words);
            QVERIFY(orv::results::ComparedLabel({{compared, compared}}, 1).endsWith(form));
            shown << form;
        }
        frmResults results(folder_);
        for (int row = 0; row < results.lstResults->count(); ++row)
            listed << results.lstResults->item(row)->text().section("   ", 0, 0);
        QCOMPARE(listed.size(), shown.size());
        for (const QString& form : shown) QVERIFY(listed.removeOne(form));
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

    // A result kept while two are selected for comparing: read again, the
    // list keeps both selected with Compare on, and its current item, which a
    // screen reader reads, is the first of them.
    void twoSelectedStaySelectedWhenANewResultComesIn() {
        for (int answer : {2, 1}) {
            QTest::qWait(answer == 2 ? 0 : 1100);  // a second apart
            delete TakeTest(0, answer);
        }
        main_.Results->trigger();
        const QPointer<frmResults> results = Newest<frmResults>();
        QVERIFY(results && QTest::qWaitForWindowExposed(results));
        QListWidget& list = *results->lstResults;
        list.selectAll();
        const QStringList two = {list.item(0)->text(), list.item(1)->text()};
        QTest::qWait(1100);
        delete TakeTest(0, 0);
        results->Refresh();
        QStringList selected;
        for (int row = 0; row < list.count(); ++row) {
            if (list.item(row)->isSelected())
                selected << list.item(row)->text();
        }
        QCOMPARE(list.count(), 3);
        QCOMPARE(selected, two);
        QVERIFY(results->cmdCompare->isEnabled());
        QCOMPARE(list.currentItem()->text(), two[0]);
        delete results;
    }

    void theChartDrawsEachScoreOnItsSideAndTheEarlierBarPaler() {
        const double later[] = {1, -1, 0.5, -0.5, 0.25, -0.75, 0.75, -0.25, 1, -1};
        const double earlier[] = {-0.5, 0.5, 1, -1, -0.25, 0.25, -1, 1, 0.5, 0};
        orv::ProfileView view;
        for (int i = 0; i < orv::kScales; ++i) {
            view.later.scales[i].name = "Scale " + std::to_string(i + 1);
            view.later.scales[i].verdict = "Positive";
            view.later.scales[i].share = later[i];
        }
        QStringList single, compared;
        for (int i = 0; i < orv::kScales; ++i) {
            const auto text = [](double share) { return QString::asprintf("%+.2f", share); };
            single << text(later[i]);
            compared << (earlier[i] ? QStringList{"(" + text(earlier[i]) + ")"} : QStringList())
                     << text(later[i]);
        }
        for (const QStringList& expected : {single, compared}) {
            ProfileChart chart(view, nullptr);
            chart.resize(900, chart.sizeHint().height());
            QCOMPARE(BarsOf(chart.grab().toImage()), expected);
            view.earlier = view.later;
            for (int i = 0; i < orv::kScales; ++i) view.earlier->scales[i].share = earlier[i];
        }
    }

    // Return shows the selected result, Delete deletes it after asking; the
    // only result is the current item, which a screen reader reads.
    void theListsKeysShowAndDeleteAndItsOnlyResultIsRead() {
        delete TakeTest(0, 2);
        main_.Results->trigger();
        const QPointer<frmResults> results = Newest<frmResults>();
        QVERIFY(results && QTest::qWaitForWindowExposed(results));
        results->Refresh();  // as when the window comes back to the front
        QCOMPARE(results->lstResults->currentRow(), 0);
        QVERIFY(results->lstResults->currentItem()->isSelected());

        QTest::keyClick(results->lstResults, Qt::Key_Return);
        QCOMPARE(Newest<frmEval>()->Evaluation(), orv::ListKeptResults(folder_)[0].result->text);
        delete Newest<frmEval>();
        results->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(results));
        log_.answers = {orv::app::kResultYes};
        QTest::keyClick(results->lstResults, Qt::Key_Delete);
        QCOMPARE(log_.boxes.size(), std::size_t{1});
        QVERIFY(orv::ListKeptResults(folder_).empty() && results->lstResults->count() == 0);
        delete results;
    }

    // A result that cannot be kept is still shown, and says so; nothing of
    // it is left behind: the folder blocked by a file, a full disk.
    void aResultThatCannotBeKeptSaysSo() {
        for (const bool full : {false, true}) {
            std::filesystem::remove_all(folder_);
            log_.boxes.clear();
            if (!full)
                std::ofstream(folder_) << "";
            std::unique_ptr<frmEval> shown;
            {
                const DiskFull disk(full ? 1000 : RLIM_INFINITY);
                shown.reset(TakeTest(0, 2));
            }
            QVERIFY(shown && shown->isVisible() && shown->cmdProfile->isEnabled());
            QCOMPARE(log_.Texts(), std::vector<std::string>{
                                       "This result could not be kept. Its evaluation is shown "
                                       "and can still be printed or saved as PDF."});
            QCOMPARE(std::filesystem::is_directory(folder_) && !std::filesystem::is_empty(folder_),
                     false);
        }
        std::filesystem::remove_all(folder_);
    }

    // The moment kept is when the last answer was given, in the local time of
    // a zone half an hour off the hour (ctest sets TZ).
    void aResultIsDatedWhenItsTestEnded() {
        const ProgramFolderFile file(QStringLiteral("orv0.dll"), kThreeQuestions);
        main_.Option1[0]->click();
        main_.cmdStart->click();
        frmTest& test = main_.TestWindow();
        QTest::qWait(1100);
        const QDateTime before = QDateTime::currentDateTime();
        while (test.IsLoaded()) {
            test.controls()->Option1[2]->click();
            test.controls()->cmdProcess->click();
        }
        const QDateTime after = QDateTime::currentDateTime();
        delete test.EvaluationWindow();
        const orv::LocalTime ended = orv::ListKeptResults(folder_).at(0).result->ended;
        QVERIFY(before.offsetFromUtc() % 3600 != 0);
        QCOMPARE(ended.offset_minutes * 60, before.offsetFromUtc());
        QVERIFY(orv::SecondsSinceEpoch(ended) >= before.toSecsSinceEpoch());
        QVERIFY(orv::SecondsSinceEpoch(ended) <= after.toSecsSinceEpoch());
    }

  private:
    frmEval* TakeTest(int testno, int answer) {
        return orv::testing::TakeTest(main_, testno, answer);
    }

    const std::string folder_ = orv::results::KeptResultsFolder();
    MessageLog log_;
    frmTestMain main_;
};

QTEST_MAIN(ResultsTest)
#include "ui_results_test.moc"
