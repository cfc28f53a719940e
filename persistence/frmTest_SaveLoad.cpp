// Saving and loading the responses of the test window.
#include "app/form_look.h"
#include "app/message_box.h"
#include "app/saved_files_folder.h"
#include "persistence/core/save_load_steps.h"
#include "persistence/frmLoad.h"
#include "persistence/frmSave.h"
#include "persistence/saved_file_list.h"
#include "testing/core/test_steps.h"
#include "testing/frmTest.h"

namespace app = orv::app;

namespace {

// Shows a chooser on the saved files of the test; it writes `loadfn` as it
// closes.
template <typename Chooser>
void ChooseFile(std::string& loadfn, QWidget* owner, const std::string& folder,
                std::int16_t testno) {
    Chooser chooser(loadfn, owner);
    chooser.File1->SetFolder(folder);
    chooser.File1->SetPattern(testno);
    chooser.exec();
}

}  // namespace

void frmTest::cmdSave_Click() {
    SaveResponses();
}

bool frmTest::SaveResponses() {
    const std::string folder = app::SavedFilesFolder();
    ChooseFile<frmSave>(record.loadfn, this, folder, testno_);
    return orv::SaveChosenFile(record, *this, folder, testno_) == orv::SaveOutcome::kSaved;
}

void frmTest::cmdLoad_Click() {
    const std::string folder = app::SavedFilesFolder();
    if (!orv::OfferSavedFiles(record, *this, folder, testno_)) {
        return;
    }
    ChooseFile<frmLoad>(record.loadfn, this, folder, testno_);
    const orv::LoadOutcome outcome = orv::LoadChosenFile(database_, record, *this, folder, testno_);
    if (outcome == orv::LoadOutcome::kEndOfFile) {
        close();
    }
}

bool frmTest::OfferToSave() {
    if (!IsLoaded() || !orv::ShouldOfferSave(record)) {
        return true;
    }
    const int answer = app::MsgBox(this, orv::save_message::kSaveQuestion, app::kYesNoDefaultNo,
                                   orv::save_message::kSaveQuestionTitle);
    return answer != app::kResultYes || SaveResponses();
}
