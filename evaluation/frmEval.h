#pragma once

#include <QWidget>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The evaluation window: shows the evaluation of a finished test and prints
// it. It has no owner and is discarded when closed.
class frmEval : public QWidget {
    Q_OBJECT
  public:
    frmEval();

    // Replaces the evaluation shown in Text1. The exact text, CR LF line ends
    // included, is kept for printing.
    void SetEvaluation(const std::string& text);
    const std::string& Evaluation() const { return evaluation_; }

    void cmdPrint_Click();
    void cmdQuit_Click();

    QLabel* Label1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdQuit = nullptr;

  private:
    void Form_Load();
    double TextPoints(const QString& lines) const;

    std::string evaluation_;
};
