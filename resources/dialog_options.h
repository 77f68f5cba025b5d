#pragma once

// Controls of the "Options" page.
namespace optionid {
inline constexpr int TitleBarGroup = 101;
inline constexpr int TextGroup = 102;
inline constexpr int SoundBox = 26272;
inline constexpr int ReminderDaysUpDown = 26273;
inline constexpr int ReminderDaysEdit = 26274;
inline constexpr int SaveAllButton = 26275;
inline constexpr int FontButton = 26276;
inline constexpr int ColorButton = 26277;
inline constexpr int SampleText = 26278;
inline constexpr int LendingDaysUpDown = 26279;
inline constexpr int LendingDaysEdit = 26280;
inline constexpr int ModifiableRadio = 26284;
inline constexpr int ScrollBarBox = 26285;
inline constexpr int FixedRadio = 26286;
inline constexpr int MinimumRadio = 26287;
inline constexpr int DimensionGroup = 26288;
inline constexpr int WaveFileButton = 26289;
inline constexpr int WaveFileEdit = 26290;
inline constexpr int HeightUpDown = 26291;
inline constexpr int HeightEdit = 26292;
inline constexpr int TitleBarColorButton = 26293;
inline constexpr int DefaultCaptionBox = 26294;
inline constexpr int SampleTitleBarPlace = 26295;
} // namespace optionid
