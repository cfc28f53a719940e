// Timings of the results windows, run by hand on a real display:
//   xvfb-run -a build/results_bench
// The profile window from pressing Profile until its chart and the pane
// under it are painted; six results compared, from opening the window until
// its chart is painted; a PDF made and written; the list of 1,000 named
// results from opening until shown.
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "evaluation/frmEval.h"
#include "persistence/core/durable_file.h"
#include "results/comparison_chart.h"
#include "results/core/kept_results.h"
#include "results/frmComparison.h"
#include "results/frmProfile.h"
#include "results/frmResults.h"
#include "results/profile_chart.h"
#include "results/result_document.h"
#include "results/scale_meaning_pane.h"

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
    return orv::MakeKeptResult(*record, 0, orv::Evaluate(*record, 0, 2026),
                               {2026, 1, 1, 0, seconds / 60, seconds % 60});
}

// Runs `start`, then the event loop until the widget it returns is painted;
// the median and the slowest of 20 runs, in milliseconds. `after` clears up
// after each run, untimed.
template <typename Start>
void Time(
    const char* what, Start start, const std::function<void()>& after = [] {}) {
    std::vector<double> ms;
    for (int run = 0; run < 20; ++run) {
        struct Paints : QObject {
            bool painted = false;
            bool eventFilter(QObject*, QEvent* event) override {
                painted = painted || event->type() == QEvent::Paint;
                return false;
            }
        } paints;
        QElapsedTimer timer;
        timer.start();
        if (QWidget* widget = start()) {
            widget->installEventFilter(&paints);
            while (!paints.painted) {
                QCoreApplication::processEvents();
            }
        }
        ms.push_back(timer.nsecsElapsed() / 1e6);
        after();
        QCoreApplication::processEvents();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-40s median %6.2f ms, slowest %6.2f ms (20 runs)\n", what, ms[10], ms.back());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const orv::KeptResult result = Result(0);
    frmEval evaluation;
    evaluation.SetResult(result);
    evaluation.show();
    Time(
        "profile window, Profile to painted:",
        [&]() -> QWidget* {
            evaluation.cmdProfile->click();
            // Drawn after the chart, in the same frame.
            return evaluation.ProfileWindow()->Meaning;
        },
        [&] { delete evaluation.ProfileWindow(); });
    std::vector<orv::KeptResult> taken;
    for (int seconds = 0; seconds < 6; ++seconds) {
        taken.push_back(Result(seconds));
    }
    const orv::Comparison six = *orv::CompareSeveral(taken, orv::EvaluationWords::English());
    std::unique_ptr<frmComparison> compared;
    Time(
        "six results compared, opened to painted:",
        [&]() -> QWidget* {
            compared = std::make_unique<frmComparison>(six);
            compared->show();
            return compared->Chart;
        },
        [&] { compared.reset(); });
    const QTemporaryDir folder;
    Time("PDF of a result, made and written:", [&]() -> QWidget* {
        const QByteArray pdf = orv::results::ResultPdf(result, orv::ViewOf(result));
        orv::ReplaceFile(folder.filePath("result.pdf").toStdString(), pdf.toStdString());
        return nullptr;
    });
    // Named, as a group of people taking the test again and again.
    for (int seconds = 0; seconds < 1000; ++seconds) {
        orv::KeptResult named = Result(seconds);
        named.name = "Person " + std::to_string(seconds % 7 + 1);
        orv::KeepResult(folder.path().toStdString(), named);
    }
    std::unique_ptr<frmResults> list;
    Time(
        "1,000 named results, opened to shown:",
        [&]() -> QWidget* {
            list = std::make_unique<frmResults>(folder.path().toStdString());
            list->show();
            return list->lstResults->viewport();
        },
        [&] { list.reset(); });
    return 0;
}
