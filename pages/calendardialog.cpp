#include "pages/calendardialog.h"

#include "look/l10n.h"
#include "look/messages.h"
#include "look/recordtext.h"
#include "model/catalogue.h"
#include "model/due.h"
#include "model/text.h"
#include "pages/datestep.h"
#include "pages/dialoghost.h"
#include "pages/stepper.h"
#include "pages/wcalendar.h"
#include "resources/dialog_reminders.h"
#include "resources/dialogs.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <memory>

namespace {

constexpr int kFirstMonth = 1;
constexpr int kLastMonth = 12;

int clampYear(int year) {
    return std::clamp(year, kFirstYear, kLastYear);
}

} // namespace

CalendarDialog::CalendarDialog(DialogHost& host, QWidget* parent)
    : PageDialog(host, kRemindersPage, parent) {
    year_ = replaceItemAndArrows(reminderid::Year, reminderid::YearUpDown,
                                 new Stepper(kRemindersStepper));
    year_->setRange(kFirstYear, kLastYear);
    year_->setAlignment(Qt::AlignCenter);
    year_->setTypingAllowed(false);
    year_->setStepRequest([this](int position, int step) { return stepYear(position, step); });

    // Positions 0 and 13 stand for the month before January and after December while the
    // month wraps; at rest the control holds 1..12.
    month_ = replaceItemAndArrows(reminderid::Month, reminderid::MonthUpDown,
                                  new Stepper(kRemindersStepper));
    month_->setRange(kMonthBelow, kMonthAbove);
    month_->setValueText([](int month) { return l10n::monthName(month); });
    month_->setStepRequest([this](int position, int step) { return stepMonth(position, step); });

    days_ = replaceItemAndArrows(reminderid::Days, reminderid::DaysUpDown,
                                 new Stepper(kRemindersStepper));
    days_->setRange(0, kMaxDays);
    days_->setStepRequest([this](int position, int step) { return stepDays(position, step); });

    // A dialog font wider than the one the page was drawn for must not clip the names and
    // numbers: the controls may grow into the free room beside them.
    const int pageRight = item(reminderid::Calendar)->geometry().right();
    QStringList months;
    for (int month = kFirstMonth; month <= kLastMonth; ++month)
        months << l10n::monthName(month);
    month_->widenFor(months, pageRight);
    year_->widenFor({QString::number(kLastYear)},
                    item(reminderid::Calendar)->geometry().center().x());
    days_->widenFor({QString::number(kMaxDays)}, item(reminderid::Text)->geometry().left() - 2);

    text_ = itemAs<QPlainTextEdit>(reminderid::Text);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setTabChangesFocus(true);
    connect(text_, &QPlainTextEdit::textChanged, this, &CalendarDialog::updateButtons);

    sound_ = itemAs<QCheckBox>(reminderid::SoundBox);
    connect(sound_, &QCheckBox::clicked, this, &CalendarDialog::soundClicked);

    connect(button(reminderid::AddButton), &QPushButton::clicked, this, &CalendarDialog::add);
    connect(button(reminderid::RemoveButton), &QPushButton::clicked, this, &CalendarDialog::remove);
    connect(button(reminderid::NewButton), &QPushButton::clicked, this, &CalendarDialog::startNew);

    calendar_ = new WCalendar(this, item(reminderid::Calendar), reminderid::Calendar);
    connect(calendar_, &WCalendar::daySelected, this, &CalendarDialog::daySelected);
    connect(calendar_, &WCalendar::markClicked, this, &CalendarDialog::toggleArmed);
    // Page Up and Page Down on the calendar step the month as its arrows do.
    connect(calendar_, &WCalendar::monthStepRequested, month_, &Stepper::stepBy);
    calendar_->setReminderText([this](Date date) {
        const int found = reminderOn(date);
        return found < 0 ? QString()
                         : toEditText(this->host().holder().reminder(found)->text())
                               .replace(QLatin1Char('\n'), QLatin1Char(' '));
    });
    calendar_->setAccessibleName(tr("Calendar"));
    calendar_->setAccessibleDescription(
        tr("Arrows move the day, Page Up and Page Down the month, Space selects the day, "
           "Ctrl+Space arms or disarms its reminder"));
    // Tab reaches the calendar where its place stands in the page's order.
    takeKeyPlace(reminderid::Calendar, calendar_);

    showMonthOfToday();
    rebuildMarks();
}

QPushButton* CalendarDialog::button(int id) const {
    return itemAs<QPushButton>(id);
}

// Today's month, with the year held to what the year control can show so that the calendar
// and the year control always agree.
void CalendarDialog::showMonthOfToday() {
    const DayMonthYear now = splitDate(today());
    year_->setValue(clampYear(now.year));
    month_->setValue(now.month);
    calendar_->SetMonth(year_->value(), month_->value());
    updateButtons();
}

void CalendarDialog::rebuildMarks() {
    calendar_->ClearMarks();
    const PostItHolder& records = host().holder();
    for (int i = 0; i < records.reminderCount(); ++i) {
        const Appointement* reminder = records.reminder(i);
        calendar_->AddMark(reminder->date(), reminder->active() ? 1 : 0);
    }
}

Date CalendarDialog::dateOfDay(int day) const {
    return makeDate(day, month_->value(), year_->value());
}

Date CalendarDialog::selectionDate() const {
    const int day = calendar_->GetSelectedDay();
    return day == -1 ? kNoDate : dateOfDay(day);
}

int CalendarDialog::reminderOn(Date date) const {
    if (date == kNoDate) return -1;
    const PostItHolder& records = host().holder();
    for (int i = 0; i < records.reminderCount(); ++i)
        if (records.reminder(i)->date() == date) return i;
    return -1;
}

Appointement* CalendarDialog::currentRecord() const {
    return current_ >= 0 && current_ < host().holder().reminderCount()
               ? host().holder().reminder(current_)
               : nullptr;
}

std::string CalendarDialog::editedText() const {
    return fromEditText(text_->toPlainText(), kTextBytes);
}

void CalendarDialog::storeControls(Appointement& reminder) const {
    // What the user did not change stays as stored: an old file's text, a day count beyond
    // the field's range.
    if (text_->document()->isModified()) reminder.setText(editedText());
    if (!days_->isBlank()) reminder.setDaysBefore(static_cast<std::int16_t>(days_->value()));
    reminder.setSound(sound_->isChecked());
}

void CalendarDialog::updateButtons() {
    const Date selection = selectionDate();
    const bool hasReminder = reminderOn(selection) != -1;
    const bool hasText = !text_->document()->isEmpty();
    button(reminderid::AddButton)->setEnabled(selection != kNoDate && hasText && !hasReminder);
    button(reminderid::RemoveButton)->setEnabled(selection != kNoDate && hasReminder);
    button(reminderid::NewButton)->setEnabled(selection != kNoDate && hasReminder);
}

bool CalendarDialog::stepYear(int position, int step) {
    const int year = position + step;
    if (year < kFirstYear || year > kLastYear) return false;
    // The text stays in the edit, but belongs to no reminder any more.
    current_ = -1;
    calendar_->SetMonth(year, month_->value());
    updateButtons();
    return true;
}

bool CalendarDialog::stepMonth(int position, int step) {
    const MonthStep next = monthStep(position, step, year_->value());
    if (next.wraps) {
        // The year control holds the ends of its range.
        month_->setValue(next.from);
        year_->setValue(clampYear(next.year));
    }
    current_ = -1;
    calendar_->SetMonth(year_->value(), next.month);
    updateButtons();
    return true;
}

bool CalendarDialog::stepDays(int position, int step) {
    const int days = position + step;
    if (days < 0 || days > kMaxDays) return false;
    if (Appointement* reminder = currentRecord())
        reminder->setDaysBefore(static_cast<std::int16_t>(days));
    return true;
}

void CalendarDialog::soundClicked(bool ticked) {
    if (Appointement* reminder = currentRecord()) reminder->setSound(ticked);
}

void CalendarDialog::daySelected(int day) {
    if (day == -1) return;
    PostItHolder& records = host().holder();
    // What was typed for the reminder being edited goes with it.
    if (Appointement* reminder = currentRecord()) storeControls(*reminder);
    text_->clear();
    const int found = reminderOn(dateOfDay(day));
    if (found >= 0) {
        const Appointement* reminder = records.reminder(found);
        text_->setPlainText(toEditText(reminder->text()));
        text_->document()->setModified(false);
        days_->setStoredValue(reminder->daysBefore());
        sound_->setChecked(reminder->sound());
    } else {
        days_->setStoredValue(host().options().reminderDaysBefore);
        sound_->setChecked(host().options().defaultSound);
    }
    current_ = found;
    updateButtons();
}

void CalendarDialog::toggleArmed(int day) {
    if (day == -1) return;
    const Date date = dateOfDay(day);
    const int found = reminderOn(date);
    if (found < 0) return;
    Appointement* reminder = host().holder().reminder(found);
    reminder->setActive(!reminder->active());
    calendar_->ToggleMark(date);
}

void CalendarDialog::add() {
    const Date date = selectionDate();
    if (date == kNoDate || !button(reminderid::AddButton)->isEnabled()) return;
    const std::string text = editedText();

    auto made = std::make_unique<Appointement>();
    Appointement* reminder = made.get();
    if (!host().holder().addReminder(std::move(made))) {
        host().messages().showMessage(nullptr, l10n::text(msg::NoSpaceReminder),
                                      l10n::text(msg::Error), box::Capacity);
        return;
    }
    host().attachNew(reminder);
    reminder->setText(text);
    reminder->setDate(date);
    reminder->setActive(true);
    reminder->setDaysBefore(static_cast<std::int16_t>(days_->value()));
    reminder->setSound(sound_->isChecked());

    calendar_->AddMark(date, 1);
    calendar_->ClearSelection();
    text_->clear();
    updateButtons();
}

void CalendarDialog::remove() {
    const Date date = selectionDate();
    if (date == kNoDate) return;
    const Answer answer = host().messages().showMessage(nullptr, l10n::text(msg::RemoveReminder),
                                                        l10n::text(msg::Warning), box::Removal);
    if (answer != Answer::Yes) return;

    PostItHolder& records = host().holder();
    const bool beyondMarks = records.reminderCount() > WCalendar::MaxMarks;
    // Every reminder of the day goes, also when an old file holds several on one date.
    for (int i = 0; i < records.reminderCount();) {
        Appointement* reminder = records.reminder(i);
        if (reminder->date() != date) {
            ++i;
            continue;
        }
        host().detach(reminder);
        records.removeReminder(i);
        calendar_->RemoveMark(date);
        calendar_->ClearSelection();
        text_->clear();
        current_ = -1;
    }
    // A reminder that had no mark may now be among the first that have one.
    if (beyondMarks) rebuildMarks();
    updateButtons();
}

void CalendarDialog::startNew() {
    // A changed text is dropped; days and sound were stored as they changed.
    current_ = -1;
    text_->clear();
    showMonthOfToday();
}

void CalendarDialog::CommitReminder() {
    const int found = reminderOn(selectionDate());
    if (found >= 0) storeControls(*host().holder().reminder(found));
}

void CalendarDialog::RefreshMarks() {
    rebuildMarks();
    calendar_->update();
    updateButtons();
}

void CalendarDialog::CheckDue() {
    checkRemindersDue(host().holder(), today());
}
