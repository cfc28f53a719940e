#include <sys/resource.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <functional>

#include "persistence/core/save_load_steps.h"
#include "persistence/core/saved_files.h"
#include "persistence/core/saved_responses.h"
#include "persistence/frmLoad.h"
#include "persistence/frmSave.h"
#include "persistence/saved_file_list.h"
#include "shell/frmTestMain.h"
#include "testing/frmTest.h"
#include "ui_support.h"

using orv::testing::MessageLog;
using orv::testing::ProgramFolderFile;

namespace {

// Question 1 on scale 3; question 2 on scale 7, related to question 1;
// questions 3 and 4 on scale 2.
const QByteArray kFourQuestions =
    "4\t.Copyright notice of this test\r\n"
    "1\tpunctual\t0\t3\t.I am always on time.\r\n"
    "2\tcalm\t1\t7\t.I keep calm.\r\n"
    "3\treliable\t0\t2\t.People can count on me.\r\n"
    "4\ttidy\t0\t2\t.My desk is in order.\r\n";

// The three questions of the worked example "Mary.1".
const QByteArray kThreeQuestions =
    "3\t.Copyright notice of this test\r\n"
    "1\tpunctual\t0\t3\t.I am always on time.\r\n"
    "2\tcalm\t1\t7\t.I keep calm.\r\n"
    "3\treliable\t0\t2\t.People can count on me.\r\n";

QByteArray Lines(const QList<QByteArray>& values) {
    QByteArray bytes;
    for (const QByteArray& value : values) {
        bytes += value + "\r\n";
    }
    return bytes;
}

// Question 3 on screen, answers -2 and 2 in slots 1 and 2, one answer each on
// scales 3 and 7: 261 lines, 784 bytes.
QByteArray MaryBytes(const QByteArray& question = "3") {
    QList<QByteArray> values = {question, "-2", "2"};
    for (int slot = 3; slot <= 250; ++slot) {
        values << "0";
    }
    values << "0"
           << "0"
           << "1"
           << "0"
           << "0"
           << "0"
           << "1"
           << "0"
           << "0"
           << "0";
    return Lines(values);
}

QString ProgramFile(const QString& name) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

QByteArray ReadProgramFile(const QString& name) {
    QFile file(ProgramFile(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// Every name in the program folder, hidden ones included.
QStringList ProgramFolderNames() {
    return QDir(QCoreApplication::applicationDirPath())
        .entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

void RemoveSavedFiles() {
    const std::string folder = QCoreApplication::applicationDirPath().toStdString();
    for (std::int16_t testno : {0, 1}) {
        for (const std::string& name : orv::ListSavedFiles(folder, testno)) {
            QFile::remove(ProgramFile(QString::fromStdString(name)));
        }
    }
}

// Acts on the chooser once it is on screen: pressing Save or Load shows it
// modally and waits for it to close. A chooser the action leaves open is
// closed and noted.
template <typename Chooser>
class WhenShown {
  public:
    explicit WhenShown(std::function<void(Chooser&)> act) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this, act] {
            auto* chooser = qobject_cast<Chooser*>(QApplication::activeModalWidget());
            if (chooser == nullptr) {
                return;
            }
            shown = true;
            if (!QTest::qWaitForWindowExposed(chooser)) {
                return;
            }
            QCoreApplication::processEvents();
            entries.clear();
            for (int row = 0; row < chooser->File1->count(); ++row) {
                entries << chooser->File1->item(row)->text();
            }
            act(*chooser);
            if (chooser->isVisible()) {
                left_open = true;
                chooser->close();
            }
        });
        timer_.start(0);
    }

    bool shown = false;
    bool left_open = false;
    QStringList entries;  // the file list as it was shown

  private:
    QTimer timer_;
};

void ClickEntry(QListWidget* list, const QString& name) {
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.front()).center());
}

void TypeAndOk(frmSave& chooser, const QString& name) {
    chooser.txtFN->setFocus();
    QTest::keyClicks(chooser.txtFN, name);
    QTest::mouseClick(chooser.cmdOK, Qt::LeftButton);
}

void PickAndOk(frmLoad& chooser, const QString& name) {
    ClickEntry(chooser.File1, name);
    QTest::mouseClick(chooser.cmdOK, Qt::LeftButton);
}

// The test window on test `testno`, opened from a fresh main window.
struct Started {
    frmTestMain main;
    frmTest& test = main.TestWindow();

    explicit Started(int testno) {
        main.show();
        QTest::mouseClick(main.Option1[testno], Qt::LeftButton);
        QTest::mouseClick(main.cmdStart, Qt::LeftButton);
    }
    const frmTest::Controls& c() const { return *test.controls(); }
    // Clicks the option's round mark: only the mark and the caption take a
    // click, and "I disagree" is shorter than its button.
    void Answer(int option) {
        QRadioButton* button = c().Option1[option];
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(7, button->height() / 2));
        QTest::mouseClick(c().cmdProcess, Qt::LeftButton);
    }
    // The worked example: "I disagree", then "I strongly agree".
    void AnswerTwo() {
        Answer(0);
        Answer(2);
    }
    void Save(const QString& name) {
        WhenShown<frmSave> chooser([&](frmSave& s) { TypeAndOk(s, name); });
        QTest::mouseClick(c().cmdSave, Qt::LeftButton);
        QVERIFY(chooser.shown);
    }
    QString Status(int index) const { return c().lblStatus[index]->text(); }
};

using Texts = std::vector<std::string>;

// Lowers a limit of this process until the end of the scope. Root ignores
// permission bits; a process that may hold no open file cannot create one.
class NoNewFiles {
  public:
    NoNewFiles() {
        getrlimit(RLIMIT_NOFILE, &saved_);
        rlimit none = saved_;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_NOFILE, &none);
    }
    ~NoNewFiles() { setrlimit(RLIMIT_NOFILE, &saved_); }

  private:
    rlimit saved_{};
};

// Save's real write runs with no new file allowed, and only the write: the
// connection to an X display needs new descriptors now and then and breaks
// when it cannot have them.
class SavesCannotCreateFiles {
  public:
    SavesCannotCreateFiles() {
        orv::SetSavedFileWriter([this](const std::string& path, const orv::SavedResponses& r) {
            ++writes;
            const NoNewFiles limit;
            return orv::WriteSavedResponses(path, r);
        });
    }
    ~SavesCannotCreateFiles() { orv::SetSavedFileWriter(nullptr); }

    int writes = 0;
};

}  // namespace

class SaveLoadTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { RemoveSavedFiles(); }
    void cleanup() { RemoveSavedFiles(); }

    void savesTheWorkedExampleAsMary1();
    void resumesASavedTestThroughBothChoosers();
    void saveWithNothingUsableChosenChangesNothing();
    void saveCutsTheBaseNameAndReplacesAPickedFile();
    void saveWhereNoFileCanBeCreatedKeepsTheOldFile();
    void saveAndLoadFollowTheTestChosenNow();

    void loadSaysWhenNoSavedFileIsLeft();
    void loadWithNothingChosenKeepsLoadEnabled();
    void loadOfARefusedFileChangesNothing();
    void loadOfAQuestionNeverReachedClosesTheWindow();
    void loadByTheCloseBoxGoesAhead();

    void closingAsksOnlyMidTestWithUnsavedProgress();
    void closingWithYesSavesThroughTheChooser();
};

void SaveLoadTest::savesTheWorkedExampleAsMary1() {
    ProgramFolderFile db("orv1.dll", kThreeQuestions);
    MessageLog log;
    Started s(1);
    QVERIFY(!s.c().cmdSave->isEnabled());
    s.AnswerTwo();
    QVERIFY(s.c().cmdSave->isEnabled());
    QVERIFY(!s.c().cmdLoad->isEnabled());
    s.Save(QStringLiteral("Mary"));
    const QByteArray bytes = ReadProgramFile(QStringLiteral("Mary.1"));
    QCOMPARE(bytes.size(), 784);
    QCOMPARE(bytes, MaryBytes());
    QVERIFY(!s.c().cmdSave->isEnabled());
    QVERIFY(log.boxes.empty());
    QCOMPARE(s.test.record.savedq, std::int16_t{3});
}

void SaveLoadTest::resumesASavedTestThroughBothChoosers() {
    ProgramFolderFile db("orv0.dll", kFourQuestions);
    MessageLog log;
    Started s(0);
    s.AnswerTwo();
    s.Save(QStringLiteral("RoundTrip"));
    const auto ans = s.test.record.ans;
    const auto scount = s.test.record.scount;
    s.test.close();
    QVERIFY(log.boxes.empty());  // just saved: nothing to ask

    QTest::mouseClick(s.main.cmdStart, Qt::LeftButton);
    QCOMPARE(s.Status(2), QStringLiteral("Question No. 1"));
    QVERIFY(s.c().cmdLoad->isEnabled());
    QVERIFY(!s.c().cmdSave->isEnabled());
    WhenShown<frmLoad> chooser([](frmLoad& l) { PickAndOk(l, QStringLiteral("RoundTrip.0")); });
    QTest::mouseClick(s.c().cmdLoad, Qt::LeftButton);
    QVERIFY(chooser.shown);
    QVERIFY(!chooser.left_open);
    QCOMPARE(chooser.entries, QStringList{QStringLiteral("RoundTrip.0")});
    QVERIFY(log.boxes.empty());
    QCOMPARE(s.c().lblQ->text(), QStringLiteral("People can count on me."));
    QCOMPARE(s.Status(1), QStringLiteral("Questions remaining 1"));
    QCOMPARE(s.Status(2), QStringLiteral("Question No. 3"));
    QVERIFY(!s.c().cmdLoad->isEnabled());
    QVERIFY(!s.c().cmdSave->isEnabled());
    QCOMPARE(s.test.record.ans, ans);
    QCOMPARE(s.test.record.scount, scount);
    QCOMPARE(s.test.record.savedq, std::int16_t{3});
    s.test.close();
    QVERIFY(log.boxes.empty());  // just loaded: nothing to ask
}

void SaveLoadTest::saveWithNothingUsableChosenChangesNothing() {
    ProgramFolderFile db("orv0.dll", kFourQuestions);
    MessageLog log;
    Started s(0);
    s.AnswerTwo();
    for (const QString& name : {QString(), QStringLiteral("my results"), QStringLiteral("-x")}) {
        s.Save(name);
        QVERIFY(s.c().cmdSave->isEnabled());
    }
    QCOMPARE(log.Texts(), Texts(3, "No file was selected OR invalid file name was input."));
    QCOMPARE(log.boxes[0].title, std::string("Orvane Personality Test"));
    QCOMPARE(log.boxes[0].flags, 0);
    QCOMPARE(s.test.record.savedq, std::int16_t{0});
    QVERIFY(!orv::AnySavedFile(QCoreApplication::applicationDirPath().toStdString(), 0));
}

void SaveLoadTest::saveCutsTheBaseNameAndReplacesAPickedFile() {
    ProgramFolderFile db("orv0.dll", kFourQuestions);
    ProgramFolderFile old("abc.0", "older content\r\n");
    MessageLog log;
    Started s(0);
    s.AnswerTwo();
    s.Save(QStringLiteral("abc.def.ghi"));
    QCOMPARE(ReadProgramFile(QStringLiteral("abc.0")), MaryBytes());

    s.Answer(1);
    WhenShown<frmSave> chooser([](frmSave& c) {
        ClickEntry(c.File1, QStringLiteral("abc.0"));
        QCOMPARE(c.txtFN->text(), QStringLiteral("abc.0"));
        QTest::mouseClick(c.cmdOK, Qt::LeftButton);
    });
    QTest::mouseClick(s.c().cmdSave, Qt::LeftButton);
    QVERIFY(chooser.shown);
    QCOMPARE(chooser.entries, QStringList{QStringLiteral("abc.0")});
    QVERIFY(log.boxes.empty());  // replaced without a question
    QCOMPARE(ReadProgramFile(QStringLiteral("abc.0")).left(3), QByteArray("4\r\n"));
    QCOMPARE(s.test.record.savedq, std::int16_t{4});
}

void SaveLoadTest::saveWhereNoFileCanBeCreatedKeepsTheOldFile() {
    ProgramFolderFile db("orv0.dll", kFourQuestions);
    const QByteArray old = MaryBytes("2");
    ProgramFolderFile kept("Keep.0", old);
    MessageLog log;
    Started s(0);
    s.AnswerTwo();
    const QStringList before = ProgramFolderNames();
    {
        SavesCannotCreateFiles no_files;
        WhenShown<frmSave> chooser([](frmSave& c) { TypeAndOk(c, QStringLiteral("Keep")); });
        QTest::mouseClick(s.c().cmdSave, Qt::LeftButton);
        QVERIFY(chooser.shown);
        QCOMPARE(no_files.writes, 1);
    }
    QCOMPARE(log.Texts(), Texts{"File could not be saved."});
    QCOMPARE(ReadProgramFile(QStringLiteral("Keep.0")), old);
    QCOMPARE(ProgramFolderNames(), before);  // nothing half-written left
    QVERIFY(!s.c().cmdSave->isEnabled());
    QCOMPARE(s.test.record.savedq, std::int16_t{0});

    // The failed save is not mistaken for a saved test: closing still asks.
    s.test.close();
    QCOMPARE(log.boxes.size(), size_t{2});
    QCOMPARE(log.boxes[1].text, std::string("Would you like to save your responses?"));
}

void SaveLoadTest::saveAndLoadFollowTheTestChosenNow() {
    ProgramFolderFile db("orv0.dll", kFourQuestions);
    ProgramFolderFile zero("zero.0", MaryBytes());
    ProgramFolderFile one("one.1", MaryBytes());
    MessageLog log;
    Started s(0);
    QTest::mouseClick(s.main.Option1[1], Qt::LeftButton);
    WhenShown<frmLoad> load([](frmLoad&) {});
    QTest::mouseClick(s.c().cmdLoad, Qt::LeftButton);
    QCOMPARE(load.entries, QStringList{QStringLiteral("one.1")});
    QCOMPARE(log.Texts(), Texts{"No file was selected."});

    s.AnswerTwo();
    WhenShown<frmSave> save([](frmSave& c) { TypeAndOk(c, QStringLiteral("Switch")); });
    QTest::mouseClick(s.c().cmdSave, Qt::LeftButton);
    QCOMPARE(save.entries, QStringList{QStringLiteral("one.1")});
    QVERIFY(QFile::exists(ProgramFile(QStringLiteral("Switch.1"))));
    QVERIFY(!QFile::exists(ProgramFile(QStringLiteral("Switch.0"))));
}

void SaveLoadTest::loadSaysWhenNoSavedFileIsLeft() {
    ProgramFolderFile db("orv0.dll", kFourQuestions);
    MessageLog log;
    auto saved = std::make_unique<ProgramFolderFile>("gone.0", MaryBytes());
    Started s(0);
    QVERIFY(s.c().cmdLoad->isEnabled());
    saved.reset();
    WhenShown<frmLoad> chooser([](frmLoad&) {});
    QTest::mouseClick(s.c().cmdLoad, Qt::LeftButton);
    QVERIFY(!chooser.shown);
    QCOMPARE(log.Texts(), Texts{"There are no previously saved files."});
    QVERIFY(!s.c().cmdLoad->isEnabled());
}

void SaveLoadTest::loadWithNothingChosenKeepsLoadEnabled() {
    ProgramFolderFile db("orv0.dll", kFourQuestions);
    ProgramFolderFile saved("Mary.0", MaryBytes());
    MessageLog log;
    Started s(0);
    WhenShown<frmLoad> chooser([](frmLoad& c) { QTest::mouseClick(c.cmdOK, Qt::LeftButton); });
    QTest::mouseClick(s.c().cmdLoad, Qt::LeftButton);
    QVERIFY(chooser.shown);
    QCOMPARE(log.Texts(), Texts{"No file was selected."});
    QVERIFY(s.c().cmdLoad->isEnabled());
    QCOMPARE(s.Status(2), QStringLiteral("Question No. 1"));
}

void SaveLoadTest::loadOfARefusedFileChangesNothing() {
    ProgramFolderFile db("orv0.dll", kFourQuestions);
    QByteArray short_file = MaryBytes();
    short_file.chop(3);  // 260 values
    ProgramFolderFile saved("short.0", short_file);
    MessageLog log;
    Started s(0);
    s.test.record.savedq = 7;
    WhenShown<frmLoad> chooser([](frmLoad& c) { PickAndOk(c, QStringLiteral("short.0")); });
    QTest::mouseClick(s.c().cmdLoad, Qt::LeftButton);
    QCOMPARE(log.Texts(), Texts{"File could not be opened."});
    QVERIFY(!s.c().cmdLoad->isEnabled());
    QCOMPARE(s.test.record.savedq, std::int16_t{7});
    QCOMPARE(s.test.record.ans[1], std::int16_t{0});
    QCOMPARE(s.test.record.scount[3], std::int16_t{0});
    QCOMPARE(s.c().lblQ->text(), QStringLiteral("I am always on time."));
    QVERIFY(s.test.IsLoaded());
}

void SaveLoadTest::loadOfAQuestionNeverReachedClosesTheWindow() {
    ProgramFolderFile db("orv0.dll", kFourQuestions);
    ProgramFolderFile saved("early.0", MaryBytes("1"));
    MessageLog log;
    Started s(0);
    WhenShown<frmLoad> chooser([](frmLoad& c) { PickAndOk(c, QStringLiteral("early.0")); });
    QTest::mouseClick(s.c().cmdLoad, Qt::LeftButton);
    QCOMPARE(log.Texts(), (Texts{"E03B: Invalid Database Contents.", "End of file during Load"}));
    QVERIFY(!s.test.IsLoaded());
    QVERIFY(!s.test.isVisible());
}

void SaveLoadTest::loadByTheCloseBoxGoesAhead() {
    ProgramFolderFile db("orv0.dll", kFourQuestions);
    ProgramFolderFile saved("Mary.0", MaryBytes());
    MessageLog log;
    Started s(0);
    WhenShown<frmLoad> chooser([](frmLoad& c) {
        ClickEntry(c.File1, QStringLiteral("Mary.0"));
        c.windowHandle()->close();
    });
    QTest::mouseClick(s.c().cmdLoad, Qt::LeftButton);
    QVERIFY(!chooser.left_open);
    QVERIFY(log.boxes.empty());
    QCOMPARE(s.Status(2), QStringLiteral("Question No. 3"));
}

void SaveLoadTest::closingAsksOnlyMidTestWithUnsavedProgress() {
    ProgramFolderFile db("orv0.dll", kFourQuestions);
    MessageLog log;
    Started s(0);
    s.test.close();  // question 1: nothing to ask
    QVERIFY(log.boxes.empty());

    QTest::mouseClick(s.main.cmdStart, Qt::LeftButton);
    s.Answer(1);
    {
        WhenShown<frmSave> never([](frmSave&) {});
        s.test.close();
        QCOMPARE(log.boxes.size(), size_t{1});
        QCOMPARE(log.boxes[0].text, std::string("Would you like to save your responses?"));
        QCOMPARE(log.boxes[0].title, std::string("Save responses?"));
        QCOMPARE(log.boxes[0].flags, 260);
        QVERIFY(!never.shown);  // No: nothing saved
    }
    QVERIFY(!s.test.IsLoaded());

    QTest::mouseClick(s.main.cmdStart, Qt::LeftButton);
    s.Answer(1);
    s.Save(QStringLiteral("Saved"));
    s.test.close();  // right after a save: nothing to ask
    QCOMPARE(log.boxes.size(), size_t{1});
}

void SaveLoadTest::closingWithYesSavesThroughTheChooser() {
    ProgramFolderFile db("orv0.dll", kFourQuestions);
    MessageLog log;
    log.answers.push_back(orv::app::kResultYes);
    Started s(0);
    s.Answer(0);
    s.Save(QStringLiteral("First"));
    s.Answer(2);  // question 3 of 4, unsaved
    QVERIFY(s.c().cmdSave->isEnabled());
    WhenShown<frmSave> chooser([](frmSave& c) { TypeAndOk(c, QStringLiteral("AtClose")); });
    s.test.close();
    QVERIFY(chooser.shown);
    QCOMPARE(log.Texts(), Texts{"Would you like to save your responses?"});
    QVERIFY(!s.test.IsLoaded());
    QCOMPARE(ReadProgramFile(QStringLiteral("AtClose.0")), MaryBytes());
    QCOMPARE(ReadProgramFile(QStringLiteral("First.0")).left(3), QByteArray("2\r\n"));
    QCOMPARE(s.test.record.savedq, std::int16_t{3});
}

QTEST_MAIN(SaveLoadTest)
#include "ui_save_load_test.moc"
