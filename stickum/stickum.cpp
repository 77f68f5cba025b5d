#include "stickum/stickum.h"

WPostIt* newStickum(const Options& options, StickumSession& session, PostIt* record,
                    QWidget* owner) {
    auto* content = new WPostIt(options);
    auto* frame = new SmallFrame(options, session, record, content, owner);
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
