#pragma once

#include <QWidget>

#include "results/core/comparison.h"

class ComparisonChart;
class QLabel;
class QPushButton;
class QTableWidget;

// Several results of one test side by side: the chart, a legend that names
// each result's shade, and the scores as a table with a column per result
// and the change from the first to the last.
class frmComparison : public QWidget {
    Q_OBJECT
  public:
    explicit frmComparison(orv::Comparison comparison);

    const orv::Comparison& View() const { return comparison_; }

    QLabel* lblTitle = nullptr;
    ComparisonChart* Chart = nullptr;
    QWidget* Legend = nullptr;
    QTableWidget* tblFigures = nullptr;
    QPushButton* cmdClose = nullptr;

  private:
    orv::Comparison comparison_;
};
