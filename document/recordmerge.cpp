#include "document/recordmerge.h"

#include "storage/datafile.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

using Key = std::pair<int, std::vector<std::uint8_t>>;

Key keyOf(const MergeEntry& entry) {
    return {entry.kind, entry.record};
}

// Where the entries of one record stand in each version, in order of their occurrence.
struct Occurrences {
    std::vector<int> base;
    std::vector<int> mine;
    std::vector<int> theirs;

    // How many of the record the merge keeps: each side's change from the base counts, and the
    // same change made on both sides counts once.
    int kept() const {
        const int b = static_cast<int>(base.size());
        const int dm = static_cast<int>(mine.size()) - b;
        const int dt = static_cast<int>(theirs.size()) - b;
        int change = dm + dt;
        if (dm > 0 && dt > 0) change = std::max(dm, dt);
        if (dm < 0 && dt < 0) change = std::min(dm, dt);
        return std::max(0, b + change);
    }
};

bool samePlace(const MergeEntry& a, const MergeEntry& b) {
    return a.x == b.x && a.y == b.y;
}

} // namespace

Version versionOf(const PostItHolder& holder) {
    Version version;
    version.reserve(static_cast<std::size_t>(holder.count()));
    for (int i = 0; i < holder.count(); ++i) {
        const PostItAttr* attr = holder.attrAt(i);
        version.push_back({holder.kindAt(i), encodeRecord(*holder.recordAt(i)),
                           attr ? attr->x : std::int16_t{0}, attr ? attr->y : std::int16_t{0}});
    }
    return version;
}

RecordMerge mergeRecords(const Version* base, const Version& mine, const Version& theirs) {
    std::map<Key, Occurrences> records;
    if (base) {
        for (int i = 0; i < static_cast<int>(base->size()); ++i)
            records[keyOf((*base)[i])].base.push_back(i);
    }
    for (int i = 0; i < static_cast<int>(mine.size()); ++i)
        records[keyOf(mine[i])].mine.push_back(i);
    for (int i = 0; i < static_cast<int>(theirs.size()); ++i)
        records[keyOf(theirs[i])].theirs.push_back(i);

    RecordMerge merge;
    std::map<Key, int> placed; // how many of each record the merged list holds so far
    for (int i = 0; i < static_cast<int>(mine.size()); ++i) {
        const MergeEntry& entry = mine[i];
        const Key key = keyOf(entry);
        const Occurrences& seen = records[key];
        int& count = placed[key];
        if (count >= seen.kept()) {
            ++merge.fromTheirs.removed[static_cast<std::size_t>(entry.kind)];
            continue;
        }
        // The n-th occurrence on this side is the n-th on theirs and in the base.
        const auto n = static_cast<std::size_t>(count++);
        MergePick pick{MergeSide::Mine, i, entry.x, entry.y};
        if (n < seen.theirs.size()) {
            const MergeEntry& other = theirs[static_cast<std::size_t>(seen.theirs[n])];
            const bool movedHere =
                n >= seen.base.size() ||
                !samePlace(entry, (*base)[static_cast<std::size_t>(seen.base[n])]);
            if (!movedHere) {
                pick.x = other.x;
                pick.y = other.y;
            }
        }
        merge.picks.push_back(pick);
    }
    std::map<Key, int> theirsMet;
    for (int i = 0; i < static_cast<int>(theirs.size()); ++i) {
        const MergeEntry& entry = theirs[i];
        const Key key = keyOf(entry);
        const Occurrences& seen = records[key];
        // Those that pair with an entry on this side are in the list already (or were taken
        // away there).
        if (theirsMet[key]++ < static_cast<int>(seen.mine.size())) continue;
        int& count = placed[key];
        if (count >= seen.kept()) continue;
        ++count;
        merge.picks.push_back({MergeSide::Theirs, i, entry.x, entry.y});
        ++merge.fromTheirs.added[static_cast<std::size_t>(entry.kind)];
    }
    return merge;
}

namespace {

// This side's value where it changed it, else theirs (already in merged).
template <typename Value> void pick(Value& merged, const Value& base, const Value& mine) {
    if (mine != base) merged = mine;
}

template <typename... Fields>
void pickEach(Options& merged, const Options& base, const Options& mine, Fields... fields) {
    (pick(merged.*fields, base.*fields, mine.*fields), ...);
}

} // namespace

Options mergeOptions(const Options& base, const Options& mine, const Options& theirs) {
    Options merged = theirs;
    pickEach(merged, base, mine, &Options::stickumColor, &Options::textColor, &Options::stickumFont,
             &Options::titleBarColor, &Options::defaultCaptionColor, &Options::dimensionMode,
             &Options::scrollBar, &Options::heightInLines, &Options::reminderDaysBefore,
             &Options::lendingDaysAfter, &Options::defaultSound, &Options::waveFile);
    return merged;
}

std::vector<int> continuations(const Version& before, const Version& after) {
    std::vector<int> continues(after.size(), -1);
    std::vector<bool> taken(before.size(), false);
    const auto match = [&](auto same) {
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (continues[i] >= 0) continue;
            for (std::size_t j = 0; j < before.size(); ++j) {
                if (taken[j] || before[j].kind != after[i].kind || !same(before[j], after[i]))
                    continue;
                taken[j] = true;
                continues[i] = static_cast<int>(j);
                break;
            }
        }
    };
    match([](const MergeEntry& a, const MergeEntry& b) { return a.record == b.record; });
    match(samePlace);
    return continues;
}
