#pragma once

#include <QDialog>

#include "app/link_label.h"

class QLabel;
class QPushButton;

// The about window: the publisher's banner, the product's title and version,
// copyright, author, contact and web address, and a portrait. Shown modally
// from the main window's menu; OK closes it; a click on the web address opens
// it in the desktop's browser, and so do Return, Enter and Space once Tab has
// reached it.
class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* parent = nullptr);

    void Command1_Click();
    void Label6_Click();

    QLabel* Image1 = nullptr;               // the name banner
    QLabel* Image2 = nullptr;               // the portrait
    QLabel* Label1 = nullptr;               // copyright
    QLabel* Label2 = nullptr;               // author
    QLabel* Label3 = nullptr;               // product-family title
    QLabel* Label4 = nullptr;               // version
    QLabel* Label5 = nullptr;               // contact
    orv::app::LinkLabel* Label6 = nullptr;  // web address
    QPushButton* Command1 = nullptr;

  private:
    void Form_Load();
};
