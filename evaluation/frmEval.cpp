#include "evaluation/frmEval.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "app/core/app_title.h"
#include "app/fit_texts.h"
#include "app/form_look.h"
#include "app/help_viewer.h"
#include "app/language.h"
#include "app/message_box.h"
#include "evaluation/language_words.h"
#include "evaluation/text_printer.h"
#include "results/frmProfile.h"
#include "results/pdf_export.h"

namespace app = orv::app;
namespace evaluation = orv::evaluation;

namespace {

constexpr const char* kNoPrinter =
    QT_TRANSLATE_NOOP("Message", "No printer is available. The evaluation was not printed.");
constexpr const char* kPrintFailed =
    QT_TRANSLATE_NOOP("Message", "The evaluation could not be printed.");
constexpr double kLargestPoints = 12;
constexpr double kSmallestPoints = 8;

}  // namespace

frmEval::frmEval() : QWidget(nullptr) {
    setAttribute(Qt::WA_DeleteOnClose);
    app::ApplyFormLook(this, app::AppTitle(), 9.75);
    app::SetClientSize(this, 9285, 6330);

    Label1 = new QLabel(tr("Personality Evaluation"), this);
    app::Place(Label1, 2520, 120, 3495, 375);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(app::SansFont(9.75, true));
    app::PaintPaleYellow(Label1);

    // Locked: the user can scroll and select, but not change the text.
    Text1 = new QPlainTextEdit(this);
    app::Place(Text1, 360, 600, 8655, 4815);
    Text1->setFont(app::SansFont(kLargestPoints));
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The evaluation text breaks its own lines.
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setAccessibleName(Label1->text());

    cmdPrint = new QPushButton(tr("Print"), this);
    app::Place(cmdPrint, 2640, 5760, 1095, 375);
    cmdQuit = new QPushButton(tr("Quit"), this);
    app::Place(cmdQuit, 4920, 5760, 1095, 375);
    // Beside Print and Quit, as far from them as they are from each other,
    // in line with the edges of the text.
    cmdProfile = new QPushButton(tr("Profile"), this);
    app::Place(cmdProfile, 360, 5760, 1095, 375);
    cmdSavePdf = new QPushButton(tr("Save as PDF\u2026"), this);
    app::Place(cmdSavePdf, 7200, 5760, 1815, 375);
    cmdProfile->setEnabled(false);
    cmdSavePdf->setEnabled(false);
    // Right of the heading, in line with the right edge of the text, where it
    // moves no other control.
    cmdMeaning = new QPushButton(tr("&What does this mean?"), this);
    app::Place(cmdMeaning, 6240, 120, 2775, 375);
    cmdMeaning->setAccessibleName(tr("What does this mean?"));
    cmdMeaning->setAccessibleDescription(tr("Opens the help at what the verdicts mean"));

    // From left to right, as the buttons stand.
    setTabOrder(Text1, cmdProfile);
    setTabOrder(cmdProfile, cmdPrint);
    setTabOrder(cmdPrint, cmdQuit);
    setTabOrder(cmdQuit, cmdSavePdf);
    setTabOrder(cmdSavePdf, cmdMeaning);
    connect(cmdPrint, &QPushButton::clicked, this, &frmEval::cmdPrint_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmEval::cmdQuit_Click);
    connect(cmdProfile, &QPushButton::clicked, this, &frmEval::cmdProfile_Click);
    connect(cmdSavePdf, &QPushButton::clicked, this, &frmEval::cmdSavePdf_Click);
    connect(cmdMeaning, &QPushButton::clicked, this, &frmEval::cmdMeaning_Click);
    app::PressButtonsWithReturn(this);
    app::WidenToFitTexts(this, this);
    Form_Load();
}

void frmEval::Form_Load() {
    app::CentreOnScreen(this);
}

void frmEval::SetEvaluation(const std::string& text, bool utf8) {
    setWindowTitle(app::AppTitle());
    evaluation_ = text;
    utf8_ = utf8;
    result_.reset();
    const QString lines = orv::evaluation::PrintableLines(text, utf8);
    Text1->setFont(app::SansFont(TextPoints(lines)));
    Text1->setPlainText(lines);
    cmdProfile->setEnabled(false);
    cmdSavePdf->setEnabled(false);
}

void frmEval::SetResult(const orv::KeptResult& result) {
    evaluation::SetUpWords(result.language, this);
    SetEvaluation(result.text, result.language != orv::kEnglish);
    result_ = result;
    // A profile still open shows the result it was opened for.
    profile_window_ = nullptr;
    cmdProfile->setEnabled(true);
    cmdSavePdf->setEnabled(true);
}

void frmEval::ShowKept(bool kept) {
    setWindowTitle((kept ? tr("%1 - This result is kept") : tr("%1 - This result is not kept"))
                       .arg(app::AppTitle()));
}

// The largest size, in steps of a quarter point, at which the widest line
// fits the box; below the smallest readable size the box scrolls sideways.
double frmEval::TextPoints(const QString& lines) const {
    const QStringList split = lines.split(QLatin1Char('\n'));
    const qreal room = Text1->contentsRect().width() -
                       Text1->verticalScrollBar()->sizeHint().width() -
                       2 * Text1->document()->documentMargin() - Text1->cursorWidth();
    double points = kLargestPoints;
    for (; points > kSmallestPoints; points -= 0.25) {
        const QFontMetricsF metrics(app::SansFont(points));
        qreal widest = 0;
        for (const QString& line : split) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        if (widest <= room) {
            break;
        }
    }
    return points;
}

void frmEval::cmdPrint_Click() {
    switch (orv::evaluation::PrintEvaluationText(evaluation_, this, utf8_)) {
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

frmProfile* frmEval::ProfileWindow() const {
    return profile_window_.data();
}

void frmEval::cmdProfile_Click() {
    if (profile_window_.isNull()) {
        profile_window_ = new frmProfile(*result_);
    }
    app::ShowInFront(profile_window_);
}

void frmEval::cmdSavePdf_Click() {
    orv::results::SaveAsPdf(this, *result_,
                            orv::ViewOf(*result_, evaluation::WordsOf(result_->language)));
}

void frmEval::cmdMeaning_Click() {
    app::ShowHelpViewer(app::FromFilePath(app::RunLanguageFile("orvtest.hlp")),
                        QStringLiteral("verdicts"));
}
