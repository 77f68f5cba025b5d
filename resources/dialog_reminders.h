#pragma once

// Controls of the "Reminders" page.
namespace reminderid {
inline constexpr int Calendar = 26240; // the month grid stands over this group box
inline constexpr int Text = 26241;     // what to remember
inline constexpr int RemoveButton = 26242;
inline constexpr int AddButton = 26243;
inline constexpr int Days = 26244; // days before the date until the alert
inline constexpr int DaysUpDown = 26245;
inline constexpr int SoundBox = 26246;
inline constexpr int Year = 26247;
inline constexpr int Month = 26248; // the month name
inline constexpr int MonthUpDown = 26249;
inline constexpr int YearUpDown = 26250;
inline constexpr int NewButton = 26251;
} // namespace reminderid
