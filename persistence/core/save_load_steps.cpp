#include "persistence/core/save_load_steps.h"

#include "app/core/program_files.h"
#include "app/core/saved_files_folder.h"
#include "persistence/core/file_names.h"
#include "persistence/core/saved_files.h"
#include "testing/core/record_reader.h"

namespace orv {

SavedResponses ResponsesOf(const TestRecord& record) {
    SavedResponses responses;
    responses.qno = record.qno;
    responses.ans = record.ans;
    responses.scount = record.scount;
    return responses;
}

SaveOutcome SaveChosenFile(TestRecord& record, TestView& view, const std::string& folder,
                           std::int16_t testno) {
    // The chooser checks the name already; checking again here keeps any
    // other caller from writing outside the program folder.
    if (record.loadfn.empty() || !CheckSaveName(record.loadfn).passed) {
        view.ShowMessage(save_message::kNothingToSave);
        return SaveOutcome::kNothingChosen;
    }
    // The user's data folder is made by the first save that has a name.
    CreateUserFolder(folder);
    const std::string path = ProgramPath(folder, SavedFileName(record.loadfn, testno));
    if (!WriteSavedResponses(path, ResponsesOf(record))) {
        // Nothing changes, so Save can be tried again and closing the window
        // still offers to save.
        view.ShowMessage(save_message::kNotSaved);
        return SaveOutcome::kNotSaved;
    }
    view.SetSaveEnabled(false);
    record.savedq = record.qno;
    record.steps.given_at_save = record.steps.Answers();
    return SaveOutcome::kSaved;
}

bool OfferSavedFiles(TestRecord& record, TestView& view, const std::string& folder,
                     std::int16_t testno) {
    record.fopen = 0;
    if (!AnySavedFile(folder, testno)) {
        view.ShowMessage(save_message::kNoSavedFiles);
        view.SetLoadEnabled(false);
        return false;
    }
    return true;
}

LoadOutcome LoadChosenFile(LineReader& database, TestRecord& record, TestView& view,
                           const std::string& folder, std::int16_t testno) {
    if (record.loadfn.empty()) {
        view.ShowMessage(save_message::kNothingToLoad);
        return LoadOutcome::kNothingChosen;
    }
    view.SetLoadEnabled(false);
    // Only a saved file of this test in the program folder is ever read.
    std::optional<SavedResponses> file;
    if (IsSavedFileName(record.loadfn, testno) && record.loadfn.find('/') == std::string::npos) {
        file = ReadSavedResponses(ProgramPath(folder, record.loadfn));
    }
    return ResumeTest(database, record, view, file);
}

LoadOutcome ResumeTest(LineReader& database, TestRecord& record, TestView& view,
                       const std::optional<SavedResponses>& file) {
    if (!file) {
        view.ShowMessage(save_message::kNotOpened);
        return LoadOutcome::kNotOpened;
    }
    record.savedq = file->qno;
    // Back goes no further than the question loaded: the file keeps sums, not answers.
    record.steps = {};
    record.steps.given_at_save.emplace();
    view.SetBackEnabled(false);
    for (int slot = 1; slot <= kMaxQuestions; ++slot) {
        record.ans[slot] = file->ans[slot];
    }
    for (int scale = 1; scale <= kScales; ++scale) {
        record.scount[scale] = file->scount[scale];
    }
    // The database is finite and the reader refuses a question number it has
    // read before, so this ends at the saved question or at a reader error.
    do {
        NextRec(database, record, view);
        if (record.state > kInProgress) {
            view.ShowMessage(save_message::kEndOfFileDuringLoad);
            return LoadOutcome::kEndOfFile;
        }
    } while (record.qno != record.savedq);
    return LoadOutcome::kLoaded;
}

}  // namespace orv
