#include "persistence/saved_file_list.h"

#include <QKeyEvent>

#include "app/form_look.h"
#include "persistence/core/saved_files.h"

SavedFileList::SavedFileList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // A click on the entry already selected changes no selection but is
    // still a click; a pick by arrow keys selects without a click.
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit Clicked(row(item)); });
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = selectedItems();
        if (!selected.isEmpty()) {
            emit Selected(row(selected.front()));
        }
    });
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit DoubleClicked(row(item)); });
}

void SavedFileList::SetFolder(const std::string& folder) {
    folder_ = folder;
    Refresh();
}

void SavedFileList::SetPattern(std::int16_t testno) {
    testno_ = testno;
    Refresh();
}

void SavedFileList::Refresh() {
    const QSignalBlocker quiet(this);
    clear();
    if (folder_.empty()) {
        return;
    }
    for (const std::string& name : orv::ListSavedFiles(folder_, testno_)) {
        addItem(orv::app::FromFileText(name));
    }
}

void SavedFileList::keyPressEvent(QKeyEvent* event) {
    // The list marks its first entry as current when it gets the focus, and
    // an arrow key would move on from there.
    const bool arrow = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
    if (arrow && selectedItems().isEmpty() && count() > 0) {
        setCurrentRow(0);
        return;
    }
    QListWidget::keyPressEvent(event);
}

std::string SavedFileList::NameAt(int index) const {
    const QListWidgetItem* entry = item(index);
    return entry == nullptr ? std::string() : orv::app::ToFileText(entry->text());
}
