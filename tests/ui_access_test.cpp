// Every window by keyboard, for screen readers and at any text size. ctest runs
// this twice: at the normal text size and with the text half as large again
// (QT_FONT_DPI=144, ui_access_large_text_test).
#include <QAccessible>
#include <QPrinterInfo>
#include <QProcess>

#include "app/form_look.h"
#include "app/help_viewer.h"
#include "evaluation/core/evaluation_text.h"
#include "evaluation/frmEval.h"
#include "persistence/frmLoad.h"
#include "persistence/frmSave.h"
#include "persistence/saved_file_list.h"
#include "persistence_support.h"
#include "shell/frmAbout.h"
#include "shell/frmInstr.h"
#include "shell/frmTestMain.h"
#include "testing/frmTest.h"
#include "ui_support.h"

using namespace orv::testing;

namespace {

const bool kLargeText = qEnvironmentVariableIsSet("QT_FONT_DPI");

// Why the control's text is not drawn whole inside it; empty when it is.
QString TextCut(const QWidget* control) {
    const QFontMetrics metrics = control->fontMetrics();
    QRect room, need;
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty()) {
            return {};
        }
        room = label->contentsRect();
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
        need = metrics.boundingRect(room, int(label->alignment()) | wrap, label->text());
    } else if (const auto* radio = qobject_cast<const QRadioButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        room = radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
        need = metrics.boundingRect(room, Qt::AlignLeft | Qt::AlignVCenter, radio->text());
    } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin);
        room = button->rect().marginsRemoved(QMargins(margin, 2, margin, 2));
        need = metrics.boundingRect(room, Qt::AlignCenter, button->text());
    } else if (const auto* list = qobject_cast<const QListWidget*>(control)) {
        room = list->viewport()->rect();
        for (int row = 0; row < list->count(); ++row) {
            need |= list->visualItemRect(list->item(row));
            need.setWidth(
                std::max(need.width(), metrics.horizontalAdvance(list->item(row)->text())));
        }
    } else if (const auto* text = qobject_cast<const QPlainTextEdit*>(control)) {
        return text->horizontalScrollBar()->maximum() == 0 ? QString() : "scrolls sideways";
    } else {
        return {};
    }
    return room.contains(need) ? QString()
                               : QStringLiteral("needs %1x%2, has %3x%4")
                                     .arg(need.width())
                                     .arg(need.height())
                                     .arg(room.width())
                                     .arg(room.height());
}

// Each control of the shown window that is cut, or that a screen reader
// cannot name.
QStringList Faults(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return {"not shown"};
    }
    QStringList faults;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || control->inherits("QScrollBar")) {
            continue;
        }
        const QString name =
            QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        const QString what = QString::fromLatin1(control->metaObject()->className()) + " " + name;
        if (const QString cut = TextCut(control); !cut.isEmpty()) {
            faults << what + ": " + cut;
        }
        const auto* label = qobject_cast<const QLabel*>(control);
        const bool picture = label != nullptr && !label->pixmap().isNull();
        if (name.isEmpty() && (control->focusPolicy() & Qt::TabFocus || picture)) {
            faults << what + ": no accessible name";
        }
    }
    return faults;
}

#define VERIFY_WHOLE(window)                                       \
    do {                                                           \
        const QStringList faults = Faults(window);                 \
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; "))); \
    } while (false)

bool Near(QSize size, QSize design, double scale) {
    return qAbs(size.width() - design.width() * scale) <= 1 &&
           qAbs(size.height() - design.height() * scale) <= 1;
}

int PrintJobs() {
    QProcess listing;
    listing.start(QStringLiteral("lpstat"), {"-W", "all", "-o"});
    listing.waitForFinished();
    return int(listing.readAllStandardOutput().count('\n'));
}

// Keys go where the keyboard focus is.
void Press(int key, int count = 1) {
    for (int i = 0; i < count; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    }
}

// What a screen reader reads with Process, which has the focus, when question
// `qno` of the four is on screen.
QString Described(int qno) {
    const char* questions[] = {"I am always on time.", "I keep calm.", "People count on me.",
                               "My desk is in order."};
    return QStringLiteral("Question No. %1, Questions remaining %2: %3")
        .arg(qno)
        .arg(4 - qno)
        .arg(questions[qno - 1]);
}

}  // namespace

class AccessTest : public QObject {
    Q_OBJECT
  private slots:
    void everyWindowGrowsWithTheTextAndShowsItWhole();
    void aWholeTestByKeysAlone();
};

// Every question of a shipped test, the evaluation of its answers and every
// other window: each text whole, each control named, the design's
// proportions kept.
void AccessTest::everyWindowGrowsWithTheTextAndShowsItWhole() {
    const double scale = orv::app::FontScale();
    QVERIFY(kLargeText ? qAbs(scale - 1.5) < 0.1 : scale == 1.0);
    std::vector<std::unique_ptr<ProgramFolderFile>> files;
    for (const char* name : {"orv0.dll", "orvbanner.jpg", "orvportrait.bmp", "orvtest.hlp"}) {
        QFile shipped(QStringLiteral(ORV_DATA_DIR "/") + name);
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        files.push_back(std::make_unique<ProgramFolderFile>(name, shipped.readAll()));
    }
    ProgramFolderFile saved(QStringLiteral("Earlier.0"), "");
    MessageLog log;
    frmTestMain main;
    main.show();
    VERIFY_WHOLE(main);
    QVERIFY(Near(main.centralWidget()->size(), QSize(608, 396), scale));
    main.Option1[0]->click();
    main.cmdStart->click();
    frmTest& test = main.TestWindow();
    QVERIFY(Near(test.size(), QSize(624, 441), scale));
    for (int qno = 1; test.IsLoaded(); ++qno) {
        VERIFY_WHOLE(test);
        test.controls()->Option1[qno % 3]->click();
        test.controls()->cmdProcess->click();
    }
    std::unique_ptr<frmEval> evaluation(test.EvaluationWindow());
    QVERIFY(Near(evaluation->size(), QSize(619, 422), scale));
    VERIFY_WHOLE(*evaluation);
    QVERIFY(evaluation->Text1->font().pointSizeF() <= 12);

    std::string loadfn;
    frmInstr instr;
    frmAbout about;
    frmLoad load(loadfn);
    frmSave save(loadfn);
    for (ChooserDialog* chooser : std::initializer_list<ChooserDialog*>{&load, &save}) {
        chooser->File1->SetFolder(orv::app::ProgramFolder());
    }
    for (QWidget* window : std::initializer_list<QWidget*>{&instr, &about, &load, &save}) {
        VERIFY_WHOLE(*window);
    }
    QVERIFY(Near(load.size(), QSize(298, 185), scale));
    QVERIFY(Near(about.Image1->pixmap().size(), QSize(302, 52), scale));
    orv::app::HelpViewer help;
    help.OpenFile(files.back()->path());
    auto* document = QAccessible::queryAccessibleInterface(help.browser());
    QCOMPARE(document->role(), QAccessible::Document);
    QCOMPARE(document->text(QAccessible::Name), "Introduction to Personality Analysis");
    QVERIFY(document->textInterface()->text(0, 12) == "Introduction");

    // A real message box, as wide as its whole title.
    orv::app::SetMessageBoxHandler({});
    QStringList box_faults;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box && QTest::qWaitForWindowExposed(box));
        QFont bold = box->font();
        bold.setBold(true);
        if (box->width() < QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 40) {
            box_faults << "title cut";
        }
        box_faults << TextCut(box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")));
        box->accept();
    });
    orv::app::MsgBox(nullptr, "Select a test before pressing START");
    QCOMPARE(box_faults, QStringList({""}));
}

void AccessTest::aWholeTestByKeysAlone() {
    ProgramFolderFile database(QStringLiteral("orv0.dll"), kFourQuestions);
    ProgramFolderFile saved(QStringLiteral("Keys.0"), "");
    MessageLog log;
    const bool printer = !QPrinterInfo::defaultPrinter().isNull();
    frmTestMain main;
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QCOMPARE(QApplication::focusWidget(), main.Option1[0]);
    Press(Qt::Key_Space);
    Press(Qt::Key_Tab);  // the options are one stop
    QCOMPARE(QApplication::focusWidget(), main.cmdStart);
    Press(Qt::Key_Return);
    frmTest& test = main.TestWindow();
    const QPushButton* process = test.controls()->cmdProcess;
    QTRY_COMPARE(QApplication::focusWidget(), process);
    QCOMPARE(process->accessibleDescription(), Described(1));

    // Keys 1, 2, 3 and Return answer a question; Process describes the next.
    const int keys[] = {Qt::Key_1, Qt::Key_3, Qt::Key_2, Qt::Key_1};
    const auto answer = [&](int qno) {
        Press(keys[qno - 1]);
        QCOMPARE(test.record.choice,
                 std::int16_t(keys[qno - 1] == Qt::Key_1 ? 2 : Qt::Key_3 - keys[qno - 1]));
        Press(qno % 2 ? Qt::Key_Return : Qt::Key_Enter);
        if (qno < 4) {
            QCOMPARE(QApplication::focusWidget(), test.controls()->cmdProcess);
            QCOMPARE(test.controls()->cmdProcess->accessibleDescription(), Described(qno + 1));
        }
    };
    answer(1);

    // Save under a typed name: Tab to Save, in the chooser Tab twice to the name.
    Press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), test.controls()->cmdSave);
    QTimer::singleShot(0, [] {
        auto* chooser = qobject_cast<frmSave*>(QApplication::activeModalWidget());
        QVERIFY(chooser && QTest::qWaitForWindowExposed(chooser));
        QCoreApplication::processEvents();
        Press(Qt::Key_Tab, 2);
        QTest::keyClicks(chooser->txtFN, QStringLiteral("Keys"));
        Press(Qt::Key_Return);
    });
    Press(Qt::Key_Return);
    QCOMPARE(ReadBytes(saved.path().toStdString()).substr(0, 3), std::string("2\r\n"));
    test.activateWindow();  // as the desktop does when a dialog closes
    QTRY_COMPARE(QApplication::focusWidget(), test.controls()->cmdProcess);
    for (int qno = 2; qno <= 4; ++qno) {
        answer(qno);
    }
    QPointer<frmEval> evaluation = test.EvaluationWindow();
    QVERIFY(evaluation && QTest::qWaitForWindowActive(evaluation));
    const std::string taken = evaluation->Evaluation();

    // Read it, print it, quit it: Tab to Print and on to Quit.
    QCOMPARE(QApplication::focusWidget(), evaluation->Text1);
    Press(Qt::Key_PageDown);
    QVERIFY(evaluation->Text1->textCursor().position() > 0);
    const int jobs = PrintJobs();
    Press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), evaluation->cmdPrint);
    Press(Qt::Key_Return);
    if (printer) {
        QTRY_VERIFY_WITH_TIMEOUT(PrintJobs() > jobs, 30000);
    }
    Press(Qt::Key_Tab);
    Press(Qt::Key_Return);
    QTRY_VERIFY(evaluation.isNull());

    // Again from Start, now loading the saved test: Tab to Load, Down picks the
    // first file, Return takes it; the question loaded is described.
    main.activateWindow();  // as the desktop does when a window closes
    QVERIFY(QTest::qWaitForWindowActive(&main));
    Press(Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), test.controls()->cmdProcess);
    Press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), test.controls()->cmdLoad);
    QTimer::singleShot(0, [] {
        auto* chooser = qobject_cast<frmLoad*>(QApplication::activeModalWidget());
        QVERIFY(chooser && QTest::qWaitForWindowExposed(chooser));
        QCoreApplication::processEvents();
        Press(Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), chooser->File1);
        QCOMPARE(chooser->selname, std::string("Keys.0"));
        Press(Qt::Key_Return);
    });
    Press(Qt::Key_Return);
    test.activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), test.controls()->cmdProcess);
    QCOMPARE(test.controls()->cmdProcess->accessibleDescription(), Described(2));
    for (int qno = 2; qno <= 4; ++qno) {
        answer(qno);
    }
    evaluation = test.EvaluationWindow();
    QVERIFY(evaluation != nullptr);
    QCOMPARE(evaluation->Evaluation(), taken);
    delete evaluation;
    const std::vector<std::string> no_printer = {
        "No printer is available. The evaluation was not printed."};
    QCOMPARE(log.Texts(), printer ? std::vector<std::string>() : no_printer);
}

QTEST_MAIN(AccessTest)
#include "ui_access_test.moc"
