#include "app/message_box.h"

#include <QMessageBox>

#include "app/form_look.h"

namespace orv::app {

namespace {

MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}

}  // namespace

void SetMessageBoxHandler(MessageBoxHandler handler) {
    Handler() = std::move(handler);
}

int MsgBox(QWidget* parent, const std::string& text, int flags, const std::string& title) {
    if (Handler()) {
        return Handler()(text, flags, title);
    }
    QMessageBox box(QMessageBox::NoIcon, FromFileText(title), FromFileText(text),
                    QMessageBox::NoButton, parent);
    box.setWindowIcon(ProgramIcon());
    box.setWindowModality(Qt::ApplicationModal);
    if (flags == kYesNoDefaultNo) {
        box.addButton(QMessageBox::Yes);
        box.setDefaultButton(box.addButton(QMessageBox::No));
        return box.exec() == QMessageBox::Yes ? kResultYes : kResultNo;
    }
    box.addButton(QMessageBox::Ok);
    box.exec();
    return kResultOk;
}

}  // namespace orv::app
