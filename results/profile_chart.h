#pragma once

#include <QFont>
#include <QRectF>
#include <QWidget>

#include "results/core/profile.h"

class QPainter;
class QPaintDevice;

namespace orv::results {

// The size the chart of `view` takes with `font` on `device`: the height it
// needs and the least width that shows every name and verdict beside bars.
QSizeF ProfileChartSize(const ProfileView& view, const QFont& font, QPaintDevice* device);

// Draws the chart of `view` in `area`: a row per scale with its name, a bar
// from the centre line (to the right above 0, to the left below 0; the
// earlier result's paler bar above the later one's) and its verdict with
// the conflict mark. Sizes follow `font` on the painter's device.
void DrawProfileChart(QPainter& painter, const QRectF& area, const ProfileView& view,
                      const QFont& font);

// The band of row `row` (0..9) of a chart drawn in `area`.
QRectF ProfileChartRow(const ProfileView& view, const QRectF& area, const QFont& font,
                       QPaintDevice* device, int row);

}  // namespace orv::results

// The chart on screen: one image for a screen reader, named "Profile chart"
// and described by the chart in words.
class ProfileChart : public QWidget {
    Q_OBJECT
  public:
    ProfileChart(orv::ProfileView view, QWidget* parent);

    // Shows `view` (the same results in another order).
    void SetView(orv::ProfileView view);
    // Marks the row of the scale in focus.
    void SetCurrentRow(int row);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void RowClicked(int row);
    // The row under the pointer, -1 when it leaves the rows.
    void RowPointed(int row);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    int RowAt(qreal y) const;

    orv::ProfileView view_;
    int current_ = -1;
    int pointed_ = -1;
};
