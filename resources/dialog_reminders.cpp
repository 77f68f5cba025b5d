#include "resources/dialog_reminders.h"
#include "resources/dialogs.h"
#include "resources/pagetables.h"

#include <QtGlobal>

#include <array>

namespace {

// Controls of the page, in dialog units. The up-downs are places the page fills with its
// steppers; the calendar covers the empty group box.
constexpr std::array kItems{
    DialogItem{kNoId, ItemKind::RightText, QT_TRANSLATE_NOOP("msg", "&Year"), 8, 0, 20, 12},
    DialogItem{reminderid::Year, ItemKind::CentredText, "", 32, 0, 24, 12},
    DialogItem{reminderid::YearUpDown, ItemKind::Custom, "", 56, 0, 7, 12},
    DialogItem{kNoId, ItemKind::RightText, QT_TRANSLATE_NOOP("msg", "Mon&th"), 128, 0, 28, 12},
    DialogItem{reminderid::Month, ItemKind::Text, "", 160, 0, 40, 12},
    DialogItem{reminderid::MonthUpDown, ItemKind::Custom, "", 200, 0, 7, 12},
    DialogItem{reminderid::Calendar, ItemKind::GroupBox, "", 4, 14, 208, 74},
    DialogItem{kNoId, ItemKind::GroupBox, "", 4, 91, 208, 55},
    DialogItem{kNoId, ItemKind::RightText, QT_TRANSLATE_NOOP("msg", "How many &days before"), 8, 96,
               88, 12},
    DialogItem{reminderid::Days, ItemKind::Edit, "", 100, 96, 20, 12},
    DialogItem{reminderid::DaysUpDown, ItemKind::Custom, "", 120, 96, 7, 12},
    DialogItem{reminderid::SoundBox, ItemKind::CheckBox, QT_TRANSLATE_NOOP("msg", "&Sound"), 16,
               112, 36, 12},
    DialogItem{kNoId, ItemKind::CentredText, QT_TRANSLATE_NOOP("msg", "To r&emember"), 144, 95, 64,
               8},
    DialogItem{reminderid::Text, ItemKind::MultiLineEdit, "", 144, 104, 64, 40},
    DialogItem{reminderid::NewButton, ItemKind::PushButton, QT_TRANSLATE_NOOP("msg", "&New"), 56,
               148, 50, 14},
    DialogItem{reminderid::AddButton, ItemKind::PushButton, QT_TRANSLATE_NOOP("msg", "&Add"), 108,
               148, 50, 14},
    DialogItem{reminderid::RemoveButton, ItemKind::PushButton, QT_TRANSLATE_NOOP("msg", "Re&move"),
               160, 148, 50, 14},
};

} // namespace

const DialogTable kRemindersPageTable{kRemindersPage, kPageWidth,  kPageHeight,
                                      kPageFont,      kPagePoints, kItems};
