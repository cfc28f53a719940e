#include "persistence/frmLoad.h"

#include <QPushButton>

#include "app/fit_texts.h"
#include "persistence/saved_file_list.h"

frmLoad::frmLoad(std::string& loadfn, QWidget* parent)
    : ChooserDialog(
          {tr("Select a file to load"), 4470, 2775, tr("Select a File:"),
           QRect(600, 360, 1335, 255), QRect(720, 600, 1695, 1455), QRect(2760, 1200, 735, 375)},
          parent),
      loadfn_(loadfn) {
    orv::app::WidenToFitTexts(this, this);
}

void frmLoad::Form_Paint() {
    File1->Refresh();
    selname.clear();
}

void frmLoad::File1_Select(int index) {
    selidx = index;
    selname = File1->NameAt(index);
}

void frmLoad::File1_Click(int index) {
    File1_Select(index);
    cmdOK->setFocus();
}

void frmLoad::File1_DblClick(int index) {
    File1_Select(index);
    cmdOK_Click();
}

void frmLoad::cmdOK_Click() {
    loadfn_ = selname;
    accept();
}

void frmLoad::Form_Unload() {
    loadfn_ = selname;
}
