#pragma once

#include <QDateTime>
#include <QWidget>
#include <string>
#include <vector>

#include "results/core/kept_results.h"

class QLabel;
class QListWidget;
class QPushButton;

// The kept results, newest first: shows one in the evaluation window,
// compares two of one test in the profile window, deletes one or all, saves
// a copy of one, names one, exports all as CSV and opens a result file from
// elsewhere.
class frmResults : public QWidget {
    Q_OBJECT
  public:
    // The results kept in `folder`.
    explicit frmResults(std::string folder);

    // Reads the folder again, keeping the selection.
    void Refresh();

    void cmdShow_Click();
    void cmdCompare_Click();
    void cmdDelete_Click();
    void cmdSaveCopy_Click();
    void cmdExportCsv_Click();
    void cmdDeleteAll_Click();
    void cmdName_Click();
    void cmdClose_Click();

    QLabel* Label1 = nullptr;
    QListWidget* lstResults = nullptr;
    QLabel* lblHint = nullptr;
    QLabel* lblOthers = nullptr;  // files there that are not results
    QPushButton* cmdShow = nullptr;
    QPushButton* cmdCompare = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdSaveCopy = nullptr;
    QPushButton* cmdExportCsv = nullptr;
    QPushButton* cmdDeleteAll = nullptr;
    QPushButton* cmdOpenFile = nullptr;
    QPushButton* cmdName = nullptr;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void SelectionChanged();
    // The selected results in the order of the list, newest first.
    std::vector<const orv::ListedResult*> Selected() const;

    std::string folder_;
    std::vector<orv::ListedResult> listed_;
    QDateTime read_at_;  // the folder's time of change when it was read
};
