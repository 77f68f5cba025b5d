#pragma once

// The fixed texts of the records' and the data file's layers and of the messages, in English,
// exactly as the program shows them. The controls' own texts are elsewhere: the dialog tables in
// resources/, and the accessible names, menus and command-line texts with the classes that show
// them (tr()). Each text here is marked with QB_TEXT so that lupdate collects it; the layer that
// shows it translates it (l10n::text). Month and day names in other languages come from the
// locale, not from here.

// Marks a text for translation and leaves it as it is. lupdate reads it as QT_TR_NOOP within the
// namespace msg: the context "msg" (lupdate -tr-function-alias QT_TR_NOOP+=QB_TEXT).
#define QB_TEXT(text) text

namespace msg {

inline constexpr const char* ProgramName = "Quillbox";

inline constexpr const char* MonthNames[12] = {"January",   "February", "March",    "April",
                                               "May",       "June",     "July",     "August",
                                               "September", "October",  "November", "December"};
inline constexpr const char* WeekDays[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

// Message-box captions.
inline constexpr const char* Error = QB_TEXT("ERROR");
inline constexpr const char* Warning = QB_TEXT("WARNING");
inline constexpr const char* PinPointing = QB_TEXT("Pin-pointing!");
inline constexpr const char* CaptionJoin = " - ";

// A lending or a reminder without a date (from another program's file): its "When" column,
// and its alert texts.
inline constexpr const char* NoDate = QB_TEXT("no date");
inline constexpr const char* IOweUndated = QB_TEXT(" I owe him (no date given)");
inline constexpr const char* OwesMeUndated = QB_TEXT(" he owes me (no date given)");
inline constexpr const char* ReminderUndated = QB_TEXT("No date given");

// Lendings list and page.
inline constexpr const char* ColumnName = QB_TEXT("Name");
inline constexpr const char* ColumnWhen = QB_TEXT("When");
inline constexpr const char* ColumnWhat = QB_TEXT("What");
inline constexpr const char* GiveBack = QB_TEXT("Give back");
inline constexpr const char* HaveBack = QB_TEXT("Have back");
inline constexpr const char* IOweTo = QB_TEXT("I owe to");
inline constexpr const char* OwesMe = QB_TEXT("owes me");

// Notes page.
inline constexpr const char* TipPinPoint =
    QB_TEXT("Stick a note to a particular application window");
inline constexpr const char* TipUpdateTitles = QB_TEXT("Update note titles in list");
inline constexpr const char* AttachQuestion = QB_TEXT("Attach Note to Window\r\n\"%s\"??");
inline constexpr const char* NoWindow = QB_TEXT("<no window>");
// "Pin-point to" where other programs' windows cannot be reached.
inline constexpr const char* PinUnavailable =
    QB_TEXT("Notes can be pinned to the windows of other programs only on an X11 desktop.");

// Options page tooltips.
inline constexpr const char* TipColor = QB_TEXT("Change Stickums background color");
inline constexpr const char* TipFont = QB_TEXT("Change Stickums font and character color");
// Options page choosers: the font chooser's title and colour label, the wave file filters.
inline constexpr const char* FontChooserTitle = QB_TEXT("Font");
inline constexpr const char* FontChooserColor = QB_TEXT("Color:");
inline constexpr const char* WaveFilesFilter = QB_TEXT("Wav audio files (*.WAV)");
inline constexpr const char* AllFilesFilter = QB_TEXT("All files(*.*)");

// Tabs: label and tooltip of each page, in tab order.
inline constexpr const char* TabNotes = QB_TEXT("Notes");
inline constexpr const char* TipNotes = QB_TEXT("Add, modify and delete simple notes");
inline constexpr const char* TabLendings = QB_TEXT("Lendings");
inline constexpr const char* TipLendings =
    QB_TEXT("Update your situation of what you have lend/borrowed");
inline constexpr const char* TabReminders = QB_TEXT("Reminders");
inline constexpr const char* TipReminders = QB_TEXT("Mark important days on the calendar");
inline constexpr const char* TabOptions = QB_TEXT("Options");
inline constexpr const char* TipOptions = QB_TEXT("Trim Quillbox to the micron");
inline constexpr const char* TabInfoz = QB_TEXT("Infoz");
inline constexpr const char* TipInfoz = QB_TEXT("Who's the criminal behind all this?");

// Tray tips.
inline constexpr const char* TrayDisplayOn = QB_TEXT("Quillbox (display ON)");
inline constexpr const char* TrayDisplayOff = QB_TEXT("Quillbox (display OFF)");

// Stickum title.
inline constexpr const char* StickumTitle = QB_TEXT("Stickum");

// Capacity messages.
inline constexpr const char* NoSpaceNote = QB_TEXT("Not enough space for this note");
inline constexpr const char* NoSpaceLending =
    QB_TEXT("Not enogh space for this lending/borrowing note");
inline constexpr const char* NoSpaceReminder = QB_TEXT("No more space for this reminder note");
inline constexpr const char* NoSpaceAttach = QB_TEXT("Not enough space\r\nto attach...");

// Removal questions.
inline constexpr const char* RemoveNote = QB_TEXT("Remove selected note?");
inline constexpr const char* RemoveLending = QB_TEXT("Remove selected lending/borrowing note?");
inline constexpr const char* RemoveReminder = QB_TEXT("Remove selected reminder note?");

// Quit question.
inline constexpr const char* QuitQuestion = QB_TEXT("Do you really want to quit this program?");

// Data file.
inline constexpr const char* OldFileWarning = QB_TEXT(
    "Old file format!\nYou can continue and potentially damage your saved data,\n or you can "
    "quit Quillbox and backup your data.\nShould I continue reading?");
inline constexpr const char* OldFileWrongNotes = QB_TEXT("Old file: wrong Notes format!");
inline constexpr const char* OldFileWrongLending = QB_TEXT("Old file: wrong Lending format");
inline constexpr const char* OldFileWrongReminders = QB_TEXT("Old file: wrong Reminders format");
// A data file of a later version than this Quillbox writes: the version found in it.
inline constexpr const char* LaterFileWarning = QB_TEXT(
    "This data file was written by a later version of Quillbox (file version %1; this "
    "Quillbox knows versions up to 4).\nYou can continue: Quillbox reads what it knows of the "
    "file and keeps the file as it is now as quillbox.dat.bak when it next saves. Or you can "
    "quit Quillbox and use the later version.\nShould I continue reading?");

// Saving and reading the data file.
// The data file could not be written: the file's path and the reason.
inline constexpr const char* SaveFailed =
    QB_TEXT("Your data could not be saved to\r\n%1\r\n\r\n%2");
// Added to SaveFailed when the program is about to end.
inline constexpr const char* QuitAnyway =
    QB_TEXT("Quit anyway? Changes since the last save will be lost.");
// The data file was damaged: the file, the byte, what was wrong, and where the original is kept.
inline constexpr const char* FileDamaged = QB_TEXT(
    "The data file\r\n%1\r\nis damaged at byte %2 (%3).\r\nEverything before the damage was "
    "read. The file as it is now will be kept as\r\n%4\r\nwhen Quillbox next saves.");
// What was wrong when only the options block was damaged; the reader's reason follows.
inline constexpr const char* OptionsDamaged = QB_TEXT("the options could not be read");
// The data file is there but cannot be read: the file, the system's reason, the backup.
inline constexpr const char* FileUnreadable = QB_TEXT(
    "The data file\r\n%1\r\ncannot be read (%2).\r\nNothing could be read from it, so Quillbox "
    "starts empty. The file is kept as it is, moved aside as\r\n%3\r\nwhen Quillbox next saves.");
// Something other than a regular file has the data file's name: the path and what it is.
inline constexpr const char* FileNotRegular =
    QB_TEXT("The data file\r\n%1\r\nis %2, not a regular file.\r\nQuillbox leaves it as it is and "
            "ends. Move it out of the way and start Quillbox again.");
// The data file has other names (hard links); said at the start whose save breaks them.
inline constexpr const char* FileHardLinked = QB_TEXT(
    "The data file\r\n%1\r\nhas other names (hard links). Quillbox saves by replacing the "
    "file, so from its next save on the other names keep the old content. A symbolic link is "
    "followed instead.");
// The program's folder cannot be written, but holds a data file: copied to the user's folder.
inline constexpr const char* DataFileCopied =
    QB_TEXT("Quillbox cannot write to its own folder, so the data file found there,\r\n%1\r\nwas "
            "copied to\r\n%2\r\nQuillbox goes on from the copy; the original stays as it is.");
// The copy failed: the two paths and the reason. The program ends.
inline constexpr const char* DataFileCopyFailed =
    QB_TEXT("The data file\r\n%1\r\ncould not be copied to\r\n%2\r\n(%3).\r\nQuillbox ends "
            "without changing either.");

// The data file changed on disk (another machine, through a sync engine) while this side had
// changes of its own: the data file, and where the other version is kept.
inline constexpr const char* ConflictKept = QB_TEXT(
    "The data file\r\n%1\r\nwas changed elsewhere (another machine?) while this Quillbox had "
    "changes of its own.\r\nThis Quillbox's version is now in the data file; the other one is "
    "kept as\r\n%2");

// The data file changed elsewhere while this side had changes too, and the two were merged: the
// data file and what came in (MergeCame).
inline constexpr const char* MergedElsewhere = QB_TEXT(
    "The data file\r\n%1\r\nwas changed elsewhere (another machine?) while this Quillbox had "
    "changes of its own. Both were kept: %2.");
// A conflict copy beside the data file (a sync tool's, or another Quillbox's) was merged: the
// copy and what came in.
inline constexpr const char* CopyMerged =
    QB_TEXT("The conflict copy\r\n%1\r\nwas merged into your data: %2. The copy itself is left as "
            "it is; delete it when you like.");
// A conflict copy beside the data file could not be merged: the copy.
inline constexpr const char* CopyUnreadable =
    QB_TEXT("The conflict copy\r\n%1\r\ncould not be merged (it is damaged, or the lists would not "
            "hold it as well), so nothing of it was taken. It is left as it is.");
// What a merge brought, by kind: "2 notes and 1 lending came in, 1 reminder went".
inline constexpr const char* MergeCame = QB_TEXT("%1 came in");
inline constexpr const char* MergeWent = QB_TEXT("%1 went");
inline constexpr const char* MergeAnd = QB_TEXT(" and ");
inline constexpr const char* KindNames[4][2] = {{"", ""},
                                                {QB_TEXT("note"), QB_TEXT("notes")},
                                                {QB_TEXT("lending"), QB_TEXT("lendings")},
                                                {QB_TEXT("reminder"), QB_TEXT("reminders")}};

// A stop whose save failed left the unsaved version aside; offered at the next start.
inline constexpr const char* RescueOffer = QB_TEXT(
    "Quillbox could not save when it was last stopped; the unsaved version is in %1: take it?");
// On the terminal as a stop's save fails: the data file, why, and where the unsaved version went.
inline constexpr const char* RescueKept =
    QB_TEXT("Quillbox could not save to %1 (%2). The unsaved version is in %3");
inline constexpr const char* RescueLost =
    QB_TEXT("Quillbox could not save to %1 (%2), and the unsaved version could be kept nowhere.");

// A second start against the same data file.
inline constexpr const char* AlreadyRunning =
    QB_TEXT("Quillbox is already running.\r\nIt keeps its data in\r\n%1");

// The display switch in the main window's caption menu when there is no tray.
inline constexpr const char* MenuDisplayStickums = QB_TEXT("Display Stickums");
// Starting Quillbox with the session, in the tray's menu and the caption's; why it failed.
inline constexpr const char* MenuStartAtLogin = QB_TEXT("Start at login");
inline constexpr const char* AutostartFailed =
    QB_TEXT("Quillbox could not change whether it starts at login:\r\n%1");

// Started on a Wayland desktop that has no XWayland to run X11 programs.
inline constexpr const char* NoXWayland = QB_TEXT(
    "This Wayland desktop runs no XWayland.\r\n\r\nWayland does not let one program keep its "
    "windows above the others or look at other programs' windows, so Stickums will not stay on "
    "top and notes cannot be pinned to windows. Everything else works.\r\n\r\nInstall "
    "XWayland (the package xwayland) and log in again to have both.");

// Month name of month 1..12; empty for anything else.
inline const char* monthName(int month) {
    return month >= 1 && month <= 12 ? MonthNames[month - 1] : "";
}

} // namespace msg
