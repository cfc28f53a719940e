#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include "results/core/comparison.h"

namespace orv::results {

// The fill of the bars of result `index` of `count`, oldest first: one hue in
// even steps from dark to light, so that the shades differ in grey as well.
QColor ComparedShade(int index, int count);

// What tells result `index` of a comparison apart: its place, its name if it
// has one, and when its test ended ("2. Anna, 2026-12-07 21:24").
QString ComparedLabel(const Comparison& comparison, int index);

}  // namespace orv::results

// The chart of several results: for each scale its name and a bar per result,
// oldest on top, from the centre line (to the right above 0, to the left
// below). One image for a screen reader, described in words.
class ComparisonChart : public QWidget {
    Q_OBJECT
  public:
    ComparisonChart(orv::Comparison comparison, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int BarHeight() const;
    int NamesWidth() const;

    orv::Comparison comparison_;
};
