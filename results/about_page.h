#pragma once

#include <QRectF>

#include "results/core/profile.h"

class QPainter;

namespace orv::results {

// Draws the page "About the scales" of `view` in `body`, in the language of
// its later result: each scale with its verdict, what it looks at and what
// the verdict means; how to read the bars; what this test is not. In the
// largest face in which all of it fits.
void DrawAboutPage(QPainter& painter, const QRectF& body, const ProfileView& view);

}  // namespace orv::results
