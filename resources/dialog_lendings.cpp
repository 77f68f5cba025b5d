#include "resources/dialog_lendings.h"
#include "resources/dialogs.h"
#include "resources/pagetables.h"

#include <QtGlobal>

#include <array>

namespace {

using namespace lendingid;

// Controls of the page, in dialog units. The tab control lies behind everything else; each
// number display and its arrows become one stepper of the page.
constexpr std::array kItems{
    DialogItem{Tabs, ItemKind::TabControl, "", 4, 0, 208, 164},
    DialogItem{List, ItemKind::Custom, "", 8, 16, 200, 68},
    DialogItem{kNoId, ItemKind::GroupBox, "", 8, 88, 200, 57},
    DialogItem{LeftLabel, ItemKind::RightText, "a/da chi", 10, 92, 32, 12},
    DialogItem{Person, ItemKind::ComboBox, "", 46, 92, 64, 56},
    DialogItem{RightLabel, ItemKind::RightText, "a/da chi", 112, 92, 28, 12},
    DialogItem{kNoId, ItemKind::CentredText, QT_TRANSLATE_NOOP("msg", "&Object"), 144, 92, 61, 10},
    DialogItem{Object, ItemKind::MultiLineEdit, "", 142, 102, 64, 40},
    DialogItem{kNoId, ItemKind::RightText, QT_TRANSLATE_NOOP("msg", "&When"), 8, 110, 32, 12},
    DialogItem{Day, ItemKind::CentredText, "", 44, 110, 12, 12},
    DialogItem{DayUpDown, ItemKind::Custom, "", 56, 110, 7, 12},
    DialogItem{Month, ItemKind::CentredText, "", 64, 110, 40, 12},
    DialogItem{MonthUpDown, ItemKind::Custom, "", 104, 110, 7, 12},
    DialogItem{Year, ItemKind::CentredText, "", 112, 110, 20, 12},
    DialogItem{YearUpDown, ItemKind::Custom, "", 132, 110, 7, 12},
    DialogItem{kNoId, ItemKind::RightText, QT_TRANSLATE_NOOP("msg", "A&fter"), 9, 128, 35, 12},
    DialogItem{After, ItemKind::Edit, "", 48, 128, 20, 12},
    DialogItem{AfterUpDown, ItemKind::Custom, "", 68, 128, 7, 12},
    DialogItem{SoundBox, ItemKind::CheckBox, QT_TRANSLATE_NOOP("msg", "&Sound"), 104, 128, 36, 12},
    DialogItem{NewButton, ItemKind::PushButton, QT_TRANSLATE_NOOP("msg", "&New"), 56, 148, 50, 14},
    DialogItem{AddButton, ItemKind::PushButton, QT_TRANSLATE_NOOP("msg", "&Add"), 108, 148, 50, 14},
    DialogItem{RemoveButton, ItemKind::PushButton, QT_TRANSLATE_NOOP("msg", "Re&move"), 160, 148,
               50, 14},
};

} // namespace

const DialogTable kLendingsPageTable{kLendingsPage, kPageWidth,  kPageHeight,
                                     kPageFont,     kPagePoints, kItems};
