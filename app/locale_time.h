#pragma once

#include <functional>
#include <string>

#include "app/core/local_time.h"

namespace orv::app {

// How `language` writes a moment, by Qt's locale of it: the order and the
// marks of its short date, with the day and the month in two digits and the
// year in four, then its short time ("07.12.2026 18:28", "07/12/2026 18:28").
// The clock time kept is shown as it is, whatever the time zone now. UTF-8.
// For a code Qt does not know, "2026-12-07 18:28".
std::function<std::string(const LocalTime&)> LocaleTimeForm(const std::string& language);

}  // namespace orv::app
