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
    // The window the program gave the keys to, when it is one of these.
    ::testing::AssertionResult hasTheKeys(const std::function<bool(unsigned long)>& window) {
        if (waitFor([&] { return window(activeWindow()); })) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the keys are not where they should be";
    }
    ::testing::AssertionResult mainHasTheKeys() {
        return hasTheKeys([](unsigned long active) {
            const auto shown = mainWindow();
            return shown && shown->id == active;
        });
    }
    // A key of the desktop bound to "quillbox --show".
    ::testing::AssertionResult showFromTheTray() {
        const Command shown =
            xdesk::run(QDir(run->directory()).filePath(QStringLiteral("quillbox")),
                       {QStringLiteral("--show")});
        if (shown.status != 0) return ::testing::AssertionFailure() << "--show failed";
        if (auto result = mainWindowShown(); !result) return result;
        return mainHasTheKeys();
    }
    // Keys, and a moment for a button's press to land before the next ones.
    void press(const QString& keys) {
        key(keys);
        QTest::qWait(250);
    }
    // Escape collapses the window, which saves: the file read back once it holds what's wanted.
    ::testing::AssertionResult collapseAndCheck(const std::function<bool(PostItHolder&)>& wanted) {
        press(QStringLiteral("Escape"));
        if (auto gone = mainWindowGone(); !gone) return gone;
        return fileHolds(wanted);
    }
    ::testing::AssertionResult fileHolds(const std::function<bool(PostItHolder&)>& wanted) {
        const bool held = waitFor([&] {
            PostItHolder saved;
            Options options;
            return run->readBack(saved, options).status == LoadStatus::Loaded && wanted(saved);
        });
        return held ? ::testing::AssertionSuccess()
                    : ::testing::AssertionFailure() << "the data file does not show the step";
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
    ASSERT_TRUE(mainHasTheKeys()) << "the first run's window has the keys";

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
    press(QStringLiteral("ctrl+Tab alt+t Tab Page_Down Home"));
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
    const unsigned long stickum = stickums().front().id;
    ASSERT_TRUE(hasTheKeys([stickum](unsigned long active) { return active == stickum; }))
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
    ASSERT_TRUE(hasTheKeys([](unsigned long active) {
        const auto box = dialogNamed(QStringLiteral("Quillbox"));
        return box && box->id == active;
    })) << "the quit question has the keys";
    press(QStringLiteral("Return"));
    const auto status = run->waitForExit();
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(*status, 0);
    EXPECT_TRUE(fileHolds([&](PostItHolder& saved) {
        return noteIs(saved, false) && saved.lending(0)->active() && reminderIs(saved, true);
    })) << "the closed Stickum's note is off, the lending and the reminder armed";
}
