#include "app/current_item_focus.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QEvent>
#include <QPointer>
#include <QTimer>

namespace orv::app {

namespace {

void AnnounceCurrentItem(QAbstractItemView* view) {
    const QModelIndex current = view->currentIndex();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view);
    if (!view->hasFocus() || !current.isValid() || list == nullptr ||
        list->tableInterface() == nullptr) {
        return;
    }
    QAccessibleInterface* item = list->tableInterface()->cellAt(current.row(), current.column());
    if (item == nullptr) {
        return;
    }
    QAccessibleEvent event(view, QAccessible::Focus);
    event.setChild(list->indexOfChild(item));
    QAccessible::updateAccessibility(&event);
}

class FocusWatcher : public QObject {
  public:
    explicit FocusWatcher(QAbstractItemView* view) : QObject(view), view_(view) {}

    bool eventFilter(QObject*, QEvent* event) override {
        // After the view's own focus event, which the screen reader would
        // otherwise read last.
        if (event->type() == QEvent::FocusIn) {
            QTimer::singleShot(0, this, [this] {
                if (view_) {
                    AnnounceCurrentItem(view_);
                }
            });
        }
        return false;
    }

  private:
    QPointer<QAbstractItemView> view_;
};

}  // namespace

void AnnounceCurrentItemOnFocus(QAbstractItemView* view) {
    view->installEventFilter(new FocusWatcher(view));
}

}  // namespace orv::app
