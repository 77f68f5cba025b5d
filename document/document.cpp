#include "document/document.h"

#include "document/conflictcopies.h"
#include "document/filefollower.h"
#include "storage/atomic_file.h"

#include <QFile>

namespace {

// A change made inside a Stickum is saved this long after the last keystroke or move.
constexpr int kAutosaveDelayMs = 3000;
// How often a save meets yet another version put in place as it writes before it gives up
// looking (each time, what it met is merged first).
constexpr int kRounds = 3;

std::string local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// Whether Stickums would look different with the other options.
bool lookDiffers(const Options& a, Options b) {
    b.reminderDaysBefore = a.reminderDaysBefore;
    b.lendingDaysAfter = a.lendingDaysAfter;
    b.defaultSound = a.defaultSound;
    b.waveFile = a.waveFile;
    return !(a == b);
}

} // namespace

// A version of the data file read from bytes: whole when it was read completely.
struct Document::Read {
    explicit Read(const QString& path) : file(local(path)) {}
    DataFile file;
    PostItHolder records;
    Options options;
    bool whole = false;
};

Document::Document(const QString& dataPath, const Options& initial, StateFolder state)
    : path_(dataPath), file_(local(dataPath)), options_(initial), state_(std::move(state)) {
    autosave_.setSingleShot(true);
    autosave_.setInterval(kAutosaveDelayMs);
    connect(&autosave_, &QTimer::timeout, this, &Document::saveInBackground);
}

Document::Document(const QString& dataPath, const Options& initial)
    : Document(dataPath, initial, StateFolder(dataPath)) {}

Document::~Document() = default;

LoadResult Document::load(const OldFileQuestions& questions) {
    // The program holds the data file's lock by now: no other one is saving.
    file_.removeLeftovers();
    const LoadResult loaded = file_.load(records_, questions);
    if (loaded.mustExit()) return loaded;
    optionsRead_ = file_.readOptions(options_);
    if (hooks_.settle) hooks_.settle(options_);
    base_ = file_.bytesRead();
    if (!base_.empty()) {
        // A version this Quillbox did not write last came from elsewhere.
        if (state_.base() != base_) state_.keepArrival(base_, identityOf(local(path_)).modifiedNs);
        state_.keepBase(base_);
    }
    markInStep();
    return loaded;
}

void Document::markInStep() {
    comparable_ = DataFile::comparable(records_, options_);
}

bool Document::hasChanges() const {
    return DataFile::comparable(records_, options_) != comparable_;
}

void Document::follow() {
    if (follower_) return;
    follower_ = new FileFollower(path_, this);
    connect(follower_, &FileFollower::changed, this, &Document::followDisk);
    followDisk();
}

void Document::followDisk() {
    // Any change in the folder may be a conflict copy coming.
    copiesPending_ = true;
    if (ended_ || (hooks_.holdBack && hooks_.holdBack())) return;
    bool copies = false;
    for (const QString& copy : conflictCopiesOf(path_))
        copies = copies || !state_.handled(copy);
    if (!copies && !file_.changedOnDisk()) {
        copiesPending_ = false;
        return;
    }
    saveInBackground();
}

void Document::saveSoon() {
    if (!ended_) autosave_.start();
}

void Document::saveInBackground() {
    const SaveReport report = save();
    emit reported(report);
}

SaveReport Document::save(SaveKind kind) {
    autosave_.stop();
    if (ended_) return {};
    if (hooks_.collect) hooks_.collect();
    if (kind == SaveKind::Now) return writeOut(true);
    // What is taken up while the program ends is not shown any more.
    ended_ = true;
    SaveReport report = writeOut(false);
    if (report.ok()) return report;
    QString where;
    const Result kept = state_.keepRescue(DataFile::encode(records_, options_), where);
    if (kept)
        report.rescueCopy = local(where);
    else
        report.result = Result::failed(report.result.why() + "; " + kept.why());
    return report;
}

SaveReport Document::writeOut(bool mayTakeUp) {
    SaveReport report;
    for (int round = 0; round < kRounds; ++round) {
        if (file_.changedOnDisk()) {
            const FileIdentity seen = identityOf(local(path_));
            std::vector<std::uint8_t> theirs;
            const ReadOutcome read = readWholeFile(local(path_), theirs).outcome;
            if (read == ReadOutcome::Read && !meet(theirs, seen, mayTakeUp, report) && !report.ok())
                return report;
        }
        if (round == 0 && mayTakeUp && copiesPending_) mergeConflictCopies(report);
        // The file on disk holds all there is: nothing is written. (Where it has gone, it is
        // written again; something in its way is met by the write, which says what it is; a
        // damaged or old-layout one is written anew, its original kept as the backup.)
        if (!hasChanges() && !file_.changedOnDisk() && !file_.needsRewrite() &&
            identityOf(local(path_)).exists)
            return report;

        const std::vector<std::uint8_t> bytes = DataFile::encode(records_, options_);
        const std::vector<std::uint8_t> before = base_;
        WriteReport written = file_.write(bytes);
        report.result = std::move(written.result);
        if (!report.ok()) return report;
        report.written = true;
        inStep(bytes);
        if (!written.intruder) return report;
        // A version put in place between the look above and the write was traded out by it:
        // it is merged into what was just written, which is written again.
        Read intruder(path_);
        read(*written.intruder, intruder);
        if (!intruder.whole ||
            !mergeIn(intruder, before.empty() ? nullptr : &before, local(path_), report)) {
            report.result = keepAside(*written.intruder, report);
            return report;
        }
        state_.keepArrival(*written.intruder, identityOf(local(path_)).modifiedNs);
    }
    return report;
}

bool Document::meet(const std::vector<std::uint8_t>& theirs, const FileIdentity& seen,
                    bool mayTakeUp, SaveReport& report) {
    // Put back as it was (a sync tool's own copy of what this side wrote): nothing came.
    if (theirs == base_) {
        file_.takeAsKnown(seen);
        return true;
    }
    Read read(path_);
    this->read(theirs, read);
    // Not whole: still being written in place, or damaged. Nothing to do until this side has
    // something to write, and then it is kept aside.
    if (!read.whole && !hasChanges()) return false;
    file_.takeAsKnown(seen);
    if (read.whole) state_.keepArrival(theirs, seen.modifiedNs);
    if (read.whole && !hasChanges()) {
        if (mayTakeUp) {
            takeUp(read, theirs, seen);
            report.tookUp = true;
        }
        return false;
    }
    if (read.whole && mergeIn(read, base_.empty() ? nullptr : &base_, local(path_), report))
        return true;
    report.result = keepAside(theirs, report);
    return report.ok();
}

void Document::read(const std::vector<std::uint8_t>& bytes, Read& into) const {
    into.options = options_;
    // A version read while the program runs: one of the old layout or a later version is not
    // asked about, and counts as one that cannot be merged.
    const LoadResult loaded =
        into.file.loadFromBytes(bytes, into.records, OldFileQuestions::answered(false));
    into.whole = loaded.status == LoadStatus::Loaded && into.file.readOptions(into.options);
    if (into.whole && hooks_.settle) hooks_.settle(into.options);
}

void Document::takeUp(Read& read, const std::vector<std::uint8_t>& bytes,
                      const FileIdentity& seen) {
    const std::vector<int> continues = continuations(versionOf(records_), versionOf(read.records));
    adopt(read.records, read.options, continues);
    file_ = std::move(read.file);
    file_.setSaveStageHook(stageHook_);
    file_.takeAsKnown(seen);
    inStep(bytes);
}

bool Document::mergeIn(Read& theirs, const std::vector<std::uint8_t>* base, const std::string& from,
                       SaveReport& report) {
    Read common(path_);
    if (base) read(*base, common);
    // Without a base nothing tells what this side changed in the options: they stay.
    const Options& baseOptions = common.whole ? common.options : theirs.options;
    const Version mine = versionOf(records_);
    const Version other = versionOf(theirs.records);
    const Version origin = versionOf(common.records);
    const RecordMerge merge = mergeRecords(common.whole ? &origin : nullptr, mine, other);
    if (merge.picks.size() > static_cast<std::size_t>(kHolderCapacity)) return false;

    PostItHolder fresh;
    std::vector<int> continues;
    for (const MergePick& pick : merge.picks) {
        const MergeEntry& entry = (pick.side == MergeSide::Mine ? mine : other)[pick.index];
        auto attr = fresh.newAttr();
        attr->x = pick.x;
        attr->y = pick.y;
        auto record = decodeRecord(entry.kind, entry.record);
        if (!record || !fresh.addAttached(std::move(record), std::move(attr))) return false;
        continues.push_back(pick.side == MergeSide::Mine ? pick.index : -1);
    }
    Options merged = mergeOptions(baseOptions, options_, theirs.options);
    if (hooks_.settle) hooks_.settle(merged);
    adopt(fresh, merged, continues);
    if (!merge.fromTheirs.empty()) report.merged.push_back({from, merge.fromTheirs});
    return true;
}

void Document::adopt(PostItHolder& fresh, const Options& options,
                     const std::vector<int>& continues) {
    const Options before = options_;
    options_ = options;
    const Incoming incoming{fresh, continues, lookDiffers(before, options_),
                            before.waveFile != options_.waveFile};
    if (hooks_.adopt)
        hooks_.adopt(incoming);
    else
        records_.swapWith(fresh);
}

void Document::inStep(const std::vector<std::uint8_t>& bytes) {
    base_ = bytes;
    markInStep();
    state_.keepBase(bytes);
}

Result Document::keepAside(const std::vector<std::uint8_t>& theirs, SaveReport& report) {
    const std::string copy = conflictCopyPath(local(path_));
    // The file itself when it is still there, with its time, else its bytes as they were read.
    std::vector<std::uint8_t> onDisk;
    readWholeFile(local(path_), onDisk);
    const Result kept = onDisk == theirs ? keepConflictCopy(local(path_), copy)
                                         : writeAtomically(copy, theirs, 0600);
    if (!kept)
        return Result::failed("the version another machine wrote could not be kept as " + copy +
                              ": " + kept.why());
    report.conflictCopy = copy;
    // Kept here because it could not be merged here: other machines merge it.
    state_.markHandled(QFile::decodeName(copy.c_str()));
    return Result::done();
}

void Document::mergeConflictCopies(SaveReport& report) {
    copiesPending_ = false;
    for (const QString& copy : conflictCopiesOf(path_)) {
        if (state_.handled(copy)) continue;
        // Once, whatever comes of it: the copy stays where it is, the user's to delete.
        state_.markHandled(copy);
        std::vector<std::uint8_t> bytes;
        Read read(path_);
        if (readWholeFile(local(copy), bytes).outcome == ReadOutcome::Read) this->read(bytes, read);
        if (!read.whole) {
            report.unreadableCopies.push_back(local(copy));
            continue;
        }
        // Against the version the copy's machine started from: the last one that came here
        // from elsewhere before the copy was written.
        const auto base = state_.arrivalBefore(identityOf(local(copy)).modifiedNs);
        if (!mergeIn(read, base ? &*base : nullptr, local(copy), report))
            report.unreadableCopies.push_back(local(copy));
    }
}

SaveReport Document::takeRescue() {
    SaveReport report;
    const QString rescue = rescueCopy();
    std::vector<std::uint8_t> bytes;
    if (rescue.isEmpty() || readWholeFile(local(rescue), bytes).outcome != ReadOutcome::Read)
        return report;
    Read read(path_);
    this->read(bytes, read);
    // What the stopped Quillbox had against the version it last read or wrote; what came since
    // is kept as well.
    const auto base = state_.base();
    if (!read.whole || !mergeIn(read, base ? &*base : nullptr, local(rescue), report)) {
        report.result =
            Result::failed("the unsaved version in " + local(rescue) + " could not be read");
        return report;
    }
    SaveReport saved = save();
    saved.merged = std::move(report.merged);
    if (saved.ok()) state_.dropRescue(true);
    return saved;
}
