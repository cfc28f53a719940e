#pragma once

#include <QListWidget>
#include <cstdint>
#include <string>

// The file list of the choosers: the names, without folder, of the saved
// files of one test in one folder, sorted, one selectable at a time. Selected
// reports a pick by mouse or keyboard, Clicked a click and DoubleClicked a
// double-click. Until an entry is picked, the first arrow key picks the
// first entry.
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
    void Selected(int index);
    void Clicked(int index);
    void DoubleClicked(int index);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::string folder_;
    std::int16_t testno_ = 0;
};
