#include "app/accessible_document.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace orv::app {

namespace {

class AccessibleDocument : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit AccessibleDocument(QTextBrowser* browser)
        : QAccessibleWidget(browser, QAccessible::Document) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && Browser()->accessibleName().isEmpty()) {
            const QString title = Browser()->documentTitle();
            return title.isEmpty() ? Browser()->window()->windowTitle() : title;
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    // Offsets are positions in the document.
    QString text(int start, int end) const override {
        return Range(start, end).selectedText().replace(QChar::ParagraphSeparator, '\n');
    }
    int characterCount() const override { return Browser()->document()->characterCount() - 1; }

    int cursorPosition() const override { return Browser()->textCursor().position(); }
    void setCursorPosition(int position) override { setSelection(0, position, position); }

    int selectionCount() const override { return Browser()->textCursor().hasSelection() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override {
        const QTextCursor cursor = Browser()->textCursor();
        const bool any = index == 0 && cursor.hasSelection();
        *start = any ? cursor.selectionStart() : 0;
        *end = any ? cursor.selectionEnd() : 0;
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override {
        QTextCursor cursor = Browser()->textCursor();
        cursor.clearSelection();
        Browser()->setTextCursor(cursor);
    }
    void setSelection(int, int start, int end) override {
        Browser()->setTextCursor(Range(start, end));
    }

    QRect characterRect(int offset) const override {
        const QRect at = Browser()->cursorRect(Range(offset, offset));
        return QRect(Browser()->viewport()->mapToGlobal(at.topLeft()), at.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return Browser()->cursorForPosition(Browser()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int end) override {
        setSelection(0, start, end);
        Browser()->ensureCursorVisible();
    }
    // The document reports no text attributes: one run over the whole text.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

  private:
    QTextBrowser* Browser() const { return static_cast<QTextBrowser*>(widget()); }

    QTextCursor Range(int start, int end) const {
        const int last = characterCount();
        QTextCursor cursor(Browser()->document());
        cursor.setPosition(std::clamp(start, 0, last));
        cursor.setPosition(std::clamp(end, 0, last), QTextCursor::KeepAnchor);
        return cursor;
    }
};

QAccessibleInterface* AccessibleDocumentFactory(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String(QTextBrowser::staticMetaObject.className())) {
        return new AccessibleDocument(static_cast<QTextBrowser*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleDocuments() {
    static const bool installed = (QAccessible::installFactory(AccessibleDocumentFactory), true);
    (void)installed;
}

}  // namespace orv::app
