#pragma once

#include <QLabel>

namespace orv::app {

// A web address shown as a link: Tab reaches it, and Return, Enter, Space or
// a click of the left button on it follows it. Screen readers see a link
// named by its text, which they can press.
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void Activated();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool pressed_ = false;
};

}  // namespace orv::app
