#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

// A moment as the local calendar and clock showed it, with the offset of
// that local time from UTC.
struct LocalTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int offset_minutes = 0;  // east of UTC

    bool operator==(const LocalTime&) const = default;
};

// Now, by the local calendar and clock.
LocalTime LocalNow();

// The moment `seconds` after 1970-01-01 00:00 UTC by the local calendar and
// clock (the time zone of the TZ variable or of the system).
LocalTime LocalTimeAt(std::int64_t seconds);

// A real date of the years 1..9999 and a time of day, with an offset of at
// most 18 hours either way.
bool IsValidTime(const LocalTime& time);

// The moment in seconds since 1970-01-01 00:00 UTC, for putting moments in order.
std::int64_t SecondsSinceEpoch(const LocalTime& time);

// "2026-12-07T14:15:30+01:00" (ISO 8601, "+00:00" for UTC).
std::string IsoTimeText(const LocalTime& time);

// Reads exactly the form IsoTimeText writes; no value for anything else or
// for a moment that is not valid.
std::optional<LocalTime> ParseIsoTime(std::string_view text);

// "2026-12-07 14:15", as the windows show a moment.
std::string ShownTime(const LocalTime& time);

// "2026-12-07".
std::string ShownDate(const LocalTime& time);

}  // namespace orv
