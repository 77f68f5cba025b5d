#pragma once

#include "pages/notesdialog.h"

// Reads which note the page edits, how many it lists and whether it waits for a pin-point.
struct NotesDialogTestPeer {
    static int currentNote(const NotesDialog& page) { return page.current_; }
    static int noteCount(const NotesDialog& page) { return page.noteCount_; }
    static bool pinPointing(const NotesDialog& page) { return page.pinPointer_.waiting(); }
};
