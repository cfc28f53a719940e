#pragma once

#include <QDialog>

// The instructions window.
class frmInstr : public QDialog {
    Q_OBJECT
public:
    explicit frmInstr(QWidget* parent = nullptr);
};
