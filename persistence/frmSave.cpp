#include "persistence/frmSave.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/form_look.h"
#include "persistence/chooser_keys.h"
#include "persistence/core/file_names.h"
#include "persistence/expose_watcher.h"
#include "persistence/saved_file_list.h"

namespace app = orv::app;

frmSave::frmSave(std::string& loadfn, QWidget* parent) : QDialog(parent), loadfn_(loadfn) {
    app::ApplyFormLook(this, QStringLiteral("Select a file name for Saving Results"), 8.25);
    app::SetClientSize(this, 4830, 2775);
    setFixedSize(size());

    Label1 = new QLabel(QStringLiteral("Select or Type a File Name:"), this);
    app::Place(Label1, 480, 360, 2775, 255);
    Label1->setFont(app::SansFont(8.25, true));
    app::PaintPaleYellow(Label1);
    File1 = new SavedFileList(this);
    app::Place(File1, 1440, 960, 1695, 1455);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    app::Place(cmdOK, 3480, 1560, 735, 375);
    txtFN = new QLineEdit(this);
    app::Place(txtFN, 1440, 600, 1695, 285);
    setTabOrder(File1, cmdOK);
    setTabOrder(cmdOK, txtFN);

    connect(File1, &SavedFileList::Clicked, this, &frmSave::File1_Click);
    connect(File1, &SavedFileList::DoubleClicked, this, &frmSave::File1_DblClick);
    connect(cmdOK, &QPushButton::clicked, this, &frmSave::cmdOK_Click);
    new ExposeWatcher(this, [this] { Form_Paint(); });
    Form_Load();
}

void frmSave::Form_Load() {
    app::CentreOnScreen(this);
}

void frmSave::Form_Paint() {
    File1->Refresh();
    txtFN->clear();
}

void frmSave::File1_Click(int index) {
    txtFN->setText(app::FromFileText(File1->NameAt(index)));
    cmdOK->setFocus();
}

void frmSave::File1_DblClick(int index) {
    txtFN->setText(app::FromFileText(File1->NameAt(index)));
    cmdOK_Click();
}

void frmSave::cmdOK_Click() {
    accept();
}

void frmSave::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void frmSave::keyPressEvent(QKeyEvent* event) {
    if (IsCancelKey(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
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
