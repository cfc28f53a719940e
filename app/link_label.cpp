#include "app/link_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace orv::app {

namespace {

// What a screen reader sees of a LinkLabel: a link it can press.
class AccessibleLink : public QAccessibleWidget {
  public:
    explicit AccessibleLink(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return static_cast<const LinkLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            emit static_cast<LinkLabel*>(widget())->Activated();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* AccessibleLinkFactory(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String(LinkLabel::staticMetaObject.className())) {
        return new AccessibleLink(static_cast<LinkLabel*>(object));
    }
    return nullptr;
}

}  // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    static const bool installed = (QAccessible::installFactory(AccessibleLinkFactory), true);
    (void)installed;
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            emit Activated();
            return;
        default:
            QLabel::keyPressEvent(event);
    }
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

// A click: the left button pressed and released over the text.
void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) {
        emit Activated();
    }
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.backgroundColor = palette().color(QPalette::Window);
    const QRect text = fontMetrics().boundingRect(contentsRect(), int(alignment()), this->text());
    frame.rect = text.adjusted(-2, 0, 2, 0).intersected(rect());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

}  // namespace orv::app
