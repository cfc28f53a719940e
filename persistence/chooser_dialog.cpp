#include "persistence/chooser_dialog.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>

#include "app/form_look.h"
#include "persistence/expose_watcher.h"
#include "persistence/saved_file_list.h"

namespace app = orv::app;

namespace {

void PlaceAt(QWidget* control, const QRect& twips) {
    app::Place(control, twips.x(), twips.y(), twips.width(), twips.height());
}

}  // namespace

ChooserDialog::ChooserDialog(const Design& design, QWidget* parent) : QDialog(parent) {
    app::ApplyFormLook(this, design.caption, 8.25);
    app::SetClientSize(this, design.width, design.height);
    setFixedSize(size());

    Label1 = new QLabel(design.label, this);
    PlaceAt(Label1, design.label_at);
    Label1->setFont(app::SansFont(8.25, true));
    app::PaintPaleYellow(Label1);
    File1 = new SavedFileList(this);
    PlaceAt(File1, design.list_at);
    File1->setAccessibleName(design.label);
    cmdOK = new QPushButton(tr("OK"), this);
    PlaceAt(cmdOK, design.ok_at);
    setTabOrder(File1, cmdOK);

    connect(File1, &SavedFileList::Selected, this, [this](int index) { File1_Select(index); });
    connect(File1, &SavedFileList::Clicked, this, [this](int index) { File1_Click(index); });
    connect(File1, &SavedFileList::DoubleClicked, this,
            [this](int index) { File1_DblClick(index); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    new ExposeWatcher(this, [this] { Form_Paint(); });
    Form_Load();
}

void ChooserDialog::Form_Load() {
    app::CentreOnScreen(this);
}

void ChooserDialog::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void ChooserDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
