#include "app/core/local_time.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace orv {

namespace {

constexpr int kLargestOffset = 18 * 60;

std::chrono::sys_days Day(const LocalTime& time) {
    using namespace std::chrono;
    return sys_days(year(time.year) / month(unsigned(time.month)) / day(unsigned(time.day)));
}

// Exactly `digits` decimal digits at `text[at]`.
std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t digits) {
    if (at + digits > text.size()) {
        return std::nullopt;
    }
    int value = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

LocalTime LocalNow() {
    return LocalTimeAt(std::time(nullptr));
}

LocalTime LocalTimeAt(std::int64_t seconds) {
    const auto moment = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (localtime_r(&moment, &local) == nullptr) {
        return {};
    }
    // A leap second counts as the last second of its minute.
    return {local.tm_year + 1900,
            local.tm_mon + 1,
            local.tm_mday,
            local.tm_hour,
            local.tm_min,
            std::min(local.tm_sec, 59),
            static_cast<int>(local.tm_gmtoff / 60)};
}

bool IsValidTime(const LocalTime& time) {
    using namespace std::chrono;
    const year_month_day date(year(time.year), month(unsigned(time.month)),
                              day(unsigned(time.day)));
    return time.year >= 1 && time.year <= 9999 && time.month >= 1 && time.month <= 12 &&
           time.day >= 1 && time.day <= 31 && date.ok() && time.hour >= 0 && time.hour < 24 &&
           time.minute >= 0 && time.minute < 60 && time.second >= 0 && time.second < 60 &&
           time.offset_minutes >= -kLargestOffset && time.offset_minutes <= kLargestOffset;
}

std::int64_t SecondsSinceEpoch(const LocalTime& time) {
    const std::int64_t days = Day(time).time_since_epoch().count();
    return days * 86400 + std::int64_t{time.hour} * 3600 + std::int64_t{time.minute} * 60 +
           time.second - std::int64_t{time.offset_minutes} * 60;
}

std::string IsoTimeText(const LocalTime& time) {
    const int offset = time.offset_minutes < 0 ? -time.offset_minutes : time.offset_minutes;
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", time.year,
                  time.month, time.day, time.hour, time.minute, time.second,
                  time.offset_minutes < 0 ? '-' : '+', offset / 60, offset % 60);
    return text;
}

std::optional<LocalTime> ParseIsoTime(std::string_view text) {
    // 2026-12-07T14:15:30+01:00
    constexpr std::string_view kShape = "0000-00-00T00:00:00+00:00";
    if (text.size() != kShape.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        const bool digit = kShape[i] == '0';
        const bool sign = i == 19;
        if (!digit && !sign && text[i] != kShape[i]) {
            return std::nullopt;
        }
    }
    if (text[19] != '+' && text[19] != '-') {
        return std::nullopt;
    }
    const auto year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2),
               hour = Digits(text, 11, 2), minute = Digits(text, 14, 2),
               second = Digits(text, 17, 2), offset_hours = Digits(text, 20, 2),
               offset_minutes = Digits(text, 23, 2);
    if (!year || !month || !day || !hour || !minute || !second || !offset_hours ||
        !offset_minutes || *offset_minutes >= 60) {
        return std::nullopt;
    }
    const int offset = *offset_hours * 60 + *offset_minutes;
    const LocalTime time{
        *year, *month, *day, *hour, *minute, *second, text[19] == '-' ? -offset : offset};
    // UTC is written "+00:00" only, so that a moment has one text.
    if (!IsValidTime(time) || (offset == 0 && text[19] == '-')) {
        return std::nullopt;
    }
    return time;
}

std::string ShownTime(const LocalTime& time) {
    char text[24];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", time.year, time.month, time.day,
                  time.hour, time.minute);
    return text;
}

std::string ShownDate(const LocalTime& time) {
    return ShownTime(time).substr(0, 10);
}

}  // namespace orv
