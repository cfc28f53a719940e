#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>

#include "testing/chosen_test.h"
#include "testing/core/line_reader.h"
#include "testing/core/test_record.h"
#include "testing/core/test_view.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class frmEval;

// The window in which a test is taken. One object serves the whole run: its
// test record survives closing, and its controls are made anew at each load.
class frmTest : public QWidget, private orv::TestView {
    Q_OBJECT
  public:
    frmTest();
    ~frmTest() override;

    // The test in progress; `record.loadfn` and `record.filename` are the
    // members other windows read and write.
    orv::TestRecord record;

    // Start pressed: loads the window with `chosen`, or only brings it
    // forward when open.
    void ShowTest(const ChosenTest& chosen);
    bool IsLoaded() const { return controls_ != nullptr; }

    void Option1_Click(int index);
    void cmdProcess_Click();
    void cmdBack_Click();
    void cmdLoad_Click();
    void cmdSave_Click();
    void EvalDisp(std::int16_t evalparm);
    // The evaluation window while it is open, else null.
    frmEval* EvaluationWindow() const;

    // The controls of the loaded window (null while unloaded).
    struct Controls {
        QWidget* panel = nullptr;
        QLabel* lblQ = nullptr;
        QLabel* lblTestTitle = nullptr;
        std::array<QLabel*, 4> lblStatus{};
        std::array<QRadioButton*, 3> Option1{};
        QButtonGroup* option_group = nullptr;
        QPushButton* cmdProcess = nullptr;
        QPushButton* cmdBack = nullptr;
        QPushButton* cmdLoad = nullptr;
        QPushButton* cmdSave = nullptr;
    };
    const Controls* controls() const { return controls_.get(); }

    // Before closing would lose answers: asks whether to save them and saves on
    // Yes. False when the user answered Yes but nothing was written, so that
    // the window (and the program) stays open.
    bool OfferToSave();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Form_Load();
    // False when the window must stay open (see OfferToSave).
    bool Form_Unload();
    // The Save operation; true when the file was written.
    bool SaveResponses();
    void CreateControls();
    void AnnounceQuestion();
    void EnableButton(QPushButton* button, bool enabled);

    // What the test steps show.
    void ShowMessage(const std::string& text) override;
    void SetStatusLine(int index, const std::string& text) override;
    void SetQuestionText(const std::string& text) override;
    void ClearOptions() override;
    void SetLoadEnabled(bool enabled) override;
    void SetSaveEnabled(bool enabled) override;
    void SelectOption(int index) override;
    void SetBackEnabled(bool enabled) override;

    ChosenTest chosen_;  // as Start chose it, read at load
    // The test number the window was started with; saving, loading and the
    // evaluation keep to it whatever the main window chooses meanwhile.
    std::int16_t testno_ = orv::kNoTest;
    // The language of the test: its database's and its evaluation's.
    std::string language_;
    orv::LineReader database_;
    std::unique_ptr<Controls> controls_;
    QPointer<frmEval> eval_window_;  // made by EvalDisp, gone when closed
};
