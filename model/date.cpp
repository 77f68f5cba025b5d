#include "model/date.h"

#include <chrono>
#include <ctime>

namespace {

// Julian Day Number of 1 January 1970, the epoch of std::chrono::sys_days.
constexpr std::int64_t kUnixEpochJdn = 2440588;

} // namespace

Date systemToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return makeDate(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
}

int daysInMonth(int month, int year) {
    if (month < 1 || month > 12) return 0;
    const auto last = std::chrono::year_month_day_last{
        std::chrono::year{year}, std::chrono::month_day_last{std::chrono::month(month)}};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

Date makeDate(int day, int month, int year) {
    if (year >= 0 && year < 100) year += 1900;
    if (year < 1 || year > 9999) return kNoDate;
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(month, year)) return kNoDate;
    const std::chrono::year_month_day ymd{std::chrono::year{year},
                                          std::chrono::month(static_cast<unsigned>(month)),
                                          std::chrono::day(static_cast<unsigned>(day))};
    const std::int64_t jdn = std::chrono::sys_days{ymd}.time_since_epoch().count() + kUnixEpochJdn;
    if (jdn <= 0 || jdn > UINT32_MAX) return kNoDate;
    return static_cast<Date>(jdn);
}

DayMonthYear splitDate(Date date) {
    if (date == kNoDate) return {};
    const std::chrono::sys_days days{
        std::chrono::days{static_cast<std::int64_t>(date) - kUnixEpochJdn}};
    const std::chrono::year_month_day ymd{days};
    return {static_cast<int>(static_cast<unsigned>(ymd.day())),
            static_cast<int>(static_cast<unsigned>(ymd.month())), static_cast<int>(ymd.year())};
}

int weekday(Date date) {
    return static_cast<int>(((date + 1) % 7 + 6) % 7 + 1);
}
