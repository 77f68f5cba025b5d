// For the measurements only, until the program itself makes one: Quillbox with the caret
// helper made as soon as the application object exists, as its main() is to do.
#include "stickum/caretblink.h"

#include <QCoreApplication>

namespace {

void makeCaretBlink() {
    auto* blink = new CaretBlink();
    blink->setParent(QCoreApplication::instance());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(makeCaretBlink)
