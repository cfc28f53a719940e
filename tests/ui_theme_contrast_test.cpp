// Every window's texts and keyboard focus against what lies behind them, as
// the rendered pixels show them: under the default style, a dark one and a
// high-contrast one, and after a change of style while the windows are open.
#include <QStyleFactory>
#include <cmath>
#include <map>

#include "app/help_viewer.h"
#include "app/saved_files_folder.h"
#include "evaluation/frmEval.h"
#include "persistence/frmLoad.h"
#include "persistence/frmSave.h"
#include "persistence/saved_file_list.h"
#include "persistence_support.h"
#include "results/core/kept_results.h"
#include "results/frmProfile.h"
#include "results/frmResults.h"
#include "results/kept_results_folder.h"
#include "results/profile_chart.h"
#include "shell/frmAbout.h"
#include "shell/frmInstr.h"
#include "shell/frmTestMain.h"
#include "testing/frmTest.h"
#include "ui_support.h"

using namespace orv::testing;

namespace {

double Luminance(QRgb colour) {  // WCAG 2.1's relative luminance
    const auto linear = [](int part) {
        const double s = part / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

double Contrast(QRgb a, QRgb b) {
    const double one = Luminance(a), other = Luminance(b);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

// Whether `colour` lies between `back` and `ink`, as the smoothed edges of
// letters in `ink` do.
bool Blend(QRgb colour, QRgb back, QRgb ink) {
    const int parts[3][3] = {{qRed(colour), qRed(back), qRed(ink)},
                             {qGreen(colour), qGreen(back), qGreen(ink)},
                             {qBlue(colour), qBlue(back), qBlue(ink)}};
    double share = -1;
    for (const auto& [c, b, i] : parts) {
        if (std::abs(i - b) < 8) {
            if (std::abs(c - b) > 8)
                return false;
        } else if (share < 0) {
            share = double(c - b) / (i - b);
        } else if (std::abs(c - b - share * (i - b)) > 8) {
            return false;
        }
    }
    return share >= 0 && share <= 1;
}

// The commonest colour of the area is its background; its texts, the colours
// that stand out from it and are not the smoothed edge of a stronger one, as
// far as they make up a fiftieth of what stands out (or are the commonest).
// The weakest of them; 1 when nothing stands out.
double TextContrast(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y)];
    const QRgb back = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                          return a.second < b.second;
                      })->first;
    std::vector<std::tuple<double, QRgb, int>> inks;  // strongest first
    int standing_out = 0;
    for (const auto& [colour, count] : counts)
        if (Contrast(colour, back) >= 1.5)
            standing_out += count, inks.push_back({Contrast(colour, back), colour, count});
    std::sort(inks.rbegin(), inks.rend());
    std::vector<std::pair<double, int>> texts;
    for (std::size_t i = 0; i < inks.size(); ++i) {
        const auto& [ratio, colour, count] = inks[i];
        if (std::none_of(inks.begin(), inks.begin() + i,
                         [&](auto& ink) { return Blend(colour, back, std::get<1>(ink)); }))
            texts.push_back({ratio, count});
    }
    int commonest = 0;
    for (const auto& text : texts) commonest = std::max(commonest, text.second);
    double weakest = standing_out ? 21 : 1;
    for (const auto& [ratio, count] : texts)
        if (count * 50 >= standing_out || count == commonest)
            weakest = std::min(weakest, ratio);
    return weakest;
}

// Where a control shows its texts, by name, in its own coordinates.
std::vector<std::pair<QString, QRect>> TextAreas(QWidget* w) {
    std::vector<std::pair<QString, QRect>> areas;
    const QFontMetrics metrics = w->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        areas.push_back(
            {label->text(), metrics.boundingRect(label->contentsRect(), flags, label->text())});
    } else if (auto* button = qobject_cast<QAbstractButton*>(w);
               button && !button->text().isEmpty()) {
        QRect room = button->rect();
        Qt::Alignment align = Qt::AlignCenter;
        if (!qobject_cast<QPushButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(button);
            room = w->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, w);
            align = Qt::AlignLeft | Qt::AlignVCenter;
        }
        const QString text = QString(button->text()).remove('&');
        areas.push_back({text, metrics.boundingRect(room, int(align), text).intersected(room)});
    } else if (qobject_cast<QMenuBar*>(w) || qobject_cast<QMenu*>(w)) {
        for (QAction* action : w->actions()) {
            const QRect at = qobject_cast<QMenuBar*>(w)
                                 ? static_cast<QMenuBar*>(w)->actionGeometry(action)
                                 : static_cast<QMenu*>(w)->actionGeometry(action);
            if (!action->isSeparator())
                areas.push_back({action->text().remove('&'), at.adjusted(2, 2, -2, -2)});
        }
    } else if (auto* header = qobject_cast<QHeaderView*>(w)) {
        for (int i = 0; i < header->count(); ++i)
            areas.push_back({header->model()->headerData(i, Qt::Horizontal).toString(),
                             QRect(header->sectionViewportPosition(i), 0, header->sectionSize(i),
                                   header->height())
                                 .adjusted(2, 2, -2, -2)});
    } else if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
        for (int row = 0; row < std::min(3, view->model()->rowCount()); ++row)
            for (int column = 0; column < view->model()->columnCount(); ++column) {
                const QModelIndex index = view->model()->index(row, column);
                const QString selected =
                    view->selectionModel()->isSelected(index) ? "selected: " : "";
                if (view->viewport()->rect().contains(view->visualRect(index)))  // shown whole
                    areas.push_back({selected + index.data().toString(),
                                     view->visualRect(index).translated(view->viewport()->pos())});
            }
    } else if (qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w)) {
        areas.push_back(
            {w->accessibleName(), static_cast<QAbstractScrollArea*>(w)->viewport()->geometry()});
    } else if (qobject_cast<ProfileChart*>(w)) {  // the scales' names
        areas.push_back(
            {"chart's names", QRect(4, w->height() / 8, w->width() / 6, w->height() * 3 / 4)});
    }
    return areas;
}

struct Measure {
    QString window, control;
    double ratio;
};

// The texts of the shown window, measured while it is not the active window.
std::vector<Measure> TextsOf(QWidget& window, const QString& name) {
    std::vector<Measure> measures;
    const QImage image = window.grab().toImage();
    const QList<QWidget*> controls = window.findChildren<QWidget*>() << &window;
    for (QWidget* control : controls) {
        if (!control->isVisibleTo(&window) || !control->isEnabled() || control->window() != &window)
            continue;  // the guidelines leave out the texts of inactive controls; other windows
        const QPoint at = control->mapTo(&window, QPoint());
        QRect shown(at, control->size());  // what its parents (a scrolled area) leave in view
        for (QWidget* parent = control; parent != &window; parent = parent->parentWidget())
            shown &= QRect(parent->mapTo(&window, QPoint()), parent->size());
        for (const auto& [text, area] : TextAreas(control))
            if (!area.isEmpty() && shown.contains(area.translated(at)))
                measures.push_back(
                    {name, text.isEmpty() ? control->metaObject()->className() : text.left(40),
                     TextContrast(image, area.translated(at))});
    }
    return measures;
}

// How the focus shows on each control that takes it: the pixels that the
// focus changes against the commonest colour around them before; the
// contrast that a line along the control's shorter side of them reaches.
std::vector<Measure> FocusOf(QWidget& window, const QString& name) {
    std::vector<Measure> measures;
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return {{name, "not active", 0}};
    QList<QWidget*> chain;
    for (QWidget* w = window.nextInFocusChain(); w != &window && !chain.contains(w);
         w = w->nextInFocusChain())
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            chain << w;
    for (int i = 0; chain.size() > 1 && i < chain.size(); ++i) {
        QWidget* control = chain[i];
        const QRect area(control->mapTo(&window, QPoint()), control->size());
        chain[(i + 1) % chain.size()]->setFocus(Qt::TabFocusReason);
        const QImage off = window.grab(area.adjusted(-3, -3, 3, 3)).toImage();
        control->setFocus(Qt::TabFocusReason);
        const QImage on = window.grab(area.adjusted(-3, -3, 3, 3)).toImage();
        std::map<QRgb, int> counts;
        for (int y = 0; y < off.height(); ++y)
            for (int x = 0; x < off.width(); ++x) ++counts[off.pixel(x, y)];
        const QRgb around = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                                return a.second < b.second;
                            })->first;
        std::vector<double> ratios{1};
        for (int y = 0; y < on.height(); ++y)
            for (int x = 0; x < on.width(); ++x)
                if (on.pixel(x, y) != off.pixel(x, y))
                    ratios.push_back(
                        std::min(Contrast(on.pixel(x, y), off.pixel(x, y)) > 1.2 ? 21.0 : 1.0,
                                 Contrast(on.pixel(x, y), around)));
        std::sort(ratios.rbegin(), ratios.rend());
        const QString label = control->accessibleName().isEmpty()
                                  ? control->metaObject()->className()
                                  : control->accessibleName();
        measures.push_back(
            {name, "focus: " + label,
             ratios[std::min<std::size_t>(ratios.size() - 1, std::min(on.width(), on.height()))]});
    }
    return measures;
}

// A style with its own colours, as a desktop changes both; false when the
// style is not installed (adwaita-qt6).
bool UseStyle(const QString& name) {
    QStyle* style = QStyleFactory::create(name);
    QApplication::setStyle(style);
    QApplication::setPalette(QApplication::style()->standardPalette());
    return style != nullptr;
}

// Two results of the test of four questions, taken in the program and kept
// again as ended at fixed moments, so that their windows look the same on every run.
std::vector<orv::KeptResult> KeptAtFixedMoments() {
    std::vector<orv::KeptResult> kept;
    const std::string folder = orv::results::KeptResultsFolder();
    for (const orv::ListedResult& listed : orv::ListKeptResults(folder))
        kept.push_back(*listed.result);
    std::filesystem::remove_all(folder);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        kept[i].ended = orv::LocalTimeAt(1700000000 + 86400 * std::int64_t(i));
        orv::KeepResult(folder, kept[i]);
    }
    return kept;
}

}  // namespace

class ThemeContrastTest : public QObject {
    Q_OBJECT
  private slots:
    void everyTextStandsOutUnderEveryStyle_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<double>("least");
        QTest::newRow("default") << "Fusion" << 4.5;
        QTest::newRow("dark") << "Adwaita-Dark" << 4.5;
        QTest::newRow("high contrast") << "Adwaita-HighContrastInverse" << 7.0;
    }

    void everyTextStandsOutUnderEveryStyle() {
        QFETCH(QString, style);
        QFETCH(double, least);
        QVERIFY2(UseStyle(style), qPrintable(style));
        std::filesystem::remove_all(orv::results::KeptResultsFolder());
        ProgramFolderFile test_file(QStringLiteral("orv0.dll"), kFourQuestions);
        ProgramFolderFile saved(QStringLiteral("Mary.0"),
                                QByteArray::fromStdString(MaryFileBytes()));
        QWidget elsewhere;  // active while the texts are measured
        elsewhere.setGeometry(0, 0, 10, 10);
        std::vector<Measure> measures;
        const auto measure = [&](QWidget& window, const QString& name) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            if (qEnvironmentVariableIsSet("ORV_THEME_SHOTS"))
                window.grab().save(qEnvironmentVariable("ORV_THEME_SHOTS") + "/" + style + "-" +
                                   name + ".png");
            elsewhere.show();
            elsewhere.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
            for (const Measure& m : TextsOf(window, name)) measures.push_back(m);
            for (const Measure& m : FocusOf(window, name)) measures.push_back(m);
        };

        frmTestMain main;
        measure(main, "main");
        main.Language->popup(main.geometry().center());
        QVERIFY(QTest::qWaitForWindowExposed(main.Language));
        for (const Measure& m : TextsOf(*main.Language, "Language menu")) measures.push_back(m);
        main.Language->hide();
        std::string loadfn;
        frmInstr instr;
        measure(instr, "instructions");
        frmAbout about;
        measure(about, "about");
        frmLoad load(loadfn);
        frmSave save(loadfn);
        for (ChooserDialog* chooser : std::initializer_list<ChooserDialog*>{&load, &save}) {
            chooser->File1->SetFolder(orv::app::SavedFilesFolder());
            chooser->File1->Refresh();
            measure(*chooser, chooser == &load ? "load" : "save");
        }
        orv::app::SetMessageBoxHandler({});
        QTimer::singleShot(0, [&] {
            measure(*QApplication::activeModalWidget(), "message box");
            QApplication::activeModalWidget()->close();
        });
        orv::app::MsgBox(nullptr, "File not found.");
        MessageLog log;

        for (int run = 0; run < 2; ++run) {
            main.Option1[0]->click();
            main.cmdStart->click();
            const frmTest::Controls& c = *main.TestWindow().controls();
            for (int qno = 0; qno < 4; ++qno) {
                c.Option1[qno % 3]->click();
                if (run + qno == 0)
                    measure(main.TestWindow(), "question");
                c.cmdProcess->click();
            }
        }
        const std::unique_ptr<frmEval> evaluation(main.TestWindow().EvaluationWindow());
        QVERIFY2(evaluation, log.Texts().empty() ? "" : log.Texts().front().c_str());
        QTest::qWait(300);  // the styles' fading in of the buttons just enabled
        measure(*evaluation, "evaluation");
        const std::vector<orv::KeptResult> kept = KeptAtFixedMoments();
        QCOMPARE(kept.size(), std::size_t{2});
        frmResults results(orv::results::KeptResultsFolder());
        measure(results, "results");
        frmProfile profile(kept[0], &kept[1]);
        measure(profile, "profile");
        orv::app::HelpViewer help;
        help.OpenFile(QStringLiteral(ORV_DATA_DIR "/orvtest.hlp"));
        measure(help, "help");

        std::sort(measures.begin(), measures.end(),
                  [](auto& a, auto& b) { return a.ratio < b.ratio; });
        QStringList faults[3];  // texts, selected texts, focus frames
        for (const Measure& m : measures) {
            const int kind = m.control.startsWith("selected: ") ? 1
                             : m.control.startsWith("focus: ")  ? 2
                                                                : 0;
            qInfo("%s | %s | %s | %.2f", qPrintable(style), qPrintable(m.window),
                  qPrintable(m.control), m.ratio);
            if (m.ratio < (kind == 2 ? 3.0 : least))
                faults[kind]
                    << QString("%1, %2: %3:1").arg(m.window, m.control).arg(m.ratio, 0, 'f', 2);
        }
        QVERIFY2(faults[0].isEmpty(), qPrintable(faults[0].join("; ")));
        // Short of the mark in the light design, which stays pixel for pixel
        // as it is: Fusion's selection (3.7:1) and focus frames (under 3:1,
        // none on a text box).
        QEXPECT_FAIL("default", "Fusion's selection colours", Continue);
        QVERIFY2(faults[1].isEmpty(), qPrintable(faults[1].join("; ")));
        QEXPECT_FAIL("default", "Fusion's focus frames", Continue);
        QVERIFY2(faults[2].isEmpty(), qPrintable(faults[2].join("; ")));
    }

    // Open windows follow a change of the desktop's colours, and back.
    void openWindowsFollowAChangeOfStyle() {
        QVERIFY(UseStyle("Fusion"));
        frmTestMain main;
        orv::app::HelpViewer help;
        help.OpenFile(QStringLiteral(ORV_DATA_DIR "/orvtest.hlp"));
        QImage light[2];
        QWidget* windows[2] = {&main, &help};
        for (int i = 0; i < 2; ++i) {
            windows[i]->show();
            QVERIFY(QTest::qWaitForWindowExposed(windows[i]));
            if (QWidget* focus = windows[i]->focusWidget())
                focus->clearFocus();  // see below
            light[i] = windows[i]->grab().toImage();
        }
        QVERIFY(UseStyle("Adwaita-Dark"));
        QTest::qWait(300);  // the style's fading in of the buttons
        QStringList faults;
        for (QWidget* window : windows)
            for (const Measure& m : TextsOf(*window, window->windowTitle()))
                if (m.ratio < 4.5)
                    faults << m.control + QString(": %1:1").arg(m.ratio, 0, 'f', 2);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        QVERIFY(UseStyle("Fusion"));
        QCoreApplication::processEvents();  // a change of style hides the focus frames
        for (int i = 0; i < 2; ++i) QVERIFY(windows[i]->grab().toImage() == light[i]);
    }
};

QTEST_MAIN(ThemeContrastTest)
#include "ui_theme_contrast_test.moc"
