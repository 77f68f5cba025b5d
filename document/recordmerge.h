#pragma once

#include "model/holder.h"
#include "model/options.h"

#include <array>
#include <cstdint>
#include <vector>

// One entry of a version of the data file as a merge sees it: its kind, its record's fields as
// the file holds them (encodeRecord) and where its Stickum is kept.
struct MergeEntry {
    int kind = KindNone;
    std::vector<std::uint8_t> record;
    std::int16_t x = 0;
    std::int16_t y = 0;
};
using Version = std::vector<MergeEntry>;

// The entries of the list, in order.
Version versionOf(const PostItHolder& holder);

enum class MergeSide { Mine, Theirs };

// An entry of the merged list: which side's entry it is, and where its Stickum is kept.
struct MergePick {
    MergeSide side;
    int index;
    std::int16_t x;
    std::int16_t y;
};

// What a merge brought in from the other side and took away from this one, by kind.
struct MergeTally {
    std::array<int, 4> added{};
    std::array<int, 4> removed{};
    bool empty() const { return added == std::array<int, 4>{} && removed == added; }
};

struct RecordMerge {
    std::vector<MergePick> picks; // this side's entries first, in their order, then theirs
    MergeTally fromTheirs;
};

// Merges two versions that both come from the base, record by record (a record is its kind
// and fields; a record changed is the old one gone and a new one added): added on either side,
// kept; removed on one side and untouched on the other, removed; changed on both sides, both
// kept; the same change on both sides, made once. A Stickum's place is this side's when it was
// moved here, else theirs. Without a base (none is known) nothing is taken away.
RecordMerge mergeRecords(const Version* base, const Version& mine, const Version& theirs);

// Each option is theirs unless this side changed it from the base.
Options mergeOptions(const Options& base, const Options& mine, const Options& theirs);

// For each entry of the later version, the entry of the earlier one whose Stickum it keeps:
// the same record, else a record of the same kind kept at the same place (its text changed
// elsewhere); -1 for a new one.
std::vector<int> continuations(const Version& before, const Version& after);
