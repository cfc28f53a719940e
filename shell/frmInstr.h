#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The instructions window: what the program does and where the introduction
// help is. Shown modally from the main window's menu; OK closes it.
class frmInstr : public QDialog {
    Q_OBJECT
  public:
    explicit frmInstr(QWidget* parent = nullptr);

    void Command1_Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;

  private:
    void Form_Load();
};
