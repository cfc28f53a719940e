#include "app/help_viewer.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/form_look.h"

namespace orv::app {

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent), browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Orvane Personality Test Help"));
    setWindowIcon(ProgramIcon());
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 560);
}

void HelpViewer::OpenFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        browser_->setPlainText(
            QStringLiteral("The help file %1 could not be opened.").arg(path));
        return;
    }
    browser_->setSearchPaths({QFileInfo(path).absolutePath()});
    browser_->setHtml(QString::fromLatin1(file.readAll()));
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
