#pragma once

#include "model/date.h"
#include "pages/pagedialog.h"

#include <string>

class Appointement;
class Stepper;
class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class WCalendar;

// The "Reminders" page: days marked on the calendar. Selecting a day shows its reminder (or
// the defaults for a new one); the note in the left half of a marked day arms and disarms it.
class CalendarDialog : public PageDialog {
    Q_OBJECT
public:
    explicit CalendarDialog(DialogHost& host, QWidget* parent = nullptr);

    // Stores the controls into the reminder of the selected day (the page is being left).
    void CommitReminder();

    // Rebuilds the calendar marks (the page is being entered).
    void RefreshMarks();

    // Marks the armed reminders whose day is near as due, the others as hidden.
    void CheckDue();

    QPushButton* button(int id) const;

private:
    friend struct CalendarDialogTestPeer;

    bool stepYear(int position, int step);
    bool stepMonth(int position, int step);
    bool stepDays(int position, int step);
    void soundClicked(bool ticked);
    void daySelected(int day);
    void toggleArmed(int day);
    void add();
    void remove();
    void startNew();

    void showMonthOfToday();
    void rebuildMarks();
    void updateButtons();
    // The date of the selected day in the month the controls show; kNoDate without one.
    Date selectionDate() const;
    Date dateOfDay(int day) const;
    // Ordinal of the first reminder on the date, or -1.
    int reminderOn(Date date) const;
    // The reminder the controls show, or nullptr.
    Appointement* currentRecord() const;
    void storeControls(Appointement& reminder) const;
    std::string editedText() const;

    WCalendar* calendar_ = nullptr;
    Stepper* year_ = nullptr;
    Stepper* month_ = nullptr;
    Stepper* days_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QCheckBox* sound_ = nullptr;
    int current_ = -1;
};
