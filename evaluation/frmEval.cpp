#include "evaluation/frmEval.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/core/app_title.h"
#include "app/form_look.h"
#include "app/message_box.h"
#include "evaluation/text_printer.h"

namespace app = orv::app;

namespace {

constexpr const char* kNoPrinter = "No printer is available. The evaluation was not printed.";
constexpr const char* kPrintFailed = "The evaluation could not be printed.";

}  // namespace

frmEval::frmEval() : QWidget(nullptr) {
    setAttribute(Qt::WA_DeleteOnClose);
    app::ApplyFormLook(this, QString::fromLatin1(orv::kAppTitle), 9.75);
    app::SetClientSize(this, 9285, 6330);

    Label1 = new QLabel(QStringLiteral("Personality Evaluation"), this);
    app::Place(Label1, 2520, 120, 3495, 375);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(app::SansFont(9.75, true));
    app::PaintPaleYellow(Label1);

    // Locked: the user can scroll and select, but not change the text.
    Text1 = new QPlainTextEdit(this);
    app::Place(Text1, 360, 600, 8655, 4815);
    Text1->setFont(app::SansFont(12));
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    cmdPrint = new QPushButton(QStringLiteral("Print"), this);
    app::Place(cmdPrint, 2640, 5760, 1095, 375);
    cmdQuit = new QPushButton(QStringLiteral("Quit"), this);
    app::Place(cmdQuit, 4920, 5760, 1095, 375);

    setTabOrder(Text1, cmdPrint);
    setTabOrder(cmdPrint, cmdQuit);
    connect(cmdPrint, &QPushButton::clicked, this, &frmEval::cmdPrint_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmEval::cmdQuit_Click);
    Form_Load();
}

void frmEval::Form_Load() {
    app::CentreOnScreen(this);
}

void frmEval::SetEvaluation(const std::string& text) {
    evaluation_ = text;
    Text1->setPlainText(orv::evaluation::PrintableLines(text));
}

void frmEval::cmdPrint_Click() {
    switch (orv::evaluation::PrintOnDefaultPrinter(evaluation_, this)) {
        case orv::evaluation::PrintOutcome::kPrinted:
        case orv::evaluation::PrintOutcome::kCancelled:
            break;
        case orv::evaluation::PrintOutcome::kNoPrinter:
            app::MsgBox(this, kNoPrinter);
            break;
        case orv::evaluation::PrintOutcome::kFailed:
            app::MsgBox(this, kPrintFailed);
            break;
    }
}

void frmEval::cmdQuit_Click() {
    close();
}
