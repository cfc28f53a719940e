#include "testing/core/test_steps.h"

#include "testing/core/record_reader.h"

namespace orv {

StartOutcome StartTest(LineReader& database, TestRecord& record, TestView& view,
                       const std::string& fname) {
    view.ClearOptions();
    record.choice = kNoChoice;
    for (int i = 1; i <= kMaxQuestions; ++i) {
        record.ans[i] = 0;
        for (int k = 1; k <= kRelatedSlots; ++k) {
            record.xref[i][k] = 0;
        }
    }
    for (int s = 1; s <= kScales; ++s) {
        record.sscore[s] = 0;
        record.scount[s] = 0;
    }
    record.seen.reset();
    record.state = kInProgress;
    // A save or load of an earlier test says nothing about this one.
    record.savedq = 0;
    record.filename = fname;

    if (!database.Open(record.filename)) {
        view.ShowMessage(kFileNotFound);
        // Without a database nothing can be answered; behave as after a
        // database error so that Process and the options close the window
        // and no save is offered for a test that never began.
        record.state = kDatabaseError;
        view.SetLoadEnabled(false);
        return StartOutcome::kFileNotFound;
    }

    FirstRec(database, record, view);
    if (record.state == kInProgress) {
        NextRec(database, record, view);
    }
    if (record.state != kInProgress) {
        // A test that never began has nothing to resume.
        view.SetLoadEnabled(false);
        return StartOutcome::kDatabaseError;
    }
    return StartOutcome::kReady;
}

ProcessOutcome ProcessAnswer(LineReader& database, TestRecord& record, TestView& view) {
    if (record.state > kInProgress) {
        return ProcessOutcome::kUnload;
    }
    if (record.choice == kNoChoice) {
        view.ShowMessage(kMakeAChoice);
        return ProcessOutcome::kNoChoice;
    }
    view.SetLoadEnabled(false);
    view.SetSaveEnabled(true);

    const std::int16_t qno = record.qno;
    record.ans[qno] = static_cast<std::int16_t>(record.ans[qno] + record.choice);
    for (int k = 1; k <= kRelatedSlots; ++k) {
        const std::int16_t related = record.xref[qno][k];
        if (related == 0) {
            break;
        }
        if (related >= 1 && related <= kMaxQuestions) {
            record.ans[related] = static_cast<std::int16_t>(record.ans[related] - record.choice);
        }
    }
    const std::int16_t scale = record.qscale[qno];
    record.scount[scale] = static_cast<std::int16_t>(record.scount[scale] + 1);

    if (record.qno < record.totalq) {
        view.ClearOptions();
        record.choice = kNoChoice;
        NextRec(database, record, view);
        return record.state == kInProgress ? ProcessOutcome::kNextQuestion
                                           : ProcessOutcome::kUnload;
    }
    record.state = kFinished;
    return ProcessOutcome::kTestFinished;
}

bool ChooseAnswer(TestRecord& record, std::int16_t index) {
    record.choice = index;
    return record.state > kInProgress;
}

bool ShouldOfferSave(const TestRecord& record) {
    // The last question counts too: closing there loses every answer given.
    return record.qno <= record.totalq && record.qno != record.savedq && record.qno > 1 &&
           record.state == kInProgress;
}

}  // namespace orv
