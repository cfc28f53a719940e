#include "results/frmProfile.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/core/app_title.h"
#include "app/fit_texts.h"
#include "app/form_look.h"
#include "app/message_box.h"
#include "app/settings_file.h"
#include "evaluation/language_words.h"
#include "evaluation/text_printer.h"
#include "results/core/scale_order.h"
#include "results/figures_table_look.h"
#include "results/pdf_export.h"
#include "results/profile_chart.h"
#include "results/result_document.h"
#include "results/result_names.h"
#include "results/scale_meaning_pane.h"

namespace app = orv::app;
namespace evaluation = orv::evaluation;

namespace {

constexpr const char* kNoPrinter =
    QT_TRANSLATE_NOOP("Message", "No printer is available. The profile was not printed.");
constexpr const char* kPrintFailed =
    QT_TRANSLATE_NOOP("Message", "The profile could not be printed.");
const QString kStrongestFirst = QStringLiteral("strongestFirst");

// Two results of one test, in the words of the later; one result in its own.
orv::ProfileView ViewFor(const orv::KeptResult& result, const orv::KeptResult* earlier) {
    if (earlier != nullptr) {
        const bool later =
            orv::SecondsSinceEpoch(result.ended) >= orv::SecondsSinceEpoch(earlier->ended);
        const auto compared = orv::CompareResults(
            *earlier, result, evaluation::WordsOf(later ? result.language : earlier->language));
        if (const auto* view = std::get_if<orv::ProfileView>(&compared)) {
            return *view;
        }
    }
    return orv::ViewOf(result, evaluation::WordsOf(result.language));
}

// Each term and what it means, from the help; the meanings wrap within the
// width that the chart and the table take.
QWidget* LegendOf(std::int16_t testno, const orv::EvaluationWords& words,
                  const orv::ScaleMeanings& meanings) {
    auto* legend = new QWidget;
    auto* grid = new QGridLayout(legend);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(0);
    int row = 0;
    for (const orv::LegendEntry& entry : orv::ProfileLegend(testno, words, meanings)) {
        auto* term = new QLabel(evaluation::FromWordsText(entry.term, words) + QLatin1Char(':'));
        term->setFont(app::SansFont(9.75, true));
        term->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        grid->addWidget(term, row, 0);
        auto* meaning = new QLabel(QString::fromStdString(entry.meaning));
        meaning->setWordWrap(true);
        meaning->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
        grid->addWidget(meaning, row++, 1);
    }
    grid->setColumnStretch(1, 1);
    return legend;
}

// The figures of `view` in the rows of `table`, with what each row's scale means.
void FillFigures(QTableWidget* table, const orv::ProfileView& view,
                 const orv::EvaluationWords& words) {
    const auto rows = orv::ProfileTable(view, words);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const QString text = evaluation::FromWordsText(rows[r][c], words);
            if (r == 0) {
                table->setHorizontalHeaderItem(int(c), new QTableWidgetItem(text));
                continue;
            }
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight));
            table->setItem(int(r) - 1, int(c), item);
        }
    }
    orv::results::DescribeRows(table, view);
}

QTableWidget* FiguresTable(const orv::ProfileView& view, const orv::EvaluationWords& words,
                           QWidget* parent) {
    auto* table =
        new QTableWidget(orv::kScales, int(orv::ProfileTable(view, words).front().size()), parent);
    FillFigures(table, view, words);
    table->setAccessibleName(frmProfile::tr("Profile figures"));
    orv::results::LookOfFiguresTable(table);
    return table;
}

}  // namespace

frmProfile::frmProfile(const orv::KeptResult& result, const orv::KeptResult* earlier)
    : QWidget(nullptr), result_(result), view_(ViewFor(result, earlier)) {
    setAttribute(Qt::WA_DeleteOnClose);
    app::ApplyFormLook(this, tr("Profile - %1").arg(app::AppTitle()), 9.75);
    // A faulty words file of a result's language is reported as the result opens.
    evaluation::SetUpWords(result.language);
    if (earlier != nullptr) {
        evaluation::SetUpWords(earlier->language);
    }

    // What the result shows is in the language it was taken in.
    const orv::EvaluationWords& words = evaluation::WordsOf(view_.later.language);
    lblTitle =
        new QLabel(evaluation::FromWordsText(orv::ProfileTitle(view_.later.testno, words), words));
    lblTitle->setFont(app::SansFont(12, true));
    lblDates = new QLabel(evaluation::FromWordsText(orv::ProfileDates(view_, words), words));
    if (const QString names = orv::results::NamesLine(view_); !names.isEmpty()) {
        lblDates->setText(lblDates->text() + QLatin1Char('\n') + names);
    }
    chkStrongest = new QCheckBox(tr("&Strongest first"));
    chkStrongest->setChecked(app::RememberedSwitch(kStrongestFirst, false));
    shown_ = orv::Reordered(view_, orv::ScaleOrder(view_.later, chkStrongest->isChecked()));
    Chart = new ProfileChart(shown_, nullptr);
    Meaning = new ScaleMeaningPane(view_);
    Meaning->setAccessibleDescription(tr("What the scale in focus means"));
    Legend = LegendOf(view_.later.testno, words, orv::results::MeaningsOf(view_.later.language));
    tblFigures = FiguresTable(shown_, words, nullptr);
    Meaning->ShowScale(ScaleInRow(0));
    Chart->SetCurrentRow(0);

    // The chart, the pane, the table and the legend scroll together when the text is
    // too large for the screen.
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    // The figures before the legend, which the pane above explains in part.
    column->addWidget(Chart);
    column->addWidget(Meaning);
    column->addWidget(tblFigures, 0, Qt::AlignLeft);
    column->addWidget(Legend);
    column->addStretch();
    auto* scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // The chart and the table take the focus, and bring themselves into view.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    content->setAutoFillBackground(false);
    scroll->viewport()->setAutoFillBackground(false);

    cmdPrint = new QPushButton(tr("Print"));
    cmdSavePdf = new QPushButton(tr("Save as PDF\u2026"));
    cmdClose = new QPushButton(tr("Close"));
    // As wide as the buttons of the evaluation window.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const std::pair<QPushButton*, int> widths[] = {
        {cmdPrint, 1095}, {cmdSavePdf, 1815}, {cmdClose, 1095}};
    for (const auto& [button, width] : widths) {
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(lblDates);
    layout->addWidget(chkStrongest);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);

    // Measured in the window's font, which the table has only from here on.
    tblFigures->resizeColumnsToContents();
    // A longer caption than the English one widens its button.
    for (const auto& [button, width] : widths) {
        button->setMinimumSize(std::max(app::Pixels(width), app::WidthToFit(button)),
                               app::Pixels(375));
    }
    tblFigures->resizeRowsToContents();

    connect(cmdPrint, &QPushButton::clicked, this, &frmProfile::cmdPrint_Click);
    connect(cmdSavePdf, &QPushButton::clicked, this, &frmProfile::cmdSavePdf_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmProfile::cmdClose_Click);
    connect(chkStrongest, &QCheckBox::toggled, this, &frmProfile::chkStrongest_Toggled);
    // The scale in focus: the table's current row, or a bar clicked.
    connect(tblFigures, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0) {
            Chart->SetCurrentRow(row);
            Meaning->ShowScale(ScaleInRow(row));
        }
    });
    connect(Chart, &ProfileChart::RowClicked, this,
            [this](int row) { tblFigures->setCurrentCell(row, tblFigures->currentColumn()); });
    // The scale under the pointer, while it is there.
    connect(Chart, &ProfileChart::RowPointed, this, [this](int row) {
        Meaning->ShowScale(ScaleInRow(row >= 0 ? row : tblFigures->currentRow()));
    });
    new QShortcut(QKeySequence::Cancel, this, this, &frmProfile::cmdClose_Click);
    app::PressButtonsWithReturn(this);
    setTabOrder(chkStrongest, Chart);
    setTabOrder(Chart, tblFigures);
    setTabOrder(tblFigures, cmdPrint);
    setTabOrder(cmdPrint, cmdSavePdf);
    setTabOrder(cmdSavePdf, cmdClose);

    // Its whole content when the screen has room, else as much as it has.
    const QSize inside = content->sizeHint();
    const QMargins margins = layout->contentsMargins();
    const int around = lblTitle->sizeHint().height() + lblDates->sizeHint().height() +
                       chkStrongest->sizeHint().height() + buttons->sizeHint().height() +
                       4 * layout->spacing();
    const QSize wanted(inside.width() + margins.left() + margins.right() +
                           scroll->verticalScrollBar()->sizeHint().width(),
                       inside.height() + around + margins.top() + margins.bottom());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(wanted.boundedTo(screen.size() * 0.9));
    app::CentreOnScreen(this);
    Chart->setFocus();
}

void frmProfile::cmdPrint_Click() {
    const auto outcome = orv::evaluation::PrintOnDefaultPrinter(
        [this](QPrinter& printer) {
            return orv::results::PaintResultPages(printer, result_, view_, false)
                       ? orv::evaluation::PrintOutcome::kPrinted
                       : orv::evaluation::PrintOutcome::kFailed;
        },
        this);
    if (outcome == orv::evaluation::PrintOutcome::kNoPrinter) {
        app::MsgBox(this, kNoPrinter);
    } else if (outcome == orv::evaluation::PrintOutcome::kFailed) {
        app::MsgBox(this, kPrintFailed);
    }
}

void frmProfile::cmdSavePdf_Click() {
    orv::results::SaveAsPdf(this, result_, view_);
}

void frmProfile::cmdClose_Click() {
    close();
}

const orv::ProfileScale& frmProfile::ScaleInRow(int row) const {
    return shown_.later.scales[std::size_t(std::clamp(row, 0, orv::kScales - 1))];
}

// Reorders the chart and the table, the scale in focus staying in focus.
void frmProfile::chkStrongest_Toggled(bool on) {
    app::RememberSwitch(kStrongestFirst, on);
    const int number = ScaleInRow(tblFigures->currentRow()).number;
    shown_ = orv::Reordered(view_, orv::ScaleOrder(view_.later, on));
    Chart->SetView(shown_);
    const QSignalBlocker quiet(tblFigures);
    FillFigures(tblFigures, shown_, evaluation::WordsOf(view_.later.language));
    for (int row = 0; row < orv::kScales; ++row) {
        if (ScaleInRow(row).number == number) {
            tblFigures->setCurrentCell(row, std::max(0, tblFigures->currentColumn()));
            Chart->SetCurrentRow(row);
            Meaning->ShowScale(ScaleInRow(row));
        }
    }
}

void frmProfile::OfferToKeepCopy(std::function<bool()> keep) {
    cmdKeepCopy = new QPushButton(tr("Keep a copy"));
    cmdKeepCopy->setMinimumHeight(cmdClose->minimumHeight());
    for (int i = 0; i < layout()->count(); ++i) {
        auto* row = qobject_cast<QBoxLayout*>(layout()->itemAt(i)->layout());
        if (row != nullptr && row->indexOf(cmdClose) >= 0) {
            row->insertWidget(row->indexOf(cmdClose), cmdKeepCopy);
        }
    }
    setTabOrder(cmdSavePdf, cmdKeepCopy);
    setTabOrder(cmdKeepCopy, cmdClose);
    connect(cmdKeepCopy, &QPushButton::clicked, this, [this, keep = std::move(keep)] {
        if (keep()) {
            cmdKeepCopy->setText(tr("Kept"));
            cmdKeepCopy->setEnabled(false);
            cmdClose->setFocus();
        }
    });
}
