#include "persistence/frmLoad.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/form_look.h"
#include "persistence/chooser_keys.h"
#include "persistence/expose_watcher.h"
#include "persistence/saved_file_list.h"

namespace app = orv::app;

frmLoad::frmLoad(std::string& loadfn, QWidget* parent) : QDialog(parent), loadfn_(loadfn) {
    app::ApplyFormLook(this, QStringLiteral("Select a file to load"), 8.25);
    app::SetClientSize(this, 4470, 2775);
    setFixedSize(size());

    Label1 = new QLabel(QStringLiteral("Select a File:"), this);
    app::Place(Label1, 600, 360, 1335, 255);
    Label1->setFont(app::SansFont(8.25, true));
    app::PaintPaleYellow(Label1);
    File1 = new SavedFileList(this);
    app::Place(File1, 720, 600, 1695, 1455);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    app::Place(cmdOK, 2760, 1200, 735, 375);
    setTabOrder(File1, cmdOK);

    connect(File1, &SavedFileList::Clicked, this, &frmLoad::File1_Click);
    connect(File1, &SavedFileList::DoubleClicked, this, &frmLoad::File1_DblClick);
    connect(cmdOK, &QPushButton::clicked, this, &frmLoad::cmdOK_Click);
    new ExposeWatcher(this, [this] { Form_Paint(); });
    Form_Load();
}

void frmLoad::Form_Load() {
    app::CentreOnScreen(this);
}

void frmLoad::Form_Paint() {
    File1->Refresh();
    selname.clear();
}

void frmLoad::File1_Click(int index) {
    selidx = index;
    selname = File1->NameAt(index);
    cmdOK->setFocus();
}

void frmLoad::File1_DblClick(int index) {
    selidx = index;
    selname = File1->NameAt(index);
    cmdOK_Click();
}

void frmLoad::cmdOK_Click() {
    loadfn_ = selname;
    accept();
}

void frmLoad::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void frmLoad::keyPressEvent(QKeyEvent* event) {
    if (IsCancelKey(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmLoad::Form_Unload() {
    loadfn_ = selname;
}
