#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Calls back each time a window is exposed: shown, uncovered or restored.
// A repaint of the window or of one of its controls is not an exposure.
class ExposeWatcher : public QObject {
    Q_OBJECT
  public:
    ExposeWatcher(QWidget* window, std::function<void()> on_expose);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> on_expose_;
};
