#pragma once

#include <QDialog>

class QEvent;
class QLabel;
class QPushButton;

// The about window: the publisher's banner, the product's title and version,
// copyright, author, contact and web address, and a portrait. Shown modally
// from the main window's menu; OK closes it; a click on the web address opens
// it in the desktop's browser.
class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* parent = nullptr);

    void Command1_Click();
    void Label6_Click();

    QLabel* Image1 = nullptr;  // the name banner
    QLabel* Image2 = nullptr;  // the portrait
    QLabel* Label1 = nullptr;  // copyright
    QLabel* Label2 = nullptr;  // author
    QLabel* Label3 = nullptr;  // product-family title
    QLabel* Label4 = nullptr;  // version
    QLabel* Label5 = nullptr;  // contact
    QLabel* Label6 = nullptr;  // web address
    QPushButton* Command1 = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Load();

    bool label6_pressed_ = false;
};
