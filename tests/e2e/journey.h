#pragma once

// What every journey shares: a fresh directory with the program, the steps a user takes with
// the main window, the tray and the message boxes, and checks of what comes on the screen.

#include "layoutprobe.h"
#include "xdesktop.h"

#include "model/holder.h"
#include "model/options.h"
#include "storage/datafile.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <string>

class Journey : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X11 session (scripts/xsession.sh)";
        if (!xdesk::trayPanel()) GTEST_SKIP() << "needs a tray on the desktop (trayer)";
        (void)mainLayout(); // measured before the program's windows come
        run = std::make_unique<ProgramRun>(ProgramRun::Place::Copied);
    }
    void TearDown() override {
        if (HasFailure() && run) {
            xdesk::screenshot(
                QString::fromUtf8(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                QStringLiteral("-failed"));
            std::cerr << "program's errors:\n" << run->errors().toStdString() << '\n';
        }
        run.reset();
    }

    // A screen point of the main window, from a place the probe measured.
    QPoint inMain(QPoint offset) const;

    // Waits for the main window to be on show and remembers where it stands.
    ::testing::AssertionResult mainWindowShown();
    ::testing::AssertionResult mainWindowGone();
    // The number of Stickums on show, once it settles at count.
    ::testing::AssertionResult stickumsShown(std::size_t count);

    void clickTab(int index);
    // Notes page: writes a note and adds it.
    void addNote(const QString& text);
    void collapse();
    // The tray icon's centre, and presses on it.
    QPoint trayCentre() const;
    void trayClick(int button);
    // The tray icon's picture shows the cross of the display-OFF icon.
    bool trayShowsCross();
    // The tooltip the tray icon shows when the pointer rests on it.
    std::optional<xdesk::Window> trayTip();

    // Answers the message box whose caption starts so: Return takes the default (Yes or OK),
    // Escape says No.
    ::testing::AssertionResult answerBox(const QString& caption, const char* keys);
    // The font chooser on show: a size of 20 points in its size field (Alt+S), then OK.
    ::testing::AssertionResult answerFontChooser();
    // "Close" on the main window, then Yes: the program ends with status 0.
    ::testing::AssertionResult quitFromMainWindow();
    // From the tray: right click, then quit.
    ::testing::AssertionResult quitFromTray();

    std::unique_ptr<ProgramRun> run;
    QRect main_; // where the main window stood when last seen
};
