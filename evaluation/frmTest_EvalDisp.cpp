// The evaluation at the end of a test, and the result kept from it.
#include "app/form_look.h"
#include "app/message_box.h"
#include "app/saved_files_folder.h"
#include "evaluation/core/evaluation_text.h"
#include "evaluation/frmEval.h"
#include "evaluation/language_words.h"
#include "results/core/kept_result.h"
#include "results/core/kept_results.h"
#include "results/keep_choice.h"
#include "results/kept_results_folder.h"
#include "testing/frmTest.h"

namespace {

constexpr const char* kNotKept =
    QT_TRANSLATE_NOOP("Message",
                      "This result could not be kept. Its evaluation is shown and can still be "
                      "printed or saved as PDF.");

}  // namespace

frmEval* frmTest::EvaluationWindow() const {
    return eval_window_.data();
}

void frmTest::EvalDisp(std::int16_t evalparm) {
    const orv::LocalTime ended = orv::LocalNow();
    const orv::EvaluationWords& words = orv::evaluation::WordsOf(language_);
    const orv::Evaluation evaluation = orv::Evaluate(record, evalparm, ended.year, words);
    // The first reference creates the window, centred and hidden; an open one
    // keeps its place.
    if (eval_window_.isNull()) {
        eval_window_ = new frmEval();
    }
    if (!orv::HasScaleBlocks(evalparm)) {
        eval_window_->SetEvaluation(evaluation.text, words.utf8());
        return;
    }
    const orv::KeptResult result = orv::MakeKeptResult(record, evalparm, evaluation, ended, words);
    eval_window_->SetResult(result);
    orv::app::ShowInFront(eval_window_);
    if (!orv::results::KeepResultsChosen()) {
        eval_window_->ShowKept(false);
        return;
    }
    const bool kept = orv::KeepResult(orv::results::KeptResultsFolder(), result).has_value();
    eval_window_->ShowKept(kept);
    if (!kept) {
        orv::app::MsgBox(eval_window_, kNotKept);
        return;
    }
    orv::results::TellOnceThatResultsAreKept(eval_window_);
}
