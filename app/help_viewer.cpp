#include "app/help_viewer.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "app/accessible_document.h"
#include "app/form_look.h"

namespace orv::app {

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent) {
    InstallAccessibleDocuments();
    browser_ = new QTextBrowser(this);
    setWindowTitle(QString::fromLatin1(kHelpViewerTitle));
    setWindowIcon(ProgramIcon());
    KeepFocusVisible(this);
    browser_->setOpenExternalLinks(true);
    browser_->document()->setDocumentMargin(12);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    SetClientSize(this, 10200, 9000);
    // Grown with a large text, it still leaves the desktop's edges free.
    if (const QScreen* desktop = QGuiApplication::primaryScreen()) {
        resize(size().boundedTo(desktop->availableSize() * 0.9));
    }
}

void HelpViewer::OpenFile(const QString& path) {
    setWindowTitle(QString::fromLatin1(kHelpViewerTitle));
    // The browser would show a file it cannot read as an empty page.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        browser_->setPlainText(QStringLiteral("The help file could not be opened.\n\n%1\n\n%2")
                                   .arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    browser_->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
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
    ShowInFront(viewer);
    return viewer;
}

}  // namespace orv::app
