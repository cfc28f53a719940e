#pragma once

#include <string>

#include "persistence/chooser_dialog.h"

// The chooser of a saved file to load. Closing it in any way hands back the
// name last clicked since the window was last exposed, or "".
class frmLoad : public ChooserDialog {
    Q_OBJECT
  public:
    // `loadfn` is the test window's member that receives the choice.
    explicit frmLoad(std::string& loadfn, QWidget* parent = nullptr);

    int selidx = -1;
    std::string selname;

    void File1_Select(int index) override;
    void File1_Click(int index) override;
    void File1_DblClick(int index) override;
    void cmdOK_Click() override;

  private:
    void Form_Paint() override;
    void Form_Unload() override;

    std::string& loadfn_;
};
