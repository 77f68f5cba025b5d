#pragma once

// Texts of the main window that the catalogue does not have yet.
namespace msg {

// The data file could not be written: the file's path and the reason.
inline constexpr const char* SaveFailed = "Your data could not be saved to\r\n%1\r\n\r\n%2";
// Added to SaveFailed when the program is about to end.
inline constexpr const char* QuitAnyway = "Quit anyway? Changes since the last save will be lost.";
// The data file was damaged: the file, what was wrong, and where the original is kept.
inline constexpr const char* FileDamaged =
    "The data file\r\n%1\r\nis damaged (%2).\r\nEverything before the damage was read. The file as "
    "it is now will be kept as\r\n%3\r\nwhen Quillbox next saves.";
// What was wrong when only the options block was damaged.
inline constexpr const char* OptionsDamaged = "the options could not be read";
// The display switch in the main window's caption menu when there is no tray.
inline constexpr const char* MenuDisplayStickums = "Display Stickums";

} // namespace msg
