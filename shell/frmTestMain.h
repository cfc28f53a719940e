#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "testing/core/test_record.h"

class QAction;
class QButtonGroup;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class frmResults;
class frmTest;

// The main window: the choice of test, Start, the introduction help, the
// instructions and about windows, and Quit. Closing it ends the program.
class frmTestMain : public QMainWindow {
    Q_OBJECT
  public:
    frmTestMain();
    ~frmTestMain() override;

    // The choice, handed to the test window at Start.
    std::int16_t testno = orv::kNoTest;
    std::string fname;
    std::string testtitle;

    void Option1_Click(int index);
    void cmdStart_Click();
    void Command1_Click();
    void Instructions_Click();
    void About_Click();
    void Results_Click();
    void KeepResults_Click(bool keep);
    void cmdQuit_Click();

    // The one test window of the whole run.
    frmTest& TestWindow() { return *test_window_; }

    QLabel* Label1 = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdQuit = nullptr;
    QPushButton* Command1 = nullptr;
    QAction* Instructions = nullptr;
    QAction* About = nullptr;
    QMenu* ResultsMenu = nullptr;
    QAction* Results = nullptr;      // opens the kept results
    QAction* KeepResults = nullptr;  // whether results are kept
    QMenu* Language = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Load();
    void Form_Unload();
    void FillLanguageMenu();
    void Language_Click(const QString& name, const std::string& code);

    QButtonGroup* option_group_ = nullptr;
    std::unique_ptr<frmTest> test_window_;
    QPointer<frmResults> results_window_;  // while it is open
};
