#include "resources/dialog_options.h"

#include "resources/dialogs.h"
#include "resources/pagetables.h"

#include <QtGlobal>

#include <array>

namespace {

using namespace optionid;
using K = ItemKind;

// Controls of the page, in dialog units. Group boxes come before what they hold, so that
// their contents stand in front of them. An up-down stands right of its edit; the page makes
// the pair one stepping edit.
constexpr std::array kItems{
    DialogItem{kNoId, K::CentredText, QT_TRANSLATE_NOOP("msg", "Options and defaults"), 4, 0, 208,
               8},
    DialogItem{kNoId, K::GroupBox, QT_TRANSLATE_NOOP("msg", "Stickum appearance"), 4, 12, 108, 84},
    DialogItem{TitleBarGroup, K::GroupBox, QT_TRANSLATE_NOOP("msg", "Title bar color"), 8, 20, 96,
               24},
    DialogItem{DefaultCaptionBox, K::CheckBox, QT_TRANSLATE_NOOP("msg", "&Default Windows col."),
               12, 28, 76, 12},
    DialogItem{TitleBarColorButton, K::PushButton, "...", 90, 30, 12, 10},
    DialogItem{TextGroup, K::GroupBox, QT_TRANSLATE_NOOP("msg", "Text"), 8, 44, 44, 48},
    DialogItem{ColorButton, K::PushButton, QT_TRANSLATE_NOOP("msg", "C&olor"), 10, 56, 40, 14},
    DialogItem{FontButton, K::PushButton, QT_TRANSLATE_NOOP("msg", "&Font"), 10, 72, 40, 14},
    DialogItem{SampleTitleBarPlace, K::GroupBox, "", 56, 46, 52, 8},
    DialogItem{SampleText, K::Text,
               QT_TRANSLATE_NOOP(
                   "msg", "This is a sample note, which uses selected options for displaying"),
               56, 52, 52, 40},
    DialogItem{DimensionGroup, K::GroupBox, QT_TRANSLATE_NOOP("msg", "Dimension"), 116, 12, 96, 84},
    DialogItem{FixedRadio, K::RadioButton, QT_TRANSLATE_NOOP("msg", "Fi&xed"), 120, 22, 60, 12},
    DialogItem{MinimumRadio, K::RadioButton, QT_TRANSLATE_NOOP("msg", "&Minimum"), 120, 34, 60, 12},
    DialogItem{ModifiableRadio, K::RadioButton, QT_TRANSLATE_NOOP("msg", "Modifiable"), 120, 46, 68,
               12},
    DialogItem{ScrollBarBox, K::CheckBox, QT_TRANSLATE_NOOP("msg", "Scroll &bar"), 130, 62, 68, 12},
    DialogItem{kNoId, K::Text, QT_TRANSLATE_NOOP("msg", "&Height in lines of text"), 134, 80, 44,
               8},
    DialogItem{HeightEdit, K::Edit, "", 178, 80, 20, 12},
    DialogItem{HeightUpDown, K::Custom, "", 198, 80, 7, 12},
    DialogItem{kNoId, K::GroupBox, QT_TRANSLATE_NOOP("msg", "Dates: defaults"), 4, 96, 208, 52},
    DialogItem{kNoId, K::Text, QT_TRANSLATE_NOOP("msg", "&Reminders: how many days before"), 8, 108,
               64, 16},
    DialogItem{ReminderDaysEdit, K::Edit, "", 72, 108, 20, 12},
    DialogItem{ReminderDaysUpDown, K::Custom, "", 92, 108, 7, 12},
    DialogItem{kNoId, K::Text, QT_TRANSLATE_NOOP("msg", "&Lendings: how many days after"), 8, 128,
               64, 16},
    DialogItem{LendingDaysEdit, K::Edit, "", 72, 128, 20, 12},
    DialogItem{LendingDaysUpDown, K::Custom, "", 92, 128, 7, 12},
    DialogItem{SoundBox, K::CheckBox, QT_TRANSLATE_NOOP("msg", "&Sound"), 102, 104, 60, 12},
    DialogItem{kNoId, K::GroupBox, QT_TRANSLATE_NOOP("msg", "Wave file"), 102, 116, 108, 26},
    DialogItem{WaveFileEdit, K::Edit, "Edit3", 104, 126, 88, 12},
    DialogItem{WaveFileButton, K::PushButton, "...", 196, 128, 12, 10},
    DialogItem{SaveAllButton, K::PushButton, QT_TRANSLATE_NOOP("msg", "S&ave all"), 84, 149, 50,
               14},
};

} // namespace

const DialogTable kOptionsPageTable{kOptionsPage, kPageWidth,  kPageHeight,
                                    kPageFont,    kPagePoints, kItems};
