#include "persistence/frmSave.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/fit_texts.h"
#include "app/form_look.h"
#include "persistence/core/file_names.h"
#include "persistence/saved_file_list.h"

namespace app = orv::app;

frmSave::frmSave(std::string& loadfn, QWidget* parent)
    : ChooserDialog({tr("Select a file name for Saving Results"), 4830, 2775,
                     tr("Select or Type a File Name:"), QRect(480, 360, 2775, 255),
                     QRect(1440, 960, 1695, 1455), QRect(3480, 1560, 735, 375)},
                    parent),
      loadfn_(loadfn) {
    txtFN = new QLineEdit(this);
    app::Place(txtFN, 1440, 600, 1695, 285);
    Label1->setBuddy(txtFN);
    setTabOrder(cmdOK, txtFN);
    app::WidenToFitTexts(this, this);
}

void frmSave::Form_Paint() {
    File1->Refresh();
    txtFN->clear();
}

void frmSave::File1_Select(int index) {
    txtFN->setText(app::FromFileText(File1->NameAt(index)));
}

void frmSave::File1_Click(int index) {
    File1_Select(index);
    cmdOK->setFocus();
}

void frmSave::File1_DblClick(int index) {
    File1_Select(index);
    cmdOK_Click();
}

void frmSave::cmdOK_Click() {
    accept();
}

void frmSave::Form_Unload() {
    // A character outside Latin-1 becomes "?", which the check refuses.
    const std::string text = app::ToFileText(txtFN->text());
    const orv::NameCheck check = orv::CheckSaveName(text);
    cpos = check.cpos;
    cchar = check.cchar == 0 ? std::string() : std::string(1, check.cchar);
    if (!check.passed) {
        txtFN->clear();
    }
    loadfn_ = app::ToFileText(txtFN->text());
}
