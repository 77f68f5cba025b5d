#pragma once

#include "resources/dialogtable.h"
#include "resources/pictures.h"

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

// The table of a dialog, or nullptr when there is none with that id.
const DialogTable* dialogTable(int id);
