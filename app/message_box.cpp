#include "app/message_box.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>

#include "app/form_look.h"

namespace orv::app {

namespace {

MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}

// A message box is only as wide as its text and buttons, which can leave too
// little of the title bar for the title. Room for the title in bold, the icon
// and the title bar's buttons keeps it whole.
void MakeRoomForTitle(QMessageBox& box) {
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int width = metrics.horizontalAdvance(box.windowTitle()) + 6 * metrics.height();
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

// Each line in the language of the run; a line without a translation (a file
// name, a line number) as it stands.
QString Translated(const std::string& text) {
    QStringList lines;
    for (const QString& line : QString::fromStdString(text).split(QLatin1Char('\n'))) {
        lines << QCoreApplication::translate("Message", line.toUtf8().constData());
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

QString AppTitle() {
    return QCoreApplication::translate("Message", kAppTitle);
}

void SetMessageBoxHandler(MessageBoxHandler handler) {
    Handler() = std::move(handler);
}

int MsgBox(QWidget* parent, const std::string& text, int flags, const std::string& title) {
    if (Handler()) {
        return Handler()(text, flags, title);
    }
    QMessageBox box(QMessageBox::NoIcon, Translated(title), Translated(text), QMessageBox::NoButton,
                    parent);
    box.setWindowIcon(ProgramIcon());
    box.setWindowModality(Qt::ApplicationModal);
    KeepFocusVisible(&box);
    FollowDesktopColours(&box);
    MakeRoomForTitle(box);
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
