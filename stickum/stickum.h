#pragma once

// What the holder uses to make and drive Stickums.
//
//   WPostIt* content = newStickum(options, session, record, owner);   // hidden at (0, 0)
//   SmallFrame* frame = content->frame();
//   frame->placeAt(x, y);                 // topmost, size kept
//   content->setContent(record->displayText());
//   content->setEditable(record->editable());
//   content->setBackgroundColor(options.stickumColor);
//   frame->showStickum();  ...  frame->hideStickum();
//   record->setText(content->getContent(256));
//   attr.window = frame;                   // frameX(), frameY(): the frame's top-left
//   destroyStickum(content);
//
// Pinned Stickums: frame->setOwnerWindow(window), and ownerHidden() / ownerShown() when that
// window is minimised or restored; session.suppressed keeps them hidden while the display of
// Stickums is off.

#include "model/options.h"
#include "stickum/smallframe.h"
#include "stickum/wpostit.h"

class PostIt;
class QWidget;

// Builds a Stickum for the record, owned by the owner window (none: a free Stickum). The
// options are read now and, for colours and font, on every paint; they and the session it shares
// with the other Stickums must outlive it.
WPostIt* newStickum(const Options& options, StickumSession& session, PostIt* record,
                    QWidget* owner = nullptr);

// Destroys the Stickum's frame with its content window, title bar and buttons.
void destroyStickum(WPostIt* content);
