#include "results/pdf_export.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "app/form_look.h"
#include "app/message_box.h"
#include "evaluation/language_words.h"
#include "persistence/core/durable_file.h"
#include "results/result_document.h"

namespace orv::results {

void SaveAsPdf(QWidget* parent, const KeptResult& result, const ProfileView& view) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    const EvaluationWords& words = evaluation::WordsOf(result.language);
    QFileDialog chooser(
        parent, QCoreApplication::translate("Message", "Save as PDF"),
        QDir(folder).filePath(evaluation::FromWordsText(PdfFileName(result, words), words)),
        QCoreApplication::translate("Message", "PDF files (*.pdf)"));
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setDefaultSuffix(QStringLiteral("pdf"));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) {
        return;
    }
    const QByteArray pdf = ResultPdf(result, view);
    const std::string path = app::ToFilePath(chooser.selectedFiles().constFirst());
    if (pdf.isEmpty() || !ReplaceFile(path, std::string_view(pdf.constData(), pdf.size()))) {
        app::MsgBox(parent, kPdfNotSaved);
    }
}

}  // namespace orv::results
