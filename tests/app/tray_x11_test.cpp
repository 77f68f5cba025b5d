// The tray icon on a real X11 desktop: trayer embeds it, xdotool presses real mouse buttons on
// it. Runs inside scripts/xsession.sh.
#include "app/myapp.h"
#include "app/mydialog.h"
#include "app/myframe.h"
#include "fakes.h"
#include "foreignapp.h"
#include "look/images.h"
#include "model/catalogue.h"
#include "myapppeer.h"
#include "notesdialogpeer.h"
#include "pages/iconlist.h"
#include "pages/notesdialog.h"
#include "platform/x11windowsystem.h"
#include "resources/dialog_notes.h"
#include "resources/dialogs.h"
#include "stickum/smallframe.h"
#include "stickum/wpostit.h"
#include "trayiconpeer.h"

#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSplashScreen>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QImage picture(const QIcon& icon) {
    return icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage picture(int id) {
    return Images::image(id, QSize(16, 16)).convertToFormat(QImage::Format_ARGB32);
}

class TrayOnX11 : public ::testing::Test {
protected:
    void SetUp() override {
        StartOptions options;
        options.dataDirectory = dir.path();
        options.messages = &boxes;
        options.makeTray = [] { return std::make_unique<QtTrayIcon>(); };
        options.makeWindowSystem = [] { return X11WindowSystem::create(); };
        app = std::make_unique<MyApp>(std::move(options));
        ASSERT_FALSE(app->initMainWindow().has_value());
        icon = QtTrayIconTestPeer::qtIcon(static_cast<QtTrayIcon&>(app->dialog()->tray()));
    }
    void TearDown() override { app.reset(); }

    // A real press and release of a mouse button in the middle of the tray icon.
    void click(int button) {
        const QPoint at = icon->geometry().center();
        QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("mousemove"), QString::number(at.x()),
                           QString::number(at.y()), QStringLiteral("click"),
                           QString::number(button)});
        // Keep clicks apart so that two of them never make a double click.
        QTest::qWait(QApplication::doubleClickInterval() + 250);
    }

    void waitUntilEmbedded() {
        const QRect screen = QApplication::primaryScreen()->geometry();
        auto embedded = [this, screen] {
            const QRect at = icon->geometry();
            return at.isValid() && at.center().y() > screen.height() - 40 &&
                   at.center().x() > screen.width() / 2;
        };
        ASSERT_TRUE(QTest::qWaitFor(embedded, 10000))
            << icon->geometry().x() << "," << icon->geometry().y();
    }

    QTemporaryDir dir;
    FakeMessageBoxes boxes;
    std::unique_ptr<MyApp> app;
    QSystemTrayIcon* icon = nullptr;
};

TEST_F(TrayOnX11, TheIconIsEmbeddedAndAnswersRealClicks) {
    ASSERT_TRUE(QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 10000));
    // Embedded: the icon stands in trayer's strip at the bottom right of the screen.
    waitUntilEmbedded();
    EXPECT_EQ(icon->toolTip(), QString::fromUtf8(msg::TrayDisplayOn));
    EXPECT_EQ(picture(icon->icon()), picture(kNoteShownIcon));

    // First run: the main window is open, so a left click changes nothing.
    ASSERT_TRUE(QTest::qWaitFor([this] { return app->frame()->isVisible(); }, 5000));
    click(1);
    EXPECT_TRUE(app->dialog()->displayOn());
    EXPECT_EQ(icon->toolTip(), QString::fromUtf8(msg::TrayDisplayOn));
    EXPECT_TRUE(app->frame()->isVisible());

    // Collapsed: each left click switches the display, the icon and the tip.
    app->dialog()->collapse();
    ASSERT_FALSE(app->frame()->isVisible());
    click(1);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !app->dialog()->displayOn(); }, 3000));
    EXPECT_EQ(icon->toolTip(), QString::fromUtf8(msg::TrayDisplayOff));
    EXPECT_EQ(picture(icon->icon()), picture(kNoteHiddenIcon));
    click(1);
    EXPECT_TRUE(QTest::qWaitFor([this] { return app->dialog()->displayOn(); }, 3000));
    EXPECT_EQ(icon->toolTip(), QString::fromUtf8(msg::TrayDisplayOn));
    EXPECT_EQ(picture(icon->icon()), picture(kNoteShownIcon));
    EXPECT_FALSE(app->frame()->isVisible());

    // A right click brings the main window back.
    click(3);
    EXPECT_TRUE(QTest::qWaitFor([this] { return app->frame()->isVisible(); }, 3000));
    EXPECT_TRUE(app->dialog()->displayOn());
    EXPECT_TRUE(boxes.shown.empty());
}

// In an embedding tray the middle button opens the icon's menu; keys choose its entries: the
// display switch, then a new note, whose Stickum takes the keys.
TEST_F(TrayOnX11, TheMiddleButtonOpensTheMenu) {
    waitUntilEmbedded();
    app->dialog()->collapse();
    const QMenu* menu = QtTrayIconTestPeer::menu(static_cast<QtTrayIcon&>(app->dialog()->tray()));
    for (const char* keys : {"Down Down Return", "Down Down Down Return"}) {
        click(2);
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 3000));
        QProcess::execute(QStringLiteral("xdotool"), QStringList{QStringLiteral("key")} +
                                                         QString::fromLatin1(keys).split(u' '));
        ASSERT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }, 3000));
    }
    EXPECT_EQ(app->dialog()->holder().noteCount(), 1);
    EXPECT_TRUE(app->dialog()->displayOn()) << "switched off, then on by the new note";
    EXPECT_TRUE(QTest::qWaitFor(
        [] { return qobject_cast<SmallFrame*>(QApplication::activeWindow()) != nullptr; }, 3000));
    EXPECT_FALSE(app->frame()->isVisible());
}

TEST_F(TrayOnX11, EscapeDuringPinPointingLeavesTheTrayAnswering) {
    waitUntilEmbedded();
    QWidget* frame = app->frame();
    ASSERT_TRUE(QTest::qWaitFor([frame] { return frame->isVisible(); }, 5000));
    auto* notes = static_cast<NotesDialog*>(app->dialog()->page(0));
    notes->itemAs<QPlainTextEdit>(noteid::NoteEdit)->setPlainText(QStringLiteral("pin me"));
    notes->itemAs<QPushButton>(noteid::AddButton)->click();
    QTest::mouseClick(notes->itemAs<IconList>(noteid::NoteList)->viewport(), Qt::LeftButton, {},
                      {80, notes->itemAs<IconList>(noteid::NoteList)->rowHeight() / 2});
    ASSERT_EQ(NotesDialogTestPeer::currentNote(*notes), 0);
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));

    notes->itemAs<QPushButton>(noteid::PinButton)->click();
    ASSERT_TRUE(NotesDialogTestPeer::pinPointing(*notes));
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Escape")});
    ASSERT_TRUE(QTest::qWaitFor([frame] { return !frame->isVisible(); }, 3000));
    EXPECT_FALSE(NotesDialogTestPeer::pinPointing(*notes));
    // The very next right click on the tray brings the window back.
    click(3);
    EXPECT_TRUE(QTest::qWaitFor([frame] { return frame->isVisible(); }, 3000));
}

TEST_F(TrayOnX11, MinimisingUnmapsTheFrameAndARightClickBringsItBackActive) {
    waitUntilEmbedded();
    MyFrame* frame = app->frame();
    ASSERT_TRUE(QTest::qWaitFor([frame] { return frame->isVisible(); }, 5000));
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    // Minimised through the window manager, which collapses.
    QProcess::execute(QStringLiteral("xdotool"),
                      {QStringLiteral("windowminimize"), QString::number(frame->winId())});
    ASSERT_TRUE(QTest::qWaitFor([frame] { return !frame->isVisible(); }, 3000));
    // The frame stays off the screen: no window left mapped there to take clicks or the keys.
    const ForeignApp x11;
    EXPECT_FALSE(QTest::qWaitFor([&] { return x11.isViewable(frame->winId()); }, 1500))
        << "the collapsed frame was mapped again";
    click(3);
    ASSERT_TRUE(QTest::qWaitFor([frame] { return frame->isActiveWindow(); }, 3000));
    // What the screen shows in the middle of the caption is the active picture's colour.
    const QRect caption = frame->captionRect();
    const QPoint probe(caption.width() / 2, caption.height() / 2);
    const QRgb active = frame->captionPicture(true).pixel(probe);
    const auto shown = [&] {
        const QPoint at = frame->mapToGlobal(caption.topLeft() + probe);
        return QApplication::primaryScreen()
            ->grabWindow(0, at.x(), at.y(), 1, 1)
            .toImage()
            .pixel(0, 0);
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown() == active; }, 3000))
        << std::hex << shown() << " instead of " << active;
    EXPECT_TRUE(frame->captionActive());
}

// A later run on a desktop whose tray is not there (as far as Quillbox can tell).
TEST(StartWithoutATray, ALaterRunStartsMinimisedWithTheStickumsOnShow) {
    QTemporaryDir dir;
    ASSERT_TRUE(writeOneNote(dir.path(), "on show", QPoint(50, 50)));
    FakeMessageBoxes boxes;
    StartOptions options;
    options.dataDirectory = dir.path();
    options.messages = &boxes;
    options.makeTray = [] { return std::make_unique<FakeTray>(false); };
    auto app = std::make_unique<MyApp>(std::move(options));
    ASSERT_FALSE(app->initMainWindow().has_value());
    MyFrame* frame = app->frame();
    const auto stickumShown = [&] {
        WPostIt* content = app->dialog()->tracker().stickumOf(app->dialog()->holder().note(0));
        return content && content->frame()->isVisible();
    };
    // Let the window manager take the window; whatever it does, the start stays collapsed.
    QTest::qWait(800);
    EXPECT_TRUE(frame->isMinimized());
    EXPECT_FALSE(app->dialog()->isOpen());
    EXPECT_TRUE(stickumShown());
    ASSERT_NE(MyAppTestPeer::splash(*app), nullptr);
    EXPECT_TRUE(MyAppTestPeer::splash(*app)->isVisible());
}

} // namespace
