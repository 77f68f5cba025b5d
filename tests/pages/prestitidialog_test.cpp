// The Lendings page with real input: the two tabs, the form and its steppers, adding, removing
// and arming lendings, and the due check on fixed days.
#include "fakehost.h"

#include "pages/prestitidialog.h"
#include "pages/recordtextedit.h"
#include "pages/stepper.h"
#include "pages/wlistwindow.h"
#include "resources/dialog_lendings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// Reads which lending the form shows and which way the page lists.
struct PrestitiDialogTestPeer {
    static int currentLending(const PrestitiDialog& page) { return page.current_; }
    static bool direction(const PrestitiDialog& page) { return page.direction_; }
};

namespace {

using namespace lendingid;

class LendingsPage : public ::testing::Test {
protected:
    void SetUp() override { setToday(15, 5, 1998); }
    void setToday(int day, int month, int year) { host.todayIs = makeDate(day, month, year); }
    // The page's due check on that day.
    void checkDueOn(int day, int month, int year) {
        setToday(day, month, year);
        page->CheckDue();
    }

    Prestito* record(const char* person, const char* text, Date date, bool iOwe,
                     bool active = false, int daysAfter = 30) {
        auto made = std::make_unique<Prestito>();
        made->setPerson(person);
        made->setText(text);
        made->setDate(date);
        made->setIOwe(iOwe);
        made->setActive(active);
        made->setDaysAfter(static_cast<std::int16_t>(daysAfter));
        Prestito* kept = made.get();
        EXPECT_TRUE(host.records.addLending(std::move(made)));
        EXPECT_TRUE(host.attachNew(kept));
        return kept;
    }

    void open() {
        page = std::make_unique<PrestitiDialog>(host);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    }

    template <class T> T* control(int id) const {
        T* found = page->itemAs<T>(id);
        EXPECT_NE(found, nullptr) << id;
        return found;
    }
    WListWindow* list() const { return control<WListWindow>(List); }
    Stepper* stepper(int id) const { return control<Stepper>(id); }
    QPushButton* button(int id) const { return control<QPushButton>(id); }
    QComboBox* person() const { return control<QComboBox>(Person); }
    QPlainTextEdit* object() const { return control<QPlainTextEdit>(Object); }
    QString label(int id) const { return control<QLabel>(id)->text(); }
    QStringList names() const {
        QStringList listed;
        for (int i = 0; i < person()->count(); ++i)
            listed << person()->itemText(i);
        return listed;
    }
    QStringList rows() const {
        QStringList listed;
        for (int r = 0; r < list()->rowCount(); ++r)
            listed << list()->rowText(r);
        return listed;
    }

    void showTab(int index) {
        QTabBar* bar = control<QTabWidget>(Tabs)->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    void press(int id) { QTest::mouseClick(button(id), Qt::LeftButton); }
    void step(int id, Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(stepper(id), key);
    }
    void clickRow(int row) {
        const QRect icon = list()->stateIconRect(row);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          QPoint(icon.right() + 20, icon.center().y()));
    }
    void clickIcon(int row) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->stateIconRect(row).center());
    }
    void appendToObject(const QString& text) {
        QTest::keyClick(object(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(object(), text);
    }
    // A fresh page: the form starts from today.
    void reopen() {
        page = nullptr;
        open();
    }
    void typeLending(const char* who, const char* what) {
        QTest::keyClicks(person()->lineEdit(), QString::fromUtf8(who));
        QTest::keyClicks(object(), QString::fromUtf8(what));
    }
    DayMonthYear formDay() const {
        return {stepper(Day)->value(), stepper(Month)->value(), stepper(Year)->value()};
    }

    FakeHost host;
    std::unique_ptr<PrestitiDialog> page;
};

TEST_F(LendingsPage, EachTabListsItsOwnLendingsWithItsLabels) {
    record("Ann", "book", makeDate(5, 1, 1998), true);
    record("Bob", "ladder", makeDate(6, 1, 1998), false);
    record("al", "pen", makeDate(7, 1, 1998), true, true);
    open();
    const auto* tabs = control<QTabWidget>(Tabs);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Give back"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Have back"));

    EXPECT_TRUE(PrestitiDialogTestPeer::direction(*page));
    EXPECT_EQ(rows(), (QStringList{"al", "Ann"}));
    EXPECT_EQ(list()->stateImage(0), 0); // armed
    EXPECT_EQ(list()->stateImage(1), 1);
    EXPECT_EQ(label(LeftLabel), QStringLiteral("I owe to"));
    EXPECT_EQ(label(RightLabel), QString());

    showTab(1);
    EXPECT_FALSE(PrestitiDialogTestPeer::direction(*page));
    EXPECT_EQ(rows(), QStringList{"Bob"});
    EXPECT_EQ(label(LeftLabel), QString());
    EXPECT_EQ(label(RightLabel), QStringLiteral("owes me"));

    showTab(0);
    EXPECT_EQ(rows(), (QStringList{"al", "Ann"}));
}

TEST_F(LendingsPage, CellsShowTheDateInNumbersAndTheObject) {
    record("Ann", "book", makeDate(5, 1, 1998), true);
    open();
    EXPECT_EQ(list()->cellText(0, 1), QStringLiteral("01/05/1998"));
    EXPECT_EQ(list()->cellText(0, 2), QStringLiteral("book"));
}

TEST_F(LendingsPage, TheButtonsFollowTheFormAndTheCurrentLending) {
    record("Ann", "book", makeDate(5, 1, 1998), true);
    open();
    EXPECT_FALSE(button(AddButton)->isEnabled());
    EXPECT_FALSE(button(NewButton)->isEnabled());
    EXPECT_FALSE(button(RemoveButton)->isEnabled());
    QTest::keyClicks(object(), QStringLiteral("tent"));
    EXPECT_FALSE(button(AddButton)->isEnabled());
    QTest::keyClicks(person()->lineEdit(), QStringLiteral("Cy"));
    EXPECT_TRUE(button(AddButton)->isEnabled());
    QTest::keyClick(person()->lineEdit(), Qt::Key_Backspace);
    QTest::keyClick(person()->lineEdit(), Qt::Key_Backspace);
    EXPECT_FALSE(button(AddButton)->isEnabled());

    clickRow(0);
    EXPECT_EQ(PrestitiDialogTestPeer::currentLending(*page), 0);
    // Object and person are filled, but a lending is current.
    EXPECT_FALSE(button(AddButton)->isEnabled());
    EXPECT_TRUE(button(NewButton)->isEnabled());
    EXPECT_TRUE(button(RemoveButton)->isEnabled());

    press(NewButton);
    EXPECT_EQ(PrestitiDialogTestPeer::currentLending(*page), -1);
    EXPECT_EQ(list()->selectedRow(), -1);
    EXPECT_FALSE(button(NewButton)->isEnabled());
    EXPECT_FALSE(button(RemoveButton)->isEnabled());
    EXPECT_FALSE(button(AddButton)->isEnabled()); // the form is empty again
}

TEST_F(LendingsPage, SelectingARowShowsItsLendingAfterStoringTheOneBefore) {
    record("Ann", "book", makeDate(5, 1, 1998), true, false, 12);
    record("Bob", "saw", makeDate(29, 2, 2000), true, false, 0);
    open();
    clickRow(0);
    EXPECT_EQ(person()->currentText(), QStringLiteral("Ann"));
    EXPECT_EQ(object()->toPlainText(), QStringLiteral("book"));
    EXPECT_EQ(formDay(), (DayMonthYear{5, 1, 1998}));
    EXPECT_EQ(stepper(Month)->text(), QStringLiteral("January"));
    EXPECT_EQ(stepper(After)->value(), 12);

    appendToObject(QStringLiteral(" and cd"));
    QTest::keyClick(object(), Qt::Key_Return);
    QTest::keyClicks(object(), QStringLiteral("back soon"));
    clickRow(1);
    EXPECT_EQ(host.records.lending(0)->text(), "book and cd\r\nback soon");
    EXPECT_EQ(formDay(), (DayMonthYear{29, 2, 2000}));
    EXPECT_EQ(object()->toPlainText(), QStringLiteral("saw"));

    clickRow(0);
    EXPECT_EQ(object()->toPlainText(), QStringLiteral("book and cd\nback soon"));
}

TEST_F(LendingsPage, ANewLendingIsListedDisarmedAndFallsDueOnlyOnceArmed) {
    host.settings.lendingDaysAfter = 7;
    host.settings.defaultSound = true;
    open();
    typeLending("Ann", "book");
    step(Day, Qt::Key_Down, 2); // 13 May 1998
    press(AddButton);

    ASSERT_EQ(host.records.lendingCount(), 1);
    const Prestito* added = host.records.lending(0);
    EXPECT_EQ(added->person(), "Ann");
    EXPECT_EQ(added->text(), "book");
    EXPECT_EQ(added->date(), makeDate(13, 5, 1998));
    EXPECT_TRUE(added->iOwe());
    EXPECT_EQ(added->daysAfter(), 7);
    EXPECT_TRUE(added->sound());
    EXPECT_FALSE(added->active());
    EXPECT_EQ(added->displayState(), Hidden);
    EXPECT_NE(host.records.attrOf(added), nullptr);
    EXPECT_EQ(rows(), QStringList{"Ann"});
    EXPECT_EQ(list()->stateImage(0), 1);
    EXPECT_EQ(names(), QStringList{"Ann"});
    // The form is ready for the next one.
    EXPECT_EQ(PrestitiDialogTestPeer::currentLending(*page), -1);
    EXPECT_EQ(object()->toPlainText(), QString());
    EXPECT_EQ(person()->currentText(), QString());
    EXPECT_EQ(formDay(), (DayMonthYear{15, 5, 1998}));

    checkDueOn(1, 1, 2030);
    EXPECT_EQ(added->displayState(), Hidden);

    clickIcon(0);
    EXPECT_TRUE(added->active());
    EXPECT_EQ(list()->stateImage(0), 0);
    EXPECT_EQ(list()->selectedRow(), -1); // the click armed it without selecting it
    EXPECT_EQ(PrestitiDialogTestPeer::currentLending(*page), -1);
    page->CheckDue();
    EXPECT_EQ(added->displayState(), Due);
    host.records.lending(0)->setDisplayState(Shown); // the alert went up
    page->CheckDue();
    EXPECT_EQ(added->displayState(), Shown);

    clickIcon(0);
    EXPECT_FALSE(added->active());
    page->CheckDue();
    EXPECT_EQ(added->displayState(), Hidden);
}

TEST_F(LendingsPage, ALendingFallsDueItsDaysAfterItsDate) {
    Prestito* month = record("Ann", "book", makeDate(1, 3, 1998), true, true, 30);
    Prestito* sameDay = record("Bob", "saw", makeDate(1, 3, 1998), true, true, 0);
    Prestito* later = record("Cy", "car", makeDate(28, 2, 2031), false, true, 1);
    open();

    checkDueOn(28, 2, 1998);
    EXPECT_EQ(sameDay->displayState(), Hidden);
    checkDueOn(1, 3, 1998);
    EXPECT_EQ(sameDay->displayState(), Due);
    checkDueOn(30, 3, 1998);
    EXPECT_EQ(month->displayState(), Hidden);
    checkDueOn(31, 3, 1998);
    EXPECT_EQ(month->displayState(), Due);

    checkDueOn(28, 2, 2031);
    EXPECT_EQ(later->displayState(), Hidden);
    checkDueOn(1, 3, 2031);
    EXPECT_EQ(later->displayState(), Due);
    EXPECT_EQ(month->displayState(), Due);

    // A later date takes the alert back.
    month->setDate(makeDate(1, 3, 2031));
    page->CheckDue();
    EXPECT_EQ(month->displayState(), Hidden);
}

TEST_F(LendingsPage, TheMonthWrapsIntoTheNextAndThePreviousYear) {
    setToday(15, 12, 1997);
    open();
    EXPECT_EQ(stepper(Month)->text(), QStringLiteral("December"));
    step(Month, Qt::Key_Up);
    EXPECT_EQ(formDay(), (DayMonthYear{15, 1, 1998}));
    EXPECT_EQ(stepper(Month)->text(), QStringLiteral("January"));
    EXPECT_EQ(stepper(Year)->text(), QStringLiteral("1998"));
    step(Month, Qt::Key_Down);
    EXPECT_EQ(formDay(), (DayMonthYear{15, 12, 1997}));
    EXPECT_EQ(stepper(Month)->text(), QStringLiteral("December"));
    step(Month, Qt::Key_Down, 12);
    EXPECT_EQ(formDay(), (DayMonthYear{15, 12, 1996}));
}

TEST_F(LendingsPage, TheYearStaysWithin1996And2099) {
    setToday(10, 1, 1996);
    open();
    step(Year, Qt::Key_Down);
    step(Month, Qt::Key_Down);
    EXPECT_EQ(formDay(), (DayMonthYear{10, 1, 1996}));

    setToday(20, 12, 2098);
    reopen();
    typeLending("Ann", "book");
    press(AddButton);
    clickRow(0);
    EXPECT_EQ(formDay(), (DayMonthYear{20, 12, 2098}));
    step(Year, Qt::Key_Up, 3);
    EXPECT_EQ(formDay(), (DayMonthYear{20, 12, 2099}));
    step(Month, Qt::Key_Up);
    EXPECT_EQ(formDay(), (DayMonthYear{20, 12, 2099}));
    step(Year, Qt::Key_Down);
    step(Month, Qt::Key_Up);
    EXPECT_EQ(formDay(), (DayMonthYear{20, 1, 2099}));

    // Today beyond the range still gives a date the form can hold.
    setToday(29, 2, 2104);
    reopen();
    EXPECT_EQ(formDay(), (DayMonthYear{28, 2, 2099}));
}

TEST_F(LendingsPage, DaysStopAtTheEndOfTheMonthShown) {
    setToday(1, 2, 2000);
    open();
    step(Day, Qt::Key_Up, 30);
    EXPECT_EQ(stepper(Day)->value(), 29);
    step(Day, Qt::Key_Down, 30);
    EXPECT_EQ(stepper(Day)->value(), 1);

    setToday(1, 2, 1999);
    reopen();
    step(Day, Qt::Key_Up, 30);
    EXPECT_EQ(stepper(Day)->value(), 28);
}

TEST_F(LendingsPage, ADayBeyondTheNewMonthIsBroughtBackToItsLastDay) {
    setToday(31, 1, 2000);
    open();
    typeLending("Ann", "book");
    step(Month, Qt::Key_Up); // February 2000
    EXPECT_EQ(formDay(), (DayMonthYear{29, 2, 2000}));
    step(Year, Qt::Key_Up); // February 2001
    EXPECT_EQ(formDay(), (DayMonthYear{28, 2, 2001}));
    press(AddButton);
    EXPECT_EQ(host.records.lending(0)->date(), makeDate(28, 2, 2001));

    // Stepping back to a long month leaves the day as it is.
    setToday(31, 3, 2001);
    reopen();
    step(Month, Qt::Key_Down); // February 2001
    step(Month, Qt::Key_Down); // January 2001
    EXPECT_EQ(formDay(), (DayMonthYear{28, 1, 2001}));
}

TEST_F(LendingsPage, AfterAndSoundChangeTheCurrentLendingAtOnce) {
    Prestito* shown = record("Ann", "book", makeDate(5, 1, 1998), true, false, 1824);
    open();
    clickRow(0);
    step(After, Qt::Key_Up);
    EXPECT_EQ(shown->daysAfter(), 1825);
    step(After, Qt::Key_Up);
    EXPECT_EQ(stepper(After)->value(), 1825);
    EXPECT_EQ(shown->daysAfter(), 1825);
    QTest::mouseClick(control<QCheckBox>(SoundBox), Qt::LeftButton);
    EXPECT_TRUE(shown->sound());

    // The object, though, waits for the form to be stored, and "New" drops it.
    appendToObject(QStringLiteral(" and pen"));
    press(NewButton);
    EXPECT_EQ(shown->text(), "book");
    EXPECT_EQ(shown->daysAfter(), 1825);
    EXPECT_TRUE(shown->sound());
}

TEST_F(LendingsPage, ATypedAfterStaysWithinItsRange) {
    open();
    QLineEdit* typed = stepper(After)->findChild<QLineEdit*>();
    ASSERT_NE(typed, nullptr);
    typed->selectAll();
    QTest::keyClicks(typed, QStringLiteral("9999"));
    EXPECT_LE(stepper(After)->value(), 1825);
    typed->selectAll();
    QTest::keyClicks(typed, QStringLiteral("-5"));
    EXPECT_GE(stepper(After)->value(), 0);
    typed->selectAll();
    QTest::keyClicks(typed, QStringLiteral("45"));
    typeLending("Ann", "book");
    press(AddButton);
    EXPECT_EQ(host.records.lending(0)->daysAfter(), 45);
}

TEST_F(LendingsPage, ANameThatBeginsAListedNameIsNotAddedAgain) {
    record("Bob", "saw", makeDate(5, 1, 1998), true);
    record("dee", "pen", makeDate(5, 1, 1998), false);
    open();
    EXPECT_EQ(names(), (QStringList{"Bob", "dee"}));
    typeLending("bo", "book");
    press(AddButton);
    EXPECT_EQ(names(), (QStringList{"Bob", "dee"}));

    host.records.removeLending(0);
    host.records.removeLending(0);
    host.records.removeLending(0);
    record("Bo", "saw", makeDate(5, 1, 1998), true);
    reopen();
    EXPECT_EQ(names(), QStringList{"Bo"});
    typeLending("Bob", "book");
    press(AddButton);
    EXPECT_EQ(names(), (QStringList{"Bo", "Bob"}));
    typeLending("Al", "cd");
    press(AddButton);
    EXPECT_EQ(names(), (QStringList{"Al", "Bo", "Bob"}));
}

TEST_F(LendingsPage, RemovingAsksThenEmptiesTheFormAndKeepsTheName) {
    const Prestito* ann = record("Ann", "book", makeDate(5, 1, 1998), true);
    record("Bob", "saw", makeDate(6, 1, 1998), true);
    record("Cy", "car", makeDate(7, 1, 1998), true);
    open();
    clickRow(0);
    press(RemoveButton); // answered No
    EXPECT_TRUE(oneBoxShown(host.boxes, QStringLiteral("Remove selected lending/borrowing note?"),
                            QStringLiteral("WARNING"), box::Removal));
    EXPECT_EQ(host.records.lendingCount(), 3);
    EXPECT_EQ(host.records.lending(0), ann);

    clickRow(1);
    host.boxes.answers.push_back(Answer::Yes);
    press(RemoveButton);
    EXPECT_EQ(host.records.lendingCount(), 2);
    EXPECT_EQ(host.records.lending(1)->person(), "Cy");
    EXPECT_EQ(rows(), (QStringList{"Ann", "Cy"}));
    EXPECT_EQ(list()->itemData(1), 1); // numbered again after the removal
    EXPECT_EQ(list()->selectedRow(), -1);
    EXPECT_EQ(PrestitiDialogTestPeer::currentLending(*page), -1);
    EXPECT_EQ(person()->currentText(), QString());
    EXPECT_EQ(object()->toPlainText(), QString());
    EXPECT_TRUE(names().contains(QStringLiteral("Bob")));
}

TEST_F(LendingsPage, AFullRecordListKeepsWhatWasTyped) {
    for (int i = 0; i < kHolderCapacity; ++i)
        ASSERT_TRUE(host.records.addNote(std::make_unique<Note>()));
    open();
    typeLending("Ann", "book");
    press(AddButton);
    EXPECT_TRUE(oneBoxShown(host.boxes,
                            QStringLiteral("Not enogh space for this lending/borrowing note"),
                            QStringLiteral("ERROR"), box::Capacity));
    EXPECT_EQ(host.records.lendingCount(), 0);
    EXPECT_EQ(list()->rowCount(), 0);
    EXPECT_EQ(object()->toPlainText(), QStringLiteral("book"));
    EXPECT_EQ(person()->currentText(), QStringLiteral("Ann"));
}

TEST_F(LendingsPage, LeavingThePageOrTheTabStoresTheForm) {
    Prestito* ann = record("Ann", "book", makeDate(5, 1, 1998), true);
    open();
    clickRow(0);
    appendToObject(QStringLiteral("s"));
    page->CommitLending();
    EXPECT_EQ(ann->text(), "books");

    // Entering the page again keeps the lending shown selected, so it can be removed.
    page->RefreshLendings();
    EXPECT_EQ(list()->selectedRow(), 0);
    EXPECT_EQ(PrestitiDialogTestPeer::currentLending(*page), 0);
    host.boxes.answers.push_back(Answer::Yes);
    press(RemoveButton);
    EXPECT_EQ(host.records.lendingCount(), 0);

    Prestito* bob = record("Bob", "saw", makeDate(6, 1, 1998), true);
    page->RefreshLendings();
    clickRow(0);
    step(Day, Qt::Key_Up);
    showTab(1);
    EXPECT_EQ(bob->date(), makeDate(7, 1, 1998));
    EXPECT_TRUE(bob->iOwe());
    EXPECT_EQ(PrestitiDialogTestPeer::currentLending(*page), -1);
    EXPECT_EQ(list()->rowCount(), 0);
}

TEST_F(LendingsPage, ThePersonIsStoredAsTypedNotCompletedFromTheList) {
    record("Bob", "saw", makeDate(5, 1, 1998), true);
    open();
    // Completion works only in the field that has the focus.
    QApplication::setActiveWindow(page.get());
    person()->setFocus();
    typeLending("Bo", "book");
    EXPECT_EQ(person()->currentText(), QStringLiteral("Bo"));
    press(AddButton);
    EXPECT_EQ(host.records.lending(1)->person(), "Bo");
}

TEST_F(LendingsPage, ALendingWithoutADateSaysSoAndKeepsItWhenOnlyLookedAt) {
    Prestito* dateless = record("Ann", "book", 0, true);
    dateless->setPerson("Andr\xe9"); // an old file's single-byte name
    open();
    EXPECT_EQ(list()->cellText(0, 1), QStringLiteral("no date"));
    clickRow(0);
    for (int id : {Day, Month, Year})
        EXPECT_EQ(stepper(id)->text(), QString()) << id;
    page->CommitLending();
    EXPECT_EQ(dateless->date(), 0u);
    EXPECT_EQ(dateless->person(), "Andr\xe9");

    // A step gives it a date, counted from today.
    step(Day, Qt::Key_Up);
    EXPECT_EQ(stepper(Month)->text(), QStringLiteral("May"));
    page->CommitLending();
    EXPECT_EQ(dateless->date(), makeDate(16, 5, 1998));
}

TEST_F(LendingsPage, TheNameIsHeldToItsStoredBytesAndListedWhole) {
    const std::string longest(49, 'W');
    record(longest.c_str(), "book", makeDate(5, 1, 1998), true);
    record("Bo", "pen", makeDate(5, 1, 1998), true);
    open();
    // A paste is cut between characters, with a beep; typing past the limit is refused, quietly.
    auto* name = qobject_cast<RecordLineEdit*>(person()->lineEdit());
    ASSERT_NE(name, nullptr);
    QSignalSpy cut(name, &RecordLineEdit::inputCut);
    // 31 characters, 59 bytes: 28 letters of two bytes (the hyphen and spaces take one).
    QGuiApplication::clipboard()->setText(QString::fromUtf8("Жанна Ивановна Петрова-Сидорова"));
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(QChar(0x436)), {});
    EXPECT_EQ(name->text(), QString::fromUtf8("Жанна Ивановна Петрова-Сид"));
    EXPECT_EQ(cut.count(), 1);
    person()->showPopup();
    QAbstractItemView* names = person()->view();
    EXPECT_GE(names->viewport()->width(), names->sizeHintForColumn(0));
    person()->hidePopup();
}

TEST_F(LendingsPage, EachRowIsAsHighAsItsObject) {
    record("Ann", "one\r\ntwo", makeDate(5, 1, 1998), true);
    record("Bob", "pen", makeDate(5, 1, 1998), true);
    record("Cy", "three\r\nfour", makeDate(5, 1, 1998), true);
    open();
    const auto height = [this](int row) {
        return list()->visualItemRect(list()->topLevelItem(row)).height();
    };
    EXPECT_GT(height(0), height(1));
    EXPECT_EQ(height(2), height(0));
}

TEST_F(LendingsPage, ADayCountBeyondTheFieldIsShownAndKeptUntilChanged) {
    for (const int stored : {-5, 30000}) {
        Prestito* odd = record("Ann", "book", makeDate(5, 1, 1998), true, false, stored);
        reopen();
        clickRow(0);
        EXPECT_EQ(stepper(After)->text(), QString::number(stored));
        page->CommitLending();
        EXPECT_EQ(odd->daysAfter(), stored);
        // A step starts from the nearer end of the field's range.
        step(After, stored < 0 ? Qt::Key_Up : Qt::Key_Down);
        EXPECT_EQ(odd->daysAfter(), stored < 0 ? 1 : 1824);
        host.records.removeLending(0);
    }
}

} // namespace
