#pragma once

#include "resources/dialogtable.h"

// Resource ids of the dialogs.
inline constexpr int kMainDialog = 26192;
inline constexpr int kNotesPage = 26209;
inline constexpr int kLendingsPage = 26210;
inline constexpr int kRemindersPage = 26211;
inline constexpr int kOptionsPage = 26212;
inline constexpr int kAboutPage = 26213;

// Controls of the main dialog.
inline constexpr int kCloseButton = 1;    // the dialog's OK command
inline constexpr int kCollapseButton = 2; // the dialog's Cancel command
inline constexpr int kTabControl = 26208;

// Resource ids of the pictures.
inline constexpr int kProgramIcon = 26193;
inline constexpr int kNoteShownIcon = 26195;
inline constexpr int kNoteHiddenIcon = 26196;
inline constexpr int kAboutLogo = 26303;
inline constexpr int kCaptionDecorationClip = 26336;
inline constexpr int kCaptionDecorationQuill = 26337;
inline constexpr int kSplashPicture = 26338;

// The table of a dialog, or nullptr when there is none with that id.
const DialogTable* dialogTable(int id);
