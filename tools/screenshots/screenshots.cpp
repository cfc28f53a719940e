// The windows of the documentation, photographed in one language at the
// desktop's text size: the main window, a question just after Back, the
// evaluation, the profile, two results compared and the list of results.
//   screenshots LANGUAGE FOLDER [SUFFIX]
// writes FOLDER/main SUFFIX.png, question, evaluation, profile, compare and
// results, and the PDF of the result shown, result SUFFIX.pdf. It takes two
// tests of the shipped databases in its program folder and keeps their
// results there: tools/screenshots/take.sh runs it in a copy.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdio>
#include <string>

#include "app/core/program_identity.h"
#include "app/language.h"
#include "app/message_box.h"
#include "evaluation/frmEval.h"
#include "evaluation/language_words.h"
#include "results/core/kept_results.h"
#include "results/frmProfile.h"
#include "results/frmResults.h"
#include "results/kept_results_folder.h"
#include "results/result_document.h"
#include "shell/frmTestMain.h"
#include "testing/frmTest.h"

namespace {

QString folder;
QString suffix;
int failures = 0;

void Take(QWidget* window, const char* name) {
    window->show();
    window->raise();
    window->activateWindow();
    if (!QTest::qWaitForWindowExposed(window)) {
        std::fprintf(stderr, "%s: not shown\n", name);
        ++failures;
        return;
    }
    QTest::qWait(300);  // until the desktop has drawn it whole
    const QString path = folder + QLatin1Char('/') + QLatin1String(name) + suffix + ".png";
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "%s: not written\n", qPrintable(path));
        ++failures;
    }
}

// Takes test `testno`, answer `answer(qno)` to each question; with `back`, a
// photograph of the fifth question after Back from the sixth.
frmEval* TakeTest(frmTestMain& main, int testno, int (*answer)(int), bool back) {
    main.Option1[testno]->click();
    main.cmdStart->click();
    frmTest& test = main.TestWindow();
    for (int qno = 1; test.IsLoaded(); ++qno) {
        if (back && qno == 6) {
            test.controls()->cmdBack->click();
            Take(&test, "question");
            back = false;
            qno = 5;
        }
        test.controls()->Option1[answer(qno)]->click();
        test.controls()->cmdProcess->click();
    }
    return test.EvaluationWindow();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: screenshots LANGUAGE FOLDER [SUFFIX]\n", stderr);
        return 2;
    }
    QApplication::setApplicationName(QString::fromLatin1(orv::kAppId));
    QApplication application(argc, argv);
    orv::app::SetUpLanguage(std::string(argv[1]));
    orv::evaluation::SetUpWords(orv::app::RunLanguage());
    folder = QString::fromLocal8Bit(argv[2]);
    suffix = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    QDir().mkpath(folder);
    orv::app::SetMessageBoxHandler([](const std::string& text, int, const std::string&) {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        ++failures;
        return orv::app::kResultNo;
    });

    frmTestMain main;
    main.Option1[0]->setChecked(true);
    Take(&main, "main");
    main.Option1[0]->setChecked(false);
    // An earlier result with fewer agreements, then the one shown.
    delete TakeTest(
        main, 0, [](int qno) { return qno % 4 == 0 ? 1 : 2; }, false);
    QTest::qWait(1100);  // a second later
    frmEval* evaluation = TakeTest(
        main, 0, [](int qno) { return qno % 3; }, true);
    Take(evaluation, "evaluation");
    evaluation->cmdProfile->click();
    Take(evaluation->ProfileWindow(), "profile");

    const std::string kept = orv::results::KeptResultsFolder();
    const auto results = orv::ListKeptResults(kept);
    if (results.size() == 2 && results[0].result && results[1].result) {
        frmProfile compared(*results[0].result, &*results[1].result);
        Take(&compared, "compare");
        // The PDF of the result shown, beside the pictures (not for docs/).
        const orv::KeptResult& shown = *results[0].result;
        QFile pdf(folder + "/result" + suffix + ".pdf");
        if (!pdf.open(QIODevice::WriteOnly) ||
            pdf.write(orv::results::ResultPdf(
                shown, orv::ViewOf(shown, orv::evaluation::WordsOf(shown.language)))) <= 0) {
            ++failures;
        }
    } else {
        std::fprintf(stderr, "%zu results kept, not 2\n", results.size());
        ++failures;
    }
    frmResults list(kept);
    Take(&list, "results");
    return failures == 0 ? 0 : 1;
}
