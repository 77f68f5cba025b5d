// The program from start to end: first and later runs, the tabs, collapsing into the tray and
// coming back, the quit question, saving, and the data file's questions at start-up.
#include "app/myapp.h"
#include "app/mydialog.h"
#include "app/myframe.h"
#include "app/startup.h"
#include "app/trayicon.h"
#include "document/statefolder.h"
#include "fakes.h"
#include "look/gradient.h"
#include "look/images.h"
#include "look/stickumlook.h"
#include "model/catalogue.h"
#include "myapppeer.h"
#include "notefiles.h"
#include "pages/calendardialog.h"
#include "pages/wcalendar.h"
#include "resources/dialog_lendings.h"
#include "resources/dialog_notes.h"
#include "resources/dialog_options.h"
#include "resources/dialog_reminders.h"
#include "resources/dialogs.h"
#include "setfor.h"
#include "storage/datafile.h"
#include "trayiconpeer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplashScreen>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// Reads which page the dialog takes for the current one.
struct MyDialogTestPeer {
    static int currentPage(const MyDialog& dialog) { return dialog.currentPage_; }
};

namespace {

using Shown = FakeMessageBoxes::Shown;

QString q(const char* text) {
    return QString::fromUtf8(text);
}

class AppTest : public ::testing::Test {
protected:
    void TearDown() override {
        app.reset(); // the windows go before the fakes they use
    }

    QString dataPath() const { return dir.filePath(QStringLiteral("quillbox.dat")); }

    void writeDataFile() {
        PostItHolder holder;
        auto note = std::make_unique<Note>();
        note->setText("milk");
        holder.addAttached(std::move(note));
        ASSERT_TRUE(DataFile(dataPath().toStdString()).save(holder, Options{}).ok());
    }

    void writeBytes(const QByteArray& bytes) {
        QFile file(dataPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    std::optional<int> start(QString directory = {}) {
        StartOptions options;
        options.dataDirectory = directory.isEmpty() ? dir.path() : directory;
        options.defaultWaveFile = dir.filePath(QStringLiteral("ding.wav"));
        options.messages = &boxes;
        options.makeTray = [this] {
            auto made = std::make_unique<FakeTray>(trayAvailable);
            tray = made.get();
            return made;
        };
        app = std::make_unique<MyApp>(std::move(options));
        return app->initMainWindow();
    }

    MyFrame* frame() const { return app->frame(); }
    MyDialog* dialog() const { return app->dialog(); }

    void restoreFromTray() {
        tray->pressRight();
        ASSERT_TRUE(frame()->isVisible());
    }

    QTemporaryDir dir;
    FakeMessageBoxes boxes;
    FakeTray* tray = nullptr;
    bool trayAvailable = true;
    std::unique_ptr<MyApp> app;
};

TEST_F(AppTest, FirstRunShowsTheMainWindowWithoutSplash) {
    ASSERT_FALSE(start().has_value());
    EXPECT_EQ(MyAppTestPeer::splash(*app), nullptr);
    EXPECT_TRUE(frame()->isVisible());
    EXPECT_EQ(frame()->windowTitle(), q(msg::ProgramName));
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_TRUE(tray->added);
    EXPECT_EQ(tray->picture, kNoteShownIcon);
    EXPECT_EQ(tray->tip, q(msg::TrayDisplayOn));
    EXPECT_TRUE(dialog()->timer().armed()); // the first tick ran at set-up
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(QFile::exists(dataPath())); // nothing is written before the end
}

// Showing the splash takes in the window system's first events: that paints it, and painting
// it again at once only holds up the start.
TEST_F(AppTest, LaterRunShowsTheSplashPaintedOnceAsItComesUpAndStartsInTheTray) {
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Paint && qobject_cast<QSplashScreen*>(watched)) ++paints;
            return false;
        }
    } counter;
    qApp->installEventFilter(&counter);
    writeDataFile();
    ASSERT_FALSE(start().has_value());
    qApp->removeEventFilter(&counter);
    EXPECT_EQ(counter.paints, 1);
    QSplashScreen* splash = MyAppTestPeer::splash(*app);
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->size(), QSize(400, 300));
    EXPECT_EQ(splash->windowTitle(), q(msg::ProgramName));
    EXPECT_FALSE(frame()->isVisible());
    EXPECT_EQ(dialog()->holder().noteCount(), 1);
    EXPECT_TRUE(tray->added);
    // The splash goes by itself after a second and a half.
    QTest::qWait(1000);
    EXPECT_NE(MyAppTestPeer::splash(*app), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([this] { return MyAppTestPeer::splash(*app) == nullptr; }, 3000));
    EXPECT_FALSE(frame()->isVisible());
}

TEST_F(AppTest, ALaterRunBuildsThePagesWhenTheWindowIsFirstShown) {
    PostItHolder holder;
    Options stored;
    stored.dimensionMode = DimensionModifiable;
    stored.defaultCaptionColor = true;
    stored.titleBarColor = rgb(200, 0, 0);
    ASSERT_TRUE(DataFile(dataPath().toStdString()).save(holder, stored).ok());
    ASSERT_FALSE(start().has_value());
    EXPECT_EQ(dialog()->page(0), nullptr);
    // What the Options page makes of the stored options holds without it.
    EXPECT_EQ(dialog()->options().dimensionMode, DimensionFixed);
    EXPECT_EQ(dialog()->options().titleBarColor,
              toColorRef(desktop::activeCaption(dialog()->palette())));

    restoreFromTray();
    ASSERT_NE(dialog()->page(0), nullptr);
    EXPECT_EQ(dialog()->findChild<QTabWidget*>()->count(), MyDialog::kPageCount);
    EXPECT_TRUE(dialog()->page(0)->isVisible());
}

TEST_F(AppTest, TabsShowOnePageAtATime) {
    start();
    QTabWidget* tabs = dialog()->findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    const char* captions[] = {msg::TabNotes, msg::TabLendings, msg::TabReminders, msg::TabOptions,
                              msg::TabInfoz};
    const char* tips[] = {msg::TipNotes, msg::TipLendings, msg::TipReminders, msg::TipOptions,
                          msg::TipInfoz};
    ASSERT_EQ(tabs->count(), MyDialog::kPageCount);
    for (int i = 0; i < MyDialog::kPageCount; ++i) {
        EXPECT_EQ(tabs->tabText(i), q(captions[i]));
        EXPECT_EQ(tabs->tabToolTip(i), q(tips[i]));
        EXPECT_EQ(tabs->widget(i), dialog()->page(i));
    }
    EXPECT_EQ(tabs->tabToolTip(3), QStringLiteral("Trim Quillbox to the micron"));

    auto visiblePages = [this] {
        int visible = 0;
        for (int i = 0; i < MyDialog::kPageCount; ++i)
            visible += dialog()->page(i)->isVisible() ? 1 : 0;
        return visible;
    };
    EXPECT_EQ(MyDialogTestPeer::currentPage(*dialog()), 0);
    EXPECT_EQ(visiblePages(), 1);
    for (int i : {4, 2, 3, 1, 0}) {
        tabs->setCurrentIndex(i);
        EXPECT_EQ(MyDialogTestPeer::currentPage(*dialog()), i);
        EXPECT_TRUE(dialog()->page(i)->isVisible());
        EXPECT_EQ(visiblePages(), 1);
    }
}

// Escape, "Collapse" and minimising hide the window into the tray, where a left click switches
// the display and a right click brings the window back; while it is open neither does a thing.
TEST_F(AppTest, EscapeCollapseAndMinimisingHideIntoTheTrayWhoseClicksSwitchOnlyWhileCollapsed) {
    start();
    tray->pressLeft();
    tray->pressRight();
    EXPECT_TRUE(dialog()->displayOn());
    EXPECT_EQ(tray->picture, kNoteShownIcon);
    EXPECT_TRUE(frame()->isVisible());

    QTest::keyClick(dialog(), Qt::Key_Escape);
    EXPECT_FALSE(frame()->isVisible());
    EXPECT_FALSE(dialog()->isOpen());
    EXPECT_TRUE(boxes.shown.empty());
    tray->pressLeft();
    EXPECT_FALSE(dialog()->displayOn());
    EXPECT_EQ(tray->picture, kNoteHiddenIcon);
    EXPECT_EQ(tray->tip, q(msg::TrayDisplayOff));
    EXPECT_FALSE(frame()->isVisible());
    tray->pressLeft();
    EXPECT_TRUE(dialog()->displayOn());
    EXPECT_EQ(tray->picture, kNoteShownIcon);
    EXPECT_EQ(tray->tip, q(msg::TrayDisplayOn));
    restoreFromTray();
    EXPECT_TRUE(dialog()->isOpen());

    auto* collapseButton = dialog()->itemAs<QPushButton>(kCollapseButton);
    ASSERT_NE(collapseButton, nullptr);
    EXPECT_EQ(collapseButton->text().remove(u'&'), QStringLiteral("Collapse"));
    collapseButton->click();
    EXPECT_FALSE(frame()->isVisible());
    restoreFromTray();

    frame()->setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !frame()->isVisible(); }, 1000));
    // Hidden in the tray, not left minimised in a task bar; the restore shows it normal.
    restoreFromTray();
    EXPECT_TRUE(dialog()->isOpen());
    EXPECT_FALSE(frame()->isMinimized());
}

TEST_F(AppTest, StartAtLoginInTheTrayMenuWritesTheEntryAndShowsWhetherItIsThere) {
    QTemporaryDir config;
    const SetFor configHome("XDG_CONFIG_HOME", config.path());
    const QString entry =
        config.filePath(QStringLiteral("autostart/org.quillbox.Quillbox.desktop"));
    start();
    dialog()->setStartCommand(
        {QStringLiteral("/usr/bin/quillbox"), QStringLiteral("--data"), dataPath()});
    tray->chooseStartAtLogin(true);
    EXPECT_TRUE(tray->startsAtLogin);
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("\nExec=/usr/bin/quillbox --data " + dataPath().toUtf8()));
    // Removed from outside (quillbox --autostart off): the menu shows it when it opens.
    QFile::remove(entry);
    tray->openMenu();
    EXPECT_FALSE(tray->startsAtLogin);
    tray->chooseStartAtLogin(true);
    tray->chooseStartAtLogin(false);
    EXPECT_FALSE(QFile::exists(entry));
    EXPECT_FALSE(tray->startsAtLogin);
    // A file where the autostart folder should be: told in a box, and the tick stays off.
    QDir(config.path()).rmdir(QStringLiteral("autostart"));
    QFile blocker(config.filePath(QStringLiteral("autostart")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    tray->chooseStartAtLogin(true);
    EXPECT_FALSE(tray->startsAtLogin);
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown.back().caption, q(msg::Error));
}

TEST_F(AppTest, EnterAndCloseAskTheQuitQuestionAndNoChangesNothing) {
    start();
    auto* closeButton = dialog()->itemAs<QPushButton>(kCloseButton);
    ASSERT_NE(closeButton, nullptr);
    EXPECT_EQ(closeButton->text().remove(u'&'), QStringLiteral("Close"));

    closeButton->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0],
              (Shown{frame(), q(msg::QuitQuestion), q(msg::ProgramName), box::Quit}));

    dialog()->setFocus();
    QTest::keyClick(dialog(), Qt::Key_Return);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, q(msg::QuitQuestion));

    // Both answered No: everything as it was.
    EXPECT_TRUE(frame()->isVisible());
    EXPECT_TRUE(tray->added);
    EXPECT_TRUE(dialog()->timer().armed());
    EXPECT_FALSE(QFile::exists(dataPath()));
}

namespace {

// A control of a page with the keys when Enter is pressed, and whether Enter asks the quit
// question there.
struct EnterCase {
    const char* name;
    int page;
    int id; // of the control in the page's table
    bool asks;
};

class EnterKey : public AppTest, public ::testing::WithParamInterface<EnterCase> {};

} // namespace

// Enter in a control with a use of its own for it (a list, a number, a multi-line edit, a
// drop-down, the calendar) stays there; elsewhere it asks the quit question as "Close" does.
TEST_P(EnterKey, NeverQuitsFromAControlThatUsesIt) {
    const EnterCase& c = GetParam();
    start();
    dialog()->findChild<QTabWidget*>()->setCurrentIndex(c.page);
    QWidget* control = c.id == reminderid::Calendar
                           ? dialog()->findChild<WCalendar*>()
                           : static_cast<TemplateDialog*>(dialog()->page(c.page))->item(c.id);
    control->setFocus();
    QTest::keyClick(control->focusProxy() ? control->focusProxy() : control, Qt::Key_Return);
    EXPECT_EQ(boxes.shown.size(), c.asks ? 1u : 0u);
    EXPECT_TRUE(frame()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Main, EnterKey,
                         ::testing::Values(EnterCase{"NoteList", 0, noteid::NoteList, false},
                                           EnterCase{"NoteText", 0, noteid::NoteEdit, false},
                                           EnterCase{"LendingList", 1, lendingid::List, false},
                                           EnterCase{"Person", 1, lendingid::Person, false},
                                           EnterCase{"Day", 1, lendingid::Day, false},
                                           EnterCase{"Calendar", 2, reminderid::Calendar, false},
                                           EnterCase{"DaysBefore", 2, reminderid::Days, false},
                                           EnterCase{"Height", 3, optionid::HeightEdit, false},
                                           EnterCase{"SoundBox", 1, lendingid::SoundBox, true}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(AppTest, AfterARestoreOrATabClickThePageHasTheKeys) {
    start();
    auto* collapseButton = dialog()->itemAs<QPushButton>(kCollapseButton);
    collapseButton->setFocus();
    collapseButton->click();
    restoreFromTray();
    EXPECT_EQ(dialog()->focusWidget(), dialog()->page(0));
    QTest::keyClick(dialog()->page(0), Qt::Key_Return);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, q(msg::QuitQuestion));
    EXPECT_TRUE(frame()->isVisible()); // Enter did not collapse

    QTabBar* bar = dialog()->findChild<QTabWidget*>()->tabBar();
    for (int index : {2, 2}) {
        collapseButton->setFocus();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        EXPECT_EQ(dialog()->focusWidget(), dialog()->page(index));
    }
}

TEST_F(AppTest, YesSavesTheDataFileAndEnds) {
    start();
    auto note = std::make_unique<Note>();
    note->setText("call the plumber");
    Note* added = note.get();
    ASSERT_TRUE(dialog()->holder().addNote(std::move(note)));
    ASSERT_TRUE(dialog()->attachNew(added));

    QSignalSpy quit(frame(), &MyFrame::quitAccepted);
    boxes.answers = {Answer::Yes};
    EXPECT_TRUE(frame()->close());
    EXPECT_EQ(quit.count(), 1);
    EXPECT_FALSE(tray->added);
    EXPECT_FALSE(dialog()->timer().armed());

    PostItHolder read;
    const auto questions = OldFileQuestions::answered(false);
    DataFile file(dataPath().toStdString());
    EXPECT_EQ(file.load(read, questions).status, LoadStatus::Loaded);
    ASSERT_EQ(read.noteCount(), 1);
    EXPECT_EQ(read.note(0)->text(), "call the plumber");
}

TEST_F(AppTest, QuittingWhileCollapsedSavesToo) {
    writeDataFile();
    start();
    ASSERT_FALSE(frame()->isVisible());
    QFile::remove(dataPath());
    boxes.answers = {Answer::Yes};
    EXPECT_TRUE(frame()->close());
    EXPECT_TRUE(QFile::exists(dataPath()));
}

TEST_F(AppTest, AFailedSaveAtQuitIsReportedAndTheUserMayStay) {
    const QString missing = dir.filePath(QStringLiteral("not-there"));
    start(missing);
    boxes.answers = {Answer::Yes, Answer::No}; // quit: yes; quit anyway: no
    EXPECT_FALSE(frame()->close());
    ASSERT_EQ(boxes.shown.size(), 2u);
    const auto& error = boxes.shown[1];
    EXPECT_EQ(error.caption, q(msg::Error));
    EXPECT_EQ(error.style.buttons, BoxButtons::YesNo);
    EXPECT_EQ(error.owner, nullptr);
    EXPECT_TRUE(error.text.contains(QDir(missing).filePath(QStringLiteral("quillbox.dat"))))
        << error.text.toStdString();
    EXPECT_TRUE(frame()->isVisible());
    EXPECT_TRUE(tray->added);
    EXPECT_TRUE(dialog()->timer().armed());

    // Once the folder exists the next try succeeds.
    ASSERT_TRUE(QDir().mkpath(missing));
    boxes.answers = {Answer::Yes};
    EXPECT_TRUE(frame()->close());
    EXPECT_TRUE(QFile::exists(QDir(missing).filePath(QStringLiteral("quillbox.dat"))));
}

TEST_F(AppTest, CommandsThatCannotSaveSaySoEveryTimeWithoutABox) {
    const QString missing = dir.filePath(QStringLiteral("not-there"));
    const QString file = QDir(missing).filePath(QStringLiteral("quillbox.dat"));
    start(missing);
    bool stopped = false;
    const CommandAnswer quit = carryOut(*app, Command::Quit, {}, [&stopped] { stopped = true; });
    QCoreApplication::processEvents();
    EXPECT_EQ(quit.status, kFailureStatus);
    EXPECT_TRUE(quit.why.contains(file)) << quit.why.toStdString();
    EXPECT_FALSE(stopped);
    EXPECT_TRUE(tray->added);

    // A new note is added and shown, every time; the answer says it was not saved, and why.
    for (const char* text : {"first", "second"}) {
        const CommandAnswer added =
            carryOut(*app, Command::NewNote, QString::fromUtf8(text), [] {});
        EXPECT_EQ(added.status, kNotSavedStatus) << text;
        EXPECT_TRUE(added.why.contains(file)) << added.why.toStdString();
    }
    ASSERT_EQ(dialog()->holder().noteCount(), 2);
    EXPECT_TRUE(dialog()->holder().note(1)->active());
    EXPECT_TRUE(boxes.shown.empty()); // nobody sits at this desktop to answer a box
}

TEST_F(AppTest, ACommandThatComesAsTheProgramEndsIsRefused) {
    // Told to stop (--quit, logout) while another command waits in the same turn of the event
    // loop: a note taken now would never be saved.
    writeDataFile();
    start();
    ASSERT_TRUE(app->endSession().ok());
    EXPECT_EQ(carryOut(*app, Command::NewNote, QStringLiteral("too late"), [] {}).status,
              kFailureStatus);
}

TEST_F(AppTest, AnUnsavedVersionLeftByAStopIsOfferedAtTheNextStart) {
    writeDataFile();
    PostItHolder rescued;
    for (const char* text : {"milk", "bread"})
        addNote(rescued, text);
    StateFolder state(dataPath());
    QString where;
    ASSERT_TRUE(state.keepRescue(DataFile::encode(rescued, Options{}), where));

    // Taken: it is in the data file, and goes.
    boxes.answers = {Answer::Yes};
    ASSERT_FALSE(start().has_value());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              QStringLiteral("Quillbox could not save when it was last stopped; the unsaved "
                             "version is in %1: take it?")
                  .arg(where));
    EXPECT_EQ(boxes.shown[0].style.buttons, BoxButtons::YesNo);
    EXPECT_EQ(dialog()->holder().noteCount(), 2);
    EXPECT_FALSE(QFile::exists(where));
    EXPECT_EQ(notesIn(dataPath().toStdString()), (std::vector<std::string>{"milk", "bread"}));

    // Declined: it is not offered again.
    ASSERT_TRUE(state.keepRescue(DataFile::encode(rescued, Options{}), where));
    app.reset();
    boxes.shown.clear();
    boxes.answers = {Answer::No};
    ASSERT_FALSE(start().has_value());
    EXPECT_EQ(boxes.shown.size(), 1u);
    app.reset();
    ASSERT_FALSE(start().has_value());
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(AppTest, SaveAllReportsAFailureAndAFailedSaveAtQuitMayBeIgnored) {
    start(dir.filePath(QStringLiteral("not-there")));
    EXPECT_FALSE(dialog()->save());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, q(msg::Error));
    EXPECT_EQ(boxes.shown[0].style.buttons, BoxButtons::Ok);

    QSignalSpy quit(frame(), &MyFrame::quitAccepted);
    boxes.answers = {Answer::Yes, Answer::Yes}; // quit: yes; quit anyway: yes
    EXPECT_TRUE(frame()->close());
    EXPECT_EQ(quit.count(), 1);
}

TEST_F(AppTest, DecliningAnOldFileEndsWithStatusZeroAndLeavesTheFile) {
    const QByteArray old("\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00", 10);
    writeBytes(old);
    const auto status = start();
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(*status, 0);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0], (Shown{nullptr, q(msg::OldFileWarning),
                                     QStringLiteral("Quillbox - WARNING"), box::OldFile}));
    EXPECT_EQ(frame(), nullptr);
    EXPECT_EQ(MyAppTestPeer::splash(*app), nullptr);
    QFile file(dataPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
}

TEST_F(AppTest, AnOldFileThatFailsEndsWithStatusOne) {
    // Version 0 with 257 notes: one more than the list holds.
    QByteArray bytes("\x00\x00\x00\x00", 4);
    bytes.append("\x01\x01", 2);
    for (int i = 0; i < 257; ++i)
        bytes.append("\x00\x00"
                     "0",
                     3);
    writeBytes(bytes);
    boxes.answers = {Answer::Yes};
    const auto status = start();
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(*status, 1);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1], (Shown{nullptr, q(msg::OldFileWrongNotes),
                                     QStringLiteral("Quillbox - ERROR"), box::Failure}));
}

TEST_F(AppTest, ADamagedFileIsReportedAndTheProgramRuns) {
    writeDataFile();
    QFile file(dataPath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.resize(file.size() - 30); // cut into the options block
    file.close();
    EXPECT_FALSE(start().has_value());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, QStringLiteral("Quillbox - WARNING"));
    EXPECT_TRUE(boxes.shown[0].text.contains(dataPath()));
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("is damaged at byte ")));
    EXPECT_EQ(dialog()->holder().noteCount(), 1);
}

TEST_F(AppTest, TheUsersOwnFilesBesideTheDataFileSurviveAndOnlyCutOffSavesAreCleared) {
    writeDataFile();
    const QStringList own = {QStringLiteral("quillbox.dat.backup"),
                             QStringLiteral("quillbox.dat.before"),
                             QStringLiteral("quillbox.dat.202612")};
    for (const QString& name : own + QStringList{QStringLiteral(".quillbox.dat.tmp-a1B2c3")}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(name.toUtf8());
    }
    ASSERT_FALSE(start().has_value());
    ASSERT_TRUE(dialog()->save());
    app.reset();
    for (const QString& name : own) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(file.readAll(), name.toUtf8());
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral(".quillbox.dat.tmp-a1B2c3"))));
}

TEST_F(AppTest, ADirectoryInTheDataFilesPlaceIsNamedAndLeftAndTheProgramEnds) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("quillbox.dat")));
    const auto status = start();
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(*status, 1);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, QStringLiteral("Quillbox - ERROR"));
    EXPECT_EQ(boxes.shown[0].text,
              q(msg::FileNotRegular).arg(dataPath(), QStringLiteral("a directory")));
    EXPECT_TRUE(QFileInfo(dataPath()).isDir());
    EXPECT_FALSE(QFile::exists(dataPath() + QStringLiteral(".bak")));
}

TEST_F(AppTest, WithoutATrayCollapsingMinimisesAndUnminimisingRestores) {
    trayAvailable = false;
    start();
    dialog()->collapse();
    EXPECT_TRUE(frame()->isVisible());
    EXPECT_TRUE(frame()->isMinimized());
    EXPECT_FALSE(dialog()->isOpen());

    // The display switch still works while collapsed.
    dialog()->setDisplayOn(false);
    EXPECT_FALSE(dialog()->displayOn());

    frame()->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(dialog()->isOpen());
    // Minimising again collapses again (and stays minimised, not hidden).
    frame()->setWindowState(Qt::WindowMinimized);
    QTest::qWait(50);
    EXPECT_TRUE(frame()->isVisible());
    EXPECT_TRUE(frame()->isMinimized());
    // Switched while open: takes effect, and no state is lost.
    frame()->setWindowState(Qt::WindowNoState);
    dialog()->setDisplayOn(true);
    EXPECT_TRUE(dialog()->displayOn());

    // A tray comes up while collapsed: un-minimising still comes back, and collapsing goes to
    // the tray from then on.
    dialog()->collapse();
    tray->setAvailable(true);
    frame()->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(dialog()->isOpen());
    EXPECT_TRUE(dialog()->tracker().suppressed()); // restored: the Stickums were taken in
    dialog()->collapse();
    EXPECT_FALSE(frame()->isVisible());
    restoreFromTray();
    EXPECT_TRUE(dialog()->isOpen());
}

TEST_F(AppTest, ATrayThatGoesAwayLeavesTheCollapsedWindowMinimisedWithinATick) {
    writeDataFile();
    start();
    ASSERT_FALSE(frame()->isVisible());
    tray->setAvailable(false); // the panel holding the tray ended
    emit dialog()->timer().fired();
    EXPECT_TRUE(frame()->isVisible());
    EXPECT_TRUE(frame()->isMinimized());
    EXPECT_FALSE(dialog()->isOpen());
    frame()->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(dialog()->isOpen());
}

} // namespace

// The tray's picture keeps its square shape in the middle of the slot the tray gives it,
// whatever the slot's shape (33 x 22 or 44 x 22 at scales 1.5 and 2).
class TrayPicture : public ::testing::TestWithParam<QSize> {};

TEST_P(TrayPicture, IsSquareAndCentredInItsSlot) {
    const QSize slot = GetParam();
    QtTrayIcon tray;
    tray.add(kNoteShownIcon, QStringLiteral("tip"));
    const QIcon icon = QtTrayIconTestPeer::qtIcon(tray)->icon();
    const int side = std::min(slot.width(), slot.height());
    QImage expected(slot, QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::transparent);
    QPainter(&expected).drawPixmap((slot.width() - side) / 2, (slot.height() - side) / 2,
                                   Images::pixmap(kNoteShownIcon, QSize(side, side)));
    EXPECT_EQ(icon.pixmap(slot).toImage().convertToFormat(expected.format()), expected);
}

INSTANTIATE_TEST_SUITE_P(Slots, TrayPicture,
                         ::testing::Values(QSize(22, 22), QSize(33, 22), QSize(44, 22),
                                           QSize(24, 48)));
