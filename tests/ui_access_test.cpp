// Every window by keyboard, for screen readers and at any text size: ctest runs
// this at the normal size and with the text half as large again (QT_FONT_DPI=144)
// in a face with taller lines (taller_face.conf).
#include <QAccessible>
#include <QPrinterInfo>
#include <map>

#include "app/core/language.h"
#include "app/form_look.h"
#include "app/help_viewer.h"
#include "app/language.h"
#include "app/saved_files_folder.h"
#include "evaluation/frmEval.h"
#include "evaluation/text_printer.h"
#include "persistence/frmLoad.h"
#include "persistence/frmSave.h"
#include "persistence/saved_file_list.h"
#include "persistence_support.h"
#include "print_jobs.h"
#include "results/frmComparison.h"
#include "results/frmProfile.h"
#include "results/frmResults.h"
#include "results/kept_results_folder.h"
#include "shell/frmAbout.h"
#include "shell/frmInstr.h"
#include "shell/frmTestMain.h"
#include "testing/frmTest.h"
#include "ui_support.h"

using namespace orv::testing;

namespace {

// The room a control has for its text and the room that text takes.
std::pair<QRect, QRect> Rooms(const QWidget* control) {
    const QFontMetrics metrics = control->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return {label->contentsRect(),
                metrics.boundingRect(label->contentsRect(), flags, label->text())};
    }
    if (const auto* radio = qobject_cast<const QRadioButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        const QRect room =
            radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
        return {room, metrics.boundingRect(room, Qt::AlignVCenter, radio->text())};
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin);
        const QRect room = button->rect().marginsRemoved(QMargins(margin, 2, margin, 2));
        return {room, metrics.boundingRect(room, Qt::AlignCenter, button->text())};
    }
    return {};
}

// The visible controls the window itself lays out: not the parts of a list,
// a table or a text box, which lay out their own.
QList<QWidget*> OwnControls(QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        // A window of its own (a note beside the evaluation) is not among them.
        bool own = control->isVisibleTo(&window) && control->window() == &window;
        for (QWidget* up = control->parentWidget(); own && up != &window; up = up->parentWidget()) {
            own = !qobject_cast<QAbstractScrollArea*>(up) && !qobject_cast<QComboBox*>(up);
        }
        if (own)
            controls << control;
    }
    return controls;
}

// Where a control shows itself in its parent: a label its text or its
// picture (the boxes of the design's labels may overlap), anything else its box.
QRect Shown(const QWidget* control) {
    const auto* label = qobject_cast<const QLabel*>(control);
    if (label && label->pixmap().isNull()) {
        return Rooms(label).second.translated(label->pos());
    }
    return control->geometry();
}

// Controls that overlap a control beside them, or run past their parent.
QStringList Overlaps(QWidget& window) {
    QStringList faults;
    const QList<QWidget*> controls = OwnControls(window);
    const auto name = [](const QWidget* w) {
        const QString text =
            QAccessible::queryAccessibleInterface(const_cast<QWidget*>(w))->text(QAccessible::Name);
        return text.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : text;
    };
    for (QWidget* control : controls) {
        if (!Shown(control).isEmpty() &&
            !control->parentWidget()->rect().contains(Shown(control))) {
            faults << name(control) + " runs past its window";
        }
        for (QWidget* other : controls) {
            if (other > control && other->parentWidget() == control->parentWidget() &&
                Shown(control).intersects(Shown(other))) {
                faults << name(control) + " overlaps " + name(other);
            }
        }
    }
    return faults;
}

// Each control of the shown window whose text is cut, that overlaps another
// or that a screen reader cannot name; "" when there is none.
QString Faults(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return "not shown";
    }
    QStringList faults = Overlaps(window);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->window() != &window) {
            continue;
        }
        const QString name =
            QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        const auto [room, need] = Rooms(control);
        // Text, a table or a page that scrolls sideways is cut on the right.
        const auto* area = qobject_cast<const QAbstractScrollArea*>(control);
        const auto* label = qobject_cast<const QLabel*>(control);
        if (!control->isVisibleTo(&window)) {
            continue;
        } else if ((!need.isEmpty() && !room.contains(need)) ||
                   (area && area->horizontalScrollBar()->maximum() > 0)) {
            faults << name + " cut";
        } else if (name.isEmpty() && (control->focusPolicy() & Qt::TabFocus ||
                                      (label && !label->pixmap().isNull()))) {
            faults << QString::fromLatin1(control->metaObject()->className()) + " has no name";
        }
    }
    return faults.join("; ");
}

bool Near(QSize size, QSize design, double scale) {  // rounded
    return qAbs(size.width() - design.width() * scale) <= 0.5 &&
           qAbs(size.height() - design.height() * scale) <= 0.5;
}

// In English as designed; in another language as high and perhaps wider.
bool AsDesigned(QSize size, QSize design, double scale) {
    if (orv::app::RunLanguage() == orv::kEnglish) {
        return Near(size, design, scale);
    }
    return qAbs(size.height() - design.height() * scale) <= 0.5 &&
           size.width() >= design.width() * scale - 0.5;
}

void Press(int key, int times = 1) {  // where the keyboard focus is
    for (int i = 0; i < times; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    }
}

// In the chooser about to show, once it is exposed: the keys, then Return.
void InChooser(const std::function<void(ChooserDialog&)>& keys) {
    QTimer::singleShot(0, [keys] {
        auto* chooser = qobject_cast<ChooserDialog*>(QApplication::activeModalWidget());
        QVERIFY(chooser && QTest::qWaitForWindowExposed(chooser));
        QCoreApplication::processEvents();
        keys(*chooser);
        Press(Qt::Key_Return);
    });
}

// What Process, which holds the focus, tells a screen reader of question `qno` of four.
QString Described(int qno) {
    const QStringList questions = {"I am always on time.", "I keep calm.", "People count on me.",
                                   "My desk is in order."};
    return QStringLiteral("Question No. %1, Questions remaining %2: ").arg(qno).arg(4 - qno) +
           questions[qno - 1];
}

}  // namespace

class AccessTest : public QObject {
    Q_OBJECT
  private slots:
    // The language of the desktop, as the program takes it (ctest sets LANGUAGE).
    void initTestCase() { orv::app::SetUpLanguage(std::nullopt); }

    // Every question of a shipped test, its evaluation and every other window.
    void everyWindowGrowsWithTheTextAndShowsItWhole() {
        QCoreApplication::setAttribute(Qt::AA_Use96Dpi, false);  // QTEST_MAIN's, not the program's
        const double scale = orv::app::FontScale();
        // Large: the text half as large again, its lines a fifth taller for their width.
        QVERIFY2(qEnvironmentVariableIsSet("QT_FONT_DPI") ? scale > 1.5 * 1.2 : scale == 1,
                 QByteArray::number(scale));
        std::vector<std::unique_ptr<ProgramFolderFile>> files;
        for (const char* name : {"orv0.dll", "orvbanner.jpg", "orvportrait.bmp"}) {
            QFile shipped(QStringLiteral(ORV_DATA_DIR "/") + name);
            QVERIFY(shipped.open(QIODevice::ReadOnly));
            files.push_back(std::make_unique<ProgramFolderFile>(name, shipped.readAll()));
        }
        MessageLog log;
        frmTestMain main;
        QCOMPARE(Faults(main), QString());
        QVERIFY(AsDesigned(main.centralWidget()->size(), QSize(608, 396), scale));
        main.Option1[0]->click();
        main.cmdStart->click();
        frmTest& test = main.TestWindow();
        QVERIFY(AsDesigned(test.size(), QSize(624, 441), scale));
        // A screen reader hears no "remaining: 149:" before the question.
        const QString described = test.controls()->cmdProcess->accessibleDescription();
        QVERIFY2(!described.contains(QRegularExpression(": \\d+:")), qPrintable(described));
        for (int qno = 1; test.IsLoaded(); ++qno) {
            QCOMPARE(Faults(test), QString());
            test.controls()->Option1[qno % 3]->click();
            test.controls()->cmdProcess->click();
        }
        std::unique_ptr<frmEval> evaluation(test.EvaluationWindow());
        QCOMPARE(Faults(*evaluation), QString());
        QVERIFY(evaluation->Text1->font().pointSizeF() <= 12);
        evaluation->cmdProfile->click();
        QCOMPARE(Faults(*evaluation->ProfileWindow()), QString());
        frmResults results(orv::results::KeptResultsFolder());
        QCOMPARE(Faults(results), QString());
        const auto listed = orv::ListKeptResults(orv::results::KeptResultsFolder());
        const orv::KeptResult& kept = *listed.at(0).result;
        frmComparison several(
            *orv::CompareSeveral({kept, kept, kept}, orv::EvaluationWords::English()));
        QCOMPARE(Faults(several), QString());

        std::string loadfn;
        frmInstr instr;
        frmAbout about;
        frmLoad load(loadfn);
        frmSave save(loadfn);
        for (QWidget* window : std::initializer_list<QWidget*>{&instr, &about, &load, &save}) {
            QCOMPARE(Faults(*window), QString());
        }
        QVERIFY(Near(about.Image1->pixmap().size(), QSize(302, 52), scale));

        // A real message box with a short text, as wide as its title in bold.
        orv::app::SetMessageBoxHandler({});
        int room = 0;
        QTimer::singleShot(0, [&room] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box && QTest::qWaitForWindowExposed(box));
            QFont bold = box->font();
            bold.setBold(true);
            room = box->width() - QFontMetrics(bold).horizontalAdvance(box->windowTitle());
            box->accept();
        });
        orv::app::MsgBox(nullptr, "File not found.");
        QVERIFY(room > 40);

        // Qt's own dialogs speak the program's language: a question's buttons
        // and the file chooser's labels.
        QString asked;
        QTimer::singleShot(0, [&asked] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box && QTest::qWaitForWindowExposed(box));
            asked = box->text() + "|" + box->button(QMessageBox::Yes)->text() + "|" +
                    box->button(QMessageBox::No)->text();
            box->reject();
        });
        orv::app::MsgBox(nullptr, "Would you like to save your responses?",
                         orv::app::kYesNoDefaultNo);
        QFileDialog chooser;
        chooser.setOption(QFileDialog::DontUseNativeDialog);
        QStringList labels;
        for (const QLabel* label : chooser.findChildren<QLabel*>()) labels << label->text();
        // Qt's words for the languages it has; the program's own for any language.
        const std::map<std::string, QStringList> qt_words = {
            {"en", {"&Yes", "&No", "Look in:"}},
            {"de", {"&Ja", "&Nein", "Suchen in:"}},
            {"fr", {"&Oui", "&Non", "Voir dans :"}},
            {"es", {"&S\u00ed", "&No", "Ver en:"}}};
        const auto words = qt_words.find(orv::app::RunLanguage());
        const QString question =
            QCoreApplication::translate("Message", "Would you like to save your responses?");
        QVERIFY(orv::app::RunLanguage() == orv::kEnglish ||
                question != "Would you like to save your responses?");
        QCOMPARE(asked.section('|', 0, 0), question);
        if (words != qt_words.end()) {
            QCOMPARE(asked.section('|', 1), words->second.mid(0, 2).join('|'));
            QVERIFY(labels.contains(words->second[2]));
        }
        orv::app::HelpViewer viewer;  // the help viewer speaks it too
        viewer.OpenFile(QStringLiteral("/nonexistent/orvtest.hlp"));
        QVERIFY(viewer.browser()->toPlainText().startsWith(
            QCoreApplication::translate("HelpViewer",
                                        "The help file could not be opened.\n\n%1\n\n%2")
                .section('\n', 0, 0)));
    }

    // Choose, start, answer, save, load, read and print by keys: Process
    // describes each question as it comes, after Return and after a load.
    void aWholeTestByKeysAlone() {
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
        Press(Qt::Key_Return);
        frmTest& test = main.TestWindow();
        QTRY_COMPARE(QApplication::focusWidget(), test.controls()->cmdProcess);
        QCOMPARE(test.controls()->cmdProcess->accessibleDescription(), Described(1));

        const int keys[] = {Qt::Key_1, Qt::Key_3, Qt::Key_2, Qt::Key_1};
        const auto answer = [&](int qno) {
            Press(keys[qno - 1]);
            QCOMPARE(test.record.choice, std::int16_t(Qt::Key_3 - keys[qno - 1]));
            Press(qno % 2 ? Qt::Key_Return : Qt::Key_Enter);
            if (qno < 4) {
                QCOMPARE(QApplication::focusWidget(), test.controls()->cmdProcess);
                QCOMPARE(test.controls()->cmdProcess->accessibleDescription(), Described(qno + 1));
            }
        };
        answer(1);
        Press(Qt::Key_Tab, 2);  // past Back to Save; in its chooser on to OK and to the name
        InChooser([](ChooserDialog&) {
            Press(Qt::Key_Tab, 2);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Keys"));
        });
        Press(Qt::Key_Return);
        QCOMPARE(ReadBytes(saved.path().toStdString()).substr(0, 3), std::string("2\r\n"));
        test.activateWindow();  // as the desktop does when a dialog closes
        QTRY_COMPARE(QApplication::focusWidget(), test.controls()->cmdProcess);
        answer(2);
        answer(3);
        // Back by key, then by button down to the first question, where Back
        // goes off: the question again, its answer selected, which Return
        // takes as it stands; the evaluation is the same. The keys go on
        // from Process, never from the disabled Back.
        for (int qno = 3; qno >= 1; --qno) {
            const frmTest::Controls& c = *test.controls();
            qno == 3 ? QTest::keyClick(c.cmdProcess, Qt::Key_Left, Qt::AltModifier)
                     : QTest::mouseClick(c.cmdBack, Qt::LeftButton);
            QVERIFY(c.Option1[Qt::Key_3 - keys[qno - 1]]->isChecked());
            QTRY_COMPARE(QApplication::focusWidget(), c.cmdProcess);
            // The status lines and the question, as Process describes them.
            QCOMPARE(c.cmdProcess->accessibleDescription(), Described(qno));
        }
        QVERIFY(!test.controls()->cmdBack->isEnabled());
        Press(Qt::Key_Return);
        answer(2);
        answer(3);
        answer(4);
        QPointer<frmEval> evaluation = test.EvaluationWindow();
        QVERIFY(evaluation && QTest::qWaitForWindowActive(evaluation));
        const std::string taken = evaluation->Evaluation();
        QCOMPARE(QApplication::focusWidget(), evaluation->Text1);
        Press(Qt::Key_PageDown);
        QVERIFY(evaluation->Text1->textCursor().position() > 0);
        const OwnPrintJobs jobs;
        orv::evaluation::SetPrinterFactory([&] { return jobs.Printer(); });
        Press(Qt::Key_Tab, 2);  // past Profile to Print
        Press(Qt::Key_Return);
        orv::evaluation::SetPrinterFactory({});
        QTRY_COMPARE_WITH_TIMEOUT(jobs.States(), printer ? QStringList{"completed"} : QStringList(),
                                  60000);
        QFile::remove(jobs.Pdf());
        Press(Qt::Key_Tab);  // Quit
        Press(Qt::Key_Return);
        QTRY_VERIFY(evaluation.isNull());

        // Start again and load: Tab to Load; in its chooser Down picks the first file.
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        Press(Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), test.controls()->cmdProcess);
        Press(Qt::Key_Tab);
        InChooser([](ChooserDialog& chooser) {
            Press(Qt::Key_Down);
            QCOMPARE(QApplication::focusWidget(), chooser.File1);
        });
        Press(Qt::Key_Return);
        test.activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), test.controls()->cmdProcess);
        QCOMPARE(test.controls()->cmdProcess->accessibleDescription(), Described(2));
        for (int qno = 2; qno <= 4; ++qno) {
            answer(qno);
        }
        std::unique_ptr<frmEval> again(test.EvaluationWindow());
        QVERIFY(again && again->Evaluation() == taken);
        const std::vector<std::string> no_printer = {
            "No printer is available. The evaluation was not printed."};
        QCOMPARE(log.Texts(), printer ? std::vector<std::string>() : no_printer);
    }
};

QTEST_MAIN(AccessTest)
#include "ui_access_test.moc"
