// The Reminders page driven by real presses and keys, on fixed dates.
#include "pages/calendardialog.h"

#include "fakehost.h"
#include "pages/datestep.h"
#include "pages/stepper.h"
#include "pages/wcalendar.h"
#include "resources/dialog_reminders.h"
#include "wcalendarpeer.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// Reads which reminder the page's controls show.
struct CalendarDialogTestPeer {
    static int currentReminder(const CalendarDialog& page) { return page.current_; }
};

namespace {

class RemindersPageTest : public ::testing::Test {
protected:
    void SetUp() override { setToday(2, 3, 1998); }
    void TearDown() override { page.reset(); }

    void setToday(int day, int month, int year) { host.todayIs = makeDate(day, month, year); }
    // The page's due check on that day.
    void checkDueOn(int day, int month, int year) {
        setToday(day, month, year);
        page->CheckDue();
    }

    Appointement* addReminder(Date date, const char* text, int daysBefore = 2, bool armed = true) {
        auto made = std::make_unique<Appointement>();
        Appointement* reminder = made.get();
        made->setDate(date);
        made->setText(text);
        made->setDaysBefore(static_cast<std::int16_t>(daysBefore));
        made->setActive(armed);
        EXPECT_TRUE(host.records.addReminder(std::move(made)));
        host.attachNew(reminder);
        return reminder;
    }

    // Builds and shows the page; the calendar takes its place at the first paint.
    void open() {
        page = std::make_unique<CalendarDialog>(host);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
        QCoreApplication::processEvents();
        calendar()->grab();
        ASSERT_EQ(calendar()->geometry(), page->item(reminderid::Calendar)->geometry());
    }

    WCalendar* calendar() const { return page->findChild<WCalendar*>(); }
    Stepper* yearControl() const { return page->itemAs<Stepper>(reminderid::Year); }
    Stepper* monthControl() const { return page->itemAs<Stepper>(reminderid::Month); }
    Stepper* daysControl() const { return page->itemAs<Stepper>(reminderid::Days); }
    QPlainTextEdit* textEdit() const { return page->itemAs<QPlainTextEdit>(reminderid::Text); }
    QCheckBox* soundBox() const { return page->itemAs<QCheckBox>(reminderid::SoundBox); }
    QPushButton* button(int id) const { return page->button(id); }

    void selectDay(int day) {
        const QRect cell = calendar()->dayRect(day);
        QTest::mouseClick(calendar(), Qt::LeftButton, {},
                          {cell.left() + calendar()->colWidth() * 3 / 4, cell.center().y()});
    }
    void clickMark(int day) {
        const QRect cell = calendar()->dayRect(day);
        QTest::mouseClick(calendar(), Qt::LeftButton, {}, {cell.left() + 3, cell.center().y()});
    }
    void click(int id) { QTest::mouseClick(button(id), Qt::LeftButton); }
    // Presses on the up or down arrow of a stepper.
    static void arrow(Stepper* stepper, bool up, int times = 1) {
        const QPoint at(stepper->width() - 4, up ? 3 : stepper->height() - 4);
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(stepper, Qt::LeftButton, {}, at);
    }
    // Typed at the end of the text edit; a line break is a press of Return.
    void type(const QString& text) {
        QTest::keyClick(textEdit(), Qt::Key_End, Qt::ControlModifier);
        const QStringList lines = text.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) QTest::keyClick(textEdit(), Qt::Key_Return);
            QTest::keyClicks(textEdit(), lines[i]);
        }
    }
    QString shownText() const { return textEdit()->toPlainText(); }
    Date shownMonth() const { return WCalendarTestPeer::currentDate(*calendar()); }

    FakeHost host;
    std::unique_ptr<CalendarDialog> page;
};

} // namespace

TEST_F(RemindersPageTest, OpensOnTodaysMonthAndOffersTheDefaultsForAFreeDay) {
    host.settings.reminderDaysBefore = 5;
    host.settings.defaultSound = true;
    open();
    EXPECT_EQ(yearControl()->text(), QStringLiteral("1998"));
    EXPECT_EQ(monthControl()->text(), QStringLiteral("March"));
    EXPECT_EQ(shownMonth(), makeDate(1, 3, 1998));
    // The longest name and number are not clipped, whatever the dialog font.
    const auto room = [](Stepper* stepper, const QString& text) {
        const QLineEdit* field = stepper->findChild<QLineEdit*>();
        return field->width() - field->fontMetrics().horizontalAdvance(text);
    };
    EXPECT_GT(room(monthControl(), QStringLiteral("September")), 0);
    EXPECT_GT(room(daysControl(), QStringLiteral("1825")), 0);
    EXPECT_FALSE(button(reminderid::AddButton)->isEnabled());
    EXPECT_FALSE(button(reminderid::RemoveButton)->isEnabled());
    EXPECT_FALSE(button(reminderid::NewButton)->isEnabled());

    type(QStringLiteral("left over"));
    selectDay(12);
    EXPECT_EQ(calendar()->GetSelectedDay(), 12);
    EXPECT_EQ(shownText(), QString());
    EXPECT_EQ(daysControl()->value(), 5);
    EXPECT_TRUE(soundBox()->isChecked());
    EXPECT_EQ(CalendarDialogTestPeer::currentReminder(*page), -1);
}

TEST_F(RemindersPageTest, TheYearControlAndTheCalendarAgreeWhateverTheYear) {
    setToday(7, 12, 2026); // past the years the page used to know
    open();
    EXPECT_EQ(yearControl()->value(), 2026);
    EXPECT_EQ(shownMonth(), makeDate(1, 12, 2026));
    page.reset();

    setToday(1, 6, 2150);
    open();
    EXPECT_EQ(yearControl()->value(), kLastYear);
    EXPECT_EQ(shownMonth(), makeDate(1, 6, kLastYear));
    arrow(yearControl(), true); // refused
    EXPECT_EQ(yearControl()->value(), kLastYear);
    arrow(monthControl(), true, 7); // past December 2099: held in 2099
    EXPECT_EQ(monthControl()->text(), QStringLiteral("January"));
    EXPECT_EQ(yearControl()->value(), kLastYear);
    EXPECT_EQ(shownMonth(), makeDate(1, 1, kLastYear));
}

TEST_F(RemindersPageTest, MonthsWrapIntoTheNeighbouringYear) {
    setToday(15, 1, 1998);
    addReminder(makeDate(15, 1, 1998), "dentist");
    open();
    selectDay(15);
    ASSERT_EQ(CalendarDialogTestPeer::currentReminder(*page), 0);

    arrow(monthControl(), false);
    EXPECT_EQ(monthControl()->value(), 12);
    EXPECT_EQ(monthControl()->text(), QStringLiteral("December"));
    EXPECT_EQ(yearControl()->value(), 1997);
    EXPECT_EQ(shownMonth(), makeDate(1, 12, 1997));
    EXPECT_EQ(calendar()->GetSelectedDay(), -1);
    EXPECT_EQ(CalendarDialogTestPeer::currentReminder(*page), -1);
    EXPECT_EQ(shownText(), QStringLiteral("dentist")); // the text stays, unattached

    arrow(monthControl(), true);
    EXPECT_EQ(monthControl()->text(), QStringLiteral("January"));
    EXPECT_EQ(yearControl()->value(), 1998);

    arrow(yearControl(), true);
    EXPECT_EQ(shownMonth(), makeDate(1, 1, 1999));
    yearControl()->setValue(kFirstYear);
    arrow(yearControl(), false); // refused
    EXPECT_EQ(yearControl()->value(), kFirstYear);
    EXPECT_EQ(shownMonth(), makeDate(1, 1, 1999));
}

TEST_F(RemindersPageTest, AddMakesAnArmedReminderOnTheSelectedDay) {
    host.settings.reminderDaysBefore = 4;
    open();
    selectDay(20);
    EXPECT_FALSE(button(reminderid::AddButton)->isEnabled()); // no text yet
    type(QStringLiteral("pay\nthe rent"));
    EXPECT_TRUE(button(reminderid::AddButton)->isEnabled());
    arrow(daysControl(), true);
    soundBox()->click();
    click(reminderid::AddButton);

    ASSERT_EQ(host.records.reminderCount(), 1);
    const Appointement* made = host.records.reminder(0);
    EXPECT_EQ(made->text(), "pay\r\nthe rent");
    EXPECT_EQ(made->date(), makeDate(20, 3, 1998));
    EXPECT_TRUE(made->active());
    EXPECT_EQ(made->daysBefore(), 5);
    EXPECT_TRUE(made->sound());
    EXPECT_EQ(made->displayState(), Hidden);
    EXPECT_NE(host.records.attrOf(made), nullptr);
    ASSERT_EQ(WCalendarTestPeer::markCount(*calendar()), 1);
    EXPECT_EQ(WCalendarTestPeer::markAt(*calendar(), 0).date, made->date());
    EXPECT_EQ(WCalendarTestPeer::markAt(*calendar(), 0).flag, 1);
    EXPECT_EQ(calendar()->GetSelectedDay(), -1);
    EXPECT_EQ(shownText(), QString());

    // The day now has its reminder: it shows, and a second one cannot be added.
    selectDay(20);
    EXPECT_EQ(shownText(), QStringLiteral("pay\nthe rent"));
    EXPECT_EQ(CalendarDialogTestPeer::currentReminder(*page), 0);
    type(QStringLiteral(" soon"));
    EXPECT_FALSE(button(reminderid::AddButton)->isEnabled());
    EXPECT_TRUE(button(reminderid::RemoveButton)->isEnabled());
    EXPECT_TRUE(button(reminderid::NewButton)->isEnabled());

    // Another day takes the typed text along into the reminder left.
    selectDay(21);
    EXPECT_EQ(made->text(), "pay\r\nthe rent soon");
    EXPECT_EQ(CalendarDialogTestPeer::currentReminder(*page), -1);
}

TEST_F(RemindersPageTest, AFullListRefusesTheReminderAndKeepsTheText) {
    for (int i = 0; i < kHolderCapacity; ++i)
        ASSERT_TRUE(host.records.addNote(std::make_unique<Note>()));
    open();
    selectDay(9);
    type(QStringLiteral("no room"));
    click(reminderid::AddButton);
    EXPECT_TRUE(oneBoxShown(host.boxes, QStringLiteral("No more space for this reminder note"),
                            QStringLiteral("ERROR"), box::Capacity));
    EXPECT_EQ(host.records.reminderCount(), 0);
    EXPECT_EQ(WCalendarTestPeer::markCount(*calendar()), 0);
    EXPECT_EQ(calendar()->GetSelectedDay(), 9);
    EXPECT_EQ(shownText(), QStringLiteral("no room"));
}

TEST_F(RemindersPageTest, DaysAndSoundChangeTheReminderAtOnceTheTextWaits) {
    Appointement* reminder = addReminder(makeDate(25, 3, 1998), "party", 2);
    open();
    selectDay(25);
    arrow(daysControl(), true, 2);
    EXPECT_EQ(reminder->daysBefore(), 4);
    soundBox()->click();
    EXPECT_TRUE(reminder->sound());

    type(QStringLiteral("!!!"));
    page->CommitReminder(); // the page is being left: the text goes too
    EXPECT_EQ(reminder->text(), "party!!!");

    type(QStringLiteral("???"));
    click(reminderid::NewButton); // drops the text change
    EXPECT_EQ(reminder->text(), "party!!!");
    EXPECT_EQ(CalendarDialogTestPeer::currentReminder(*page), -1);
    EXPECT_EQ(shownText(), QString());
    EXPECT_EQ(calendar()->GetSelectedDay(), -1);
    EXPECT_FALSE(button(reminderid::NewButton)->isEnabled());
    arrow(daysControl(), true); // belongs to nobody now
    EXPECT_EQ(reminder->daysBefore(), 4);

    daysControl()->setValue(kMaxDays);
    arrow(daysControl(), true); // refused
    EXPECT_EQ(daysControl()->value(), kMaxDays);
}

TEST_F(RemindersPageTest, TheNoteHalfArmsAndDisarmsWithoutSelecting) {
    Appointement* reminder = addReminder(makeDate(10, 3, 1998), "exam");
    open();
    selectDay(3);
    clickMark(10);
    EXPECT_FALSE(reminder->active());
    EXPECT_EQ(WCalendarTestPeer::markAt(*calendar(), 0).flag, 0);
    EXPECT_EQ(calendar()->GetSelectedDay(), 3);
    EXPECT_EQ(CalendarDialogTestPeer::currentReminder(*page), -1);
    clickMark(10);
    EXPECT_TRUE(reminder->active());
    EXPECT_EQ(WCalendarTestPeer::markAt(*calendar(), 0).flag, 1);

    clickMark(11); // no reminder there
    EXPECT_EQ(WCalendarTestPeer::markCount(*calendar()), 1);
    EXPECT_TRUE(reminder->active());
}

TEST_F(RemindersPageTest, RemoveAsksThenClearsTheDay) {
    addReminder(makeDate(5, 3, 1998), "first");
    Appointement* second = addReminder(makeDate(6, 3, 1998), "second");
    open();
    selectDay(6);
    host.boxes.answers = {Answer::No};
    click(reminderid::RemoveButton);
    EXPECT_TRUE(oneBoxShown(host.boxes, QStringLiteral("Remove selected reminder note?"),
                            QStringLiteral("WARNING"), box::Removal));
    EXPECT_EQ(host.records.reminderCount(), 2);
    EXPECT_EQ(host.records.reminder(1), second);

    host.boxes.answers = {Answer::Yes};
    click(reminderid::RemoveButton);
    ASSERT_EQ(host.records.reminderCount(), 1);
    EXPECT_EQ(host.records.reminder(0)->text(), "first");
    ASSERT_EQ(WCalendarTestPeer::markCount(*calendar()), 1);
    EXPECT_EQ(WCalendarTestPeer::markAt(*calendar(), 0).date, makeDate(5, 3, 1998));
    EXPECT_EQ(calendar()->GetSelectedDay(), -1);
    EXPECT_EQ(shownText(), QString());
    EXPECT_EQ(CalendarDialogTestPeer::currentReminder(*page), -1);
    EXPECT_FALSE(button(reminderid::RemoveButton)->isEnabled());
    EXPECT_FALSE(button(reminderid::NewButton)->isEnabled());
}

TEST_F(RemindersPageTest, RemoveTakesEveryReminderOfTheDay) {
    // Files from elsewhere may hold two reminders on one date, side by side.
    addReminder(makeDate(5, 3, 1998), "one");
    addReminder(makeDate(5, 3, 1998), "two");
    addReminder(makeDate(8, 3, 1998), "kept");
    open();
    selectDay(5);
    host.boxes.answers = {Answer::Yes};
    click(reminderid::RemoveButton);
    ASSERT_EQ(host.records.reminderCount(), 1);
    EXPECT_EQ(host.records.reminder(0)->text(), "kept");
    ASSERT_EQ(WCalendarTestPeer::markCount(*calendar()), 1);
    EXPECT_EQ(WCalendarTestPeer::markAt(*calendar(), 0).date, makeDate(8, 3, 1998));
}

TEST_F(RemindersPageTest, RemindersFallDueTheirDaysBefore) {
    Appointement* early = addReminder(makeDate(10, 3, 1998), "early", 3);
    Appointement* sameDay = addReminder(makeDate(10, 3, 1998), "same day", 0);
    Appointement* disarmed = addReminder(makeDate(1, 3, 1998), "off", 0, false);
    open();

    checkDueOn(6, 3, 1998);
    EXPECT_EQ(early->displayState(), Hidden);
    checkDueOn(7, 3, 1998);
    EXPECT_EQ(early->displayState(), Due);
    EXPECT_EQ(sameDay->displayState(), Hidden);
    EXPECT_EQ(disarmed->displayState(), Hidden);

    early->setDisplayState(Shown); // the holder put up its Stickum
    checkDueOn(10, 3, 1998);
    EXPECT_EQ(early->displayState(), Shown);
    EXPECT_EQ(sameDay->displayState(), Due);

    checkDueOn(20, 4, 1998); // long past: still due until disarmed
    EXPECT_EQ(sameDay->displayState(), Due);
    clickMark(10);
    page->CheckDue();
    EXPECT_FALSE(early->active());
    EXPECT_EQ(early->displayState(), Hidden);
}

TEST_F(RemindersPageTest, BeyondFiftyRemindersOnlyTheFirstAreMarkedButAllFallDue) {
    for (int i = 0; i < 60; ++i)
        addReminder(makeDate(1, 1, 1998) + static_cast<Date>(i), "many", 0);
    open();
    EXPECT_EQ(WCalendarTestPeer::markCount(*calendar()), WCalendar::MaxMarks);
    EXPECT_EQ(WCalendarTestPeer::markAt(*calendar(), 49).date, makeDate(1, 1, 1998) + 49);
    page->CheckDue();
    for (int i = 0; i < 60; ++i)
        EXPECT_EQ(host.records.reminder(i)->displayState(), Due) << i;

    // Removing one of the marked lets the next unmarked one have its mark.
    monthControl()->setValue(1);
    arrow(monthControl(), true); // February
    arrow(monthControl(), false);
    selectDay(3);
    host.boxes.answers = {Answer::Yes};
    click(reminderid::RemoveButton);
    EXPECT_EQ(WCalendarTestPeer::markCount(*calendar()), WCalendar::MaxMarks);
    EXPECT_EQ(WCalendarTestPeer::markAt(*calendar(), 49).date, makeDate(1, 1, 1998) + 50);

    host.records.reminder(0)->setActive(false);
    page->RefreshMarks();
    EXPECT_EQ(WCalendarTestPeer::markAt(*calendar(), 0).flag, 0);
}

TEST_F(RemindersPageTest, WhatWasOnlyLookedAtStaysAsStored) {
    Appointement* odd = addReminder(makeDate(12, 3, 1998), "old\ntext", 30000);
    Appointement* early = addReminder(makeDate(13, 3, 1998), "early", -5);
    open();
    selectDay(12);
    EXPECT_EQ(daysControl()->text(), QStringLiteral("30000"));
    selectDay(13);
    EXPECT_EQ(daysControl()->text(), QStringLiteral("-5"));
    page->CommitReminder();
    EXPECT_EQ(odd->daysBefore(), 30000);
    EXPECT_EQ(odd->text(), "old\ntext") << "a lone line feed is not rewritten";
    EXPECT_EQ(early->daysBefore(), -5);
}
