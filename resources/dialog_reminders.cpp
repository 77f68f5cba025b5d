#include "resources/dialogs.h"
#include "resources/pagetables.h"

#include <array>

namespace {

// Controls of the page, in dialog units.
constexpr std::array<DialogItem, 0> kItems{};

} // namespace

const DialogTable kRemindersPageTable{kRemindersPage, kPageWidth,  kPageHeight,
                                      kPageFont,      kPagePoints, kItems};
