#include "testing/frmTest.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "app/core/app_title.h"
#include "app/core/language.h"
#include "app/core/program_files.h"
#include "app/fit_texts.h"
#include "app/form_look.h"
#include "app/language.h"
#include "app/message_box.h"
#include "app/saved_files_folder.h"
#include "evaluation/language_words.h"
#include "persistence/core/saved_files.h"
#include "testing/core/test_steps.h"

namespace app = orv::app;
namespace evaluation = orv::evaluation;

frmTest::frmTest() : QWidget(nullptr) {
    app::ApplyFormLook(this, app::AppTitle(), 9.75);
}

frmTest::~frmTest() = default;

void frmTest::ShowTest(const ChosenTest& chosen) {
    if (IsLoaded()) {
        app::ShowInFront(this);
        return;
    }
    chosen_ = chosen;
    Form_Load();
}

void frmTest::CreateControls() {
    // Each load shows the window at its design size, whatever size it was left at.
    app::SetClientSize(this, 9360, 6615);
    controls_ = std::make_unique<Controls>();
    Controls& c = *controls_;
    c.panel = new QWidget(this);
    app::Place(c.panel, 0, 0, 9360, 6615);

    auto button = [&](const QString& caption, int left, int top, int width, int height) {
        auto* b = new QPushButton(caption, c.panel);
        app::Place(b, left, top, width, height);
        return b;
    };
    auto label = [&](const QString& caption, int left, int top, int width, int height) {
        auto* l = new QLabel(caption, c.panel);
        app::Place(l, left, top, width, height);
        app::PaintPaleYellow(l);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setTextFormat(Qt::PlainText);
        return l;
    };

    c.cmdSave = button(tr("Save"), 7320, 5160, 1095, 375);
    c.cmdSave->setEnabled(false);
    c.cmdLoad = button(tr("Load"), 6000, 5160, 1095, 375);
    c.cmdProcess = button(tr("Process"), 1320, 3480, 1215, 375);
    // Beside Process, as wide as Load and Save; Alt+B, or Alt+Left as in a browser.
    c.cmdBack = button(tr("&Back"), 2760, 3480, 1095, 375);
    c.cmdBack->setEnabled(false);
    c.cmdBack->setAccessibleName(tr("Back"));
    c.cmdBack->setAccessibleDescription(
        tr("Goes back to the question answered last, to change its answer"));
    c.cmdBack->setToolTip(tr("Back to the question answered last (Alt+Left)"));

    const QString answers[3] = {tr("I disagree"), tr("I moderately agree"), tr("I strongly agree")};
    const int tops[3] = {2880, 2520, 2160};
    c.option_group = new QButtonGroup(c.panel);
    for (int index = 2; index >= 0; --index) {
        c.Option1[index] = new QRadioButton(answers[index], c.panel);
        app::Place(c.Option1[index], 1200, tops[index], 2775, 255);
        app::PaintPaleYellow(c.Option1[index]);
        c.option_group->addButton(c.Option1[index], index);
    }

    c.lblStatus[3] = label("", 6000, 4320, 2895, 255);
    c.lblStatus[2] = label("", 6000, 3960, 2895, 255);
    c.lblStatus[1] = label("", 6000, 3600, 2895, 255);
    c.lblStatus[0] = label(tr("Status"), 6720, 3240, 1335, 255);
    c.lblStatus[0]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    c.lblTestTitle = label("", 720, 240, 7575, 375);
    c.lblTestTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    c.lblTestTitle->setFont(app::SansFont(9.75, true));

    // The question display keeps the desktop's own window colours.
    c.lblQ = new QLabel(c.panel);
    app::Place(c.lblQ, 360, 960, 8535, 975);
    c.lblQ->setFont(app::SansFont(9.75, true));
    c.lblQ->setWordWrap(true);
    c.lblQ->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c.lblQ->setTextFormat(Qt::PlainText);
    c.lblQ->setBackgroundRole(QPalette::Base);
    c.lblQ->setForegroundRole(QPalette::Text);
    c.lblQ->setAutoFillBackground(true);

    setTabOrder(c.Option1[0], c.Option1[1]);
    setTabOrder(c.Option1[1], c.Option1[2]);
    setTabOrder(c.Option1[2], c.cmdProcess);
    setTabOrder(c.cmdProcess, c.cmdBack);
    setTabOrder(c.cmdBack, c.cmdLoad);
    setTabOrder(c.cmdLoad, c.cmdSave);

    connect(c.option_group, &QButtonGroup::idClicked, this, &frmTest::Option1_Click);
    connect(c.cmdProcess, &QPushButton::clicked, this, &frmTest::cmdProcess_Click);
    connect(c.cmdBack, &QPushButton::clicked, this, &frmTest::cmdBack_Click);
    new QShortcut(QKeySequence::Back, c.panel, c.cmdBack, &QPushButton::click);
    connect(c.cmdLoad, &QPushButton::clicked, this, &frmTest::cmdLoad_Click);
    connect(c.cmdSave, &QPushButton::clicked, this, &frmTest::cmdSave_Click);
    app::PressButtonsWithReturn(c.panel);
    // The keys 1, 2 and 3 choose the answers from the top down, as a click does.
    const Qt::Key keys[3] = {Qt::Key_3, Qt::Key_2, Qt::Key_1};
    for (int index = 0; index < 3; ++index) {
        QRadioButton* option = c.Option1[index];
        new QShortcut(QKeySequence(keys[index]), c.panel, [option] {
            option->setFocus(Qt::ShortcutFocusReason);
            option->click();
        });
    }
    app::WidenToFitTexts(this, c.panel);
    c.panel->show();
}

void frmTest::keyPressEvent(QKeyEvent* event) {
    // Return and Enter press Process unless a focused button took them.
    if (IsLoaded() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        controls_->cmdProcess->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmTest::Form_Load() {
    CreateControls();
    app::CentreOnScreen(this);
    show();

    testno_ = chosen_.testno;
    controls_->lblTestTitle->setText(QString::fromStdString(chosen_.testtitle));
    // A test in a language folder's database is in that language; any other
    // is English.
    const bool translated = chosen_.fname != orv::DatabasePath(app::ProgramFolder(), testno_);
    language_ = translated ? app::RunLanguage() : std::string(orv::kEnglish);
    const orv::StartOutcome outcome =
        orv::StartTest(database_, record, *this, chosen_.fname, translated);
    if (outcome != orv::StartOutcome::kReady) {
        controls_->cmdProcess->setText(tr("QUIT"));
    }
    // Faulty words of the test's language are reported before its first answer.
    evaluation::SetUpWords(language_, this);
    controls_->cmdProcess->setFocus();

    const std::string folder = app::SavedFilesFolder();
    record.fpath = orv::SavedFilesPattern(folder, testno_);
    if (!orv::AnySavedFile(folder, testno_)) {
        controls_->cmdLoad->setEnabled(false);
    }
}

void frmTest::Option1_Click(int index) {
    if (orv::ChooseAnswer(record, static_cast<std::int16_t>(index))) {
        close();
    }
}

void frmTest::cmdProcess_Click() {
    switch (orv::ProcessAnswer(database_, record, *this)) {
        case orv::ProcessOutcome::kUnload:
            close();
            break;
        case orv::ProcessOutcome::kNoChoice:
            break;
        case orv::ProcessOutcome::kNextQuestion:
            controls_->cmdProcess->setFocus();
            break;
        case orv::ProcessOutcome::kTestFinished:
            EvalDisp(testno_);
            close();
            break;
    }
}

void frmTest::cmdBack_Click() {
    if (orv::GoBack(record, *this)) {
        // Return then takes the answer shown, and a screen reader reads the
        // question with Process.
        controls_->cmdProcess->setFocus();
    }
}

void frmTest::closeEvent(QCloseEvent* event) {
    if (IsLoaded() && !Form_Unload()) {
        event->ignore();
        return;
    }
    event->accept();
}

bool frmTest::Form_Unload() {
    if (!OfferToSave()) {
        return false;
    }
    database_.Close();
    // The controls go with the window; the test record stays.
    controls_->panel->hide();
    controls_->panel->deleteLater();
    controls_.reset();
    return true;
}

void frmTest::ShowMessage(const std::string& text) {
    // A database's file name, in the second line of a message, is bytes.
    app::MsgBox(this, app::FromFilePath(text).toStdString());
}

// The status lines end in their number: "Questions remaining 148".
void frmTest::SetStatusLine(int index, const std::string& text) {
    static const char* const kLines[] = {QT_TR_NOOP("Questions remaining %1"),
                                         QT_TR_NOOP("Question No. %1"),
                                         QT_TR_NOOP("Total Questions: %1")};
    const QString line = QString::fromStdString(text);
    const qsizetype space = line.lastIndexOf(QLatin1Char(' '));
    const QString pattern = line.left(space + 1) + QStringLiteral("%1");
    for (const char* known : kLines) {
        if (pattern == QLatin1String(known)) {
            controls_->lblStatus[index]->setText(tr(known).arg(line.mid(space + 1)));
            return;
        }
    }
    controls_->lblStatus[index]->setText(line);
}

void frmTest::SetQuestionText(const std::string& text) {
    controls_->lblQ->setText(record.utf8 ? QString::fromStdString(text) : app::FromFileText(text));
    AnnounceQuestion();
}

// A screen reader speaks the focused control's description when the control
// gets the focus and whenever the description changes. Process, which holds
// the focus while a test is taken, describes the question on screen.
void frmTest::AnnounceQuestion() {
    const Controls& c = *controls_;
    QStringList parts;
    for (const QLabel* status : {c.lblStatus[2], c.lblStatus[1]}) {
        if (!status->text().isEmpty()) {
            parts << status->text();
        }
    }
    const QString number = parts.join(QStringLiteral(", "));
    //: The status lines, then the question. A status line that ends in a colon
    //: and its number reads better with another mark before the question.
    c.cmdProcess->setAccessibleDescription(
        number.isEmpty() ? c.lblQ->text() : tr("%1: %2").arg(number, c.lblQ->text()));
}

void frmTest::ClearOptions() {
    // An exclusive group keeps one button checked; lift the rule to clear
    // them. setChecked raises no click.
    controls_->option_group->setExclusive(false);
    for (QRadioButton* option : controls_->Option1) {
        option->setChecked(false);
    }
    controls_->option_group->setExclusive(true);
}

void frmTest::SelectOption(int index) {
    controls_->Option1[index]->setChecked(true);
}

void frmTest::SetBackEnabled(bool enabled) {
    EnableButton(controls_->cmdBack, enabled);
}

void frmTest::SetLoadEnabled(bool enabled) {
    EnableButton(controls_->cmdLoad, enabled);
}

void frmTest::SetSaveEnabled(bool enabled) {
    EnableButton(controls_->cmdSave, enabled);
}

// A Back, Load or Save button that goes off while it has the focus (at the
// first answer, after a load or a save) hands the focus to Process, so that the test goes on from
// there. The focus moves once the handler is done: the question then on screen is the one a screen
// reader reads with it.
void frmTest::EnableButton(QPushButton* button, bool enabled) {
    if (!enabled && focusWidget() == button) {
        button->clearFocus();
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (IsLoaded()) {
                    controls_->cmdProcess->setFocus();
                }
            },
            Qt::QueuedConnection);
    }
    button->setEnabled(enabled);
}
