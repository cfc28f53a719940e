// Timings of the results windows, run by hand on a real display:
//   xvfb-run -a build/tests/results_bench
// The profile window from pressing Profile until its chart is painted; a PDF
// made and written; the list of 1,000 kept results from opening until shown.
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "evaluation/core/evaluation_text.h"
#include "evaluation/frmEval.h"
#include "evaluation/frmProfile.h"
#include "evaluation/frmResults.h"
#include "evaluation/profile_chart.h"
#include "evaluation/result_document.h"
#include "persistence/core/durable_file.h"
#include "persistence/core/kept_results.h"

namespace {

// A result of 150 questions, fifteen a scale, answered in turn.
orv::KeptResult Result(int seconds) {
    auto record = std::make_unique<orv::TestRecord>();
    record->totalq = 150;
    for (int q = 1; q <= 150; ++q) {
        record->qscale[q] = std::int16_t(q % 10 + 1);
        record->qdir[q] = std::int16_t(q % 3 ? 1 : -1);
        record->ans[q] = std::int16_t(q % 3);
        record->qdesc[q] = "a trait phrase of question " + std::to_string(q);
        record->seen[q] = true;
    }
    const orv::Evaluation evaluation = orv::Evaluate(*record, 0, 2026);
    return orv::MakeKeptResult(*record, 0, evaluation, {2026, 1, 1, 0, seconds / 60, seconds % 60});
}

// Runs until `done`, as the event loop would; the milliseconds it took.
template <typename Start, typename Done>
double Time(Start start, Done done) {
    QElapsedTimer timer;
    timer.start();
    start();
    while (!done()) {
        QCoreApplication::processEvents();
    }
    return timer.nsecsElapsed() / 1e6;
}

void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s median %7.2f ms, slowest %7.2f ms (%zu runs)\n", what, ms[ms.size() / 2],
                ms.back(), ms.size());
}

// Counts the paints of a widget.
struct Paints : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const orv::KeptResult result = Result(0);
    std::vector<double> profile, pdf, list;
    for (int run = 0; run < 20; ++run) {
        frmEval evaluation;
        evaluation.SetResult(result);
        evaluation.show();
        Paints paints;
        profile.push_back(Time([&] { evaluation.cmdProfile->click(); },
                               [&] {
                                   frmProfile* window = evaluation.ProfileWindow();
                                   if (window && paints.parent() == nullptr) {
                                       paints.setParent(window);
                                       window->Chart->installEventFilter(&paints);
                                   }
                                   return paints.count > 0;
                               }));
        paints.setParent(nullptr);
        delete evaluation.ProfileWindow();

        const QTemporaryDir folder;
        const std::string path = (folder.path() + "/result.pdf").toStdString();
        pdf.push_back(Time(
            [&] {
                const QByteArray bytes = orv::evaluation::ResultPdf(result, orv::ViewOf(result));
                orv::ReplaceFile(path, std::string_view(bytes.constData(), bytes.size()));
            },
            [] { return true; }));
    }
    const QTemporaryDir kept;
    for (int seconds = 0; seconds < 1000; ++seconds) {
        orv::KeepResult(kept.path().toStdString(), Result(seconds));
    }
    for (int run = 0; run < 20; ++run) {
        std::unique_ptr<frmResults> window;
        Paints paints;
        list.push_back(Time(
            [&] {
                window = std::make_unique<frmResults>(kept.path().toStdString());
                window->lstResults->viewport()->installEventFilter(&paints);
                window->show();
            },
            [&] { return paints.count > 0; }));
    }
    Report("profile window, Profile pressed to painted:", profile);
    Report("PDF of a result, made and written:", pdf);
    Report("1,000 kept results, opened to shown:", list);
    return 0;
}
