// The carets of the program's edits stop blinking a little while after the last input.
#include "stickum/caretblink.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono_literals;

// Reads whether carets blink now.
struct CaretBlinkTestPeer {
    static bool blinking(const CaretBlink& blink) { return !blink.stopped_; }
};

namespace {

// Counts the timer events the whole program receives: a blinking caret is one every half
// period.
class TimerCount : public QObject {
public:
    TimerCount() { qApp->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer) ++count;
        return QObject::eventFilter(watched, event);
    }
};

class Carets : public ::testing::Test {
protected:
    void SetUp() override {
        QGuiApplication::styleHints()->setCursorFlashTime(200);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(line);
        layout->addWidget(text);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void TearDown() override { QGuiApplication::styleHints()->setCursorFlashTime(1000); }

    // Timer events over 600 ms: a caret blinking every 100 ms gives about six.
    int timersOver600Ms() {
        TimerCount timers;
        QTest::qWait(600);
        return timers.count;
    }

    QWidget window;
    QLineEdit* line = new QLineEdit(QStringLiteral("a line"));
    QTextEdit* text = new QTextEdit(QStringLiteral("a text"));
};

} // namespace

TEST_F(Carets, BlinkAfterInputThenStandStillUntilTheNextInput) {
    for (QWidget* edit : {static_cast<QWidget*>(line), static_cast<QWidget*>(text)}) {
        SCOPED_TRACE(edit->metaObject()->className());
        edit->setFocus();
        CaretBlink blink(300ms);
        QTest::keyClick(edit, Qt::Key_End);
        EXPECT_TRUE(CaretBlinkTestPeer::blinking(blink));
        EXPECT_GE(timersOver600Ms(), 3) << "the caret does not blink after a key";

        QTest::qWait(400); // more than the idle time since the key
        EXPECT_FALSE(CaretBlinkTestPeer::blinking(blink));
        EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), 0);
        EXPECT_EQ(timersOver600Ms(), 0) << "something still wakes the program";

        QTest::mouseClick(edit == line ? edit : text->viewport(), Qt::LeftButton);
        EXPECT_TRUE(CaretBlinkTestPeer::blinking(blink));
        EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), 200);
        EXPECT_GE(timersOver600Ms(), 3) << "a click does not bring the blinking back";
    }
}

TEST_F(Carets, StopOnTheirOwnWithoutAnyInputAndBlinkAgainWhenTheHelperGoes) {
    text->setFocus();
    {
        CaretBlink blink(100ms);
        QTest::qWait(300);
        EXPECT_FALSE(CaretBlinkTestPeer::blinking(blink));
        EXPECT_EQ(timersOver600Ms(), 0);
    }
    EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), 200);
    EXPECT_GE(timersOver600Ms(), 3);
}

TEST_F(Carets, StopWhenTheirWindowLosesTheFocus) {
    CaretBlink blink(10s);
    text->setFocus();
    QTest::keyClick(text, Qt::Key_End);
    EXPECT_GE(timersOver600Ms(), 3);

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(timersOver600Ms(), 0) << "an edit of an inactive window blinks";
}
