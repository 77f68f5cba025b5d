#pragma once

#include "document/savereport.h"
#include "document/statefolder.h"
#include "model/holder.h"
#include "model/options.h"
#include "storage/datafile.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

class FileFollower;

// A version read from disk that takes the place of the records in memory: the desktop moves
// each Stickum over to the entry that continues its record.
struct Incoming {
    PostItHolder& fresh; // traded for the list in memory by whoever takes it
    // For each fresh entry, the entry in memory it continues, or -1.
    const std::vector<int>& continues;
    bool lookChanged;  // options that change how Stickums look
    bool soundChanged; // the wave file
};

// The user's data and everything about keeping it: the records and options, the data file,
// the save a few seconds after a change, following the file on disk (what another machine's
// sync tool brings, and the tool's conflict copies beside it) and the base copy that merges
// start from. It writes the data file only when the user changed something, and every save,
// whoever asks for it, is the one operation save(); the window only tells what it reports.
class Document : public QObject {
    Q_OBJECT
public:
    // Now: a save while the program runs. Final: the program ends; a save that fails leaves a
    // rescue copy, and nothing is saved any more.
    enum class SaveKind { Now, Final };

    // What the desktop does for the document.
    struct Hooks {
        // Takes what the desktop holds (text typed into Stickums) into the records.
        std::function<void()> collect;
        // Puts this desktop's values into options read from a file (the caption colour while
        // the desktop's is followed); true when it changed any.
        std::function<bool(Options&)> settle;
        // Takes a version read from disk, Stickums and all; without it the list is traded
        // as it is.
        std::function<void(const Incoming&)> adopt;
        // True while what comes from disk must wait (the main window is open, its pages may
        // hold what the user is typing): the next save takes it up.
        std::function<bool()> holdBack;
    };

    Document(const QString& dataPath, const Options& initial, StateFolder state);
    explicit Document(const QString& dataPath, const Options& initial = Options{});
    ~Document() override;

    void setHooks(Hooks hooks) { hooks_ = std::move(hooks); }
    // Clears away what cut-off saves left, then reads the records and the options.
    LoadResult load(const OldFileQuestions& questions);
    bool optionsRead() const { return optionsRead_; }
    // What the start made of the file's values counts as read: only later changes are news.
    void markInStep();
    // Starts following the file and its conflict copies, and merges those already there.
    void follow();

    PostItHolder& records() { return records_; }
    Options& options() { return options_; }
    const DataFile& file() const { return file_; }
    // Tests slow down or break the saves between their steps, also of a version taken up later.
    void setSaveStageHook(SaveStageHook hook) {
        stageHook_ = std::move(hook);
        file_.setSaveStageHook(stageHook_);
    }
    const QString& path() const { return path_; }
    StateFolder& state() { return state_; }

    // Whether the user changed anything since the file was last read or written here.
    bool hasChanges() const;
    // The one save: takes what the desktop holds, meets a version that came from elsewhere
    // (taken up when nothing changed here, else merged), and writes the data file when
    // anything changed. Nothing at all once the program has ended.
    SaveReport save(SaveKind kind = SaveKind::Now);
    // Saves a few seconds from now (the user changed a Stickum); reported().
    void saveSoon();
    void setAutosaveDelay(int ms) { autosave_.setInterval(ms); }
    bool ended() const { return ended_; }
    // Nothing is saved any more (the user quit without saving).
    void end() { ended_ = true; }

    // The data file changed on disk, or a conflict copy came beside it: dealt with now unless
    // held back. Reports what it did.
    void followDisk();

    // The unsaved version of an earlier stop whose save failed, or empty.
    QString rescueCopy() const { return state_.rescueCopy(); }
    // Merges the rescue copy into what was read and saves; the copy goes once that is saved.
    SaveReport takeRescue();
    // The user does not want it: it is put aside and not offered again.
    void declineRescue() { state_.dropRescue(false); }

signals:
    // What a save that nobody waited for did (the autosave, following the disk).
    void reported(const SaveReport& report);

private:
    struct Read; // a version read from bytes
    void saveInBackground();
    void read(const std::vector<std::uint8_t>& bytes, Read& into) const;
    void mergeConflictCopies(SaveReport& report);
    // Meets the version found on disk: false when nothing is left to write.
    bool meet(const std::vector<std::uint8_t>& theirs, const FileIdentity& seen, bool mayTakeUp,
              SaveReport& report);
    SaveReport writeOut(bool mayTakeUp);
    void inStep(const std::vector<std::uint8_t>& bytes);
    void takeUp(Read& read, const std::vector<std::uint8_t>& bytes, const FileIdentity& seen);
    // Merges the version into memory against the base; false when no merge is possible.
    bool mergeIn(Read& theirs, const std::vector<std::uint8_t>* base, const std::string& from,
                 SaveReport& report);
    void adopt(PostItHolder& fresh, const Options& options, const std::vector<int>& continues);
    Result keepAside(const std::vector<std::uint8_t>& theirs, SaveReport& report);

    QString path_;
    DataFile file_;
    SaveStageHook stageHook_;
    PostItHolder records_;
    Options options_;
    StateFolder state_;
    Hooks hooks_;
    bool optionsRead_ = true;
    bool ended_ = false;
    bool copiesPending_ = false;
    std::vector<std::uint8_t> base_;       // the version last read or written here
    std::vector<std::uint8_t> comparable_; // what the records and options were then
    QTimer autosave_;
    FileFollower* follower_ = nullptr;
};
