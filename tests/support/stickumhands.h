#pragma once

#include "stickum/minititlebar.h"
#include "stickum/smallframe.h"
#include "stickum/stickumedit.h"
#include "stickum/wpostit.h"

#include <QPoint>
#include <QTextDocument>

#include <string>

// The user types the text into a Stickum (as far as Quillbox can tell: the edit changed).
inline void userTypes(WPostIt* content, const std::string& text) {
    content->setContent(text);
    content->edit()->document()->setModified(true);
}

// The user drags the Stickum by its title bar to the place and lets go.
inline void userDrags(SmallFrame* frame, QPoint to) {
    MiniTitleBar* bar = frame->titleBar();
    const QPoint from = frame->pos();
    bar->dragPress(from);
    bar->dragMove(to);
    bar->dragRelease();
}
