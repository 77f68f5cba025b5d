#include "storage/datafile.h"

#include "model/catalogue.h"
#include "storage/atomic_file.h"
#include "storage/byte_stream.h"
#include "storage/exchange_file.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <utility>

namespace {

// The records read and write their fields through the file's encodings.
class RecordReader final : public FieldReader {
public:
    explicit RecordReader(ByteReader& in) : in_(in) {}
    std::int16_t i16() override { return in_.i16(); }
    bool flag() override { return in_.flag(); }
    std::string string(std::size_t maxBytes) override { return in_.string(maxBytes); }
    Date date() override { return in_.date(); }

private:
    ByteReader& in_;
};

class RecordWriter final : public FieldWriter {
public:
    explicit RecordWriter(ByteWriter& out) : out_(out) {}
    void i16(std::int16_t value) override { out_.i16(value); }
    void flag(bool value) override { out_.flag(value); }
    void string(const std::string& bytes) override { out_.string(bytes); }
    void date(Date value) override { out_.date(value); }

private:
    ByteWriter& out_;
};

std::unique_ptr<PostIt> makeRecord(int kind) {
    switch (kind) {
    case KindNote:
        return std::make_unique<Note>();
    case KindLending:
        return std::make_unique<Prestito>();
    case KindReminder:
        return std::make_unique<Appointement>();
    default:
        return nullptr;
    }
}

std::int16_t clampTo(std::int16_t value, int low, int high) {
    return static_cast<std::int16_t>(std::clamp<int>(value, low, high));
}

// Version 3 and later: the entries in order, each with its kind, record and position. Entries
// beyond what the holder keeps are read past and dropped, so the options after them are found.
// Returns false when the count was negative: where the entries end cannot be known then.
bool readRecordBlock(ByteReader& in, PostItHolder& holder) {
    const std::size_t countAt = in.position();
    const std::int16_t stored = in.i16();
    if (stored < 0) {
        in.noteDamage("the number of entries is negative", countAt);
        return false;
    }
    if (stored > kHolderCapacity)
        in.noteDamage("the file holds more entries than Quillbox keeps", countAt);
    RecordReader fields(in);
    for (int i = 0; i < stored && in.good(); ++i) {
        const int kind = in.i16();
        auto record = makeRecord(kind);
        if (!record) {
            if (in.good()) in.fail("an entry has an unknown kind");
            break;
        }
        record->read(fields);
        auto attr = holder.newAttr();
        attr->x = in.i16();
        attr->y = in.i16();
        if (!in.good()) break; // the entry was cut short: keep only what came before it
        if (i >= kHolderCapacity) continue;
        holder.addAttached(std::move(record), std::move(attr));
    }
    return true;
}

struct OldFileFailure {
    const char* message;
};

// Versions 0 to 2: a position table, then notes, lendings and reminders in lists of their own.
// Stops early when the file ended or broke before the lists were complete (the reader says so);
// throws OldFileFailure when the records do not fit in the holder.
void readOldLayout(ByteReader& in, PostItHolder& holder) {
    const std::size_t countAt = in.position();
    const std::int16_t positionCount = in.i16();
    if (positionCount > kHolderCapacity) in.noteDamage("the position table is too long", countAt);
    // Pairs beyond the holder's size place no record, but are read past to reach the lists.
    std::vector<std::pair<std::int16_t, std::int16_t>> positions;
    for (int i = 0; i < positionCount && in.good(); ++i) {
        const std::int16_t x = in.i16();
        const std::int16_t y = in.i16();
        if (i < kHolderCapacity) positions.emplace_back(x, y);
    }

    std::size_t place = 0;
    auto store = [&](std::unique_ptr<PostIt> record, const char* failure) {
        auto attr = holder.newAttr();
        if (place < positions.size()) {
            attr->x = positions[place].first;
            attr->y = positions[place].second;
        }
        ++place;
        if (!holder.addAttached(std::move(record), std::move(attr))) throw OldFileFailure{failure};
    };

    const std::int16_t notes = in.i16();
    for (int i = 0; i < notes && in.good(); ++i) {
        auto note = std::make_unique<Note>();
        note->setText(in.string(kTextBytes));
        note->setActive(in.flag());
        note->setDisplayState(Shown);
        if (!in.good()) return;
        store(std::move(note), msg::OldFileWrongNotes);
    }
    const std::int16_t lendings = in.i16();
    for (int i = 0; i < lendings && in.good(); ++i) {
        auto lending = std::make_unique<Prestito>();
        lending->setText(in.string(kTextBytes));
        in.flag();
        lending->setDate(in.date());
        lending->setDaysAfter(in.i16());
        lending->setActive(in.flag());
        lending->setSound(in.flag());
        lending->setIOwe(in.flag());
        lending->setPerson(in.string(kPersonBytes));
        if (!in.good()) return;
        store(std::move(lending), msg::OldFileWrongLending);
    }
    const std::int16_t reminders = in.i16();
    for (int i = 0; i < reminders && in.good(); ++i) {
        auto reminder = std::make_unique<Appointement>();
        reminder->setText(in.string(kTextBytes));
        in.flag();
        reminder->setDate(in.date());
        reminder->setDaysBefore(in.i16());
        reminder->setActive(in.flag());
        reminder->setSound(in.flag());
        if (!in.good()) return;
        store(std::move(reminder), msg::OldFileWrongReminders);
    }
}

// The options block, read over the current values; a value is taken only when it was read
// whole.
void readOptionsBlock(ByteReader& in, int version, Options& options) {
    const ColorRef stickumColor = static_cast<ColorRef>(in.i32());
    const ColorRef textColor = static_cast<ColorRef>(in.i32());
    const auto font = in.font();
    if (in.good()) {
        options.stickumColor = stickumColor;
        options.textColor = textColor;
        options.stickumFont = LogFont::fromBytes(font);
    }
    auto keep = [&in](auto& option, auto value) {
        if (in.good()) option = value;
    };
    keep(options.reminderDaysBefore, clampTo(in.i16(), 0, kMaxDays));
    keep(options.lendingDaysAfter, clampTo(in.i16(), 0, kMaxDays));
    keep(options.defaultSound, in.flag());
    const std::int16_t mode = in.i16();
    keep(options.dimensionMode,
         mode >= DimensionFixed && mode <= DimensionModifiable ? int{mode} : int{DimensionFixed});
    keep(options.scrollBar, in.flag());
    if (version >= 2) {
        keep(options.waveFile, in.string(kWaveFileBytes));
        keep(options.heightInLines, clampTo(in.i16(), kMinHeightInLines, kMaxHeightInLines));
    }
    if (version >= 4) {
        keep(options.defaultCaptionColor, in.flag());
        keep(options.titleBarColor, static_cast<ColorRef>(in.i32()));
    }
}

// Where the options block that starts at the offset ends, when it reads whole.
std::optional<std::size_t> optionsBlockEnd(const std::vector<std::uint8_t>& bytes,
                                           std::size_t offset, int version) {
    ByteReader in(bytes, offset);
    Options scratch;
    readOptionsBlock(in, version, scratch);
    if (in.damaged()) return std::nullopt;
    return in.position();
}

// Whether a whole options block starts at the offset and is all that follows it.
bool optionsBlockAt(const std::vector<std::uint8_t>& bytes, std::size_t offset, int version) {
    return optionsBlockEnd(bytes, offset, version) == bytes.size();
}

} // namespace

std::string dataFilePath(const std::string& directory) {
    if (directory.empty()) return "quillbox.dat";
    return directory.back() == '/' ? directory + "quillbox.dat" : directory + "/quillbox.dat";
}

DataFile::DataFile(std::string path) : path_(std::move(path)) {}

void DataFile::removeLeftovers() {
    removeLeftoverTemporaries(path_);
    removeLeftoverTemporaries(backupPath());
}

std::string DataFile::backupPath() const {
    return resolveLinks(path_) + ".bak";
}

LoadResult DataFile::load(PostItHolder& holder, const OldFileQuestions& questions) {
    LoadResult result;
    version_ = kCurrentVersion;
    optionsReadable_ = false;
    known_ = identityOf(path_);
    const ReadReport read = readWholeFile(path_, bytes_);
    switch (read.outcome) {
    case ReadOutcome::Missing:
        return result;
    case ReadOutcome::NotRegular:
        // Never read, moved or replaced: the program ends and leaves it to the user.
        result.status = LoadStatus::NotAFile;
        result.problem = read.reason;
        return result;
    case ReadOutcome::Unreadable:
        // Nothing could be read: the file is moved aside, as it is, at the first save.
        keepBackup_ = true;
        unreadable_ = true;
        result.status = LoadStatus::Unreadable;
        result.problem = read.reason;
        return result;
    case ReadOutcome::Read:
        break;
    }
    result = parse(holder, questions);
    result.otherNames = read.links > 1;
    return result;
}

LoadResult DataFile::loadFromBytes(std::vector<std::uint8_t> bytes, PostItHolder& holder,
                                   const OldFileQuestions& questions) {
    bytes_ = std::move(bytes);
    version_ = kCurrentVersion;
    optionsReadable_ = false;
    return parse(holder, questions);
}

LoadResult DataFile::parse(PostItHolder& holder, const OldFileQuestions& questions) {
    LoadResult result;
    ByteReader in(bytes_);
    version_ = in.i16();
    result.version = version_;
    bool optionsFollow = true;
    if (!in.good()) {
        version_ = kCurrentVersion;
    } else if (version_ > 2) {
        // A later version may have changed what this one reads: the user decides, as for an
        // old file.
        if (version_ > kCurrentVersion && !questions.continueReading(version_)) {
            result.status = LoadStatus::Declined;
            return result;
        }
        optionsFollow = readRecordBlock(in, holder);
        // An older or later Quillbox may not read what this one writes: keep the file.
        if (version_ != kCurrentVersion) keepBackup_ = true;
    } else {
        if (!questions.continueReading(version_)) {
            result.status = LoadStatus::Declined;
            return result;
        }
        keepBackup_ = true;
        try {
            readOldLayout(in, holder);
        } catch (const OldFileFailure& failure) {
            result.status = LoadStatus::OldFileFailed;
            result.problem = failure.message;
            return result;
        }
    }
    optionsReadable_ = in.good();
    optionsOffset_ = in.position();
    // After a negative count the options are taken only when they are all that follows.
    if (!optionsFollow)
        optionsReadable_ = optionsReadable_ && optionsBlockAt(bytes_, optionsOffset_, version_);
    // Nothing this version writes follows the options: what does is kept in the backup.
    if (optionsReadable_ && version_ <= kCurrentVersion) {
        const auto end = optionsBlockEnd(bytes_, optionsOffset_, version_);
        if (end && *end < bytes_.size()) in.noteDamage("bytes follow the options", *end);
    }
    if (in.damaged()) {
        keepBackup_ = true;
        damage_ = {in.problem(), in.problemAt()};
        result.status = LoadStatus::Damaged;
        result.problem = damage_.what;
    } else {
        result.status = LoadStatus::Loaded;
    }
    return result;
}

bool DataFile::readOptions(Options& options) {
    if (!optionsReadable_) return damage_.what.empty();
    ByteReader in(bytes_, optionsOffset_);
    readOptionsBlock(in, version_, options);
    if (in.damaged()) {
        keepBackup_ = true;
        if (damage_.what.empty()) damage_ = {in.problem(), in.problemAt()};
    }
    return !in.damaged();
}

Result DataFile::save(const PostItHolder& holder, const Options& options) {
    return write(encode(holder, options)).result;
}

WriteReport DataFile::write(const std::vector<std::uint8_t>& bytes) {
    WriteReport report;
    if (keepBackup_) {
        const Result kept =
            keepBackup(path_, backupPath(), unreadable_ ? nullptr : &bytes_, 3, stageHook_);
        if (!kept) {
            report.result = Result::failed("the original file could not be kept as " +
                                           backupPath() + ": " + kept.why());
            return report;
        }
        keepBackup_ = false;
        // Moved aside whole: the place is empty now, as this side expects.
        if (unreadable_) known_ = FileIdentity{};
        unreadable_ = false;
    }
    Exchanged exchanged = exchangeInto(path_, bytes, stageHook_);
    report.result = std::move(exchanged.result);
    if (!report.result) return report;
    if (known_ && exchanged.displaced != *known_ && exchanged.displaced.exists)
        report.intruder = std::move(exchanged.displacedBytes);
    known_ = exchanged.placed;
    return report;
}

namespace {

// A record's fields with its due state left out: the date decides whether a lending or
// reminder is due, not the user. The state is the first number every record writes.
class WithoutDueState final : public FieldWriter {
public:
    explicit WithoutDueState(FieldWriter& out) : out_(out) {}
    void i16(std::int16_t value) override {
        out_.i16(stateWritten_ ? value : static_cast<std::int16_t>(Hidden));
        stateWritten_ = true;
    }
    void flag(bool value) override { out_.flag(value); }
    void string(const std::string& bytes) override { out_.string(bytes); }
    void date(Date value) override { out_.date(value); }

private:
    FieldWriter& out_;
    bool stateWritten_ = false;
};

void writeRecord(FieldWriter& fields, const PostIt& record, bool masked) {
    if (!masked || record.kind() == KindNote) return record.write(fields);
    WithoutDueState without(fields);
    record.write(without);
}

std::vector<std::uint8_t> encodeAll(const PostItHolder& holder, const Options& options,
                                    bool masked) {
    ByteWriter out;
    out.i16(kCurrentVersion);
    out.i16(static_cast<std::int16_t>(holder.count()));
    RecordWriter fields(out);
    for (int i = 0; i < holder.count(); ++i) {
        out.i16(static_cast<std::int16_t>(holder.kindAt(i)));
        writeRecord(fields, *holder.recordAt(i), masked);
        const PostItAttr* attr = holder.attrAt(i);
        out.i16(attr ? attr->x : 0);
        out.i16(attr ? attr->y : 0);
    }
    out.i32(static_cast<std::int32_t>(options.stickumColor));
    out.i32(static_cast<std::int32_t>(options.textColor));
    out.font(options.stickumFont.value_or(LogFont::defaultFont()).toBytes());
    out.i16(options.reminderDaysBefore);
    out.i16(options.lendingDaysAfter);
    out.flag(options.defaultSound);
    out.i16(static_cast<std::int16_t>(options.dimensionMode));
    out.flag(options.scrollBar);
    out.string(options.waveFile);
    out.i16(options.heightInLines);
    out.flag(options.defaultCaptionColor);
    // The desktop's caption colour, while it is followed, is this desktop's and not the user's.
    const bool desktops = masked && options.defaultCaptionColor;
    out.i32(static_cast<std::int32_t>(desktops ? 0 : options.titleBarColor));
    return out.bytes();
}

} // namespace

std::vector<std::uint8_t> DataFile::encode(const PostItHolder& holder, const Options& options) {
    return encodeAll(holder, options, false);
}

std::vector<std::uint8_t> DataFile::comparable(const PostItHolder& holder, const Options& options) {
    return encodeAll(holder, options, true);
}

std::vector<std::uint8_t> encodeRecord(const PostIt& record) {
    ByteWriter out;
    RecordWriter fields(out);
    writeRecord(fields, record, true);
    return out.bytes();
}

std::unique_ptr<PostIt> decodeRecord(int kind, const std::vector<std::uint8_t>& bytes) {
    auto record = makeRecord(kind);
    if (!record) return nullptr;
    ByteReader in(bytes);
    RecordReader fields(in);
    record->read(fields);
    if (in.damaged() || in.position() != bytes.size()) return nullptr;
    return record;
}
