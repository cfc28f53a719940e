#include "testing/core/test_steps.h"

#include "testing/core/record_reader.h"

namespace orv {

namespace {

ReadRecord CurrentRecord(const TestRecord& record) {
    return {record.qno, record.qtext, record.dbline, record.xreflist, record.scaleval};
}

// Makes `read` the record on screen again, without reading the database, so
// that the question table stays as the reader left it.
void Restore(TestRecord& record, const ReadRecord& read) {
    record.qno = read.qno;
    record.qtext = read.qtext;
    record.dbline = read.dbline;
    record.xreflist = read.xreflist;
    record.scaleval = read.scaleval;
}

// Adds answer value `choice` to question `qno` and takes it from the related
// questions it lists; `sign` -1 takes an answer back. In 16 bits, as the
// sums are kept; taking back undoes adding exactly, wrap-around included.
void Record(TestRecord& record, std::int16_t qno, std::int16_t choice, int sign) {
    const auto add = [](std::int16_t& to, int value) {
        to = static_cast<std::int16_t>(to + value);
    };
    add(record.ans[qno], sign * choice);
    for (int k = 1; k <= kRelatedSlots; ++k) {
        const std::int16_t related = record.xref[qno][k];
        if (related == 0) {
            break;
        }
        if (related >= 1 && related <= kMaxQuestions) {
            add(record.ans[related], -sign * choice);
        }
    }
    add(record.scount[record.qscale[qno]], sign);
}

}  // namespace

StartOutcome StartTest(LineReader& database, TestRecord& record, TestView& view,
                       const std::string& fname, bool utf8) {
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
    record.steps = {};
    view.SetBackEnabled(false);
    record.state = kInProgress;
    // A save or load of an earlier test says nothing about this one.
    record.savedq = 0;
    record.filename = fname;
    record.utf8 = utf8;

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

    Record(record, record.qno, record.choice, +1);
    record.steps.given.push_back({CurrentRecord(record), record.choice});
    view.SetBackEnabled(true);

    if (record.qno < record.totalq) {
        view.ClearOptions();
        record.choice = kNoChoice;
        // A question stepped back from comes again before the database reads on.
        if (!record.steps.ahead.empty()) {
            Restore(record, record.steps.ahead.back());
            record.steps.ahead.pop_back();
            ShowRecord(record, view);
            return ProcessOutcome::kNextQuestion;
        }
        NextRec(database, record, view);
        return record.state == kInProgress ? ProcessOutcome::kNextQuestion
                                           : ProcessOutcome::kUnload;
    }
    record.state = kFinished;
    return ProcessOutcome::kTestFinished;
}

bool GoBack(TestRecord& record, TestView& view) {
    if (record.state != kInProgress || record.steps.given.empty()) {
        return false;
    }
    const AnswerSteps::Given last = record.steps.given.back();
    record.steps.given.pop_back();
    // The question on screen comes again with Process, not from the reader.
    record.steps.ahead.push_back(CurrentRecord(record));
    Restore(record, last.record);
    Record(record, record.qno, last.choice, -1);

    record.choice = last.choice;
    view.ClearOptions();
    view.SelectOption(last.choice);
    view.SetLoadEnabled(false);
    view.SetSaveEnabled(true);
    view.SetBackEnabled(!record.steps.given.empty());
    ShowRecord(record, view);
    return true;
}

bool ChooseAnswer(TestRecord& record, std::int16_t index) {
    record.choice = index;
    return record.state > kInProgress;
}

bool ShouldOfferSave(const TestRecord& record) {
    // The last question counts too: closing there loses every answer given.
    const auto& at_save = record.steps.given_at_save;
    const bool as_saved =
        record.qno == record.savedq && (!at_save || record.steps.Answers() == *at_save);
    return record.qno <= record.totalq && !as_saved && record.qno > 1 &&
           record.state == kInProgress;
}

}  // namespace orv
