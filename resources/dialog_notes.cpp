#include "resources/dialog_notes.h"
#include "resources/dialogs.h"
#include "resources/pagetables.h"

#include <QtGlobal>

#include <array>

namespace {

// Controls of the page, in dialog units. The note list is a place the page fills with its own
// list of titles and icons.
constexpr std::array kItems{
    DialogItem{kNoId, ItemKind::CentredText,
               QT_TRANSLATE_NOOP("msg", "Write or remove those sticky notes.."), 12, 4, 144, 8},
    DialogItem{noteid::RefreshButton, ItemKind::PushButton,
               QT_TRANSLATE_NOOP("msg", "&Refresh list"), 160, 8, 50, 14},
    DialogItem{noteid::NoteList, ItemKind::Custom, "", 12, 24, 192, 64},
    DialogItem{noteid::PinButton, ItemKind::PushButton, QT_TRANSLATE_NOOP("msg", "P&in-point to"),
               8, 92, 50, 14},
    DialogItem{noteid::TargetLabel, ItemKind::Text, "", 64, 92, 72, 12},
    DialogItem{kNoId, ItemKind::CentredText, QT_TRANSLATE_NOOP("msg", "Note te&xt"), 144, 88, 64,
               12},
    DialogItem{noteid::NoteEdit, ItemKind::MultiLineEdit, "", 144, 100, 64, 40},
    DialogItem{noteid::NewButton, ItemKind::PushButton, QT_TRANSLATE_NOOP("msg", "&New"), 57, 148,
               50, 14},
    DialogItem{noteid::AddButton, ItemKind::PushButton, QT_TRANSLATE_NOOP("msg", "&Add"), 109, 148,
               50, 14},
    DialogItem{noteid::RemoveButton, ItemKind::PushButton, QT_TRANSLATE_NOOP("msg", "Re&move"), 161,
               148, 50, 14},
};

} // namespace

const DialogTable kNotesPageTable{kNotesPage, kPageWidth,  kPageHeight,
                                  kPageFont,  kPagePoints, kItems};
