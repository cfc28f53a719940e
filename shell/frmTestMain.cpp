#include "shell/frmTestMain.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "app/core/app_title.h"
#include "app/core/program_files.h"
#include "app/end_program.h"
#include "app/fit_texts.h"
#include "app/form_look.h"
#include "app/language.h"
#include "app/message_box.h"
#include "app/open_external.h"
#include "app/saved_files_folder.h"
#include "results/frmResults.h"
#include "results/keep_choice.h"
#include "results/kept_results_folder.h"
#include "shell/frmAbout.h"
#include "shell/frmInstr.h"
#include "testing/frmTest.h"

namespace app = orv::app;

frmTestMain::frmTestMain() : test_window_(std::make_unique<frmTest>()) {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    app::ApplyFormLook(this, app::AppTitle(), 9.75);
    app::SetClientSize(client, 9120, 5940);
    client->setMinimumSize(0, 0);

    // The menu bar keeps the desktop's colours, as menu bars do.
    app::KeepDesktopColours(menuBar());
    menuBar()->setAutoFillBackground(true);
    Instructions = menuBar()->addAction(tr("&Instructions"));
    About = menuBar()->addAction(tr("&About"));
    ResultsMenu = menuBar()->addMenu(tr("&Results"));
    Results = ResultsMenu->addAction(tr("&Kept Results\u2026"));
    KeepResults = ResultsMenu->addAction(tr("Keep &results"));
    KeepResults->setCheckable(true);
    KeepResults->setChecked(orv::results::KeepResultsChosen());
    Language = menuBar()->addMenu(tr("&Language"));
    FillLanguageMenu();
    connect(Instructions, &QAction::triggered, this, &frmTestMain::Instructions_Click);
    connect(About, &QAction::triggered, this, &frmTestMain::About_Click);
    connect(Results, &QAction::triggered, this, &frmTestMain::Results_Click);
    connect(KeepResults, &QAction::triggered, this, &frmTestMain::KeepResults_Click);

    Command1 = new QPushButton(tr("Introduction to Personality Analysis"), client);
    app::Place(Command1, 2385, 5055, 3930, 480);
    cmdQuit = new QPushButton(tr("Quit"), client);
    app::Place(cmdQuit, 4920, 4200, 1335, 375);
    cmdStart = new QPushButton(tr("Start"), client);
    app::Place(cmdStart, 2280, 4200, 1695, 375);

    Option1[1] = new QRadioButton(tr("Test of Interpersonal and Social Attributes"), client);
    app::Place(Option1[1], 2040, 2880, 5820, 495);
    Option1[0] = new QRadioButton(tr("Test of Individual Attributes"), client);
    app::Place(Option1[0], 2040, 1800, 5460, 495);
    option_group_ = new QButtonGroup(this);
    for (int index = 0; index < 2; ++index) {
        Option1[index]->setFont(app::SansFont(12));
        app::PaintPaleYellow(Option1[index]);
        option_group_->addButton(Option1[index], index);
    }

    Label1 = new QLabel(tr("Select a Test and press START"), client);
    app::Place(Label1, 1560, 600, 5775, 615);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(app::SansFont(12, true));
    app::PaintPaleYellow(Label1);

    setTabOrder(Option1[0], Option1[1]);
    setTabOrder(Option1[1], cmdStart);
    setTabOrder(cmdStart, cmdQuit);
    setTabOrder(cmdQuit, Command1);

    connect(option_group_, &QButtonGroup::idClicked, this, &frmTestMain::Option1_Click);
    connect(cmdStart, &QPushButton::clicked, this, &frmTestMain::cmdStart_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmTestMain::cmdQuit_Click);
    connect(Command1, &QPushButton::clicked, this, &frmTestMain::Command1_Click);
    app::PressButtonsWithReturn(this);

    // The window's outer size is the client area plus the menu bar.
    resize(client->size() + QSize(0, menuBar()->sizeHint().height()));
    app::WidenToFitTexts(this, client);
    Form_Load();
}

frmTestMain::~frmTestMain() = default;

void frmTestMain::Form_Load() {
    testno = orv::kNoTest;
    app::CentreOnScreen(this);
    // The focus starts where the tab order does.
    Option1[0]->setFocus();
}

void frmTestMain::Option1_Click(int index) {
    testno = static_cast<std::int16_t>(index);
}

void frmTestMain::cmdStart_Click() {
    if (testno == orv::kNoTest) {
        app::MsgBox(this, "Select a test before pressing START");
        return;
    }
    testtitle = Option1[testno]->text().toStdString();
    // The test in the language of the run where it is translated.
    fname = app::RunLanguageFile("orv" + std::to_string(testno) + ".dll");
    test_window_->ShowTest({testno, testtitle, fname});
}

void frmTestMain::Command1_Click() {
    orv::app::OpenExternal(app::RunLanguageFile("orvtest.hlp"), "winhelp ", this);
}

void frmTestMain::Instructions_Click() {
    frmInstr window(this);
    window.exec();
}

void frmTestMain::About_Click() {
    frmAbout window(this);
    window.exec();
}

void frmTestMain::Results_Click() {
    if (results_window_.isNull()) {
        results_window_ = new frmResults(orv::results::KeptResultsFolder());
    }
    app::ShowInFront(results_window_);
}

// The choice counts from the next finished test and is remembered.
void frmTestMain::KeepResults_Click(bool keep) {
    if (!orv::results::ChooseKeepResults(keep)) {
        KeepResults->setChecked(!keep);
        app::MsgBox(this, tr("The choice could not be saved.").toStdString());
    }
}

// The languages the program has, each in its own name, after the desktop's.
void frmTestMain::FillLanguageMenu() {
    auto* choices = new QActionGroup(Language);
    const std::string remembered = app::RememberedLanguage();
    const auto add = [&](const QString& name, const std::string& code) {
        QAction* choice = Language->addAction(name);
        choice->setCheckable(true);
        choice->setChecked(code == remembered);
        choices->addAction(choice);
        connect(choice, &QAction::triggered, this,
                [this, name, code] { Language_Click(name, code); });
    };
    add(tr("The desktop's language"), "");
    Language->addSeparator();
    for (const std::string& code : app::AvailableLanguages()) {
        add(app::LanguageName(code), code);
    }
}

// A choice of language counts from the next start, so that nothing shown
// now, a test in progress least of all, changes its language.
void frmTestMain::Language_Click(const QString& name, const std::string& code) {
    if (!app::RememberLanguage(code)) {
        app::MsgBox(this, tr("The choice of language could not be saved.").toStdString());
        return;
    }
    app::MsgBox(this, tr("From the next start the program will use: %1.").arg(name).toStdString());
}

void frmTestMain::cmdQuit_Click() {
    close();
}

void frmTestMain::closeEvent(QCloseEvent* event) {
    // Ending the program closes the test window without its own question, so
    // it is asked here first; a save the user wanted but did not get keeps
    // the program open.
    if (!test_window_->OfferToSave()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void frmTestMain::Form_Unload() {
    app::EndProgram();
}
