#include "results/result_export.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/form_look.h"
#include "app/message_box.h"
#include "evaluation/language_words.h"
#include "persistence/core/durable_file.h"
#include "results/core/result_file.h"
#include "results/core/results_csv.h"

namespace orv::results {

namespace {

constexpr const char* kCopyNotSaved = QT_TRANSLATE_NOOP(
    "Message",
    "The copy could not be saved. Nothing was written; please choose another folder or name.");
constexpr const char* kCsvNotSaved = QT_TRANSLATE_NOOP(
    "Message",
    "The CSV file could not be saved. Nothing was written; please choose another folder or name.");

constexpr unsigned kUserOnly = 0600;

// The path the user chose for `name`, or an empty one.
QString ChoosePath(QWidget* parent, const QString& caption, const QString& name,
                   const QString& filter, const QString& suffix) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    QFileDialog chooser(parent, caption, QDir(folder).filePath(name), filter);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setDefaultSuffix(suffix);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) {
        return {};
    }
    return chooser.selectedFiles().constFirst();
}

// A file the chooser let replace is replaced; a new one is for the user only
// and is never put over one that came in the meantime.
bool WriteChosen(const QString& path, const std::string& bytes) {
    const std::string file = app::ToFilePath(path);
    if (QFileInfo::exists(path)) {
        return ReplaceFile(file, bytes);
    }
    return CreateNewFile(file, bytes, kUserOnly) == NewFileOutcome::kCreated;
}

}  // namespace

void SaveResultCopy(QWidget* parent, const ListedResult& listed) {
    if (!listed.result) {
        return;
    }
    const QString path = ChoosePath(parent, QCoreApplication::translate("Message", "Save a copy"),
                                    app::FromFilePath(listed.name),
                                    QCoreApplication::translate("Message", "Results (*.result)"),
                                    QStringLiteral("result"));
    if (!path.isEmpty() && !WriteChosen(path, FormatKeptResult(*listed.result))) {
        app::MsgBox(parent, kCopyNotSaved);
    }
}

void ExportResultsCsv(QWidget* parent, const std::vector<ListedResult>& listed) {
    const QString path = ChoosePath(
        parent, QCoreApplication::translate("Message", "Export all as CSV"),
        QCoreApplication::translate("Message", "kept-results.csv"),
        QCoreApplication::translate("Message", "CSV files (*.csv)"), QStringLiteral("csv"));
    if (!path.isEmpty() && !WriteChosen(path, ResultsCsv(listed, evaluation::WordsOf))) {
        app::MsgBox(parent, kCsvNotSaved);
    }
}

}  // namespace orv::results
