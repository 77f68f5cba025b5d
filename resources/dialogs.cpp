#include "resources/dialogs.h"

#include "resources/pagetables.h"

#include <QtGlobal>

#include <array>

namespace {

constexpr const char* kDialogFont = "MS Sans Serif";
constexpr int kDialogPoints = 8;

// The main dialog: the page selector and the two buttons under it.
constexpr std::array kMainItems{
    DialogItem{kCollapseButton, ItemKind::PushButton, QT_TRANSLATE_NOOP("msg", "Colla&pse"), 8, 192,
               50, 14},
    DialogItem{kCloseButton, ItemKind::DefPushButton, QT_TRANSLATE_NOOP("msg", "&Close"), 182, 192,
               50, 14},
    DialogItem{kTabControl, ItemKind::TabControl, "", 8, 4, 224, 184},
};

// The "Infoz" page.
constexpr std::array kAboutItems{
    DialogItem{kNoId, ItemKind::Icon, "", 168, 4, 16, 16, kProgramIcon},
    DialogItem{kNoId, ItemKind::Icon, "", 144, 12, 16, 16, kProgramIcon},
    DialogItem{kNoId, ItemKind::CentredText, "Quillbox", 76, 24, 60, 8},
    DialogItem{kNoId, ItemKind::Picture, "", 52, 36, 108, 44, kAboutLogo},
    DialogItem{kNoId, ItemKind::CentredText, "version " QUILLBOX_VERSION, 76, 84, 60, 8},
    DialogItem{kNoId, ItemKind::CentredText, QT_TRANSLATE_NOOP("msg", "by the Quillbox makers"), 76,
               96, 60, 8},
    DialogItem{kNoId, ItemKind::CentredText, "http://quillbox.example.org/", 38, 108, 140, 12},
    DialogItem{kNoId, ItemKind::CentredText, "mailto:makers@quillbox.example.org", 38, 120, 140,
               12},
    DialogItem{kNoId, ItemKind::Icon, "", 192, 132, 16, 16, kProgramIcon},
    DialogItem{kNoId, ItemKind::CentredText, "", 4, 140, 164, 8},
    DialogItem{kNoId, ItemKind::CentredText, "Golden Drawing Pin, Tidy Desk Club", 32, 152, 148, 8},
};

constexpr std::array kTables{
    DialogTable{kMainDialog, 240, 210, kDialogFont, kDialogPoints, kMainItems},
    DialogTable{kAboutPage, 216, 165, kDialogFont, kDialogPoints, kAboutItems},
};

} // namespace

const DialogTable* dialogTable(int id) {
    for (const DialogTable& table : kTables)
        if (table.id == id) return &table;
    // The pages that edit records keep their tables in files of their own.
    for (const DialogTable* table :
         {&kNotesPageTable, &kLendingsPageTable, &kRemindersPageTable, &kOptionsPageTable})
        if (table->id == id) return table;
    return nullptr;
}
