#pragma once

#include "model/date.h"
#include "model/holder.h"
#include "model/options.h"
#include "model/result.h"

#include <optional>
#include <string>

class MessageBoxes;
class PostIt;
class WindowSystem;

// What the pages may ask of the main dialog: the record list and the Stickum attached to each
// record, the options, saving, the message boxes and the other applications' windows.
class DialogHost {
public:
    virtual ~DialogHost() = default;

    virtual PostItHolder& holder() = 0;
    virtual Options& options() = 0;
    virtual MessageBoxes& messages() = 0;
    // Today's date, for the pages' due checks and the dates they start from.
    virtual Date today() = 0;
    // Other applications' windows, for pinning notes to them; lives as long as the host.
    virtual WindowSystem& windowSystem() = 0;

    // Gives a record just added to the holder its Stickum attributes; false (and nothing
    // attached) when no entry holds the record.
    virtual bool attachNew(PostIt* record) = 0;
    // Drops the record's Stickum and resets its attributes; false when it has none.
    virtual bool detach(PostIt* record) = 0;
    // Pins the record's Stickum to another application's window; false when no entry holds it.
    virtual bool setTarget(PostIt* record, WindowHandle window) = 0;
    // The title of the window the record is pinned to, or "<no window>"; nothing when no entry
    // holds the record.
    virtual std::optional<std::string> targetTitle(const PostIt* record) = 0;

    // Writes the data file now ("Save all"); a failure has been reported in a box.
    virtual Result save() = 0;
    // The look of Stickums changed: the next display pass rebuilds every Stickum.
    virtual void markStickumsStale() = 0;
    // The options name another wave file, which exists: the alert sound is opened on it anew.
    virtual void waveFileChanged() {}
};
