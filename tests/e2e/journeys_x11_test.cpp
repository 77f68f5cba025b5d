// A day with Quillbox on a real desktop (run inside scripts/xsession.sh): the real program,
// started from a fresh directory, driven with the pointer and the keyboard, and judged by the
// windows it puts on the screen and the data file it leaves behind.
#include "../storage/file_bytes.h"
#include "journey.h"
#include "notefiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetrics>
#include <QProcess>
#include <QRegularExpression>
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
    // Painting it left no helper thread of Qt's behind, to wake the idle program later.
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(run->process().processId()));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(task + QStringLiteral("/comm")));
        EXPECT_TRUE(!name.open(QIODevice::ReadOnly) ||
                    !name.readAll().startsWith("Thread (pooled)"));
    }

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
    const auto status = waitForExit(run->process());
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

namespace {

// Another program's window on the desktop: xmessage with a title of its own.
class ForeignWindow {
public:
    explicit ForeignWindow(const QString& title) : title_(title) {
        process_.start(QStringLiteral("xmessage"),
                       {QStringLiteral("-title"), title, QStringLiteral("-geometry"),
                        QStringLiteral("320x160+900+300"),
                        QStringLiteral("A window of another program")});
        waitFor([this] { return (id_ = shownId()) != 0; });
    }
    ~ForeignWindow() { close(); }

    unsigned long id() const { return id_; }
    // The window while it is on show, else 0.
    unsigned long shownId() const {
        return windowIds(QLatin1Char('^') + title_ + QLatin1Char('$')).value(0).toULong();
    }
    QRect geometry() const { return windowGeometry(QString::number(id())); }
    bool onShow() const {
        return output(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(id())})
            .contains(QLatin1String("IsViewable"));
    }
    // A map request de-iconifies the window; activation brings it to the front.
    void restore() {
        runCommand(QStringLiteral("xdotool"), {QStringLiteral("windowmap"), QString::number(id())});
        runCommand(QStringLiteral("xdotool"),
                   {QStringLiteral("windowactivate"), QString::number(id())});
    }
    void minimise() {
        runCommand(QStringLiteral("xdotool"),
                   {QStringLiteral("windowminimize"), QString::number(id())});
    }
    void close() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        process_.waitForFinished(3000);
    }
    QProcess& process() { return process_; }

private:
    QString title_;
    QProcess process_;
    unsigned long id_ = 0;
};

// Pixels whose colours differ clearly between two pictures of the same size.
int differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height();
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                    std::abs(qBlue(p) - qBlue(q)) >
                96)
                ++count;
        }
    }
    return count;
}

} // namespace

// Pinning: a note pinned to another program's window through the Notes page.
class PinningJourney : public Journey {
protected:
    // The note's Stickum stands at this place, over the other window's corner.
    static constexpr QPoint kPlace{940, 260};

    ::testing::AssertionResult pinNoteTo(ForeignWindow& target) {
        const unsigned long targetId = target.id();
        if (targetId == 0) return ::testing::AssertionFailure() << "xmessage did not show";
        PostItHolder holder;
        ::addNote(holder, "Milk and eggs", kPlace.x(), kPlace.y());
        run->writeData(holder, Options::initial({}));
        run->start();
        if (auto shown = stickumsShown(1); !shown) return shown;
        if (stickumAt(kPlace)->transientFor == targetId)
            return ::testing::AssertionFailure() << "pinned before pin-pointing";
        trayClick(3);
        if (auto shown = mainWindowShown(); !shown) return shown;
        click(inMain(mainLayout().noteRow(0)));
        click(inMain(mainLayout().pinButton));
        click(target.geometry().center());
        if (auto answered = answerBox(QStringLiteral("Pin-pointing!"), "Return"); !answered)
            return answered;
        screenshot(QStringLiteral("journey4-pinned-on-the-page"));
        collapse();
        if (auto gone = mainWindowGone(); !gone) return gone;
        if (!waitFor([&] {
                const auto pinned = stickumAt(kPlace);
                return pinned && pinned->transientFor == targetId;
            }))
            return ::testing::AssertionFailure()
                   << "the Stickum does not belong to the window it is pinned to";
        screenshot(QStringLiteral("journey4-pinned"));
        return ::testing::AssertionSuccess();
    }
};

// A pinned note's Stickum goes when its window is minimised and comes back when it is restored,
// however the window manager took it away with its owner.
TEST_F(PinningJourney, PinnedNoteComesAndGoesWithItsWindow) {
    ForeignWindow target(QStringLiteral("Shopping list"));
    ASSERT_TRUE(pinNoteTo(target));
    target.minimise();
    EXPECT_TRUE(stickumsShown(0)) << "the Stickum stays when its window is minimised";
    // The window manager may still be busy with the minimise: ask until the window is back.
    ASSERT_TRUE(waitFor([&] {
        target.restore();
        return target.onShow();
    })) << "the other program's window cannot be restored";
    EXPECT_TRUE(stickumsShown(1)) << "the Stickum does not come back with its window";

    ASSERT_TRUE(quitFromTray());
}

// Once the window is closed, the next restore frees the Stickum and the Notes page says the
// note has no window; the freed Stickum comes up at the note's place, not where the window
// manager left it while it was gone.
TEST_F(PinningJourney, PinnedNoteIsFreedWhenItsWindowClosesAndComesBackAtItsPlace) {
    ForeignWindow target(QStringLiteral("Shopping list"));
    const unsigned long targetId = target.id();
    ASSERT_TRUE(pinNoteTo(target));
    target.close();
    ASSERT_TRUE(waitFor([&] { return target.shownId() == 0; }));
    trayClick(3);
    ASSERT_TRUE(mainWindowShown());
    click(inMain(mainLayout().noteRow(0)));
    // The label as the probe draws it with each text; what the program shows is the one it
    // is nearly identical to.
    const QImage want = targetLabelPicture(QStringLiteral("<no window>"));
    const QImage old = targetLabelPicture(QStringLiteral("Shopping list"));
    QImage seen;
    const int area = want.width() * want.height();
    EXPECT_TRUE(waitFor([&] {
        seen = screenshot().copy(QRect(inMain(mainLayout().targetLabel.topLeft()), want.size()));
        return differingPixels(seen, want) * 50 < area && differingPixels(seen, old) * 20 > area;
    })) << "the Notes page does not show \"<no window>\"";
    screenshot(QStringLiteral("journey4-no-window"));
    collapse();
    std::optional<Window> freed;
    ASSERT_TRUE(waitFor([&] {
        const auto shown = stickums();
        if (shown.size() != 1 || shown[0].transientFor == targetId) return false;
        freed = shown[0];
        return true;
    })) << "the Stickum is not free again";
    ASSERT_TRUE(stickumsShown(1));
    EXPECT_TRUE(stickumAt(kPlace).has_value())
        << "the freed Stickum stands at " << freed->geometry.x() << "," << freed->geometry.y();
    ASSERT_TRUE(quitFromTray());
}

// Options: a new colour and a bigger font chosen in the desktop's choosers, and the "Minimum"
// mode; the Stickums shown afterwards follow, and the file keeps the choices.
TEST_F(Journey, OptionsChangeTheStickumsShownAfterwards) {
    PostItHolder holder;
    ::addNote(holder, "Ring the plumber", 300, 200);
    run->writeData(holder, Options::initial({}));
    run->start();
    ASSERT_TRUE(stickumsShown(1));
    const QRect before = stickumAt({300, 200})->geometry;

    trayClick(3);
    ASSERT_TRUE(mainWindowShown());
    clickTab(3);
    // The colour chooser: its HTML field (Alt+H) takes the colour by name.
    click(inMain(mainLayout().colorButton));
    std::optional<Window> chooser;
    ASSERT_TRUE(waitFor([&] {
        for (const Window& w : programWindows())
            if (w.isDialog()) chooser = w;
        return chooser.has_value();
    })) << "no colour chooser";
    activate(chooser->id);
    key(QStringLiteral("alt+h"));
    key(QStringLiteral("ctrl+a"));
    type(QStringLiteral("#ff8000"));
    key(QStringLiteral("Return"));
    ASSERT_TRUE(waitFor([&] {
        for (const Window& w : programWindows())
            if (w.id == chooser->id) return false;
        return true;
    })) << "the colour chooser stays";
    // The font chooser: its size field (Alt+S).
    click(inMain(mainLayout().fontButton));
    ASSERT_TRUE(answerFontChooser());
    click(inMain(mainLayout().minimumRadio));
    screenshot(QStringLiteral("journey5-options"));
    collapse();
    ASSERT_TRUE(mainWindowGone());
    ASSERT_TRUE(stickumsShown(1));
    std::optional<Window> after;
    ASSERT_TRUE(waitFor([&] { return (after = stickumAt({300, 200})).has_value(); }));
    const QImage shot = screenshot(QStringLiteral("journey5-stickum-after"));
    const QRect content = after->geometry.adjusted(2, 14, -2, -2);
    EXPECT_GT(countPixels(shot, content, qRgb(255, 128, 0)), content.width() * content.height() / 3)
        << "the Stickum is not in the new colour";
    EXPECT_EQ(countPixels(shot, content, qRgb(255, 255, 0), 8), 0) << "yellow is left";
    EXPECT_NE(after->geometry.height(), before.height())
        << "in the Minimum mode the Stickum is as tall as its text";
    ASSERT_TRUE(quitFromTray());

    PostItHolder saved;
    Options options;
    ASSERT_EQ(run->readBack(saved, options).status, LoadStatus::Loaded);
    EXPECT_EQ(options.stickumColor, rgb(255, 128, 0));
    EXPECT_EQ(options.dimensionMode, DimensionMinimum);
    ASSERT_TRUE(options.stickumFont.has_value());
}
