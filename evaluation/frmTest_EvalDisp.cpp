// The evaluation at the end of a test.
#include "evaluation/core/evaluation_text.h"
#include "evaluation/frmEval.h"
#include "testing/frmTest.h"

frmEval* frmTest::EvaluationWindow() const {
    return eval_window_.data();
}

void frmTest::EvalDisp(std::int16_t evalparm) {
    const std::string text = orv::EvaluationText(record, evalparm, orv::CurrentYear());
    // The first reference creates the window, centred and hidden; an open one
    // keeps its place.
    if (eval_window_.isNull()) {
        eval_window_ = new frmEval();
    }
    eval_window_->SetEvaluation(text);
    if (orv::HasScaleBlocks(evalparm)) {
        eval_window_->show();
        eval_window_->raise();
        eval_window_->activateWindow();
    }
}
