// The real message boxes: Enter presses the default button a question asks for.
#include "app/qtmessageboxes.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Shows a box of that style and presses Enter in it as soon as it is up.
Answer enterPressedIn(BoxStyle style) {
    // Tests before this one may have ended an event loop they never ran, which would end the
    // box's loop at once: one turn of the main loop starts afresh.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    QTimer press;
    press.setInterval(10);
    QObject::connect(&press, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget()) QTest::keyClick(box, Qt::Key_Return);
    });
    press.start();
    QtMessageBoxes boxes;
    return boxes.showMessage(nullptr, QStringLiteral("Quit anyway?"), QStringLiteral("ERROR"),
                             style);
}

} // namespace

TEST(QtMessageBoxes, EnterQuitsOnTheQuitQuestionButStaysWhenChangesWouldBeLost) {
    EXPECT_EQ(enterPressedIn(box::Quit), Answer::Yes);
    EXPECT_EQ(enterPressedIn(box::StayOrQuit), Answer::No);
}
