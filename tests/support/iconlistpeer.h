#pragma once

#include "pages/iconlist.h"

// Reads a row's title as the list shows it.
struct IconListTestPeer {
    static QString rowTitle(const IconList& list, int row) { return list.rowTitle(row); }
};
