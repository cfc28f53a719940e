#pragma once

#include <QListWidget>
#include <cstdint>
#include <string>

// The file list of the choosers: the names, without folder, of the saved
// files of one test in one folder, sorted, one selectable at a time. Clicked
// reports a pick by mouse or keyboard, DoubleClicked a double-click.
class SavedFileList : public QListWidget {
    Q_OBJECT
  public:
    explicit SavedFileList(QWidget* parent = nullptr);

    // The folder and the test whose files ("*." + test number) are listed.
    void SetFolder(const std::string& folder);
    void SetPattern(std::int16_t testno);
    const std::string& Folder() const { return folder_; }

    // Reads the list again from the folder; nothing is selected afterwards.
    void Refresh();

    std::string NameAt(int index) const;

  signals:
    void Clicked(int index);
    void DoubleClicked(int index);

  private:
    std::string folder_;
    std::int16_t testno_ = 0;
};
