#pragma once

#include <QString>
#include <QWidget>
#include <QtGlobal>

class QTextBrowser;

namespace orv::app {

// The program's help viewer: shows an HTML help file read-only, in the
// character set it declares (UTF-8 otherwise), titled with the document's title.
class HelpViewer : public QWidget {
    Q_OBJECT
  public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the file; a file that cannot be read gives the viewer's own
    // message in place of the help text.
    void OpenFile(const QString& path);

    QTextBrowser* browser() const { return browser_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void ColourLinks();

    QTextBrowser* browser_ = nullptr;
};

// Title of the viewer while its file has no title of its own.
inline constexpr char kHelpViewerTitle[] =
    QT_TRANSLATE_NOOP("HelpViewer", "Orvane Personality Test Help");

// Opens the help viewer on a file, at its anchor `anchor` if given: one
// viewer window, reused, centred on the screen when it first opens.
HelpViewer* ShowHelpViewer(const QString& path, const QString& anchor = {});

}  // namespace orv::app
