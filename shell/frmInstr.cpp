#include "shell/frmInstr.h"

frmInstr::frmInstr(QWidget* parent) : QDialog(parent) {}
