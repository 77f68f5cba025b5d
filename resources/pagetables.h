#pragma once

#include "resources/dialogtable.h"

// The tables of the pages that edit records, each in a file of its own.
inline constexpr const char* kPageFont = "MS Sans Serif";
inline constexpr int kPagePoints = 8;
inline constexpr int kPageWidth = 216;
inline constexpr int kPageHeight = 165;

extern const DialogTable kNotesPageTable;
extern const DialogTable kLendingsPageTable;
extern const DialogTable kRemindersPageTable;
extern const DialogTable kOptionsPageTable;
