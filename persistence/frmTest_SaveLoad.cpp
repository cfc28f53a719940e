// Saving and loading the responses of the test window.
#include "app/form_look.h"
#include "app/message_box.h"
#include "persistence/core/save_load_steps.h"
#include "persistence/frmLoad.h"
#include "persistence/frmSave.h"
#include "persistence/saved_file_list.h"
#include "shell/frmTestMain.h"
#include "testing/core/test_steps.h"
#include "testing/frmTest.h"

namespace app = orv::app;

void frmTest::cmdSave_Click() {
    const std::string folder = app::ProgramFolder();
    {
        frmSave chooser(record.loadfn, this);
        chooser.File1->SetFolder(folder);
        chooser.File1->SetPattern(main_window_.testno);
        chooser.exec();
    }
    orv::SaveChosenFile(record, *this, folder, main_window_.testno);
}

void frmTest::cmdLoad_Click() {
    const std::string folder = app::ProgramFolder();
    if (!orv::OfferSavedFiles(record, *this, folder, main_window_.testno)) {
        return;
    }
    {
        frmLoad chooser(record.loadfn, this);
        chooser.File1->SetFolder(folder);
        chooser.File1->SetPattern(main_window_.testno);
        chooser.exec();
    }
    const orv::LoadOutcome outcome =
        orv::LoadChosenFile(database_, record, *this, folder, main_window_.testno);
    if (outcome == orv::LoadOutcome::kEndOfFile) {
        close();
    }
}

void frmTest::OfferToSave() {
    if (!orv::ShouldOfferSave(record)) {
        return;
    }
    const int answer = app::MsgBox(this, orv::save_message::kSaveQuestion, app::kYesNoDefaultNo,
                                   orv::save_message::kSaveQuestionTitle);
    if (answer == app::kResultYes) {
        cmdSave_Click();
    }
}
