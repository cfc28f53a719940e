#pragma once

#include <QWidget>
#include <functional>

#include "results/core/kept_result.h"
#include "results/core/profile.h"

class ProfileChart;
class QLabel;
class QPushButton;
class QTableWidget;

// The profile window: a result at a glance, or two results of one test side
// by side. The chart, a legend of the verdicts and the same figures as a
// table; it prints the chart page and saves the whole result as PDF.
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
    // Adds "Keep a copy", which calls `keep` once it succeeds (true).
    void OfferToKeepCopy(std::function<bool()> keep);

    QLabel* lblTitle = nullptr;
    QLabel* lblDates = nullptr;
    ProfileChart* Chart = nullptr;
    QWidget* Legend = nullptr;  // a term and its meaning a line
    QTableWidget* tblFigures = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdSavePdf = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdKeepCopy = nullptr;  // of a result opened from a file

  private:
    orv::KeptResult result_;
    orv::ProfileView view_;
};
