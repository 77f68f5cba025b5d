#include "stickum/stickum.h"

namespace {

bool suppressedFlag = false;

} // namespace

WPostIt* newStickum(const Options& options, PostIt* record, QWidget* owner) {
    auto* content = new WPostIt(options);
    auto* frame = new SmallFrame(options, record, content, owner);
    content->setFrame(frame);
    frame->setUp();
    return content;
}

void destroyStickum(WPostIt* content) {
    if (!content) return;
    if (SmallFrame* frame = content->frame()) {
        delete frame;
    } else {
        delete content;
    }
}

bool stickumsSuppressed() {
    return suppressedFlag;
}

void setStickumsSuppressed(bool suppressed) {
    suppressedFlag = suppressed;
}
