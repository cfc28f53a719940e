#pragma once

#include <QLabel>
#include <QString>
#include <string>

#include "results/core/help_texts.h"
#include "results/core/profile.h"

class QTableWidget;

namespace orv::results {

// What the results say in words in `language`, from its help: read once; a
// help whose texts are faulty is reported once, in a message box, and those
// texts are English.
const ScaleMeanings& MeaningsOf(const std::string& language);

// What the pane says of `scale` of `view`'s later result, as plain text.
QString MeaningText(const ProfileView& view, const ProfileScale& scale);

// Gives each cell of row r of `table` the meaning of scale r of `shown` as
// the description that a screen reader reads with the cell when it becomes
// current.
void DescribeRows(QTableWidget* table, const ProfileView& shown);

}  // namespace orv::results

// The pane under the profile's chart: what a scale looks at, what the
// result's verdict means on it and its score in words.
class ScaleMeaningPane : public QLabel {
    Q_OBJECT
  public:
    explicit ScaleMeaningPane(const orv::ProfileView& view, QWidget* parent = nullptr);

    // Explains `scale` of the view; a screen reader is told of the change
    // of its accessible name.
    void ShowScale(const orv::ProfileScale& scale);

  private:
    orv::ProfileView view_;
};
