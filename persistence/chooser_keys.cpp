#include "persistence/chooser_keys.h"

#include <QKeyEvent>
#include <QKeySequence>

bool IsCancelKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Escape || event->matches(QKeySequence::Cancel);
}
