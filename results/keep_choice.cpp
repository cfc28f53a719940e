#include "results/keep_choice.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QSettings>

#include "app/form_look.h"
#include "app/message_box.h"
#include "app/settings_file.h"
#include "results/kept_results_folder.h"

namespace orv::results {

namespace {

const QString kKeepKey = QStringLiteral("keep_results");
const QString kToldKey = QStringLiteral("told_results_kept");

}  // namespace

bool KeepResultsChosen() {
    const QSettings settings(app::SettingsPath(), QSettings::IniFormat);
    return settings.value(kKeepKey, true).toBool();
}

bool ChooseKeepResults(bool keep) {
    QSettings settings(app::SettingsPath(), QSettings::IniFormat);
    settings.setValue(kKeepKey, keep);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

void TellOnceThatResultsAreKept(QWidget* evaluation) {
    QSettings settings(app::SettingsPath(), QSettings::IniFormat);
    if (settings.value(kToldKey, false).toBool()) {
        return;
    }
    settings.setValue(kToldKey, true);
    auto* note = new QMessageBox(
        QMessageBox::NoIcon, app::AppTitle(),
        QCoreApplication::translate(
            "Message",
            "This result has been kept on this computer, in %1, so that it can be shown and "
            "compared later. To stop keeping results, switch off \"Keep results\" in the Results "
            "menu of the main window.")
            .arg(app::FromFilePath(KeptResultsFolder())),
        QMessageBox::Ok, evaluation);
    note->setObjectName(QStringLiteral("keptNote"));
    note->setWindowModality(Qt::NonModal);
    note->setAttribute(Qt::WA_DeleteOnClose);
    note->setAttribute(Qt::WA_ShowWithoutActivating);
    note->show();
    // The evaluation keeps the keyboard, where a platform gave it to the note.
    evaluation->activateWindow();
}

}  // namespace orv::results
