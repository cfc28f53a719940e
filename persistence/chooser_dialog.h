#pragma once

#include <QDialog>
#include <QRect>
#include <QString>

class QKeyEvent;
class QLabel;
class QPushButton;
class SavedFileList;

// What the two file choosers share: caption, client size, a bold label, the
// file list and OK, centred when loaded. Each exposure runs Form_Paint and
// every way of closing runs Form_Unload; there is no Cancel.
class ChooserDialog : public QDialog {
    Q_OBJECT
  public:
    QLabel* Label1 = nullptr;
    SavedFileList* File1 = nullptr;
    QPushButton* cmdOK = nullptr;

    // An entry picked by mouse or keys; a click also moves the focus to OK.
    virtual void File1_Select(int index) = 0;
    virtual void File1_Click(int index) = 0;
    virtual void File1_DblClick(int index) = 0;
    virtual void cmdOK_Click() = 0;

    void done(int result) override;

  protected:
    // The rectangles are Left, Top, Width, Height in twips.
    struct Design {
        QString caption;
        int width;
        int height;
        QString label;
        QRect label_at;
        QRect list_at;
        QRect ok_at;
    };
    ChooserDialog(const Design& design, QWidget* parent);

    // Escape would commit the name picked, so it neither closes nor chooses.
    void keyPressEvent(QKeyEvent* event) override;

    virtual void Form_Paint() = 0;
    virtual void Form_Unload() = 0;

  private:
    void Form_Load();
};
