#include "app/help_viewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "app/accessible_document.h"
#include "app/core/language.h"
#include "app/core/utf8.h"
#include "app/form_look.h"

namespace orv::app {

namespace {

// The viewer's texts by a context of their own: tr() would look them up under
// the class's name with its namespace, which the translations do not use.
QString Translated(const char* text) {
    return QCoreApplication::translate("HelpViewer", text);
}

}  // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent) {
    InstallAccessibleDocuments();
    browser_ = new QTextBrowser(this);
    setWindowTitle(Translated(kHelpViewerTitle));
    setWindowIcon(ProgramIcon());
    KeepFocusVisible(this);
    FollowDesktopColours(this);
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
    setWindowTitle(Translated(kHelpViewerTitle));
    // The browser would show a file it cannot read as an empty page.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        browser_->setPlainText(
            Translated(
                QT_TRANSLATE_NOOP("HelpViewer", "The help file could not be opened.\n\n%1\n\n%2"))
                .arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    // A translated help file is UTF-8; any other byte is a fault of the file.
    const QByteArray bytes = file.readAll();
    const int line = FirstNonUtf8Line(std::string_view(bytes.constData(), bytes.size()));
    const bool translated = IsLanguageCode(QFileInfo(path).dir().dirName().toStdString());
    if (line != 0 && translated) {
        browser_->setPlainText(
            Translated(
                QT_TRANSLATE_NOOP("HelpViewer", "The help file is not UTF-8 text.\n\n%1: line %2"))
                .arg(QDir::toNativeSeparators(path))
                .arg(line));
        return;
    }
    browser_->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
    ColourLinks();
    if (!browser_->documentTitle().isEmpty()) {
        setWindowTitle(browser_->documentTitle());
    }
}

// The pages colour their links as the desktop did when they were read; they
// take the viewer's link colour, which is readable on a dark desktop too.
void HelpViewer::ColourLinks() {
    const QString style =
        QStringLiteral("a { color: %1; }").arg(palette().color(QPalette::Link).name());
    if (browser_->document()->defaultStyleSheet() != style) {
        browser_->document()->setDefaultStyleSheet(style);
        browser_->reload();
    }
}

void HelpViewer::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && !browser_->source().isEmpty()) {
        ColourLinks();
    }
    QWidget::changeEvent(event);
}

namespace {

// The caret at the anchor, where a screen reader starts to read.
void PutCaretAt(QTextBrowser* browser, const QString& anchor) {
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto part = block.begin(); !part.atEnd(); ++part) {
            if (part.fragment().charFormat().anchorNames().contains(anchor)) {
                QTextCursor cursor(browser->document());
                cursor.setPosition(part.fragment().position());
                browser->setTextCursor(cursor);
                return;
            }
        }
    }
}

}  // namespace

HelpViewer* ShowHelpViewer(const QString& path, const QString& anchor) {
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
    if (!anchor.isEmpty()) {
        PutCaretAt(viewer->browser(), anchor);
        viewer->browser()->scrollToAnchor(anchor);
    }
    return viewer;
}

}  // namespace orv::app
