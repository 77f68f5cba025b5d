#pragma once

#include "stickum/minititlebar.h"

// Reads the strip's caption, where it put the caption's text and whether a drag is under way.
struct MiniTitleBarTestPeer {
    static QString caption(const MiniTitleBar& bar) { return bar.caption_; }
    static int textLeft(const MiniTitleBar& bar) { return bar.textLeft_; }
    static int textRight(const MiniTitleBar& bar) { return bar.textRight_; }
    static bool dragging(const MiniTitleBar& bar) { return bar.dragging_; }
};
