#include "model/formats.h"

#include "model/catalogue.h"

#include <cstdio>

const char* ordinalSuffix(int day) {
    // English ordinals: 1st, 2nd, 3rd, 21st, 22nd, 23rd, 31st; 11th, 12th and 13th keep "th".
    if (day % 100 / 10 == 1) return "th";
    switch (day % 10) {
    case 1:
        return "st";
    case 2:
        return "nd";
    case 3:
        return "rd";
    default:
        return "th";
    }
}

std::string formatNumericDate(Date date) {
    if (date == kNoDate) return msg::NoDate;
    const DayMonthYear d = splitDate(date);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", d.month, d.day, d.year);
    return buffer;
}

std::string formatDateInWords(Date date) {
    const DayMonthYear d = splitDate(date);
    return std::string(msg::monthName(d.month)) + ' ' + std::to_string(d.day) +
           ordinalSuffix(d.day) + ' ' + std::to_string(d.year);
}

namespace {

std::string lendingText(Date date, std::string_view person, std::string_view text,
                        std::string_view who, std::string_view undated) {
    std::string out;
    out.reserve(person.size() + text.size() + 64);
    out.append(person).append(":\r\n");
    if (date == kNoDate)
        out.append(undated);
    else
        out.append(" it's since ").append(formatDateInWords(date)).append(who);
    out.append(":\r\n").append(text);
    return out;
}

} // namespace

std::string formatIOwe(Date date, std::string_view person, std::string_view text) {
    return lendingText(date, person, text, " I owe him", msg::IOweUndated);
}

std::string formatOwesMe(Date date, std::string_view person, std::string_view text) {
    return lendingText(date, person, text, " he owes me", msg::OwesMeUndated);
}

std::string formatReminder(Date date, std::string_view text) {
    const std::string when = date == kNoDate ? msg::ReminderUndated : formatDateInWords(date);
    return when + ":\r\n" + std::string(text);
}
