#include "persistence/expose_watcher.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

ExposeWatcher::ExposeWatcher(QWidget* window, std::function<void()> on_expose)
    : QObject(window), on_expose_(std::move(on_expose)) {
    // Expose events go to the native window, which exists once created.
    window->winId();
    window->windowHandle()->installEventFilter(this);
}

bool ExposeWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose) {
        const auto* window = static_cast<QWindow*>(watched);
        if (window->isExposed()) {
            on_expose_();
        }
    }
    return false;
}
