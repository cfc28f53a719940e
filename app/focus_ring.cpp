#include "app/focus_ring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace orv::app {

namespace {

class FocusRing : public QWidget {
  public:
    explicit FocusRing(QWidget* window) : QWidget(window) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
        connect(qApp, &QApplication::focusChanged, this,
                [this](QWidget*, QWidget* focus) { Follow(focus); });
    }

  protected:
    // Two rings, the text's colour outside the window's: one of them stands
    // out from whatever the control paints, light or dark.
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
        painter.setPen(QPen(palette().color(QPalette::Window), 2));
        painter.drawRect(QRectF(rect()).adjusted(3, 3, -3, -3));
    }

    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::PaletteChange) {
            Follow(QApplication::focusWidget());
        }
        QWidget::changeEvent(event);
    }

  private:
    void Follow(QWidget* focus) {
        QWidget* window = parentWidget();
        const QPalette& colours = window->palette();
        const bool dark = colours.color(QPalette::Window).lightness() <
                          colours.color(QPalette::WindowText).lightness();
        if (!dark || focus == nullptr || focus->window() != window) {
            hide();
            return;
        }
        setGeometry(QRect(focus->mapTo(window, QPoint()), focus->size()));
        raise();
        show();
    }
};

}  // namespace

void MarkFocusWhenDark(QWidget* window) {
    new FocusRing(window);
}

}  // namespace orv::app
