#include "app/help_viewer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "app/form_look.h"

namespace orv::app {

namespace {

// The text of a help file: in the character set it declares (byte order mark
// or HTML meta tag), else UTF-8 when the bytes are valid UTF-8, else the
// single-byte characters of the program's other texts.
QString DecodeHelpText(const QByteArray& bytes) {
    const auto declared = QStringConverter::encodingForHtml(bytes);
    if (declared && *declared != QStringConverter::Utf8) {
        QStringDecoder decoder(*declared);
        return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

}  // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent), browser_(new QTextBrowser(this)) {
    setWindowTitle(QString::fromLatin1(kHelpViewerTitle));
    setWindowIcon(ProgramIcon());
    browser_->setOpenExternalLinks(true);
    browser_->document()->setDocumentMargin(12);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(680, 600);
}

void HelpViewer::OpenFile(const QString& path) {
    setWindowTitle(QString::fromLatin1(kHelpViewerTitle));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        browser_->setPlainText(QStringLiteral("The help file could not be opened.\n\n%1\n\n%2")
                                   .arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    const QString text = DecodeHelpText(file.readAll());
    browser_->setSearchPaths({QFileInfo(path).absolutePath()});
    if (Qt::mightBeRichText(text)) {
        browser_->setHtml(text);
    } else {
        browser_->setPlainText(text);
    }
    if (!browser_->documentTitle().isEmpty()) {
        setWindowTitle(browser_->documentTitle());
    }
}

HelpViewer* ShowHelpViewer(const QString& path) {
    static QPointer<HelpViewer> viewer;
    if (viewer.isNull()) {
        viewer = new HelpViewer();
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->OpenFile(path);
        CentreOnScreen(viewer);
    } else {
        viewer->OpenFile(path);
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

}  // namespace orv::app
