#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include "app/form_look.h"
#include "persistence/frmLoad.h"
#include "persistence/frmSave.h"
#include "persistence/saved_file_list.h"

namespace {

// A folder with saved files of both tests, a hidden one and a folder.
struct Folder {
    QTemporaryDir dir;
    Folder() {
        for (const char* name : {"zed.0", "Mary.0", "abc.0", "abc.1", ".hidden.0", "orv0.dll"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            file.open(QIODevice::WriteOnly);
            file.write("1\r\n");
        }
        QDir(dir.path()).mkdir(QStringLiteral("dir.0"));
    }
    std::string path() const { return dir.path().toStdString(); }
};

template <typename Chooser>
void ShowOn(Chooser& chooser, const Folder& folder, std::int16_t testno) {
    chooser.File1->SetFolder(folder.path());
    chooser.File1->SetPattern(testno);
    chooser.open();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    QCoreApplication::processEvents();  // the expose itself, not only the flag
}

// Hides a chooser and shows it again, as when it is minimized and restored.
void ShowAgain(QWidget* chooser) {
    chooser->hide();
    chooser->show();
    QVERIFY(QTest::qWaitForWindowExposed(chooser));
    QCoreApplication::processEvents();
}

QStringList Entries(const QListWidget* list) {
    QStringList names;
    for (int row = 0; row < list->count(); ++row) {
        names << list->item(row)->text();
    }
    return names;
}

QPoint EntryCentre(QListWidget* list, const QString& name) {
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    return found.isEmpty() ? QPoint(-1, -1) : list->visualItemRect(found.front()).center();
}

void ClickEntry(QListWidget* list, const QString& name) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, EntryCentre(list, name));
}

// A double-click is a click followed by a second press.
void DoubleClickEntry(QListWidget* list, const QString& name) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, EntryCentre(list, name));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, EntryCentre(list, name));
}

// The widgets that Tab visits from `start`, in order.
QList<QWidget*> TabOrderFrom(QWidget* start, int steps) {
    QList<QWidget*> visited;
    start->setFocus();
    for (int step = 0; step < steps; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    return visited;
}

// The window manager's close box.
void CloseBox(QWidget* window) {
    window->windowHandle()->close();
}

// Repaints of the window and its controls that are not exposures.
void RepaintEverything(QWidget* window) {
    window->repaint();
    for (QWidget* child : window->findChildren<QWidget*>()) {
        child->repaint();
    }
    QCoreApplication::processEvents();
}

}  // namespace

class ChoosersTest : public QObject {
    Q_OBJECT
  private slots:
    void loadChooserLooksAsDesigned();
    void saveChooserLooksAsDesigned();
    void listsOnlyPlainFilesOfTheTestSorted();

    void loadHandsBackTheClickedEntryOnOk();
    void loadOkWithoutAClickHandsBackNothing();
    void loadCloseBoxHandsBackTheClickedEntry();
    void loadDoubleClickChoosesAndCloses();
    void loadChoiceSurvivesFocusTypingAndRepaints();
    void loadChoiceIsClearedWhenTheWindowIsShownAgain();
    void loadEscapeNeitherClosesNorChooses();
    void loadEnterOnOkHandsBackTheClickedEntry();

    void saveTypedNameIsCheckedOnEveryWayOfClosing_data();
    void saveTypedNameIsCheckedOnEveryWayOfClosing();
    void saveRefusedNameRecordsWhereTheCheckStopped();
    void saveClickCopiesTheEntryAndTypingGoesOn();
    void saveDoubleClickChoosesAndCloses();
    void saveNameIsClearedWhenTheWindowIsShownAgain();
    void saveEscapeNeitherClosesNorChooses();
    void saveEnterOnOkHandsBackTheClickedEntry();
};

void ChoosersTest::loadChooserLooksAsDesigned() {
    std::string loadfn;
    frmLoad chooser(loadfn);
    QCOMPARE(chooser.windowTitle(), QStringLiteral("Select a file to load"));
    QCOMPARE(chooser.size(), QSize(298, 185));
    QCOMPARE(chooser.palette().color(QPalette::Window), QColor(255, 255, 204));
    QCOMPARE(chooser.font().pointSizeF(), 8.25);
    QVERIFY(!chooser.windowIcon().isNull());
    QCOMPARE(chooser.Label1->text(), QStringLiteral("Select a File:"));
    QCOMPARE(chooser.Label1->geometry(), QRect(40, 24, 89, 17));
    QVERIFY(chooser.Label1->font().bold());
    QCOMPARE(chooser.Label1->font().pointSizeF(), 8.25);
    QCOMPARE(chooser.Label1->palette().color(QPalette::Window), QColor(255, 255, 204));
    QCOMPARE(chooser.File1->geometry(), QRect(48, 40, 113, 97));
    QCOMPARE(chooser.cmdOK->text(), QStringLiteral("OK"));
    QCOMPARE(chooser.cmdOK->geometry(), QRect(184, 80, 49, 25));

    Folder folder;
    ShowOn(chooser, folder, 0);
    QVERIFY(chooser.isModal());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(chooser.File1));
    QCOMPARE(TabOrderFrom(chooser.File1, 2), (QList<QWidget*>{chooser.cmdOK, chooser.File1}));
    chooser.close();
}

void ChoosersTest::saveChooserLooksAsDesigned() {
    std::string loadfn;
    frmSave chooser(loadfn);
    QCOMPARE(chooser.windowTitle(), QStringLiteral("Select a file name for Saving Results"));
    QCOMPARE(chooser.size(), QSize(322, 185));
    QCOMPARE(chooser.palette().color(QPalette::Window), QColor(255, 255, 204));
    QCOMPARE(chooser.font().pointSizeF(), 8.25);
    QVERIFY(!chooser.windowIcon().isNull());
    QCOMPARE(chooser.Label1->text(), QStringLiteral("Select or Type a File Name:"));
    QCOMPARE(chooser.Label1->geometry(), QRect(32, 24, 185, 17));
    QVERIFY(chooser.Label1->font().bold());
    QCOMPARE(chooser.Label1->palette().color(QPalette::Window), QColor(255, 255, 204));
    QCOMPARE(chooser.File1->geometry(), QRect(96, 64, 113, 97));
    QCOMPARE(chooser.cmdOK->text(), QStringLiteral("OK"));
    QCOMPARE(chooser.cmdOK->geometry(), QRect(232, 104, 49, 25));
    QCOMPARE(chooser.txtFN->geometry(), QRect(96, 40, 113, 19));
    QCOMPARE(chooser.txtFN->text(), QString());

    Folder folder;
    ShowOn(chooser, folder, 1);
    QVERIFY(chooser.isModal());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(chooser.File1));
    QCOMPARE(TabOrderFrom(chooser.File1, 3),
             (QList<QWidget*>{chooser.cmdOK, chooser.txtFN, chooser.File1}));
    chooser.close();
}

void ChoosersTest::listsOnlyPlainFilesOfTheTestSorted() {
    Folder folder;
    std::string loadfn;
    frmLoad load(loadfn);
    ShowOn(load, folder, 0);
    QCOMPARE(Entries(load.File1), QStringList({QStringLiteral("Mary.0"), QStringLiteral("abc.0"),
                                               QStringLiteral("zed.0")}));
    load.close();

    frmSave save(loadfn);
    ShowOn(save, folder, 1);
    QCOMPARE(Entries(save.File1), QStringList({QStringLiteral("abc.1")}));
    save.close();
}

void ChoosersTest::loadHandsBackTheClickedEntryOnOk() {
    Folder folder;
    std::string loadfn = "before";
    frmLoad chooser(loadfn);
    ShowOn(chooser, folder, 0);
    ClickEntry(chooser.File1, QStringLiteral("abc.0"));
    QCOMPARE(chooser.selidx, 1);
    QCOMPARE(chooser.selname, std::string("abc.0"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(chooser.cmdOK));
    QTest::mouseClick(chooser.cmdOK, Qt::LeftButton);
    QVERIFY(!chooser.isVisible());
    QCOMPARE(loadfn, std::string("abc.0"));
}

void ChoosersTest::loadOkWithoutAClickHandsBackNothing() {
    Folder folder;
    std::string loadfn = "before";
    frmLoad chooser(loadfn);
    ShowOn(chooser, folder, 0);
    QTest::mouseClick(chooser.cmdOK, Qt::LeftButton);
    QVERIFY(!chooser.isVisible());
    QCOMPARE(loadfn, std::string());
}

void ChoosersTest::loadCloseBoxHandsBackTheClickedEntry() {
    Folder folder;
    std::string loadfn;
    frmLoad chooser(loadfn);
    ShowOn(chooser, folder, 0);
    ClickEntry(chooser.File1, QStringLiteral("zed.0"));
    CloseBox(&chooser);
    QVERIFY(!chooser.isVisible());
    QCOMPARE(loadfn, std::string("zed.0"));
}

void ChoosersTest::loadDoubleClickChoosesAndCloses() {
    Folder folder;
    std::string loadfn;
    frmLoad chooser(loadfn);
    ShowOn(chooser, folder, 0);
    DoubleClickEntry(chooser.File1, QStringLiteral("Mary.0"));
    QVERIFY(!chooser.isVisible());
    QCOMPARE(chooser.selidx, 0);
    QCOMPARE(loadfn, std::string("Mary.0"));
}

// The window repaints when a control takes the focus or a key is typed;
// none of that is an exposure, so the choice stays.
void ChoosersTest::loadChoiceSurvivesFocusTypingAndRepaints() {
    Folder folder;
    std::string loadfn;
    frmLoad chooser(loadfn);
    ShowOn(chooser, folder, 0);
    ClickEntry(chooser.File1, QStringLiteral("abc.0"));
    QTest::keyClick(&chooser, Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("xyz"));
    chooser.File1->setFocus();
    RepaintEverything(&chooser);
    QCOMPARE(chooser.selname, std::string("abc.0"));
    QTest::mouseClick(chooser.cmdOK, Qt::LeftButton);
    QCOMPARE(loadfn, std::string("abc.0"));
}

void ChoosersTest::loadChoiceIsClearedWhenTheWindowIsShownAgain() {
    Folder folder;
    std::string loadfn;
    frmLoad chooser(loadfn);
    ShowOn(chooser, folder, 0);
    ClickEntry(chooser.File1, QStringLiteral("abc.0"));
    QCOMPARE(chooser.selname, std::string("abc.0"));
    ShowAgain(&chooser);
    QCOMPARE(chooser.selname, std::string());
    QVERIFY(chooser.File1->selectedItems().isEmpty());
    // The list was read again: a file saved meanwhile shows.
    QFile(folder.dir.filePath(QStringLiteral("new.0"))).open(QIODevice::WriteOnly);
    ShowAgain(&chooser);
    QVERIFY(Entries(chooser.File1).contains(QStringLiteral("new.0")));
    QTest::mouseClick(chooser.cmdOK, Qt::LeftButton);
    QCOMPARE(loadfn, std::string());
}

// Escape wherever the focus is: the window stays open and hands nothing
// back; the close box afterwards still hands back the entry clicked before.
void ChoosersTest::loadEscapeNeitherClosesNorChooses() {
    Folder folder;
    std::string loadfn = "before";
    frmLoad chooser(loadfn);
    ShowOn(chooser, folder, 0);
    ClickEntry(chooser.File1, QStringLiteral("abc.0"));
    for (QWidget* focus : QList<QWidget*>{chooser.cmdOK, chooser.File1, &chooser}) {
        focus->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        QVERIFY2(chooser.isVisible(), focus->metaObject()->className());
        QCOMPARE(loadfn, std::string("before"));
    }
    QCOMPARE(chooser.selname, std::string("abc.0"));
    CloseBox(&chooser);
    QVERIFY(!chooser.isVisible());
    QCOMPARE(loadfn, std::string("abc.0"));
}

void ChoosersTest::loadEnterOnOkHandsBackTheClickedEntry() {
    Folder folder;
    std::string loadfn;
    frmLoad chooser(loadfn);
    ShowOn(chooser, folder, 0);
    ClickEntry(chooser.File1, QStringLiteral("zed.0"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(chooser.cmdOK));
    QTest::keyClick(chooser.cmdOK, Qt::Key_Return);
    QVERIFY(!chooser.isVisible());
    QCOMPARE(loadfn, std::string("zed.0"));
}

void ChoosersTest::saveTypedNameIsCheckedOnEveryWayOfClosing_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("handed_back");
    QTest::addColumn<int>("closing");  // 0 OK, 1 close box, 2 Enter in the name
    const struct {
        const char* typed;
        const char* handed_back;
    } names[] = {
        {"results", "results"},
        {"RESULTS", "RESULTS"},
        {"r.e.s", "r.e.s"},
        {".results", ""},
        {"my results", ""},
        {"-x", ""},
        {"", ""},
        {"Results.old.0", "Results.old.0"},
    };
    for (int closing = 0; closing < 3; ++closing) {
        for (const auto& name : names) {
            QTest::addRow("%s by %d", name.typed, closing)
                << QString::fromLatin1(name.typed) << QString::fromLatin1(name.handed_back)
                << closing;
        }
    }
    QTest::addRow("résumé by OK") << QStringLiteral("r\u00e9sum\u00e9") << QString() << 0;
    QTest::addRow("Greek by OK") << QStringLiteral("\u03b1\u03b2") << QString() << 0;
}

void ChoosersTest::saveTypedNameIsCheckedOnEveryWayOfClosing() {
    QFETCH(QString, typed);
    QFETCH(QString, handed_back);
    QFETCH(int, closing);
    Folder folder;
    std::string loadfn = "before";
    frmSave chooser(loadfn);
    ShowOn(chooser, folder, 0);
    chooser.txtFN->setFocus();
    // Key presses carry ASCII only; other letters arrive as committed text.
    bool ascii = true;
    for (const QChar c : typed) {
        ascii = ascii && c.unicode() < 0x80;
    }
    if (ascii) {
        QTest::keyClicks(chooser.txtFN, typed);
    } else {
        chooser.txtFN->insert(typed);
    }
    QCOMPARE(chooser.txtFN->text(), typed);
    switch (closing) {
        case 0:
            QTest::mouseClick(chooser.cmdOK, Qt::LeftButton);
            break;
        case 1:
            CloseBox(&chooser);
            break;
        default:
            QTest::keyClick(chooser.txtFN, Qt::Key_Return);
            break;
    }
    QVERIFY(!chooser.isVisible());
    QCOMPARE(orv::app::FromFileText(loadfn), handed_back);
    QCOMPARE(chooser.txtFN->text(), handed_back);
}

void ChoosersTest::saveRefusedNameRecordsWhereTheCheckStopped() {
    Folder folder;
    std::string loadfn;
    frmSave chooser(loadfn);
    ShowOn(chooser, folder, 0);
    chooser.txtFN->setText(QStringLiteral("ab-c"));
    chooser.close();
    QCOMPARE(loadfn, std::string());
    QCOMPARE(chooser.cpos, 3);
    QCOMPARE(chooser.cchar, std::string("-"));
}

void ChoosersTest::saveClickCopiesTheEntryAndTypingGoesOn() {
    Folder folder;
    std::string loadfn;
    frmSave chooser(loadfn);
    ShowOn(chooser, folder, 0);
    ClickEntry(chooser.File1, QStringLiteral("Mary.0"));
    QCOMPARE(chooser.txtFN->text(), QStringLiteral("Mary.0"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(chooser.cmdOK));
    // Focus moves to the name, which is typed over; repaints keep it.
    QTest::keyClick(&chooser, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(chooser.txtFN));
    chooser.txtFN->selectAll();
    QTest::keyClicks(chooser.txtFN, QStringLiteral("Anne.0"));
    RepaintEverything(&chooser);
    QCOMPARE(chooser.txtFN->text(), QStringLiteral("Anne.0"));
    QTest::mouseClick(chooser.cmdOK, Qt::LeftButton);
    QCOMPARE(loadfn, std::string("Anne.0"));
}

void ChoosersTest::saveDoubleClickChoosesAndCloses() {
    Folder folder;
    std::string loadfn;
    frmSave chooser(loadfn);
    ShowOn(chooser, folder, 0);
    DoubleClickEntry(chooser.File1, QStringLiteral("zed.0"));
    QVERIFY(!chooser.isVisible());
    QCOMPARE(loadfn, std::string("zed.0"));
}

void ChoosersTest::saveNameIsClearedWhenTheWindowIsShownAgain() {
    Folder folder;
    std::string loadfn;
    frmSave chooser(loadfn);
    ShowOn(chooser, folder, 0);
    chooser.txtFN->setFocus();
    QTest::keyClicks(chooser.txtFN, QStringLiteral("typed"));
    ShowAgain(&chooser);
    QCOMPARE(chooser.txtFN->text(), QString());
    QTest::mouseClick(chooser.cmdOK, Qt::LeftButton);
    QCOMPARE(loadfn, std::string());
}

// Picking abc.0 and pressing Escape must not replace abc.0: the window stays
// open with the name, and only a real closing hands it back.
void ChoosersTest::saveEscapeNeitherClosesNorChooses() {
    Folder folder;
    std::string loadfn = "before";
    frmSave chooser(loadfn);
    ShowOn(chooser, folder, 0);
    ClickEntry(chooser.File1, QStringLiteral("abc.0"));
    QCOMPARE(chooser.txtFN->text(), QStringLiteral("abc.0"));
    for (QWidget* focus : QList<QWidget*>{chooser.cmdOK, chooser.txtFN, chooser.File1, &chooser}) {
        focus->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        QVERIFY2(chooser.isVisible(), focus->metaObject()->className());
        QCOMPARE(loadfn, std::string("before"));
    }
    QCOMPARE(chooser.txtFN->text(), QStringLiteral("abc.0"));
    CloseBox(&chooser);
    QVERIFY(!chooser.isVisible());
    QCOMPARE(loadfn, std::string("abc.0"));
}

void ChoosersTest::saveEnterOnOkHandsBackTheClickedEntry() {
    Folder folder;
    std::string loadfn;
    frmSave chooser(loadfn);
    ShowOn(chooser, folder, 0);
    ClickEntry(chooser.File1, QStringLiteral("Mary.0"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(chooser.cmdOK));
    QTest::keyClick(chooser.cmdOK, Qt::Key_Enter);
    QVERIFY(!chooser.isVisible());
    QCOMPARE(loadfn, std::string("Mary.0"));
}

QTEST_MAIN(ChoosersTest)
#include "ui_choosers_test.moc"
