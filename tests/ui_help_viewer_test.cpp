// The program's help viewer: the shipped help file, its title, character
// sets, plain text, a missing file, and the one reused viewer window.

#include <QDir>
#include <QFile>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "app/core/centre.h"
#include "app/help_viewer.h"

using orv::app::HelpViewer;

namespace {

const QString kShippedHelp = QStringLiteral(ORV_DATA_DIR "/orvtest.hlp");

QString WriteFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes) {
    const QString path = folder.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
    return path;
}

}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT
  private slots:
    void showsTheShippedHelpUnderItsTitle();
    void followsLinksInsideTheHelp();
    void missingFileGivesTheViewersMessage();
    void missingFileAfterAGoodOneDropsTheOldTitle();
    void fileWithoutTitleKeepsTheViewersTitle();
    void plainTextKeepsItsLines();
    void readsTheDeclaredOrLikelyCharacterSet_data();
    void readsTheDeclaredOrLikelyCharacterSet();
    void oneViewerCentredAndReused();

  private:
    QTemporaryDir folder_;
};

void HelpViewerTest::showsTheShippedHelpUnderItsTitle() {
    HelpViewer viewer;
    viewer.OpenFile(kShippedHelp);
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Introduction to Personality Analysis"));
    QVERIFY(viewer.browser()->isReadOnly());
    const QString text = viewer.browser()->toPlainText();
    QVERIFY(text.startsWith(QStringLiteral("Introduction to Personality Analysis")));
    QVERIFY(text.contains(QStringLiteral("Test of Interpersonal and Social Attributes")));
    QVERIFY(!text.contains(QStringLiteral("<p>")));
}

void HelpViewerTest::followsLinksInsideTheHelp() {
    HelpViewer viewer;
    viewer.OpenFile(kShippedHelp);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QCOMPARE(viewer.browser()->verticalScrollBar()->value(), 0);
    viewer.browser()->setSource(QUrl(QStringLiteral("#limits")));
    QVERIFY(viewer.browser()->verticalScrollBar()->value() > 0);
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Introduction to Personality Analysis"));
    QVERIFY(viewer.browser()->toPlainText().startsWith(
        QStringLiteral("Introduction to Personality Analysis")));
}

void HelpViewerTest::missingFileGivesTheViewersMessage() {
    const QString path = folder_.filePath(QStringLiteral("No Such Folder/orvtest.hlp"));
    HelpViewer viewer;
    viewer.OpenFile(path);
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Orvane Personality Test Help"));
    QCOMPARE(viewer.browser()->toPlainText(),
             QStringLiteral("The help file could not be opened.\n\n") + path +
                 QStringLiteral("\n\nNo such file or directory"));
}

void HelpViewerTest::missingFileAfterAGoodOneDropsTheOldTitle() {
    HelpViewer viewer;
    viewer.OpenFile(kShippedHelp);
    viewer.OpenFile(folder_.filePath(QStringLiteral("gone.hlp")));
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Orvane Personality Test Help"));
    QVERIFY(viewer.browser()->toPlainText().startsWith(
        QStringLiteral("The help file could not be opened.")));
}

void HelpViewerTest::fileWithoutTitleKeepsTheViewersTitle() {
    HelpViewer viewer;
    viewer.OpenFile(kShippedHelp);
    viewer.OpenFile(WriteFile(folder_, QStringLiteral("untitled.hlp"),
                              "<html><body><p>No title here.</p></body></html>"));
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Orvane Personality Test Help"));
    QCOMPARE(viewer.browser()->toPlainText(), QStringLiteral("No title here."));
}

void HelpViewerTest::plainTextKeepsItsLines() {
    HelpViewer viewer;
    viewer.OpenFile(WriteFile(folder_, QStringLiteral("plain.hlp"),
                              "First line\n  indented second line\n\nafter a blank"));
    QCOMPARE(viewer.browser()->toPlainText(),
             QStringLiteral("First line\n  indented second line\n\nafter a blank"));
}

void HelpViewerTest::readsTheDeclaredOrLikelyCharacterSet_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("utf-8 undeclared") << QByteArray("<html><body>Caf\xC3\xA9</body></html>");
    QTest::newRow("latin-1 undeclared") << QByteArray("<html><body>Caf\xE9</body></html>");
    QTest::newRow("latin-1 declared") << QByteArray(
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
        "charset=iso-8859-1\"></head><body>Caf\xE9</body></html>");
    QTest::newRow("utf-8 declared")
        << QByteArray("<html><head><meta charset=\"utf-8\"></head><body>Caf\xC3\xA9</body></html>");
}

void HelpViewerTest::readsTheDeclaredOrLikelyCharacterSet() {
    QFETCH(QByteArray, bytes);
    HelpViewer viewer;
    viewer.OpenFile(WriteFile(folder_, QStringLiteral("cafe.hlp"), bytes));
    QCOMPARE(viewer.browser()->toPlainText(), QStringLiteral("Caf\u00E9"));
}

void HelpViewerTest::oneViewerCentredAndReused() {
    HelpViewer* first = orv::app::ShowHelpViewer(kShippedHelp);
    QVERIFY(first != nullptr);
    QVERIFY(first->isVisible());
    QVERIFY(first->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(first->windowTitle(), QStringLiteral("Introduction to Personality Analysis"));
    QVERIFY(first->width() >= 600 && first->height() >= 500);
    // Once its frame is known the viewer stands centred on the screen.
    const auto centred = [first] {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QSize outer = first->frameGeometry().size();
        const orv::WindowPosition position =
            orv::CentredPosition(screen.width(), screen.height(), outer.width(), outer.height());
        return screen.topLeft() + QPoint(position.left, position.top);
    };
    QTRY_COMPARE(first->frameGeometry().topLeft(), centred());

    // A second help request reuses the open viewer with the new file.
    const QString missing = folder_.filePath(QStringLiteral("other.hlp"));
    QPointer<HelpViewer> again = orv::app::ShowHelpViewer(missing);
    QCOMPARE(again.data(), first);
    QCOMPARE(again->windowTitle(), QStringLiteral("Orvane Personality Test Help"));

    // Closed, it is gone; the next request opens a new one.
    QVERIFY(again->close());
    QTRY_VERIFY(again.isNull());
    HelpViewer* next = orv::app::ShowHelpViewer(kShippedHelp);
    QVERIFY(next != nullptr);
    QCOMPARE(next->windowTitle(), QStringLiteral("Introduction to Personality Analysis"));
    delete next;
}

QTEST_MAIN(HelpViewerTest)
#include "ui_help_viewer_test.moc"
