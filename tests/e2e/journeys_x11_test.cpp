// A day with Quillbox on a real desktop (run inside scripts/xsession.sh): the real program,
// started from a fresh directory, driven with the pointer and the keyboard, and judged by the
// windows it puts on the screen and the data file it leaves behind.
#include "../storage/file_bytes.h"
#include "journey.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFontMetrics>
#include <QScreen>
#include <QToolTip>

#include <algorithm>

using namespace xdesk;

namespace {

// The Stickums' width: an eighth of the screen.
int stickumWidth() {
    return QGuiApplication::primaryScreen()->geometry().width() / 8;
}

} // namespace

// First run: notes written on the Notes page come up as Stickums when the window collapses;
// the user moves one, rolls the other up, types into one, switches them off and on from the
// tray, brings the window back and quits. The file holds all of it.
TEST_F(Journey, FirstRunNotesOnTheDesktopAndBackIntoTheFile) {
    run->start();
    ASSERT_TRUE(mainWindowShown()) << "the first run opens the main window";
    EXPECT_TRUE(stickums().empty());
    addNote(QStringLiteral("Buy milk"));
    addNote(QStringLiteral("Call Ann"));
    screenshot(QStringLiteral("journey1-notes-page"));
    collapse();
    ASSERT_TRUE(mainWindowGone());
    ASSERT_TRUE(stickumsShown(2));
    // New notes take the usual places: the first at (50, 50), the next ones at (30, 30).
    const auto first = stickumAt({50, 50});
    const auto second = stickumAt({30, 30});
    ASSERT_TRUE(first && second) << "Stickums not at their places";
    EXPECT_EQ(first->geometry.width(), stickumWidth());
    EXPECT_EQ(second->geometry.width(), stickumWidth());

    // The second lies over the first; its title bar is free above it.
    const QPoint grip = second->geometry.topLeft() + QPoint(40, 6);
    const QPoint moved(550, 300);
    drag(grip, grip + (moved - second->geometry.topLeft()));
    ASSERT_TRUE(waitFor([&] { return stickumAt(moved).has_value(); }))
        << "the dragged Stickum is not where it was dropped";
    // Roll-up is the button left of Close at the title bar's right end.
    click(first->geometry.topLeft() + QPoint(first->geometry.width() - 17, 6));
    ASSERT_TRUE(waitFor([&] {
        const auto rolled = stickumAt({50, 50});
        return rolled && rolled->geometry.height() == 12;
    })) << "the first Stickum did not roll up to its title bar";
    EXPECT_EQ(stickumAt({50, 50})->geometry.width(), stickumWidth()) << "rolled up, same width";
    click(moved + QPoint(60, 30));
    key(QStringLiteral("ctrl+End"));
    type(QStringLiteral(" today"));
    const QImage stickumsShot = screenshot(QStringLiteral("journey1-stickums"));
    EXPECT_GT(
        countPixels(stickumsShot, QRect(moved + QPoint(2, 14), QSize(150, 40)), qRgb(255, 255, 0)),
        1000)
        << "a Stickum is yellow";

    // Display OFF from the tray: both go, the icon is crossed out, the tip says so.
    const auto tipOn = trayTip();
    ASSERT_TRUE(tipOn) << "no tip on the tray icon";
    EXPECT_FALSE(trayShowsCross());
    trayClick(1);
    ASSERT_TRUE(stickumsShown(0));
    EXPECT_TRUE(waitFor([&] { return trayShowsCross(); })) << "the tray icon stays the same";
    const auto tipOff = trayTip();
    ASSERT_TRUE(tipOff);
    const QFontMetrics tipFont(QToolTip::font());
    EXPECT_NEAR(tipOff->geometry.width() - tipOn->geometry.width(),
                tipFont.horizontalAdvance(QStringLiteral("Quillbox (display OFF)")) -
                    tipFont.horizontalAdvance(QStringLiteral("Quillbox (display ON)")),
                2)
        << "the tip does not change from ON to OFF";
    screenshot(QStringLiteral("journey1-display-off"));

    // Display ON again: both come back where they were.
    trayClick(1);
    ASSERT_TRUE(stickumsShown(2));
    EXPECT_TRUE(stickumAt(moved).has_value());
    EXPECT_TRUE(stickumAt({50, 50}).has_value());
    EXPECT_TRUE(waitFor([&] { return !trayShowsCross(); }));

    // Right click: the main window comes back and the Stickums go.
    trayClick(3);
    ASSERT_TRUE(mainWindowShown());
    ASSERT_TRUE(stickumsShown(0));
    ASSERT_TRUE(quitFromMainWindow());

    PostItHolder saved;
    Options options;
    ASSERT_EQ(run->readBack(saved, options).status, LoadStatus::Loaded);
    ASSERT_EQ(saved.noteCount(), 2);
    EXPECT_EQ(saved.note(0)->text(), "Buy milk");
    EXPECT_EQ(saved.note(1)->text(), "Call Ann today");
    EXPECT_EQ(saved.attrOf(saved.note(0))->x, 50);
    EXPECT_EQ(saved.attrOf(saved.note(0))->y, 50);
    EXPECT_EQ(saved.attrOf(saved.note(1))->x, moved.x());
    EXPECT_EQ(saved.attrOf(saved.note(1))->y, moved.y());
}

// Second run: the splash comes and goes, the main window stays in the tray, the Stickums stand
// where the file says.
TEST_F(Journey, SecondRunStartsInTheTrayAfterTheSplash) {
    PostItHolder holder;
    ::addNote(holder, "Pay rent", 300, 200);
    ::addNote(holder, "Water the plants", 700, 420);
    run->writeData(holder, Options::initial({}));
    run->start();

    QElapsedTimer clock;
    clock.start();
    std::optional<Window> splash;
    ASSERT_TRUE(waitFor([&] {
        for (const Window& w : programWindowsNamed(QStringLiteral("Quillbox")))
            if (w.geometry.size() == QSize(400, 300)) splash = w;
        return splash.has_value();
    })) << "no splash";
    screenshot(QStringLiteral("journey2-splash"));
    ASSERT_TRUE(waitFor([&] {
        for (const Window& w : programWindowsNamed(QStringLiteral("Quillbox")))
            if (w.id == splash->id) return false;
        return true;
    })) << "the splash stays";
    EXPECT_GE(clock.elapsed(), 1000) << "the splash went at once";

    ASSERT_TRUE(stickumsShown(2));
    EXPECT_TRUE(stickumAt({300, 200}).has_value());
    EXPECT_TRUE(stickumAt({700, 420}).has_value());
    EXPECT_FALSE(mainWindow().has_value()) << "a later run starts in the tray";
    EXPECT_TRUE(trayIcon().has_value());
    screenshot(QStringLiteral("journey2-in-the-tray"));
    ASSERT_TRUE(quitFromTray());

    PostItHolder saved;
    Options options;
    ASSERT_EQ(run->readBack(saved, options).status, LoadStatus::Loaded);
    ASSERT_EQ(saved.noteCount(), 2);
    EXPECT_EQ(saved.attrOf(saved.note(1))->x, 700);
    EXPECT_EQ(saved.attrOf(saved.note(1))->y, 420);
}

namespace {

// A file of the old layout (version 1) with two notes, the first on show.
std::vector<std::uint8_t> oldLayoutFile() {
    FileBytes f;
    f.i16(1).i16(2).i16(400).i16(300).i16(420).i16(330);
    f.i16(2).string("old note one").flag(true).string("old note two").flag(false);
    f.i16(0).i16(0);
    f.optionsUpToScrollBar(FileBytes::defaultFont());
    return f.bytes;
}

} // namespace

// Files: an old layout answered Yes is read and written back in the current layout, with the
// original kept as the backup; answered No, the program ends with status 0 and leaves it alone.
TEST_F(Journey, OldLayoutAnsweredYesIsConvertedAndKept) {
    const auto old = oldLayoutFile();
    run->writeBytes(old);
    run->start();
    ASSERT_TRUE(answerBox(QStringLiteral("Quillbox - WARNING"), "Return"));
    ASSERT_TRUE(stickumsShown(1));
    EXPECT_TRUE(stickumAt({400, 300}).has_value());
    ASSERT_TRUE(quitFromTray());

    EXPECT_EQ(run->readBytes(run->backupPath()), old) << "the old file is kept as it was";
    const auto now = run->readBytes();
    ASSERT_GE(now.size(), 2u);
    EXPECT_EQ(now[0], 4) << "written back in the current layout";
    PostItHolder saved;
    Options options;
    ASSERT_EQ(run->readBack(saved, options).status, LoadStatus::Loaded);
    ASSERT_EQ(saved.noteCount(), 2);
    EXPECT_EQ(saved.note(0)->text(), "old note one");
    EXPECT_EQ(saved.note(1)->text(), "old note two");
}

TEST_F(Journey, OldLayoutAnsweredNoEndsWithStatusZeroAndTouchesNothing) {
    const auto old = oldLayoutFile();
    run->writeBytes(old);
    run->start();
    ASSERT_TRUE(answerBox(QStringLiteral("Quillbox - WARNING"), "Escape"));
    const auto status = run->waitForExit();
    ASSERT_TRUE(status.has_value()) << "the program goes on after No";
    EXPECT_EQ(*status, 0);
    EXPECT_EQ(run->readBytes(), old);
    EXPECT_FALSE(QFile::exists(run->backupPath()));
}

// A damaged file: the program says so, starts with what could be read, and keeps the damaged
// bytes as the backup when it saves.
TEST_F(Journey, DamagedFileIsReportedKeptAndTheProgramStarts) {
    PostItHolder holder;
    ::addNote(holder, "Kept before the damage", 200, 150);
    ::addNote(holder, "Lost in the damage", 500, 150);
    run->writeData(holder, Options::initial({}));
    auto damaged = run->readBytes();
    // Cut in the middle of the second note's text.
    const std::string lost = "Lost in the damage";
    const auto at = std::search(damaged.begin(), damaged.end(), lost.begin(), lost.end());
    ASSERT_NE(at, damaged.end());
    damaged.erase(at + 4, damaged.end());
    run->writeBytes(damaged);
    run->start();
    ASSERT_TRUE(answerBox(QStringLiteral("Quillbox - WARNING"), "Return"));
    ASSERT_TRUE(stickumsShown(1));
    EXPECT_TRUE(stickumAt({200, 150}).has_value());
    ASSERT_TRUE(quitFromTray());

    EXPECT_EQ(run->readBytes(run->backupPath()), damaged);
    PostItHolder saved;
    Options options;
    ASSERT_EQ(run->readBack(saved, options).status, LoadStatus::Loaded);
    ASSERT_EQ(saved.noteCount(), 1);
    EXPECT_EQ(saved.note(0)->text(), "Kept before the damage");
}
