#include "results/result_import.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "app/form_look.h"
#include "app/message_box.h"
#include "results/core/kept_results.h"
#include "results/core/result_file.h"
#include "results/frmProfile.h"
#include "results/frmResults.h"

namespace orv::results {

namespace {

constexpr const char* kCopyNotKept =
    QT_TRANSLATE_NOOP("Message", "The copy could not be kept. The list is as it was.");

}  // namespace

void OpenResultFile(QWidget* parent, const std::string& folder) {
    QFileDialog chooser(parent, QCoreApplication::translate("Message", "Open a result file"),
                        QDir::homePath(),
                        QCoreApplication::translate("Message", "Results (*.result)"));
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::ExistingFile);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = chooser.selectedFiles().constFirst();
    const std::optional<KeptResult> result = ReadKeptResult(app::ToFilePath(path));
    if (!result) {
        app::MsgBox(parent, frmResults::tr("%1 is not a readable result. It is left as it is.")
                                .arg(QFileInfo(path).fileName())
                                .toStdString());
        return;
    }
    auto* profile = new frmProfile(*result);
    profile->OfferToKeepCopy([profile, folder, kept = *result] {
        if (KeepResult(folder, kept)) {
            return true;
        }
        app::MsgBox(profile, kCopyNotKept);
        return false;
    });
    app::ShowInFront(profile);
}

}  // namespace orv::results
