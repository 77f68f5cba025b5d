// The tray icon on a real X11 desktop: trayer embeds it, xdotool presses real mouse buttons on
// it. Runs inside scripts/xsession.sh.
#include "app/myapp.h"
#include "app/mydialog.h"
#include "app/myframe.h"
#include "fakes.h"
#include "model/catalogue.h"
#include "resources/dialogs.h"
#include "stickum/images.h"

#include <QApplication>
#include <QProcess>
#include <QScreen>
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
        app = std::make_unique<MyApp>(std::move(options));
        ASSERT_FALSE(app->initMainWindow().has_value());
        icon = static_cast<QtTrayIcon&>(app->dialog()->tray()).qtIcon();
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

    QTemporaryDir dir;
    FakeMessageBoxes boxes;
    std::unique_ptr<MyApp> app;
    QSystemTrayIcon* icon = nullptr;
};

TEST_F(TrayOnX11, TheIconIsEmbeddedAndAnswersRealClicks) {
    ASSERT_TRUE(QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 10000));
    // Embedded: the icon stands in trayer's strip at the bottom right of the screen.
    const QRect screen = QApplication::primaryScreen()->geometry();
    auto embedded = [this, screen] {
        const QRect at = icon->geometry();
        return at.isValid() && at.center().y() > screen.height() - 40 &&
               at.center().x() > screen.width() / 2;
    };
    ASSERT_TRUE(QTest::qWaitFor(embedded, 10000))
        << icon->geometry().x() << "," << icon->geometry().y();
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

} // namespace
