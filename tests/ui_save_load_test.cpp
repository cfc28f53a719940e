#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "app/core/saved_files_folder.h"
#include "app/saved_files_folder.h"
#include "persistence/frmLoad.h"
#include "persistence/frmSave.h"
#include "persistence/saved_file_list.h"
#include "persistence_support.h"
#include "shell/frmTestMain.h"
#include "testing/frmTest.h"
#include "ui_support.h"

using namespace orv::testing;
using Texts = std::vector<std::string>;

namespace {

// In the chooser that is about to show, picks `name` from the list, or types
// it into the save chooser, then presses OK.
void Choose(const QString& name) {
    QTimer::singleShot(0, [name] {
        auto* chooser = qobject_cast<ChooserDialog*>(QApplication::activeModalWidget());
        QVERIFY(chooser != nullptr && QTest::qWaitForWindowExposed(chooser));
        QCoreApplication::processEvents();
        if (auto* save = qobject_cast<frmSave*>(chooser)) {
            save->txtFN->setText(name);
        } else {
            chooser->File1->setCurrentItem(chooser->File1->findItems(name, {}).value(0));
        }
        chooser->cmdOK->click();
    });
}

// The test window on test 0; Run answers "I disagree", then "I strongly agree".
struct Session {
    ProgramFolderFile database{QStringLiteral("orv0.dll"), kFourQuestions};
    MessageLog log;
    frmTestMain main;
    frmTest& test = main.TestWindow();

    Session() { main.Option1_Click(0); }
    const frmTest::Controls& Run(int answers) {
        main.cmdStart_Click();
        for (int i = 0; i < answers; ++i) {
            test.controls()->Option1[i == 0 ? 0 : 2]->click();
            test.controls()->cmdProcess->click();
        }
        return *test.controls();
    }
};

}  // namespace

class SaveLoadTest : public QObject {
    Q_OBJECT
  private slots:
    void choosersLookAsDesigned();
    void everyWayOfClosingAChooserHandsBackTheChoice_data();
    void everyWayOfClosingAChooserHandsBackTheChoice();
    void aTestSurvivesAFailedSaveTheQuestionAtCloseAndALoad();
    void endingTheProgramMidTestAsksToSaveFirst();
    void aQuestionNeverReachedClosesTheWindow();
    void saveAndLoadKeepTheTestTheWindowStartedWith();
    void savedFilesGoWhereTheUserMayWrite();
};

void SaveLoadTest::choosersLookAsDesigned() {
    std::string loadfn;
    frmLoad load(loadfn);
    frmSave save(loadfn);
    QCOMPARE(load.windowTitle(), QStringLiteral("Select a file to load"));
    QCOMPARE(save.windowTitle(), QStringLiteral("Select a file name for Saving Results"));
    QCOMPARE(load.size(), QSize(298, 185));
    QCOMPARE(save.size(), QSize(322, 185));
}

// Steps: c click abc.0, d double-click zed.0, t Tab and type "xyz", h hide
// and show again, e Escape, o OK, k the close box, a the Down arrow (the focus
// stays in the list), r Return. Then what Load and Save hand back.
void SaveLoadTest::everyWayOfClosingAChooserHandsBackTheChoice_data() {
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("handed_back");
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"co", "abc.0", "abc.0"},   {"d", "zed.0", "zed.0"},   {"ck", "abc.0", "abc.0"},
        {"cek", "abc.0", "abc.0"},  {"cho", "", ""},           {"cto", "abc.0", "xyz"},
        {"ar", "Mary.0", "Mary.0"}, {"aar", "abc.0", "abc.0"}, {"ahar", "Mary.0", "Mary.0"}};
    for (const auto& [steps, load, save] : cases) {
        QTest::addRow("load %s", steps) << false << steps << load;
        QTest::addRow("save %s", steps) << true << steps << save;
    }
}

void SaveLoadTest::everyWayOfClosingAChooserHandsBackTheChoice() {
    QFETCH(bool, save);
    QFETCH(QString, steps);
    QFETCH(QString, handed_back);
    QTemporaryDir folder;
    for (const char* file : {"zed.0", "Mary.0", "abc.0", "abc.1"}) {
        QFile(folder.filePath(file)).open(QIODevice::WriteOnly);
    }
    std::string loadfn = "before";
    std::unique_ptr<ChooserDialog> c(save ? static_cast<ChooserDialog*>(new frmSave(loadfn))
                                          : new frmLoad(loadfn));
    c->File1->SetFolder(folder.path().toStdString());
    c->File1->SetPattern(0);
    for (const QChar step : QStringLiteral("s") + steps) {
        if (step == 's' || step == 'h') {  // wait for the expose event itself, not only the flag
            c->hide();
            c->open();
            QVERIFY(QTest::qWaitForWindowExposed(c.get()));
            QCoreApplication::processEvents();
        } else if (step == 'c' || step == 'd') {  // entries: Mary.0, abc.0, zed.0
            QWidget* list = c->File1->viewport();
            const QPoint at =
                c->File1->visualItemRect(c->File1->item(step == 'c' ? 1 : 2)).center();
            QTest::mouseClick(list, Qt::LeftButton, {}, at);
            if (step == 'd') {
                QTest::mouseDClick(list, Qt::LeftButton, {}, at);
            }
        } else if (step == 't') {
            QTest::keyClick(c.get(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("xyz"));
            c->repaint();
        } else if (step == 'e') {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(c->isVisible());
            QCOMPARE(loadfn, std::string("before"));
        } else if (step == 'o') {
            QTest::mouseClick(c->cmdOK, Qt::LeftButton);
        } else if (step == 'k') {
            c->windowHandle()->close();
        } else if (step == 'a') {
            QTest::keyClick(c->File1, Qt::Key_Down);
            QCOMPARE(c->focusWidget(), c->File1);
        } else if (step == 'r') {
            QTest::keyClick(c->focusWidget(), Qt::Key_Return);
        }
    }
    QVERIFY(!c->isVisible());
    QCOMPARE(QString::fromStdString(loadfn), handed_back);
}

// A folder named "Keep.0" stands in the way of the first save; Save stays
// enabled to try again. Yes to the question at close with no usable name
// keeps the window open, and closing again asks again.
void SaveLoadTest::aTestSurvivesAFailedSaveTheQuestionAtCloseAndALoad() {
    Session s;
    s.Run(0);
    s.test.close();  // at question 1 there is nothing to ask
    QDir folder(QCoreApplication::applicationDirPath());
    folder.mkdir(QStringLiteral("Keep.0"));
    Choose(QStringLiteral("Keep"));
    s.Run(2).cmdSave->click();
    folder.rmdir(QStringLiteral("Keep.0"));
    QVERIFY(s.test.controls()->cmdSave->isEnabled());
    s.log.answers = {orv::app::kResultYes, orv::app::kResultYes};
    Choose(QStringLiteral("my results"));
    s.test.close();
    QVERIFY(s.test.isVisible());
    QCOMPARE(s.test.record.qno, std::int16_t{3});
    ProgramFolderFile at_close(QStringLiteral("AtClose.0"), "");  // removed at the end
    Choose(QStringLiteral("AtClose"));
    s.test.close();
    QVERIFY(!s.test.IsLoaded());
    const std::string question = "Would you like to save your responses?";
    QCOMPARE(s.log.Texts(),
             (Texts{"File could not be saved.", question,
                    "No file was selected OR invalid file name was input.", question}));
    QCOMPARE(s.log.boxes[1].title, std::string("Save responses?"));
    QCOMPARE(s.log.boxes[1].flags, 260);
    QCOMPARE(ReadBytes(at_close.path().toStdString()), MaryFileBytes());
    Choose(QStringLiteral("AtClose.0"));
    s.Run(0).cmdLoad->click();
    QCOMPARE(s.test.controls()->lblQ->text(), QStringLiteral("People count on me."));
    s.test.close();
    QCOMPARE(s.log.boxes.size(), 4u);  // just loaded: nothing to ask
}

// Quit in mid-test asks the test window's question first; Yes with a save
// that fails keeps the program open, Yes with a save ends it.
void SaveLoadTest::endingTheProgramMidTestAsksToSaveFirst() {
    Session s;
    s.Run(2);
    EndProgramCounter ended;
    QDir folder(QCoreApplication::applicationDirPath());
    folder.mkdir(QStringLiteral("Keep.0"));
    s.log.answers = {orv::app::kResultYes, orv::app::kResultYes};
    Choose(QStringLiteral("Keep"));
    s.main.cmdQuit->click();
    folder.rmdir(QStringLiteral("Keep.0"));
    QCOMPARE(ended.count, 0);
    QVERIFY(s.test.isVisible());
    ProgramFolderFile quit(QStringLiteral("Quit.0"), "");
    Choose(QStringLiteral("Quit"));
    s.main.close();
    QCOMPARE(ended.count, 1);
    const std::string question = "Would you like to save your responses?";
    QCOMPARE(s.log.Texts(), (Texts{question, "File could not be saved.", question}));
    QCOMPARE(ReadBytes(quit.path().toStdString()), MaryFileBytes());
}

void SaveLoadTest::aQuestionNeverReachedClosesTheWindow() {
    const QByteArray early = QByteArray::fromStdString(MaryFileBytes()).replace(0, 1, "1");
    ProgramFolderFile file(QStringLiteral("early.0"), early);
    Session s;
    Choose(QStringLiteral("early.0"));
    s.Run(0).cmdLoad->click();
    QCOMPARE(s.log.Texts(), (Texts{"E03B: Invalid Database Contents.", "End of file during Load"}));
    QVERIFY(!s.test.IsLoaded());
}

// The window started as test 0 loads and saves files of test 0 after the
// main window has switched to test 1.
void SaveLoadTest::saveAndLoadKeepTheTestTheWindowStartedWith() {
    ProgramFolderFile zero(QStringLiteral("zero.0"), QByteArray::fromStdString(MaryFileBytes()));
    Session s;
    s.Run(0);
    s.main.Option1_Click(1);
    Choose(QStringLiteral("zero.0"));
    s.test.controls()->cmdLoad->click();
    QCOMPARE(s.test.record.qno, std::int16_t{3});
    ProgramFolderFile made(QStringLiteral("Switch.0"), "");
    s.test.controls()->Option1[1]->click();
    s.test.controls()->cmdProcess->click();
    Choose(QStringLiteral("Switch"));
    s.test.controls()->cmdSave->click();
    QVERIFY(s.log.boxes.empty());
    QCOMPARE(ReadBytes(made.path().toStdString()).substr(0, 3), std::string("4\r\n"));
    QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + "/Switch.1"));
}

// Where the program folder is not writable (ctest runs this case once more
// so), XDG_DATA_HOME, else HOME, tells the user's data folder. Last: it sets both.
void SaveLoadTest::savedFilesGoWhereTheUserMayWrite() {
    const auto folder = [] { return QString::fromStdString(orv::app::SavedFilesFolder()); };
    const QString program = QCoreApplication::applicationDirPath(),
                  id = "/com.example.orvane.PersonalityTest";
    const bool writable = orv::MayCreateFilesIn(program.toStdString());
    qputenv("XDG_DATA_HOME", "/x/data");
    qputenv("HOME", "/home/u");
    QCOMPARE(folder(), writable ? program : "/x/data" + id);
    qputenv("XDG_DATA_HOME", "");
    QCOMPARE(folder(), writable ? program : "/home/u/.local/share" + id);
}

QTEST_MAIN(SaveLoadTest)
#include "ui_save_load_test.moc"
