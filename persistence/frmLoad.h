#pragma once

#include <QDialog>
#include <string>

class QKeyEvent;
class QLabel;
class QPushButton;
class SavedFileList;

// The chooser of a saved file to load. Closing it in any way hands back the
// name last clicked since the window was last exposed, or "".
class frmLoad : public QDialog {
    Q_OBJECT
  public:
    // `loadfn` is the test window's member that receives the choice.
    explicit frmLoad(std::string& loadfn, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    SavedFileList* File1 = nullptr;
    QPushButton* cmdOK = nullptr;

    int selidx = -1;
    std::string selname;

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
