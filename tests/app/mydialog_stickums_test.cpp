// The main dialog drives the Stickums: collapse, restore, the tray switch, the tick with its
// alert sound, and the end of the program, on a scripted desktop.
#include "app/myapp.h"
#include "app/mydialog.h"
#include "app/myframe.h"
#include "fakes.h"
#include "fakewaveplayer.h"
#include "fakewindowsystem.h"
#include "model/date.h"
#include "notefiles.h"
#include "pages/calendardialog.h"
#include "pages/iconlist.h"
#include "pages/notesdialog.h"
#include "pages/optiondialog.h"
#include "pages/optionstepedit.h"
#include "pages/wcalendar.h"
#include "resources/dialog_notes.h"
#include "resources/dialog_options.h"
#include "resources/dialog_reminders.h"
#include "stickum/stickum.h"
#include "stickumtrackerpeer.h"
#include "storage/datafile.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <cstdio>
#include <functional>

#include <gtest/gtest.h>

namespace {

constexpr WindowHandle kEditor = 0x100;

// The data file as it is on disk now; its options too when asked for.
std::unique_ptr<PostItHolder> readBack(const QString& path, Options* options = nullptr) {
    auto holder = std::make_unique<PostItHolder>();
    DataFile file(path.toStdString());
    const auto questions = OldFileQuestions::answered(false);
    file.load(*holder, questions);
    if (options) file.readOptions(*options);
    return holder;
}

class DialogStickums : public ::testing::Test {
protected:
    void SetUp() override { writeDataFile(); }
    void TearDown() override { app.reset(); }

    QString dataPath() const { return dir.filePath(QStringLiteral("quillbox.dat")); }
    std::string wavePath() const { return dir.filePath(QStringLiteral("ding.wav")).toStdString(); }

    // A data file with a note at (200, 150), a lending and a reminder that are both due today
    // and armed (the lending with sound), and the test's wave file.
    void writeDataFile() {
        PostItHolder holder;
        addNote(holder, "milk", 200, 150);

        auto lending = std::make_unique<Prestito>();
        lending->setText("the ladder");
        lending->setPerson("Hugo");
        lending->setDate(makeDate(1, 1, 2024));
        lending->setDaysAfter(30);
        lending->setSound(true);
        lending->setActive(true);
        holder.addAttached(std::move(lending));

        auto reminder = std::make_unique<Appointement>();
        reminder->setText("dentist");
        reminder->setDate(makeDate(16, 6, 2024));
        reminder->setDaysBefore(2);
        reminder->setActive(true);
        holder.addAttached(std::move(reminder));

        Options options;
        options.waveFile = wavePath();
        ASSERT_TRUE(DataFile(dataPath().toStdString()).save(holder, options).ok());
    }

    void start(std::vector<std::string> missingWaves = {}) {
        StartOptions options;
        options.dataDirectory = dir.path();
        options.defaultWaveFile = QString::fromStdString(wavePath());
        options.messages = &boxes;
        options.makeTray = [this] {
            auto made = std::make_unique<FakeTray>(true);
            tray = made.get();
            return made;
        };
        options.makeWindowSystem = [this] {
            auto made = std::make_unique<FakeWindowSystem>();
            made->add({kEditor, "Editor", QRect(100, 100, 400, 300)});
            windows = made.get();
            return made;
        };
        options.openWave = fakeWavePlayerFactory(plays, std::move(missingWaves));
        options.today = [] { return makeDate(15, 6, 2024); };
        app = std::make_unique<MyApp>(std::move(options));
        ASSERT_FALSE(app->initMainWindow().has_value());
    }

    MyDialog* dialog() const { return app->dialog(); }
    PostItHolder& holder() const { return dialog()->holder(); }
    SmallFrame* frameOf(const PostIt* record) const {
        WPostIt* content = dialog()->tracker().stickumOf(record);
        return content ? content->frame() : nullptr;
    }
    bool onShow(const PostIt* record) const {
        SmallFrame* frame = frameOf(record);
        return frame && frame->isVisible();
    }
    // The other machine's version of the data file, changed so, arrives.
    void arriveFromElsewhere(const std::function<void(PostItHolder&, Options&)>& change) {
        Options options;
        const auto theirs = readBack(dataPath(), &options);
        change(*theirs, options);
        ASSERT_TRUE(arrive(dataPath().toStdString(), DataFile::encode(*theirs, options)));
    }

    QTemporaryDir dir;
    FakeMessageBoxes boxes;
    FakeTray* tray = nullptr;
    FakeWindowSystem* windows = nullptr;
    std::shared_ptr<WavePlays> plays = std::make_shared<WavePlays>();
    std::unique_ptr<MyApp> app;
};

TEST_F(DialogStickums, StartingInTheTrayPutsTheNotesUp) {
    start();
    EXPECT_FALSE(app->frame()->isVisible());
    EXPECT_EQ(&dialog()->windowSystem(), windows);
    ASSERT_NE(dialog()->wavePlayer(), nullptr);
    EXPECT_EQ(plays->opened, std::vector<std::string>{wavePath()});

    Note* note = holder().note(0);
    ASSERT_TRUE(onShow(note));
    EXPECT_EQ(QPoint(frameOf(note)->frameX(), frameOf(note)->frameY()), QPoint(200, 150));
    EXPECT_TRUE(dialog()->timer().armed());
    EXPECT_FALSE(dialog()->tracker().suppressed());
}

TEST_F(DialogStickums, TheFirstTickAfterCollapsingPopsUpTheDueAlerts) {
    start();
    Prestito* lending = holder().lending(0);
    Appointement* reminder = holder().reminder(0);
    EXPECT_TRUE(onShow(lending));
    EXPECT_TRUE(onShow(reminder));
    EXPECT_EQ(lending->displayState(), Shown);
    EXPECT_EQ(reminder->displayState(), Shown);
    EXPECT_EQ(plays->plays, 1) << "the lending asks for the sound, the reminder does not";

    // No longer due: its Stickum goes at the next tick.
    lending->setDate(makeDate(1, 6, 2024));
    emit dialog()->timer().fired();
    EXPECT_EQ(dialog()->tracker().stickumOf(lending), nullptr);
    EXPECT_TRUE(onShow(reminder));

    // Due again while the main window is open: it waits for the collapse.
    tray->pressRight();
    lending->setDate(makeDate(1, 1, 2024));
    emit dialog()->timer().fired();
    EXPECT_EQ(lending->displayState(), Due);
    EXPECT_FALSE(onShow(lending));
    EXPECT_EQ(plays->plays, 1);
    dialog()->collapse();
    EXPECT_TRUE(onShow(lending));
    EXPECT_EQ(plays->plays, 2);
}

// Quitting then saves each Stickum where the user left it, and none outlives the dialog.
TEST_F(DialogStickums, RestoreAndCollapseTakeTheStickumsBackAndPutThemUpAgainAndQuittingSavesThem) {
    start();
    Note* note = holder().note(0);
    QPointer<SmallFrame> frame(frameOf(note));
    userDrags(frame, QPoint(420, 330));
    userTypes(frame->content(), "milk and eggs");

    tray->pressRight();
    EXPECT_TRUE(app->frame()->isVisible());
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(dialog()->tracker().suppressed());
    EXPECT_EQ(QPoint(holder().attrOf(note)->x, holder().attrOf(note)->y), QPoint(420, 330));
    EXPECT_EQ(note->text(), "milk and eggs");

    dialog()->collapse();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->content()->getContent(), "milk and eggs");

    userDrags(frame, QPoint(512, 64));
    boxes.answers.push_back(Answer::Yes); // the quit question
    EXPECT_TRUE(app->frame()->close());
    const auto saved = readBack(dataPath());
    const PostItAttr* attr = saved->attrOf(saved->note(0));
    ASSERT_NE(attr, nullptr);
    EXPECT_EQ(QPoint(attr->x, attr->y), QPoint(512, 64));
    app.reset();
    EXPECT_TRUE(frame.isNull()) << "no Stickum outlives the main dialog";
}

TEST_F(DialogStickums, TheDisplaySwitchHoldsAlertsUntilItIsOnAgain) {
    start();
    Appointement* reminder = holder().reminder(0);
    reminder->setDisplayState(Due);
    emit dialog()->timer().fired();
    ASSERT_TRUE(onShow(reminder));
    tray->pressLeft();
    EXPECT_FALSE(dialog()->displayOn());
    EXPECT_FALSE(onShow(holder().note(0)));
    EXPECT_FALSE(onShow(reminder));

    reminder->setDisplayState(Due); // due again, say after a new date
    emit dialog()->timer().fired();
    EXPECT_EQ(reminder->displayState(), Due) << "held while the display is off";
    EXPECT_FALSE(onShow(reminder));

    tray->pressLeft();
    EXPECT_TRUE(dialog()->displayOn());
    EXPECT_TRUE(onShow(holder().note(0)));
    emit dialog()->timer().fired();
    EXPECT_TRUE(onShow(reminder));
    EXPECT_EQ(reminder->displayState(), Shown);
}

TEST_F(DialogStickums, PinnedStickumsAreMadeAtCollapseAndFreedAtRestore) {
    start();
    Note* note = holder().note(0);
    tray->pressRight();
    ASSERT_TRUE(dialog()->setTarget(note, kEditor));
    EXPECT_EQ(dialog()->targetTitle(note), "Editor");
    dialog()->collapse();
    EXPECT_EQ(StickumTrackerTestPeer::pinnedTo(dialog()->tracker(), note), kEditor);
    EXPECT_TRUE(onShow(note));

    // The window system's word about the target reaches the Stickum.
    windows->minimise(kEditor);
    EXPECT_FALSE(onShow(note));
    windows->restore(kEditor);
    EXPECT_TRUE(onShow(note));

    windows->destroy(kEditor);
    tray->pressRight();
    EXPECT_EQ(StickumTrackerTestPeer::pinnedTo(dialog()->tracker(), note), 0u);
    EXPECT_EQ(holder().attrOf(note)->target, 0u);
    EXPECT_FALSE(onShow(note)) << "re-homed hidden while the main window is open";
    dialog()->collapse();
    EXPECT_TRUE(onShow(note));
}

TEST_F(DialogStickums, TheWavePlayerFollowsTheOptionsFile) {
    start({"/nowhere/gone.wav"});
    ASSERT_NE(dialog()->wavePlayer(), nullptr);
    dialog()->options().waveFile = "/nowhere/gone.wav";
    EXPECT_EQ(dialog()->wavePlayer(), nullptr) << "a missing file: no player, no box";
    dialog()->options().waveFile = wavePath();
    EXPECT_NE(dialog()->wavePlayer(), nullptr);
    EXPECT_EQ(plays->opened.size(), 2u);
    dialog()->waveFileChanged(); // the Options page chose the same name again
    EXPECT_NE(dialog()->wavePlayer(), nullptr);
    EXPECT_EQ(plays->opened.size(), 3u);
    EXPECT_TRUE(boxes.shown.empty());

    // A wave file far too large is said once, when it is taken, and after the pass that took it.
    const std::string huge = dir.filePath(QStringLiteral("huge.wav")).toStdString();
    QFile made(QString::fromStdString(huge));
    ASSERT_TRUE(made.open(QIODevice::WriteOnly) && made.resize(300LL * 1024 * 1024));
    dialog()->options().waveFile = huge;
    dialog()->wavePlayer();
    dialog()->wavePlayer();
    EXPECT_TRUE(boxes.shown.empty());
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("too large"))) << "once";
}

} // namespace

// What the user does is on disk soon after, whatever happens to the program next.

TEST_F(DialogStickums, TypingOrMovingInAStickumIsSavedAMomentLater) {
    start();
    dialog()->setAutosaveDelay(20);
    SmallFrame* frame = frameOf(holder().note(0));
    ASSERT_TRUE(frame && frame->isVisible());
    QTextEdit* edit = frame->content()->edit();
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, " and honey");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return readBack(dataPath())->note(0)->text() == "milk and honey"; }));

    userDrags(frame, QPoint(333, 222));
    EXPECT_TRUE(QTest::qWaitFor([&] { return readBack(dataPath())->attrAt(0)->x == 333; }));
    EXPECT_EQ(readBack(dataPath())->attrAt(0)->y, 222);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DialogStickums, CollapsingSaves) {
    start();
    tray->pressRight();
    holder().note(0)->setText("changed on the page");
    QFile::remove(dataPath());
    dialog()->collapse();
    EXPECT_EQ(readBack(dataPath())->note(0)->text(), "changed on the page");
}

TEST_F(DialogStickums, AFailingSaveIsReportedOnceForEachReason) {
    start();
    QFile::remove(dataPath());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("quillbox.dat/in the way")));
    EXPECT_FALSE(dialog()->saveNow());
    EXPECT_FALSE(dialog()->saveNow());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, QStringLiteral("ERROR"));
    EXPECT_TRUE(boxes.shown[0].text.contains(dataPath()));

    // Once a save went through, the next failure is news again.
    ASSERT_TRUE(QDir(dataPath()).removeRecursively());
    EXPECT_TRUE(dialog()->saveNow());
    QFile::remove(dataPath());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("quillbox.dat/in the way")));
    EXPECT_FALSE(dialog()->saveNow());
    EXPECT_EQ(boxes.shown.size(), 2u);
    // The program goes on with everything in memory.
    EXPECT_EQ(holder().note(0)->text(), "milk");
}

TEST_F(DialogStickums, EndingTheSessionSavesWithoutAsking) {
    start();
    SmallFrame* frame = frameOf(holder().note(0));
    QTextEdit* edit = frame->content()->edit();
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, " and tea");
    userDrags(frame, QPoint(250, 175));
    ASSERT_TRUE(app->endSession().ok());
    EXPECT_TRUE(boxes.shown.empty());
    const auto saved = readBack(dataPath());
    EXPECT_EQ(saved->note(0)->text(), "milk and tea");
    EXPECT_EQ(QPoint(saved->attrAt(0)->x, saved->attrAt(0)->y), QPoint(250, 175));
    EXPECT_FALSE(tray->added);
    EXPECT_TRUE(app->endSession().ok()); // a second request finds everything done
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DialogStickums, EndingTheSessionKeepsWhatIsBeingTypedOnThePages) {
    start();
    tray->pressRight();
    // A note's text changed on the Notes page and a day count typed on the Options page, neither
    // field left yet.
    NotesDialog* notes = dialog()->findChild<NotesDialog*>();
    QTest::mouseClick(notes->itemAs<IconList>(noteid::NoteList)->viewport(), Qt::LeftButton, {},
                      {80, notes->itemAs<IconList>(noteid::NoteList)->rowHeight() / 2});
    notes->itemAs<QPlainTextEdit>(noteid::NoteEdit)->moveCursor(QTextCursor::End);
    QTest::keyClicks(notes->itemAs<QPlainTextEdit>(noteid::NoteEdit), " and bread");
    auto* optionsPage = dialog()->findChild<OptionDialog*>();
    optionsPage->itemAs<OptionStepEdit>(optionid::ReminderDaysEdit)
        ->setEditText(QStringLiteral("9"));
    ASSERT_TRUE(app->endSession().ok());
    Options options;
    EXPECT_EQ(readBack(dataPath(), &options)->note(0)->text(), "milk and bread");
    EXPECT_EQ(options.reminderDaysBefore, 9);
}

TEST_F(DialogStickums, AnUntouchedOldTextKeepsItsBytes) {
    const auto old = readBack(dataPath());
    old->note(0)->setText("caf\xE9"); // written by an old version in Windows-1252
    ASSERT_TRUE(DataFile(dataPath().toStdString()).save(*old, Options{}).ok());
    start();
    EXPECT_EQ(frameOf(holder().note(0))->content()->getContent(), "caf\xC3\xA9");
    tray->pressRight(); // the hide pass takes the Stickum back
    EXPECT_TRUE(dialog()->saveNow());
    EXPECT_EQ(readBack(dataPath())->note(0)->text(), "caf\xE9");
}

TEST_F(DialogStickums, ANoteFromTheCommandLineIsShownAndSavedAndLeavesTheNotesPageAlone) {
    start();
    ASSERT_TRUE(dialog()->addNoteFromOutside("call Ann"));
    const Note* added = holder().note(holder().noteCount() - 1);
    EXPECT_TRUE(onShow(added));
    ASSERT_TRUE(dialog()->saveQuietly()); // as the command does
    const auto saved = readBack(dataPath());
    EXPECT_EQ(saved->note(saved->noteCount() - 1)->text(), "call Ann");

    // With the window open, what is being typed on the Notes page stays, and the list grows.
    dialog()->restore();
    auto* notes = dialog()->findChild<NotesDialog*>();
    notes->itemAs<QPlainTextEdit>(noteid::NoteEdit)->setPlainText(QStringLiteral("half a thought"));
    ASSERT_TRUE(dialog()->addNoteFromOutside("buy stamps"));
    EXPECT_EQ(notes->itemAs<QPlainTextEdit>(noteid::NoteEdit)->toPlainText(),
              QStringLiteral("half a thought"));
    EXPECT_GE(notes->itemAs<IconList>(noteid::NoteList)->rowWithNumber(holder().noteCount() - 1),
              0);
}

TEST_F(DialogStickums, WhatAnotherMachineChangedIsNotPutBackByThePagesForms) {
    start();
    // The dentist's day chosen on the Reminders page; the form keeps showing it once collapsed.
    tray->pressRight();
    dialog()->findChild<QTabWidget*>()->setCurrentIndex(2);
    WCalendar* calendar = dialog()->findChild<WCalendar*>();
    calendar->grab();
    const QRect day = calendar->dayRect(16);
    QTest::mouseClick(calendar, Qt::LeftButton, {},
                      {day.left() + calendar->colWidth() * 3 / 4, day.center().y()});
    auto* reminders = dialog()->findChild<CalendarDialog*>();
    ASSERT_EQ(reminders->itemAs<QPlainTextEdit>(reminderid::Text)->toPlainText(),
              QStringLiteral("dentist"));
    dialog()->collapse();

    // The other machine changes that reminder and an option; its file is taken up here.
    arriveFromElsewhere([](PostItHolder& theirs, Options& options) {
        theirs.reminder(0)->setText("dentist at nine");
        options.reminderDaysBefore = 5;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return holder().reminder(0)->text() == "dentist at nine"; }));

    // Back in the main window and out again: the pages show and keep what was taken up.
    tray->pressRight();
    dialog()->collapse();
    EXPECT_EQ(readBack(dataPath())->reminder(0)->text(), "dentist at nine");
    EXPECT_EQ(dialog()->options().reminderDaysBefore, 5);
}

TEST_F(DialogStickums, WhatAnotherMachineBringsChangesTheStickumsInPlace) {
    start();
    QPointer<SmallFrame> frame(frameOf(holder().note(0)));
    ASSERT_TRUE(frame && frame->isVisible());
    const WId window = frame->winId();
    arriveFromElsewhere([](PostItHolder& theirs, Options&) {
        theirs.note(0)->setText("milk and honey");
        addNote(theirs, "call Ann");
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return holder().noteCount() == 2; }));
    EXPECT_EQ(frameOf(holder().note(0)), frame.data()) << "the same Stickum, not a new one";
    ASSERT_FALSE(frame.isNull());
    EXPECT_EQ(frame->winId(), window);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->content()->getContent(), "milk and honey");
    EXPECT_TRUE(onShow(holder().note(1)));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DialogStickums, WhatSyncDoesWhileTheUserTypesIsToldWithoutTakingTheFocus) {
    start();
    QTextEdit* edit = frameOf(holder().note(0))->content()->edit();
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, " and honey");
    // The other machine adds a note before this side's change is saved: both are merged.
    arriveFromElsewhere([](PostItHolder& theirs, Options&) { addNote(theirs, "call Ann"); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tray->notes.isEmpty(); }));
    EXPECT_TRUE(tray->notes.first().contains(QStringLiteral("1 note came in")))
        << tray->notes.first().toStdString();
    EXPECT_TRUE(boxes.shown.empty()) << "no box while typing";
    QTest::keyClicks(edit, " and tea");
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("milk and honey and tea"));
    const auto saved = readBack(dataPath());
    EXPECT_EQ(saved->noteCount(), 2);
    EXPECT_EQ(saved->note(0)->text(), "milk and honey");
}
