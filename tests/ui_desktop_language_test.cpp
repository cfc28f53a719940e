// The language a run takes from the desktop, as ctest gives it (LANGUAGE,
// and the language the run must take in ORV_EXPECTED_LANGUAGE): the test's
// questions and the help come in that language, not only the window texts.
#include <QtTest>
#include <QtWidgets>
#include <optional>

#include "app/language.h"
#include "app/open_external.h"
#include "evaluation/language_words.h"
#include "shell/frmTestMain.h"
#include "testing/frmTest.h"
#include "ui_support.h"

using orv::testing::MessageLog;
using orv::testing::ProgramFolderFile;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The question of a database's first record, read as the file stands.
QString FirstQuestion(const QString& database, bool utf8) {
    const QByteArray line = ReadAll(database).split('\n').value(1).chopped(1);
    const QByteArray question = line.mid(line.indexOf("\t.") + 2);
    return utf8 ? QString::fromUtf8(question) : QString::fromLatin1(question);
}

}  // namespace

class DesktopLanguageTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { orv::app::SetUpLanguage(std::nullopt); }

    void theTestAndTheHelpComeInTheDesktopsLanguage() {
        const std::string expected = qEnvironmentVariable("ORV_EXPECTED_LANGUAGE").toStdString();
        QCOMPARE(orv::app::RunLanguage(), expected);
        const bool english = expected == "en";
        const QString folder = english ? QString() : "/" + QString::fromStdString(expected);
        ProgramFolderFile database("orv0.dll", ReadAll(ORV_DATA_DIR "/orv0.dll"));
        MessageLog log;
        frmTestMain main;
        main.Option1[0]->click();
        main.cmdStart->click();
        QCOMPARE(main.TestWindow().controls()->lblQ->text(),
                 FirstQuestion(ORV_DATA_DIR + folder + "/orv0.dll", !english));
        std::string launched;
        orv::app::SetLauncher([&](const orv::app::LaunchRequest& r) { launched = r.command_line; });
        main.Command1->click();
        orv::app::SetLauncher({});
        QCOMPARE(QString::fromStdString(launched),
                 "winhelp " + QCoreApplication::applicationDirPath() + folder + "/orvtest.hlp");
        main.TestWindow().close();
        QCOMPARE(log.boxes.size(), size_t{0});
    }

    // A words file with a broken line is named with its line, once, and its
    // words are English.
    void aFaultyWordsFileIsNamedWithItsLineOnceAndEnglishTakesItsPlace() {
        if (orv::app::RunLanguage() != "en") {
            QSKIP("the message is checked in English");
        }
        const QString program = QCoreApplication::applicationDirPath();
        QVERIFY(QDir(program).mkpath("eo"));
        ProgramFolderFile words("eo/evaluation.words", "# Esperanto\n\nopening\t\"Vi estas \n");
        MessageLog log;
        orv::evaluation::SetUpWords("eo");
        orv::evaluation::SetUpWords("eo");
        QDir(program + "/eo").removeRecursively();
        QCOMPARE(log.Texts(), std::vector<std::string>{
                                  "The words of the evaluation in this language are faulty; the "
                                  "evaluation uses English words.\n" +
                                  (program + "/eo/evaluation.words").toStdString() +
                                  ": line 3: the words of \"opening\" must stand in double "
                                  "quotes, without tabs"});
        QCOMPARE(orv::evaluation::WordsOf("eo").Word("opening"), std::string("You are "));
    }
};

QTEST_MAIN(DesktopLanguageTest)
#include "ui_desktop_language_test.moc"
