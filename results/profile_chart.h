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

}  // namespace orv::results

// The chart on screen: one image for a screen reader, named "Profile chart"
// and described by the chart in words.
class ProfileChart : public QWidget {
    Q_OBJECT
  public:
    ProfileChart(orv::ProfileView view, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    orv::ProfileView view_;
};
