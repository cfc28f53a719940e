#pragma once

#include <string>

#include "persistence/chooser_dialog.h"

class QLineEdit;

// The chooser of a name to save under: pick a listed file to replace it or
// type a new name. Closing it in any way checks the name and hands it back,
// or "" when it was refused.
class frmSave : public ChooserDialog {
    Q_OBJECT
  public:
    // `loadfn` is the test window's member that receives the choice.
    explicit frmSave(std::string& loadfn, QWidget* parent = nullptr);

    QLineEdit* txtFN = nullptr;

    // Where the last name check stopped and that character in upper case.
    int cpos = 0;
    std::string cchar;

    void File1_Select(int index) override;
    void File1_Click(int index) override;
    void File1_DblClick(int index) override;
    void cmdOK_Click() override;

  private:
    void Form_Paint() override;
    void Form_Unload() override;

    std::string& loadfn_;
};
