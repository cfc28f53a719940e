#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>
#include <string>

#include "results/core/kept_result.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class frmProfile;

// The evaluation window: shows the evaluation of a finished or kept test,
// prints it, shows its profile and saves it as PDF. It has no owner and is
// discarded when closed.
class frmEval : public QWidget {
    Q_OBJECT
  public:
    frmEval();

    // Replaces the evaluation shown in Text1. The exact text, CR LF line ends
    // included, is kept for printing. A text alone has no profile. The text
    // is UTF-8, or single-byte (Latin-1).
    void SetEvaluation(const std::string& text, bool utf8 = false);
    // Shows the evaluation text of a result, whose profile and PDF it offers.
    void SetResult(const orv::KeptResult& result);
    // Says in the title whether the result shown was kept, until the next.
    void ShowKept(bool kept);
    const std::string& Evaluation() const { return evaluation_; }
    // The profile window opened from here while it is open, else null.
    frmProfile* ProfileWindow() const;

    void cmdPrint_Click();
    void cmdQuit_Click();
    void cmdProfile_Click();
    void cmdSavePdf_Click();
    void cmdMeaning_Click();

    QLabel* Label1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdQuit = nullptr;
    QPushButton* cmdProfile = nullptr;
    QPushButton* cmdSavePdf = nullptr;
    QPushButton* cmdMeaning = nullptr;  // the help at the meaning of the verdicts

  private:
    void Form_Load();
    double TextPoints(const QString& lines) const;

    std::string evaluation_;
    bool utf8_ = false;
    std::optional<orv::KeptResult> result_;
    QPointer<frmProfile> profile_window_;
};
