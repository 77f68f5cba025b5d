// A day with Quillbox without a mouse (run inside scripts/xsession.sh): every step is a key
// pressed with xdotool, and every step shows in the data file. The main window comes back from
// the tray the way a keyboard user has it: a key bound to "quillbox --show".
#include "journey.h"

#include <QDate>
#include <QDir>
#include <QTest>

using namespace xdesk;

namespace {

class KeyboardJourney : public Journey {
protected:
    // Whether the program gave the keys to the window.
    static bool hasTheKeys(const std::function<std::optional<Window>()>& window) {
        return waitFor([&] {
            const auto shown = window();
            return shown && shown->id == activeWindow();
        });
    }
    // A key of the desktop bound to "quillbox --show" brings the main window with the keys.
    bool showFromTheTray() {
        return run->run({QStringLiteral("--show")}).status == 0 && mainWindowShown() &&
               hasTheKeys(mainWindow);
    }
    // Keys, and a moment for a button's press to land before the next ones.
    void press(const QString& keys) {
        key(keys);
        QTest::qWait(250);
    }
    // The data file, read back until it holds what the step should have left there.
    bool fileHolds(const std::function<bool(PostItHolder&)>& wanted) {
        return waitFor([&] {
            PostItHolder saved;
            Options options;
            return run->readBack(saved, options).status == LoadStatus::Loaded && wanted(saved);
        });
    }
    // Escape collapses the window, which saves.
    bool collapseAndCheck(const std::function<bool(PostItHolder&)>& wanted) {
        press(QStringLiteral("Escape"));
        return mainWindowGone() && fileHolds(wanted);
    }
};

bool noteIs(PostItHolder& saved, bool active) {
    return saved.noteCount() == 1 && saved.note(0)->text() == "Buy milk" &&
           saved.note(0)->active() == active;
}

} // namespace

TEST_F(KeyboardJourney, ANoteALendingAndAReminderWithoutAMouse) {
    run->start();
    ASSERT_TRUE(mainWindowShown());
    ASSERT_TRUE(hasTheKeys(mainWindow)) << "the first run's window has the keys";

    // A note: Alt+X leads to its text, Alt+A adds it.
    press(QStringLiteral("alt+x"));
    type(QStringLiteral("Buy milk"));
    press(QStringLiteral("alt+a"));
    ASSERT_TRUE(collapseAndCheck([](PostItHolder& saved) { return noteIs(saved, true); }));
    ASSERT_TRUE(stickumsShown(1));

    // Its Stickum off, then on again: Space on its row in the list before the text.
    for (const bool on : {false, true}) {
        ASSERT_TRUE(showFromTheTray());
        press(QStringLiteral("alt+x shift+Tab Down space"));
        ASSERT_TRUE(collapseAndCheck([on](PostItHolder& saved) { return noteIs(saved, on); }));
        ASSERT_TRUE(stickumsShown(on ? 1 : 0));
    }

    // A lending to Ann, armed with Space on its row.
    ASSERT_TRUE(showFromTheTray());
    press(QStringLiteral("ctrl+Tab alt+o shift+Tab"));
    type(QStringLiteral("Ann"));
    press(QStringLiteral("alt+o"));
    type(QStringLiteral("the ladder"));
    press(QStringLiteral("alt+a"));
    press(QStringLiteral("alt+o shift+Tab shift+Tab Down space"));
    ASSERT_TRUE(collapseAndCheck([](PostItHolder& saved) {
        return saved.lendingCount() == 1 && saved.lending(0)->person() == "Ann" &&
               saved.lending(0)->text() == "the ladder" && saved.lending(0)->active();
    }));

    // A reminder on the 15th of next month: the calendar follows the keys from the month box;
    // Ctrl+Space disarms the new reminder and arms it again.
    const QDate next = QDate::currentDate().addMonths(1);
    const Date chosen = makeDate(15, next.month(), next.year());
    ASSERT_TRUE(showFromTheTray());
    // Page Down and Page Up leave this month and come back; past its last day lies the 1st of next.
    press(QStringLiteral("ctrl+Tab alt+t Tab Page_Down Page_Up End Right"));
    for (int day = 1; day < 15; ++day)
        key(QStringLiteral("Right"));
    press(QStringLiteral("space alt+e"));
    type(QStringLiteral("Mum's birthday"));
    press(QStringLiteral("alt+a alt+t Tab ctrl+space"));
    const auto reminderIs = [chosen](PostItHolder& saved, bool armed) {
        return saved.reminderCount() == 1 && saved.reminder(0)->date() == chosen &&
               saved.reminder(0)->text() == "Mum's birthday" &&
               saved.reminder(0)->active() == armed;
    };
    ASSERT_TRUE(collapseAndCheck([&](PostItHolder& saved) { return reminderIs(saved, false); }));
    ASSERT_TRUE(showFromTheTray());
    press(QStringLiteral("alt+t Tab ctrl+space"));

    // F6 goes from the main window to the Stickums: roll up, then close.
    press(QStringLiteral("F6"));
    ASSERT_TRUE(mainWindowGone());
    ASSERT_TRUE(fileHolds([&](PostItHolder& saved) { return reminderIs(saved, true); }));
    ASSERT_TRUE(stickumsShown(1));
    ASSERT_TRUE(hasTheKeys([] { return std::optional(stickums().front()); }))
        << "F6 gives the keys to the Stickum";
    press(QStringLiteral("alt+Up"));
    ASSERT_TRUE(waitFor([] {
        const auto shown = stickums();
        return shown.size() == 1 && shown.front().geometry.height() == 12;
    })) << "Alt+Up rolls the Stickum up";
    press(QStringLiteral("ctrl+w"));
    ASSERT_TRUE(stickumsShown(0));

    // Quit: Alt+C asks, Enter answers Yes.
    ASSERT_TRUE(showFromTheTray());
    press(QStringLiteral("alt+c"));
    ASSERT_TRUE(hasTheKeys([] { return dialogNamed(QStringLiteral("Quillbox")); }))
        << "the quit question has the keys";
    press(QStringLiteral("Return"));
    const auto status = waitForExit(run->process());
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(*status, 0);
    EXPECT_TRUE(fileHolds([&](PostItHolder& saved) {
        return noteIs(saved, false) && saved.lending(0)->active() && reminderIs(saved, true);
    })) << "the closed Stickum's note is off, the lending and the reminder armed";
}
