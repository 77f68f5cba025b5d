#pragma once

#include "model/date.h"
#include "model/record_io.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Kind codes, the same in memory and in the data file.
enum Kind : int { KindNone = 0, KindNote = 1, KindLending = 2, KindReminder = 3 };

// Display states of a record, as the data file stores them (a file may hold other values,
// which are kept as they are).
enum class DisplayState : std::int16_t { Hidden = 1, Due = 2, Shown = 3 };
using enum DisplayState;

inline constexpr std::size_t kTextBytes = 255;
inline constexpr std::size_t kPersonBytes = 49;
inline constexpr int kMaxDays = 1825;

// What every record has: its text and whether (and how) it has a Stickum on the desktop.
class PostIt {
public:
    virtual ~PostIt() = default;
    PostIt(const PostIt&) = delete;
    PostIt& operator=(const PostIt&) = delete;

    // The text shown in the record's Stickum.
    virtual std::string displayText() const = 0;
    virtual void write(FieldWriter& out) const;
    virtual void read(FieldReader& in);
    // Whether the user may edit the text inside the Stickum.
    virtual bool editable() const = 0;
    // Whether the wave sound plays when the record's Stickum pops up.
    virtual bool sound() const = 0;
    virtual Kind kind() const = 0;

    const std::string& text() const { return text_; }
    // Keeps at most 255 bytes, cut at a character boundary.
    void setText(std::string_view text);
    DisplayState displayState() const { return displayState_; }
    void setDisplayState(DisplayState state) { displayState_ = state; }
    // A note: its Stickum is wanted. A lending or reminder: its alert is armed.
    bool active() const { return active_; }
    void setActive(bool active) { active_ = active; }

protected:
    explicit PostIt(DisplayState displayState) : displayState_(displayState) {}

private:
    std::string text_;
    DisplayState displayState_;
    bool active_ = false;
};

class Note final : public PostIt {
public:
    Note() : PostIt(Shown) {}
    std::string displayText() const override { return text(); }
    bool editable() const override { return true; }
    bool sound() const override { return false; }
    Kind kind() const override { return KindNote; }
};

// Something lent or borrowed: text is the object, person the other party. A new one has no
// date until it is given one.
class Prestito final : public PostIt {
public:
    Prestito();
    std::string displayText() const override;
    void write(FieldWriter& out) const override;
    void read(FieldReader& in) override;
    bool editable() const override { return false; }
    bool sound() const override { return sound_; }
    Kind kind() const override { return KindLending; }

    void setSound(bool sound) { sound_ = sound; }
    std::int16_t daysAfter() const { return daysAfter_; }
    void setDaysAfter(std::int16_t days) { daysAfter_ = days; }
    bool iOwe() const { return iOwe_; }
    void setIOwe(bool iOwe) { iOwe_ = iOwe; }
    const std::string& person() const { return person_; }
    // Keeps at most 49 bytes, cut at a character boundary.
    void setPerson(std::string_view person);
    Date date() const { return date_; }
    void setDate(Date date) { date_ = date; }

private:
    std::int16_t daysAfter_ = 0;
    bool sound_ = false;
    bool iOwe_ = false;
    std::string person_;
    Date date_ = kNoDate;
};

// A day marked on the calendar.
class Appointement final : public PostIt {
public:
    Appointement();
    std::string displayText() const override;
    void write(FieldWriter& out) const override;
    void read(FieldReader& in) override;
    bool editable() const override { return false; }
    bool sound() const override { return sound_; }
    Kind kind() const override { return KindReminder; }

    void setSound(bool sound) { sound_ = sound; }
    std::int16_t daysBefore() const { return daysBefore_; }
    void setDaysBefore(std::int16_t days) { daysBefore_ = days; }
    Date date() const { return date_; }
    void setDate(Date date) { date_ = date; }

private:
    std::int16_t daysBefore_ = 0;
    bool sound_ = false;
    Date date_ = kNoDate;
};
