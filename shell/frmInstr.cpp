#include "shell/frmInstr.h"

#include <QLabel>
#include <QPushButton>

#include "app/core/app_title.h"
#include "app/fit_texts.h"
#include "app/form_look.h"
#include "app/message_box.h"

namespace app = orv::app;

namespace {

QLabel* TextLabel(const QString& text, QWidget* window) {
    auto* label = new QLabel(text, window);
    label->setFont(app::SansFont(12));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    app::PaintPaleYellow(label);
    return label;
}

}  // namespace

frmInstr::frmInstr(QWidget* parent) : QDialog(parent) {
    app::SetUpFixedDialog(this, app::AppTitle(), 8955, 3945);

    Command1 = new QPushButton(tr("OK"), this);
    app::Place(Command1, 3735, 3285, 975, 375);
    Label2 = TextLabel(tr("Click on \"Introduction to Personality Analysis\" to learn how "
                          "personality attributes can influence realtionships."),
                       this);
    app::Place(Label2, 225, 2040, 8445, 885);
    Label1 = TextLabel(tr("This program determines your personality attributes by asking "
                          "questions about your feelings and beliefs.  An evaluation is provided "
                          "at the end of each test.  Analysis of the results can give you "
                          "insights about how other persons perceive you and your actions. "),
                       this);
    app::Place(Label1, 240, 480, 8415, 1335);
    app::WidenToFitTexts(this, this);

    connect(Command1, &QPushButton::clicked, this, &frmInstr::Command1_Click);
    Form_Load();
}

void frmInstr::Command1_Click() {
    accept();
}

void frmInstr::Form_Load() {
    app::CentreOnScreen(this);
}
