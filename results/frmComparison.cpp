#include "results/frmComparison.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/core/app_title.h"
#include "app/form_look.h"
#include "app/message_box.h"
#include "evaluation/language_words.h"
#include "results/comparison_chart.h"
#include "results/figures_table_look.h"

namespace app = orv::app;
namespace evaluation = orv::evaluation;

namespace {

QWidget* LegendOf(const orv::Comparison& comparison) {
    auto* legend = new QWidget;
    auto* grid = new QGridLayout(legend);
    grid->setContentsMargins(0, 0, 0, 0);
    const int side = legend->fontMetrics().height();
    for (int i = 0; i < int(comparison.profiles.size()); ++i) {
        QPixmap swatch(side * 2, side);
        swatch.fill(orv::results::ComparedShade(i, int(comparison.profiles.size())));
        auto* shade = new QLabel;
        shade->setPixmap(swatch);
        const QString label = orv::results::ComparedLabel(comparison, i);
        shade->setAccessibleName(label);
        grid->addWidget(shade, i, 0);
        grid->addWidget(new QLabel(label), i, 1);
    }
    grid->setColumnStretch(1, 1);
    return legend;
}

QTableWidget* FiguresTable(const orv::Comparison& comparison) {
    const orv::Profile& newest = comparison.profiles.back();
    const orv::EvaluationWords& words = evaluation::WordsOf(newest.language);
    const int count = int(comparison.profiles.size());
    auto* table = new QTableWidget(orv::kScales, count + 2);
    table->setHorizontalHeaderItem(
        0, new QTableWidgetItem(evaluation::FromWordsText(words.Word("table.scale"), words)));
    for (int i = 0; i < count; ++i) {
        table->setHorizontalHeaderItem(
            i + 1, new QTableWidgetItem(orv::results::ComparedLabel(comparison, i)));
    }
    table->setHorizontalHeaderItem(count + 1, new QTableWidgetItem(evaluation::FromWordsText(
                                                  words.Word("table.change"), words)));
    for (int scale = 0; scale < orv::kScales; ++scale) {
        const auto cell = [&](int column, const QString& text) {
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(Qt::AlignVCenter |
                                   (column == 0 ? Qt::AlignLeft : Qt::AlignRight));
            table->setItem(scale, column, item);
        };
        cell(0, evaluation::FromWordsText(newest.scales[std::size_t(scale)].name, words));
        for (int i = 0; i < count; ++i) {
            cell(i + 1, QString::number(
                            comparison.profiles[std::size_t(i)].scales[std::size_t(scale)].score));
        }
        const int change = newest.scales[std::size_t(scale)].score -
                           comparison.profiles.front().scales[std::size_t(scale)].score;
        cell(count + 1, QString::asprintf("%+d", change));
    }
    table->setAccessibleName(frmComparison::tr("Compared figures"));
    orv::results::LookOfFiguresTable(table);
    return table;
}

}  // namespace

frmComparison::frmComparison(orv::Comparison comparison)
    : QWidget(nullptr), comparison_(std::move(comparison)) {
    setAttribute(Qt::WA_DeleteOnClose);
    app::ApplyFormLook(this, tr("Comparison - %1").arg(app::AppTitle()), 9.75);
    const orv::Profile& newest = comparison_.profiles.back();
    const orv::EvaluationWords& words = evaluation::WordsOf(newest.language);
    lblTitle =
        new QLabel(evaluation::FromWordsText(orv::ProfileTitle(newest.testno, words), words));
    lblTitle->setFont(app::SansFont(12, true));
    Chart = new ComparisonChart(comparison_, nullptr);
    Legend = LegendOf(comparison_);
    tblFigures = FiguresTable(comparison_);
    cmdClose = new QPushButton(tr("Close"));

    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->addWidget(Chart);
    column->addWidget(Legend);
    column->addWidget(tblFigures, 0, Qt::AlignLeft);
    column->addStretch();
    auto* scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    content->setAutoFillBackground(false);
    scroll->viewport()->setAutoFillBackground(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    tblFigures->resizeColumnsToContents();
    tblFigures->resizeRowsToContents();
    cmdClose->setMinimumWidth(app::Pixels(1095));

    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    app::PressButtonsWithReturn(this);
    setTabOrder(Chart, tblFigures);
    setTabOrder(tblFigures, cmdClose);
    const QSize inside = content->sizeHint();
    // Its whole content when the screen has room, else as much as it has.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(QSize(inside.width() + 60, inside.height() + lblTitle->sizeHint().height() +
                                          cmdClose->sizeHint().height() + 60)
               .boundedTo(screen.size() * 0.9));
    app::CentreOnScreen(this);
    Chart->setFocus();
}
