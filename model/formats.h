#pragma once

#include "model/date.h"

#include <string>
#include <string_view>

// The text forms of dates and the alert texts of lendings and reminders. Results are
// std::string, so no form can overflow whatever the date or the texts.

// "01/05/1998" (month, day, year) for 5 January 1998; "no date" for a record without one.
std::string formatNumericDate(Date date);

// "January 5th 1998", with English ordinals: "21st", "22nd", "23rd", "31st", but "11th".
std::string formatDateInWords(Date date);

const char* ordinalSuffix(int day);

// "Ann:\r\n it's since January 5th 1998 I owe him:\r\nbook"; without a date,
// "Ann:\r\n I owe him (no date given):\r\nbook".
std::string formatIOwe(Date date, std::string_view person, std::string_view text);
// "Ann:\r\n it's since January 5th 1998 he owes me:\r\nbook", and the same without a date.
std::string formatOwesMe(Date date, std::string_view person, std::string_view text);
// "March 22nd 1999:\r\ndentist"; without a date, "No date given:\r\ndentist".
std::string formatReminder(Date date, std::string_view text);
