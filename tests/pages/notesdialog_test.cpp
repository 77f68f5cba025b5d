// The Notes page against a fake main dialog: the list and its buttons, adding, changing,
// removing and switching notes, and pin-pointing a note to a window of a scripted desktop.
#include "fakehost.h"
#include "fakewindowsystem.h"
#include "iconlistpeer.h"
#include "notesdialogpeer.h"
#include "pages/iconlist.h"
#include "pages/notesdialog.h"
#include "resources/dialog_notes.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class NotesPageTest : public ::testing::Test {
protected:
    // Puts notes in the record list, as the data file would, then builds the page.
    Note* addNote(const std::string& text, bool active = true) {
        auto made = std::make_unique<Note>();
        made->setText(text);
        made->setActive(active);
        Note* kept = made.get();
        EXPECT_TRUE(host.records.addNote(std::move(made)));
        host.attachNew(kept);
        return kept;
    }
    void open() {
        page = std::make_unique<NotesDialog>(host);
        page->move(100, 80);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    }

    IconList* list() const { return page->itemAs<IconList>(noteid::NoteList); }
    QPlainTextEdit* edit() const { return page->itemAs<QPlainTextEdit>(noteid::NoteEdit); }
    QLabel* targetLabel() const { return page->itemAs<QLabel>(noteid::TargetLabel); }
    QPushButton* button(int id) const { return page->itemAs<QPushButton>(id); }
    void click(int id) { QTest::mouseClick(button(id), Qt::LeftButton); }
    QStringList titles() const {
        QStringList out;
        for (int row = 0; row < list()->count(); ++row)
            out << IconListTestPeer::rowTitle(*list(), row);
        return out;
    }
    int rowY(int row) const { return row * list()->rowHeight() + list()->rowHeight() / 2; }
    void pressTitle(int row) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, {80, rowY(row)});
    }
    void pressIcon(int row) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, {6, rowY(row)});
    }
    void type(const QString& text) {
        edit()->setFocus();
        const QStringList lines = text.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) QTest::keyClick(edit(), Qt::Key_Return);
            QTest::keyClicks(edit(), lines[i]);
        }
    }
    // Which of New, Add, Remove, Refresh list and Pin-point to are enabled, in that order.
    std::string enabled() const {
        std::string out;
        for (int id : {noteid::NewButton, noteid::AddButton, noteid::RemoveButton,
                       noteid::RefreshButton, noteid::PinButton})
            out += button(id)->isEnabled() ? '1' : '0';
        return out;
    }

    FakeHost host;
    std::unique_ptr<NotesDialog> page;
};

TEST(NoteTitle, TheFirstLineCutTo39Characters) {
    EXPECT_EQ(NotesDialog::titleOf("milk\r\nand bread"), QStringLiteral("milk"));
    EXPECT_EQ(NotesDialog::titleOf("\r\nhidden first line"), QString());
    EXPECT_EQ(NotesDialog::titleOf(std::string(60, 'x')), QString(39, u'x'));
    EXPECT_EQ(NotesDialog::titleOf(std::string(39, 'y')), QString(39, u'y'));
    EXPECT_EQ(NotesDialog::titleOf(""), QString());
    // Characters, not bytes.
    EXPECT_EQ(NotesDialog::titleOf(std::string(50, '\xC3')).size(), 39); // old 1252 text
    std::string accents;
    for (int i = 0; i < 45; ++i)
        accents += "\xC3\xA9";
    EXPECT_EQ(NotesDialog::titleOf(accents), QString(39, QChar(0xE9)));
}

TEST_F(NotesPageTest, TheTableLaysOutThePage) {
    FakeWindowSystem windows;
    host.windows = &windows;
    open();
    const DialogUnits& units = page->units();
    EXPECT_EQ(page->templateSize(), units.size(216, 165));
    EXPECT_EQ(list()->geometry(), units.rect(12, 24, 192, 64));
    EXPECT_EQ(edit()->geometry(), units.rect(144, 100, 64, 40));
    EXPECT_EQ(targetLabel()->geometry(), units.rect(64, 92, 72, 12));
    EXPECT_EQ(button(noteid::PinButton)->text().remove(u'&'), QStringLiteral("Pin-point to"));
    EXPECT_EQ(button(noteid::PinButton)->geometry(), units.rect(8, 92, 50, 14));
    EXPECT_EQ(button(noteid::RefreshButton)->text().remove(u'&'), QStringLiteral("Refresh list"));
    EXPECT_EQ(button(noteid::RefreshButton)->toolTip(),
              QStringLiteral("Update note titles in list"));
    EXPECT_EQ(button(noteid::NewButton)->geometry(), units.rect(57, 148, 50, 14));
    EXPECT_EQ(button(noteid::AddButton)->geometry(), units.rect(109, 148, 50, 14));
    EXPECT_EQ(button(noteid::RemoveButton)->geometry(), units.rect(161, 148, 50, 14));
    EXPECT_EQ(button(noteid::PinButton)->toolTip(),
              QStringLiteral("Stick a note to a particular application window"));
}

TEST_F(NotesPageTest, AnEmptyListEnablesOnlyAddAndOnlyOnceThereIsText) {
    open();
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(enabled(), "00000");
    type(QStringLiteral("m"));
    EXPECT_EQ(enabled(), "01000");
    edit()->clear();
    EXPECT_EQ(enabled(), "00000");

    // Tab moves on instead of typing an invisible character that would enable "Add".
    QTest::keyClick(edit(), Qt::Key_Tab);
    EXPECT_EQ(edit()->toPlainText(), QString());
    EXPECT_EQ(enabled(), "00000");
    EXPECT_FALSE(edit()->hasFocus());
}

TEST_F(NotesPageTest, TheListIsSortedAndCarriesEachNotesOrdinal) {
    addNote("pears");
    addNote("Apples\r\nfrom the market");
    addNote(std::string(60, 'z'));
    addNote("\r\nno title");
    open();
    EXPECT_EQ(titles(), (QStringList{"", "Apples", "pears", QString(39, u'z')}));
    EXPECT_EQ(list()->rowNumber(0), 3);
    EXPECT_EQ(list()->rowNumber(1), 1);
    EXPECT_EQ(NotesDialogTestPeer::currentNote(*page), -1);
    EXPECT_EQ(enabled(), "00010");
}

TEST_F(NotesPageTest, AddMakesAShownNoteWithItsStickumAndListsIt) {
    addNote("b");
    open();
    type(QStringLiteral("a note\nsecond line"));
    click(noteid::AddButton);
    ASSERT_EQ(host.records.noteCount(), 2);
    const Note* added = host.records.note(1);
    EXPECT_EQ(added->text(), "a note\r\nsecond line");
    EXPECT_TRUE(added->active());
    EXPECT_EQ(added->displayState(), Shown);
    EXPECT_NE(host.records.attrOf(added), nullptr);
    EXPECT_EQ(titles(), (QStringList{"a note", "b"}));
    EXPECT_EQ(list()->rowNumber(0), 1);
    EXPECT_TRUE(edit()->toPlainText().isEmpty());
    EXPECT_EQ(NotesDialogTestPeer::currentNote(*page), -1);
    EXPECT_EQ(NotesDialogTestPeer::noteCount(*page), 2);
    EXPECT_TRUE(host.boxes.shown.empty());
}

TEST_F(NotesPageTest, AFullRecordListRefusesTheNoteAndKeepsTheText) {
    addNote("only note");
    for (int i = 1; i < kHolderCapacity; ++i)
        ASSERT_TRUE(host.records.addLending(std::make_unique<Prestito>()));
    open();
    type(QStringLiteral("one too many"));
    click(noteid::AddButton);
    EXPECT_TRUE(oneBoxShown(host.boxes, QStringLiteral("Not enough space for this note"),
                            QStringLiteral("ERROR"), box::Capacity));
    EXPECT_EQ(titles(), (QStringList{"only note"}));
    EXPECT_EQ(host.records.noteCount(), 1);
    EXPECT_EQ(edit()->toPlainText(), QStringLiteral("one too many"));
    EXPECT_EQ(NotesDialogTestPeer::noteCount(*page), 1);
}

TEST_F(NotesPageTest, APressOnATitleMakesItsNoteCurrent) {
    addNote("second\r\nmore");
    addNote("first");
    host.windowTitles[77] = "Calculator";
    host.setTarget(host.records.note(0), 77);
    open();
    pressTitle(1);
    EXPECT_EQ(NotesDialogTestPeer::currentNote(*page), 0);
    EXPECT_EQ(edit()->toPlainText(), QStringLiteral("second\nmore"));
    EXPECT_EQ(targetLabel()->text(), QStringLiteral("Calculator"));
    EXPECT_EQ(enabled(), "10111");
    pressTitle(0);
    EXPECT_EQ(NotesDialogTestPeer::currentNote(*page), 1);
    EXPECT_EQ(targetLabel()->text(), QStringLiteral("<no window>"));
    // New leaves nothing current and clears the form.
    click(noteid::NewButton);
    EXPECT_EQ(NotesDialogTestPeer::currentNote(*page), -1);
    EXPECT_TRUE(edit()->toPlainText().isEmpty());
    EXPECT_TRUE(targetLabel()->text().isEmpty());
    EXPECT_EQ(list()->selectedRow(), -1);
    EXPECT_EQ(enabled(), "00010");
}

TEST_F(NotesPageTest, AClosedTargetShowsNoWindow) {
    addNote("pinned");
    host.windowTitles[5] = "Terminal";
    host.setTarget(host.records.note(0), 5);
    host.windowTitles.erase(5);
    open();
    pressTitle(0);
    EXPECT_EQ(targetLabel()->text(), QStringLiteral("<no window>"));
}

TEST_F(NotesPageTest, ATextInAnyScriptIsKeptWholeAsShown) {
    open();
    QGuiApplication::clipboard()->setText(QString(130, QChar(0x436)) + QStringLiteral(" END"));
    edit()->paste(); // cut to what a note keeps: 127 letters, 254 bytes
    EXPECT_EQ(edit()->toPlainText(), QString(127, QChar(0x436)));
    QTest::sendKeyEvent(QTest::Click, edit(), Qt::Key_unknown, QString(QChar(0x436)), {});
    click(noteid::AddButton);
    EXPECT_EQ(host.records.note(0)->text(), QString(127, QChar(0x436)).toStdString());
}

TEST_F(NotesPageTest, ATargetThatClosesIsNamedNoMoreOnceTheListIsRefreshed) {
    addNote("pinned");
    host.windowTitles[5] = "Terminal";
    host.setTarget(host.records.note(0), 5);
    open();
    pressTitle(0);
    ASSERT_EQ(targetLabel()->text(), QStringLiteral("Terminal"));
    host.windowTitles.erase(5);
    page->RefreshNotes(); // the main window comes back
    EXPECT_EQ(targetLabel()->text(), QStringLiteral("<no window>"));
}

TEST_F(NotesPageTest, APressOnTheIconSwitchesOnlyThatNote) {
    Note* first = addNote("a");
    Note* second = addNote("b");
    open();
    pressTitle(0);
    pressIcon(1);
    EXPECT_TRUE(first->active());
    EXPECT_FALSE(second->active());
    EXPECT_EQ(second->displayState(), Hidden);
    EXPECT_EQ(NotesDialogTestPeer::currentNote(*page), 0);
    EXPECT_EQ(list()->selectedRow(), 0);
    EXPECT_EQ(edit()->toPlainText(), QStringLiteral("a"));
    EXPECT_TRUE(host.boxes.shown.empty());
    pressIcon(1);
    EXPECT_TRUE(second->active());
    EXPECT_EQ(second->displayState(), Shown);
    // The row shows the new state at once.
    EXPECT_TRUE(list()->rowActive(1));
}

TEST_F(NotesPageTest, APressBelowTheLastRowDoesNothing) {
    addNote("a");
    open();
    pressTitle(0);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, {80, rowY(2)});
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, {6, rowY(2)});
    EXPECT_EQ(NotesDialogTestPeer::currentNote(*page), 0);
    EXPECT_EQ(list()->selectedRow(), 0);
    EXPECT_TRUE(host.records.note(0)->active());
}

TEST_F(NotesPageTest, AnEditedNoteIsRenamedInPlaceUntilTheListIsRefreshed) {
    addNote("banana");
    addNote("cherry");
    addNote("apple");
    open();
    pressTitle(1); // banana
    edit()->selectAll();
    type(QStringLiteral("zucchini\nsoup"));
    EXPECT_EQ(host.records.note(0)->text(), "banana"); // not yet
    pressTitle(2);                                     // the edit loses the focus
    EXPECT_EQ(host.records.note(0)->text(), "zucchini\r\nsoup");
    EXPECT_EQ(titles(), (QStringList{"apple", "zucchini", "cherry"}));
    EXPECT_EQ(list()->rowNumber(1), 0);
    EXPECT_EQ(NotesDialogTestPeer::currentNote(*page), 1);
    click(noteid::RefreshButton);
    EXPECT_EQ(titles(), (QStringList{"apple", "cherry", "zucchini"}));
    EXPECT_TRUE(edit()->toPlainText().isEmpty());
    EXPECT_EQ(NotesDialogTestPeer::currentNote(*page), -1);
}

// The keys lead the page as the pointer does: the note arrowed to is the one shown and the one
// "Remove" takes, its text typed into is kept, and Space switches its Stickum.
TEST_F(NotesPageTest, TheKeyboardMovesTheNoteBeingEditedAndRemoveTakesTheOneShown) {
    addNote("a");
    addNote("b");
    addNote("c");
    open();
    pressTitle(0);
    edit()->setFocus();
    QTest::keyClick(edit(), Qt::Key_End);
    type(QStringLiteral("x"));
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(host.records.note(0)->text(), "ax") << "the text typed is kept";
    EXPECT_EQ(titles(), (QStringList{"ax", "b", "c"}));
    EXPECT_EQ(NotesDialogTestPeer::currentNote(*page), 1);
    EXPECT_EQ(edit()->toPlainText(), QStringLiteral("b"));

    QTest::keyClick(list(), Qt::Key_Space);
    EXPECT_FALSE(host.records.note(1)->active());
    EXPECT_EQ(list()->item(1)->checkState(), Qt::Unchecked);
    EXPECT_EQ(NotesDialogTestPeer::currentNote(*page), 1) << "switching moves nothing";

    host.boxes.answers = {Answer::Yes};
    button(noteid::RemoveButton)->click();
    ASSERT_EQ(host.records.noteCount(), 2);
    EXPECT_EQ(host.records.note(0)->text(), "ax");
    EXPECT_EQ(host.records.note(1)->text(), "c");
}

TEST_F(NotesPageTest, AnUntouchedTextKeepsItsBytes) {
    addNote("caf\xE9"); // written by an early version, in Windows-1252
    open();
    pressTitle(0);
    EXPECT_EQ(edit()->toPlainText(), QStringLiteral("caf\u00E9"));
    list()->setFocus();
    edit()->setFocus();
    list()->setFocus();
    EXPECT_EQ(host.records.note(0)->text(), "caf\xE9");
}

TEST_F(NotesPageTest, RemoveAsksThenDropsTheNoteButKeepsTheLabel) {
    addNote("keep");
    Note* doomed = addNote("drop");
    host.windowTitles[9] = "Browser";
    host.setTarget(doomed, 9);
    open();
    pressTitle(0); // "drop" comes first
    ASSERT_EQ(targetLabel()->text(), QStringLiteral("Browser"));
    host.boxes.answers = {Answer::No};
    click(noteid::RemoveButton);
    EXPECT_TRUE(oneBoxShown(host.boxes, QStringLiteral("Remove selected note?"),
                            QStringLiteral("WARNING"), box::Removal));
    EXPECT_EQ(host.records.noteCount(), 2);
    EXPECT_EQ(NotesDialogTestPeer::currentNote(*page), 1);

    host.boxes.answers = {Answer::Yes};
    click(noteid::RemoveButton);
    ASSERT_EQ(host.records.noteCount(), 1);
    EXPECT_EQ(host.records.note(0)->text(), "keep");
    EXPECT_EQ(titles(), (QStringList{"keep"}));
    EXPECT_TRUE(edit()->toPlainText().isEmpty());
    EXPECT_EQ(NotesDialogTestPeer::currentNote(*page), -1);
    EXPECT_EQ(NotesDialogTestPeer::noteCount(*page), 1);
    EXPECT_EQ(targetLabel()->text(), QStringLiteral("Browser"));
    EXPECT_EQ(enabled(), "00010");
}

TEST_F(NotesPageTest, RemovingTheNoteBeingTypedIntoLeavesTheNextNoteAlone) {
    addNote("a note");
    addNote("b note");
    addNote("c note");
    open();
    pressTitle(1);
    type(QStringLiteral(" changed"));
    host.boxes.answers = {Answer::Yes};
    button(noteid::RemoveButton)->click(); // by keyboard: the edit keeps the focus
    ASSERT_EQ(host.records.noteCount(), 2);
    EXPECT_EQ(host.records.note(0)->text(), "a note");
    EXPECT_EQ(host.records.note(1)->text(), "c note");
}

class PinPointingTest : public NotesPageTest {
protected:
    void SetUp() override {
        NotesPageTest::SetUp();
        windows.add({.handle = 500, .title = "Spreadsheet", .rect = {0, 0, 2000, 2000}});
        addNote("pin me");
        host.windows = &windows;
        open();
        pressTitle(0);
    }
    // A press on the page's window at a point of it, as the window system delivers it.
    void pressOnWindow(QPoint at) {
        QTest::mouseClick(page->windowHandle(), Qt::LeftButton, {}, at);
    }
    WindowHandle target() const { return host.records.attrAt(0)->target; }

    FakeWindowSystem windows;
};

TEST_F(PinPointingTest, PinPointToWaitsForThePressAnywhere) {
    click(noteid::PinButton);
    EXPECT_TRUE(NotesDialogTestPeer::pinPointing(*page));
    EXPECT_EQ(QWidget::mouseGrabber(), page.get());
    // The press lands on the Add button, yet the grab brings it to the page.
    host.boxes.answers = {Answer::Yes};
    pressOnWindow(button(noteid::AddButton)->geometry().center());
    EXPECT_FALSE(NotesDialogTestPeer::pinPointing(*page));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    ASSERT_EQ(host.boxes.shown.size(), 1u);
    EXPECT_EQ(host.boxes.shown[0].text,
              QStringLiteral("Attach Note to Window\r\n\"Spreadsheet\"??"));
    EXPECT_EQ(target(), 500u);
    EXPECT_EQ(targetLabel()->text(), QStringLiteral("Spreadsheet"));
    EXPECT_EQ(host.records.noteCount(), 1); // Add itself was not pressed
}

TEST_F(PinPointingTest, ThePressIsTakenAtItsScreenPosition) {
    windows.add({.handle = 600, .title = "Small", .rect = {150, 120, 10, 10}});
    click(noteid::PinButton);
    host.boxes.answers = {Answer::Yes};
    const QPoint local = page->mapFromGlobal(QPoint(155, 125));
    pressOnWindow(local);
    EXPECT_EQ(target(), 600u);
}

TEST_F(PinPointingTest, NoEndsTheGestureWithNothingAttached) {
    targetLabel()->setText(QStringLiteral("before"));
    click(noteid::PinButton);
    host.boxes.answers = {Answer::No};
    page->endPinPointing({10, 10});
    EXPECT_FALSE(NotesDialogTestPeer::pinPointing(*page));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(target(), 0u);
    EXPECT_EQ(targetLabel()->text(), QStringLiteral("before"));
    // A further press is an ordinary one.
    pressOnWindow({5, 5});
    EXPECT_EQ(host.boxes.shown.size(), 1u);
}

TEST_F(PinPointingTest, ALongTitleIsCutTo63InTheLabel) {
    windows.setTitle(500, std::string(90, 'W'));
    click(noteid::PinButton);
    host.boxes.answers = {Answer::Yes};
    page->endPinPointing({10, 10});
    EXPECT_EQ(host.boxes.shown[0].text,
              QStringLiteral("Attach Note to Window\r\n\"%1\"??").arg(QString(79, u'W')));
    EXPECT_EQ(targetLabel()->text(), QString(63, u'W'));
    EXPECT_EQ(target(), 500u);
}

TEST_F(PinPointingTest, NoWindowAtThePointLeavesEverything) {
    windows.destroy(500);
    click(noteid::PinButton);
    page->endPinPointing({10, 10});
    EXPECT_TRUE(host.boxes.shown.empty());
    EXPECT_FALSE(NotesDialogTestPeer::pinPointing(*page));
    EXPECT_EQ(target(), 0u);
}

TEST_F(PinPointingTest, TheGrabIsNotKeptOnceNothingIsEdited) {
    click(noteid::PinButton);
    page->RefreshNotes(); // the main dialog refreshes the page meanwhile
    pressOnWindow({5, 5});
    EXPECT_FALSE(NotesDialogTestPeer::pinPointing(*page));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_TRUE(host.boxes.shown.empty());
}

TEST_F(PinPointingTest, WhatEndsTheChanceOfThePressEndsTheGestureAndTheGrab) {
    const std::function<void()> enders[] = {
        [this] {
            QTest::mouseClick(page->windowHandle(), Qt::RightButton, {}, {5, 5});
        },
        [this] { page->hide(); },
        [this] { page->setWindowState(Qt::WindowMinimized); },
        [this] { page->close(); },
    };
    for (const auto& end : enders) {
        page->setWindowState(Qt::WindowNoState);
        page->show();
        click(noteid::PinButton);
        ASSERT_TRUE(NotesDialogTestPeer::pinPointing(*page));
        end();
        EXPECT_FALSE(NotesDialogTestPeer::pinPointing(*page));
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    }
    EXPECT_TRUE(host.boxes.shown.empty());
}

TEST_F(PinPointingTest, WithoutTheWindowsOfOtherProgramsTheButtonSaysWhy) {
    windows.setPinningAvailable(false);
    open(); // the page asks its host whether pinning is available when it is made
    pressTitle(0);
    EXPECT_EQ(button(noteid::PinButton)->toolTip(), QString::fromUtf8(msg::PinUnavailable));
    click(noteid::PinButton);
    EXPECT_FALSE(NotesDialogTestPeer::pinPointing(*page));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    ASSERT_EQ(host.boxes.shown.size(), 1u);
    EXPECT_EQ(host.boxes.shown[0].text, QString::fromUtf8(msg::PinUnavailable));
    EXPECT_EQ(host.boxes.shown[0].style, box::PinNotice);
}

} // namespace
