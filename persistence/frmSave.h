#pragma once

#include <QDialog>
#include <string>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class SavedFileList;

// The chooser of a name to save under: pick a listed file to replace it or
// type a new name. Closing it in any way checks the name and hands it back,
// or "" when it was refused.
class frmSave : public QDialog {
    Q_OBJECT
  public:
    // `loadfn` is the test window's member that receives the choice.
    explicit frmSave(std::string& loadfn, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    SavedFileList* File1 = nullptr;
    QPushButton* cmdOK = nullptr;
    QLineEdit* txtFN = nullptr;

    // Where the last name check stopped and that character in upper case.
    int cpos = 0;
    std::string cchar;

    void File1_Click(int index);
    void File1_DblClick(int index);
    void cmdOK_Click();

    // Every way of closing ends here.
    void done(int result) override;

  protected:
    // The window has no Cancel: Escape neither closes it nor chooses.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Form_Load();
    void Form_Paint();
    void Form_Unload();

    std::string& loadfn_;
};
