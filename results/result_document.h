#pragma once

#include <QByteArray>

#include "results/core/kept_result.h"
#include "results/core/profile.h"

class QPagedPaintDevice;

namespace orv::results {

// Draws a result on the pages of `device` (a PDF writer or a printer): with
// `with_text`, the evaluation text of `result` line for line in a fixed-width
// face; then on a page of its own the profile `view` (of `result`, or of it
// beside an earlier result): the chart, the legend and the table; with
// `with_text`, a page about the scales last. Every page carries the test, the
// date and its number. False when the device fails.
bool PaintResultPages(QPagedPaintDevice& device, const KeptResult& result, const ProfileView& view,
                      bool with_text);

// The PDF of a result: its text, then its profile. Empty when it could not
// be made.
QByteArray ResultPdf(const KeptResult& result, const ProfileView& view);

}  // namespace orv::results
