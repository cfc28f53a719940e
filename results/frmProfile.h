#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "results/core/kept_result.h"
#include "results/core/profile.h"

class ProfileChart;
class ScaleMeaningPane;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The profile window: a result at a glance, or two results of one test side
// by side. The chart, what the scale in focus means, a legend of the
// verdicts and the same figures as a table, in the test's order or the
// strongest first; it prints the chart page and saves the whole result as PDF.
class frmProfile : public QWidget {
    Q_OBJECT
  public:
    // The profile of `result`, beside the earlier result `earlier` if given
    // (of the same test).
    explicit frmProfile(const orv::KeptResult& result, const orv::KeptResult* earlier = nullptr);

    const orv::ProfileView& View() const { return view_; }

    void cmdPrint_Click();
    void cmdSavePdf_Click();
    void cmdClose_Click();
    void chkStrongest_Toggled(bool on);

    // The scale shown in row `row` of the chart and the table.
    const orv::ProfileScale& ScaleInRow(int row) const;
    // Adds "Keep a copy", which calls `keep` once it succeeds (true).
    void OfferToKeepCopy(std::function<bool()> keep);

    QLabel* lblTitle = nullptr;
    QLabel* lblDates = nullptr;
    QCheckBox* chkStrongest = nullptr;
    ProfileChart* Chart = nullptr;
    ScaleMeaningPane* Meaning = nullptr;  // under the chart
    QWidget* Legend = nullptr;            // a term and its meaning a line
    QTableWidget* tblFigures = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdSavePdf = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdKeepCopy = nullptr;  // of a result opened from a file

  private:
    orv::KeptResult result_;
    orv::ProfileView view_;
    orv::ProfileView shown_;  // in the order shown
};
