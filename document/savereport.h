#pragma once

#include "document/recordmerge.h"
#include "model/result.h"

#include <string>
#include <vector>

// What came into the data in memory from one file: the data file changed elsewhere, a sync
// tool's conflict copy, a rescue copy.
struct CameIn {
    std::string from; // the file's path
    MergeTally tally;
};

// What a save did, for the window to tell: whether it was done (and why not), and what it met on
// the way. The compiler insists that it is looked at.
struct [[nodiscard]] SaveReport {
    Result result = Result::done();
    bool written = false; // the data file was written (nothing is written without a change)
    bool tookUp = false;  // a version from elsewhere was read into memory
    // Where the version on disk was kept because it could not be merged (it was damaged, or
    // nothing it could be merged against was known); empty when it was merged or there was none.
    std::string conflictCopy;
    std::vector<CameIn> merged;
    // Conflict copies beside the data file that could not be merged: damaged, or with more
    // records than the list holds together with these.
    std::vector<std::string> unreadableCopies;
    // Where the unsaved version went when a save at the end failed; empty when it could be kept
    // nowhere (result says why) or was not needed.
    std::string rescueCopy;

    bool ok() const { return result.ok(); }
};
