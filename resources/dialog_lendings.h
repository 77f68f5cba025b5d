#pragma once

// Controls of the "Lendings" page.
namespace lendingid {
inline constexpr int Tabs = 26306;       // "Give back" and "Have back"
inline constexpr int List = 26319;       // the lendings of the tab shown
inline constexpr int LeftLabel = 26317;  // "I owe to" before the person, or empty
inline constexpr int Person = 26318;     // the person, with the names already used
inline constexpr int RightLabel = 26324; // "owes me" after the person, or empty
inline constexpr int Object = 26316;     // what was lent or borrowed
inline constexpr int Day = 26312;        // the day number
inline constexpr int DayUpDown = 26315;
inline constexpr int Month = 26311; // the month name
inline constexpr int MonthUpDown = 26314;
inline constexpr int Year = 26310;
inline constexpr int YearUpDown = 26313;
inline constexpr int After = 26309; // days after the date until the alert
inline constexpr int AfterUpDown = 26308;
inline constexpr int SoundBox = 26307;
inline constexpr int NewButton = 26323;
inline constexpr int AddButton = 26322;
inline constexpr int RemoveButton = 26321;
} // namespace lendingid
