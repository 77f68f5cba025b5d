// The "Options" page: set-up from the options, what every control changes at once, the
// choosers, the sample and its title bar, the wave file and "Save all".
#include "fakehost.h"
#include "look/gradient.h"
#include "look/stickumlook.h"
#include "pages/choosers.h"
#include "pages/optiondialog.h"
#include "pages/optionstepedit.h"
#include "pages/sampleminititlebar.h"
#include "resources/dialog_options.h"
#include "storage/datafile.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFile>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <tuple>

using namespace optionid;

// Reads whether the page has put the options into its controls yet.
struct OptionDialogTestPeer {
    static bool isSetUp(const OptionDialog& page) { return page.setUp_; }
};

namespace {

// Choosers that answer from a script and remember how they were asked.
class ScriptedChoosers : public Choosers {
public:
    struct ColorAnswer {
        std::optional<ColorRef> color; // nothing: the user cancels
        int customSlot = -1;           // the user also sets this custom colour...
        ColorRef customColor = 0;      // ...to this
    };
    struct ColorCall {
        ColorRef initial;
        CustomColors table;
    };

    std::optional<ColorRef> chooseColor(QWidget*, ColorRef initial, CustomColors& table) override {
        colorCalls.push_back({initial, table});
        if (colors.empty()) return std::nullopt;
        const ColorAnswer answer = colors.front();
        colors.pop_front();
        if (answer.customSlot >= 0) table[answer.customSlot] = answer.customColor;
        return answer.color;
    }
    std::optional<FontChoice> chooseFont(QWidget*, const std::optional<QFont>& initial,
                                         ColorRef initialColor) override {
        fontCalls.push_back({initial, initialColor});
        if (fonts.empty()) return std::nullopt;
        const auto answer = fonts.front();
        fonts.pop_front();
        return answer;
    }
    std::optional<QString> chooseFile(QWidget*, const QStringList& given) override {
        filters = given;
        ++fileCalls;
        if (files.empty()) return std::nullopt;
        const auto answer = files.front();
        files.pop_front();
        return answer;
    }

    std::deque<ColorAnswer> colors;
    std::deque<std::optional<FontChoice>> fonts;
    std::deque<std::optional<QString>> files;
    std::vector<ColorCall> colorCalls;
    std::vector<std::pair<std::optional<QFont>, ColorRef>> fontCalls;
    QStringList filters;
    int fileCalls = 0;
};

// A main dialog whose "Save all" really writes the data file.
class DiskHost : public FakeHost {
public:
    explicit DiskHost(const QString& path) : file(path.toStdString()) {}
    Result save() override {
        ++saves;
        return file.save(records, settings);
    }
    DataFile file;
};

// An empty file at the path, as a wave file that exists.
bool touch(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

constexpr ColorRef kRed = rgb(255, 0, 0);
constexpr ColorRef kGreen = rgb(0, 160, 0);

class OptionsPage : public ::testing::Test {
protected:
    void SetUp() override { caption = toColorRef(desktop::activeCaption(QApplication::palette())); }

    // The page as the main dialog makes it: built, then the options are read, then set up.
    OptionDialog& open(FakeHost& on) {
        page = std::make_unique<OptionDialog>(on);
        page->setChoosers(choosers);
        page->setUpPage();
        return *page;
    }
    OptionDialog& open() { return open(host); }

    QAbstractButton* button(int id) const { return page->itemAs<QAbstractButton>(id); }
    void click(int id) const { QTest::mouseClick(button(id), Qt::LeftButton); }

    // The page on the screen and active, so that the input focus really moves.
    void showActive() {
        page->show();
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    }
    // Types into an edit as the user would, then moves the focus elsewhere.
    void typeAndLeave(QWidget* edit, const QString& text) {
        edit->setFocus();
        if (auto* line = qobject_cast<QLineEdit*>(edit))
            line->selectAll();
        else if (auto* spin = qobject_cast<QAbstractSpinBox*>(edit))
            spin->selectAll();
        QTest::keyClicks(edit, text);
        button(SaveAllButton)->setFocus();
    }
    QString textOf(OptionStepEdit* edit) const { return edit->text(); }
    SampleMiniTitleBar* sampleTitleBar() const { return page->findChild<SampleMiniTitleBar*>(); }
    QLabel* sample() const { return page->itemAs<QLabel>(SampleText); }
    OptionStepEdit* heightEdit() const { return page->itemAs<OptionStepEdit>(HeightEdit); }
    OptionStepEdit* reminderDaysEdit() const {
        return page->itemAs<OptionStepEdit>(ReminderDaysEdit);
    }
    OptionStepEdit* lendingDaysEdit() const {
        return page->itemAs<OptionStepEdit>(LendingDaysEdit);
    }
    QLineEdit* waveEdit() const { return page->itemAs<QLineEdit>(WaveFileEdit); }

    FakeHost host;
    ScriptedChoosers choosers;
    std::unique_ptr<OptionDialog> page;
    ColorRef caption = 0;
};

TEST_F(OptionsPage, ControlsStandWhereTheTableSaysWithTipsAndTheSampleTitleBar) {
    open();
    const DialogUnits& u = page->units();
    EXPECT_EQ(page->templateSize(), u.size(216, 165));
    EXPECT_EQ(button(SaveAllButton)->text().remove(u'&'), QStringLiteral("Save all"));
    EXPECT_EQ(button(SaveAllButton)->geometry(), u.rect(84, 149, 50, 14));
    EXPECT_EQ(waveEdit()->geometry(), u.rect(104, 126, 88, 12));
    // Each edit with its arrows is one control over both places.
    EXPECT_EQ(heightEdit()->geometry(), u.rect(178, 80, 20, 12).united(u.rect(198, 80, 7, 12)));
    // A control whose text needs more room than its place has is wider, never elsewhere.
    EXPECT_TRUE(reminderDaysEdit()->geometry().contains(
        u.rect(72, 108, 20, 12).united(u.rect(92, 108, 7, 12))));
    EXPECT_EQ(page->itemAs<QGroupBox>(TitleBarGroup)->alignment() & Qt::AlignHCenter,
              Qt::AlignHCenter);
    // The sample text wraps inside its place, or a wider one.
    EXPECT_TRUE(sample()->geometry().contains(u.rect(56, 52, 52, 40)));
    EXPECT_TRUE(sample()->wordWrap());

    EXPECT_EQ(button(ColorButton)->toolTip(), QStringLiteral("Change Stickums background color"));
    EXPECT_EQ(button(FontButton)->toolTip(),
              QStringLiteral("Change Stickums font and character color"));

    // The sample title bar takes the placeholder's top left and width, 12 pixels high.
    const QRect place = page->item(SampleTitleBarPlace)->geometry();
    EXPECT_EQ(sampleTitleBar()->geometry(), QRect(place.topLeft(), QSize(place.width(), 12)));
    EXPECT_TRUE(page->item(SampleTitleBarPlace)->isHidden());
}

TEST_F(OptionsPage, SetUpShowsTheOptionsAndFixesWhatCannotBeChosen) {
    host.settings.dimensionMode = DimensionModifiable;
    host.settings.reminderDaysBefore = 7;
    host.settings.lendingDaysAfter = 45;
    host.settings.heightInLines = 9;
    host.settings.defaultSound = true;
    host.settings.scrollBar = true;
    host.settings.titleBarColor = kRed;
    open();

    EXPECT_TRUE(button(FixedRadio)->isChecked());
    EXPECT_EQ(host.settings.dimensionMode, DimensionFixed);
    EXPECT_FALSE(button(ModifiableRadio)->isEnabled());
    EXPECT_EQ(textOf(reminderDaysEdit()), QStringLiteral("7"));
    EXPECT_EQ(textOf(lendingDaysEdit()), QStringLiteral("45"));
    EXPECT_EQ(textOf(heightEdit()), QStringLiteral("9"));
    EXPECT_TRUE(button(SoundBox)->isChecked());
    EXPECT_TRUE(button(ScrollBarBox)->isChecked());
    // "Default Windows col." takes the desktop's caption colour over the stored one.
    EXPECT_TRUE(button(DefaultCaptionBox)->isChecked());
    EXPECT_EQ(host.settings.titleBarColor, caption);
    EXPECT_FALSE(button(TitleBarColorButton)->isEnabled());
    EXPECT_EQ(host.staleMarks, 1);
}

TEST_F(OptionsPage, MinimumSizeDisablesScrollBarAndHeightUntilFixedAgain) {
    host.settings.dimensionMode = DimensionMinimum;
    host.settings.defaultCaptionColor = false;
    host.settings.titleBarColor = kRed;
    open();
    EXPECT_TRUE(button(MinimumRadio)->isChecked());
    EXPECT_FALSE(button(ScrollBarBox)->isEnabled());
    EXPECT_FALSE(heightEdit()->isEnabled());
    // A stored title bar colour of its own stays, and its "..." can be used.
    EXPECT_EQ(host.settings.titleBarColor, kRed);
    EXPECT_TRUE(button(TitleBarColorButton)->isEnabled());

    const int marks = host.staleMarks;
    click(FixedRadio);
    EXPECT_EQ(host.settings.dimensionMode, DimensionFixed);
    EXPECT_TRUE(button(ScrollBarBox)->isEnabled());
    EXPECT_TRUE(heightEdit()->isEnabled());
    click(ScrollBarBox);
    EXPECT_TRUE(host.settings.scrollBar);
    click(MinimumRadio);
    EXPECT_EQ(host.settings.dimensionMode, DimensionMinimum);
    EXPECT_EQ(host.staleMarks, marks + 3);

    // "Sound" is only a default for new records: no rebuild.
    click(SoundBox);
    EXPECT_TRUE(host.settings.defaultSound);
    EXPECT_EQ(host.staleMarks, marks + 3);
}

TEST_F(OptionsPage, TypedDaysOutOfRangeAreCorrectedInTheEditButNotStored) {
    open();
    showActive();
    struct Case {
        OptionStepEdit* edit;
        std::int16_t* option;
    };
    for (const Case c : {Case{reminderDaysEdit(), &host.settings.reminderDaysBefore},
                         Case{lendingDaysEdit(), &host.settings.lendingDaysAfter}}) {
        const std::int16_t before = *c.option;
        typeAndLeave(c.edit, QStringLiteral("2000"));
        EXPECT_EQ(textOf(c.edit), QStringLiteral("1825"));
        EXPECT_EQ(*c.option, before);
        page->CommitOptions(); // the main window collapses: still not stored
        EXPECT_EQ(*c.option, before);
        typeAndLeave(c.edit, QStringLiteral("-3"));
        EXPECT_EQ(textOf(c.edit), QStringLiteral("0"));
        EXPECT_EQ(*c.option, before);
        typeAndLeave(c.edit, QStringLiteral("12 days"));
        EXPECT_EQ(*c.option, 12);
        typeAndLeave(c.edit, QStringLiteral("abc"));
        EXPECT_EQ(*c.option, 0);
    }
    EXPECT_EQ(host.staleMarks, 1) << "day counts do not change the look of Stickums";
}

TEST_F(OptionsPage, TypedHeightIsKeptInsideOneToFifty) {
    open();
    showActive();
    OptionStepEdit* edit = heightEdit();
    const int marks = host.staleMarks;
    typeAndLeave(edit, QStringLiteral("0"));
    EXPECT_EQ(textOf(edit), QStringLiteral("1"));
    EXPECT_EQ(host.settings.heightInLines, 5);
    typeAndLeave(edit, QStringLiteral("80"));
    EXPECT_EQ(textOf(edit), QStringLiteral("50"));
    EXPECT_EQ(host.settings.heightInLines, 5);
    page->CommitOptions();
    EXPECT_EQ(host.settings.heightInLines, 5);
    EXPECT_EQ(host.staleMarks, marks);
    typeAndLeave(edit, QStringLiteral("7"));
    EXPECT_EQ(host.settings.heightInLines, 7);
    EXPECT_EQ(host.staleMarks, marks + 1);
}

TEST_F(OptionsPage, StepsBeyondTheRangeAreRefused) {
    host.settings.reminderDaysBefore = 1825;
    host.settings.lendingDaysAfter = 0;
    host.settings.heightInLines = 50;
    open();
    showActive();
    const int marks = host.staleMarks;

    QTest::keyClick(reminderDaysEdit(), Qt::Key_Up);
    EXPECT_EQ(textOf(reminderDaysEdit()), QStringLiteral("1825"));
    EXPECT_EQ(host.settings.reminderDaysBefore, 1825);
    QTest::keyClick(reminderDaysEdit(), Qt::Key_Down);
    EXPECT_EQ(textOf(reminderDaysEdit()), QStringLiteral("1824"));
    EXPECT_EQ(host.settings.reminderDaysBefore, 1824);

    QTest::keyClick(lendingDaysEdit(), Qt::Key_Down);
    EXPECT_EQ(host.settings.lendingDaysAfter, 0);
    EXPECT_EQ(textOf(lendingDaysEdit()), QStringLiteral("0"));
    EXPECT_EQ(host.staleMarks, marks);

    QTest::keyClick(heightEdit(), Qt::Key_Up);
    EXPECT_EQ(host.settings.heightInLines, 50);
    EXPECT_EQ(host.staleMarks, marks);
    QTest::keyClick(heightEdit(), Qt::Key_Down);
    EXPECT_EQ(host.settings.heightInLines, 49);
    EXPECT_EQ(textOf(heightEdit()), QStringLiteral("49"));
    EXPECT_EQ(host.staleMarks, marks + 1);
}

TEST_F(OptionsPage, UntickingTheDesktopCaptionColourAsksForOneAtOnce) {
    open();
    const int marks = host.staleMarks;
    choosers.colors.push_back({std::nullopt}); // the user cancels
    click(DefaultCaptionBox);
    ASSERT_EQ(choosers.colorCalls.size(), 1u);
    EXPECT_EQ(choosers.colorCalls[0].initial, caption);
    EXPECT_FALSE(host.settings.defaultCaptionColor);
    EXPECT_EQ(host.settings.titleBarColor, caption);
    EXPECT_TRUE(button(TitleBarColorButton)->isEnabled());
    EXPECT_EQ(host.staleMarks, marks);

    // "..." chooses it later; the sample title bar ends in the new colour.
    choosers.colors.push_back({kRed});
    click(TitleBarColorButton);
    EXPECT_EQ(host.settings.titleBarColor, kRed);
    EXPECT_EQ(host.staleMarks, marks + 1);
    const QImage bar = sampleTitleBar()->captionImage();
    EXPECT_EQ(toColorRef(bar.pixelColor(bar.width() - 1, 5)), kRed);

    // Ticked again, the desktop's colour is back and "..." cannot be used.
    click(DefaultCaptionBox);
    EXPECT_TRUE(host.settings.defaultCaptionColor);
    EXPECT_EQ(host.settings.titleBarColor, caption);
    EXPECT_FALSE(button(TitleBarColorButton)->isEnabled());
    EXPECT_EQ(host.staleMarks, marks + 2);
}

TEST_F(OptionsPage, BackgroundColourRepaintsTheSampleWithoutRebuildingStickums) {
    open();
    page->show();
    const int marks = host.staleMarks;
    choosers.colors.push_back({kGreen});
    click(ColorButton);
    EXPECT_EQ(choosers.colorCalls.at(0).initial, rgb(255, 255, 0));
    EXPECT_EQ(host.settings.stickumColor, kGreen);
    EXPECT_EQ(toColorRef(sample()->grab().toImage().pixelColor(1, 1)), kGreen);
    EXPECT_EQ(host.staleMarks, marks);

    // Cancelled, nothing changes.
    click(ColorButton);
    EXPECT_EQ(host.settings.stickumColor, kGreen);
}

TEST_F(OptionsPage, ChosenFontAndTextColourGoToSampleAndRebuildStickums) {
    open();
    const int marks = host.staleMarks;
    QFont picked(QStringLiteral("DejaVu Serif"));
    picked.setPixelSize(17);
    picked.setWeight(QFont::Bold);
    picked.setItalic(true);
    choosers.fonts.push_back(FontChoice{picked, kRed});
    click(FontButton);
    ASSERT_EQ(choosers.fontCalls.size(), 1u);
    EXPECT_FALSE(choosers.fontCalls[0].first) << "no font yet: the chooser starts where it was";
    EXPECT_EQ(choosers.fontCalls[0].second, 0u);

    ASSERT_TRUE(host.settings.stickumFont);
    EXPECT_EQ(host.settings.stickumFont->face(), "DejaVu Serif");
    EXPECT_EQ(host.settings.stickumFont->height, -17);
    EXPECT_EQ(host.settings.stickumFont->weight, 700);
    EXPECT_EQ(host.settings.stickumFont->italic, 1);
    EXPECT_EQ(host.settings.textColor, kRed);
    EXPECT_EQ(host.staleMarks, marks + 1);
    EXPECT_EQ(sample()->font().pixelSize(), 17);
    EXPECT_EQ(sample()->palette().color(QPalette::WindowText), toQColor(kRed));

    // The next use starts from the font the options hold; a cancel keeps everything.
    click(FontButton);
    ASSERT_EQ(choosers.fontCalls.size(), 2u);
    ASSERT_TRUE(choosers.fontCalls[1].first);
    EXPECT_EQ(choosers.fontCalls[1].first->pixelSize(), 17);
    EXPECT_EQ(choosers.fontCalls[1].second, kRed);
    EXPECT_EQ(host.staleMarks, marks + 1);
}

TEST_F(OptionsPage, EachColourChooserKeepsItsOwnCustomColours) {
    host.settings.defaultCaptionColor = false;
    open();
    // The user puts red into the background chooser's first custom colour...
    choosers.colors.push_back({std::nullopt, 0, kRed});
    click(ColorButton);
    // ...the title bar chooser still has its own, all black, and gets green...
    choosers.colors.push_back({std::nullopt, 3, kGreen});
    click(TitleBarColorButton);
    // ...and each finds its own again later.
    click(ColorButton);
    click(TitleBarColorButton);
    ASSERT_EQ(choosers.colorCalls.size(), 4u);
    EXPECT_EQ(choosers.colorCalls[0].table, CustomColors{});
    EXPECT_EQ(choosers.colorCalls[1].table, CustomColors{});
    CustomColors background{};
    background[0] = kRed;
    CustomColors titleBar{};
    titleBar[3] = kGreen;
    EXPECT_EQ(choosers.colorCalls[2].table, background);
    EXPECT_EQ(choosers.colorCalls[3].table, titleBar);
}

TEST(CustomColorsScope, LendsItsTableToQtAndTakesTheUsersChangesBack) {
    QColorDialog::setCustomColor(0, Qt::white);
    QColorDialog::setCustomColor(5, Qt::white);
    CustomColors table{};
    table[5] = kRed;
    {
        const CustomColorsScope scope(table);
        EXPECT_EQ(QColorDialog::customColor(0), QColor(Qt::black));
        EXPECT_EQ(QColorDialog::customColor(5), toQColor(kRed));
        QColorDialog::setCustomColor(0, toQColor(kGreen)); // as the user would
    }
    EXPECT_EQ(table[0], kGreen);
    EXPECT_EQ(table[5], kRed);
    EXPECT_EQ(QColorDialog::customColor(0), QColor(Qt::white));
    EXPECT_EQ(QColorDialog::customColor(5), QColor(Qt::white));
}

// Escape in the font chooser closes all of it, as Cancel does.
TEST(FontChooser, EscapeClosesTheWholeChooser) {
    QtChoosers choosers;
    bool stuck = false;
    QTimer::singleShot(0, [] {
        // In the font's name, where the chooser opens.
        QWidget* box = QApplication::activeModalWidget();
        if (auto* name = box ? box->findChild<QFontDialog*>()->findChild<QLineEdit*>() : nullptr)
            QTest::keyClick(name, Qt::Key_Escape);
    });
    QTimer::singleShot(3000, [&stuck] {
        stuck = true; // what Escape left of the chooser is closed, so that the test ends
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) box->reject();
    });
    EXPECT_FALSE(choosers.chooseFont(nullptr, QFont(), rgb(0, 0, 0)).has_value());
    EXPECT_FALSE(stuck) << "Escape left a half-closed chooser";
}

// A stored wave file that is missing keeps its name; a typed or chosen one replaces it only
// when it is another file that exists.
TEST_F(OptionsPage, WaveFileChangesOnlyToAnotherFileThatExistsAMissingStoredOneKeepsItsName) {
    QTemporaryDir dir;
    const QString wave = dir.filePath(QStringLiteral("alarm.wav"));
    ASSERT_TRUE(touch(wave));
    open();
    showActive();
    EXPECT_EQ(host.settings.waveFile, "/nowhere/ding.wav");
    EXPECT_EQ(waveEdit()->text(), QStringLiteral("/nowhere/ding.wav"));
    EXPECT_EQ(host.waveChanges, 0);

    typeAndLeave(waveEdit(), dir.filePath(QStringLiteral("missing.wav")));
    EXPECT_EQ(host.settings.waveFile, "/nowhere/ding.wav");
    EXPECT_EQ(waveEdit()->text(), dir.filePath(QStringLiteral("missing.wav")));
    typeAndLeave(waveEdit(), dir.path()); // a folder is no wave file
    EXPECT_EQ(host.settings.waveFile, "/nowhere/ding.wav");
    EXPECT_EQ(host.waveChanges, 0);
    EXPECT_TRUE(host.boxes.shown.empty());

    typeAndLeave(waveEdit(), wave);
    EXPECT_EQ(host.settings.waveFile, wave.toStdString());
    EXPECT_EQ(host.waveChanges, 1);
    typeAndLeave(waveEdit(), wave);
    EXPECT_EQ(host.waveChanges, 1) << "the same name again does nothing";

    // The chooser: its filters, a cancel, then a file picked.
    const QString other = dir.filePath(QStringLiteral("bell.WAV"));
    ASSERT_TRUE(touch(other));
    click(WaveFileButton);
    EXPECT_EQ(choosers.filters, QStringList({QStringLiteral("Wav audio files (*.WAV)"),
                                             QStringLiteral("All files(*.*)")}));
    EXPECT_EQ(host.waveChanges, 1);
    choosers.files.push_back(other);
    click(WaveFileButton);
    EXPECT_EQ(waveEdit()->text(), other);
    EXPECT_EQ(host.settings.waveFile, other.toStdString());
    EXPECT_EQ(host.waveChanges, 2);

    // When it is there, the sound is opened on it at construction and again at set-up, after
    // the data file may have named another.
    FakeHost another;
    another.settings.waveFile = wave.toStdString();
    open(another);
    EXPECT_EQ(another.waveChanges, 2);
}

TEST_F(OptionsPage, TitleBarColourFollowsTheDesktopWhileDefaultIsTicked) {
    open();
    const int marks = host.staleMarks;
    page->RefreshOptions();
    EXPECT_EQ(host.staleMarks, marks) << "nothing changed";

    QPalette changed = page->palette();
    changed.setColor(QPalette::Active, QPalette::Highlight, toQColor(kGreen));
    page->setPalette(changed); // the desktop's colours change
    EXPECT_EQ(host.settings.titleBarColor, kGreen);
    EXPECT_EQ(host.staleMarks, marks + 1);

    host.settings.titleBarColor = kRed; // as if the desktop changed while collapsed
    page->RefreshOptions();
    EXPECT_EQ(host.settings.titleBarColor, kGreen);
    EXPECT_EQ(host.staleMarks, marks + 2);

    host.settings.defaultCaptionColor = false;
    host.settings.titleBarColor = kRed;
    page->RefreshOptions();
    EXPECT_EQ(host.settings.titleBarColor, kRed);
    EXPECT_EQ(host.staleMarks, marks + 2);
}

TEST_F(OptionsPage, SampleTitleBarIsFramedAndGradedFromBlack) {
    host.settings.defaultCaptionColor = false;
    host.settings.titleBarColor = kRed;
    open();
    SampleMiniTitleBar* bar = sampleTitleBar();
    const QImage shot = bar->grab().toImage();
    ASSERT_EQ(shot.height(), 12);
    const QColor frame = desktop::windowFrame(bar->palette());
    EXPECT_EQ(shot.pixel(0, 0), frame.rgb());
    EXPECT_EQ(shot.pixel(shot.width() - 1, 11), frame.rgb());
    EXPECT_EQ(toColorRef(shot.pixelColor(1, 10)), rgb(0, 0, 0)) << "black at the left";
    EXPECT_EQ(toColorRef(shot.pixelColor(shot.width() - 2, 10)), kRed);
}

TEST_F(OptionsPage, SetsItselfUpWhenItJoinsTheMainDialog) {
    host.settings.dimensionMode = DimensionModifiable;
    OptionDialog built(host);
    EXPECT_FALSE(OptionDialogTestPeer::isSetUp(built));
    EXPECT_EQ(host.settings.dimensionMode, DimensionModifiable) << "the file is read after this";
    QTabWidget tabs;
    tabs.addTab(&built, QStringLiteral("Options"));
    EXPECT_TRUE(OptionDialogTestPeer::isSetUp(built));
    EXPECT_EQ(host.settings.dimensionMode, DimensionFixed);
    tabs.removeTab(0);
    built.setParent(nullptr);
}

// A screen reader hears each number box's number, within its arrows' range.
TEST_F(OptionsPage, NumberBoxesTellTheirValueAndRange) {
    host.settings.heightInLines = 7;
    open();
    for (const auto& [edit, value, maximum] :
         {std::tuple{heightEdit(), 7, 50}, std::tuple{lendingDaysEdit(), 30, 1825}}) {
        QAccessibleValueInterface* read =
            QAccessible::queryAccessibleInterface(edit)->valueInterface();
        EXPECT_EQ(read->currentValue().toInt(), value);
        EXPECT_EQ(read->minimumValue().toInt(), edit->minimum());
        EXPECT_EQ(read->maximumValue().toInt(), maximum);
    }
}

TEST(OptionStepEdit, ReadsALeadingNumberFromNineCharactersAtMost) {
    EXPECT_EQ(OptionStepEdit::leadingInteger(QStringLiteral("42")), 42);
    EXPECT_EQ(OptionStepEdit::leadingInteger(QStringLiteral("  -7x")), -7);
    EXPECT_EQ(OptionStepEdit::leadingInteger(QStringLiteral("abc")), 0);
    EXPECT_EQ(OptionStepEdit::leadingInteger(QString()), 0);
    EXPECT_EQ(OptionStepEdit::leadingInteger(QStringLiteral("12345678901")), 123456789);
}

// Saving and reading the options through the data file.
class OptionsOnDisk : public OptionsPage {
protected:
    void SetUp() override {
        OptionsPage::SetUp();
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("quillbox.dat"));
    }
    // A fresh program's view of the file on disk: its options, and its records in onDisk.
    Options reread() {
        DataFile file(path.toStdString());
        const auto questions = OldFileQuestions::answered(false);
        EXPECT_EQ(file.load(onDisk, questions).status, LoadStatus::Loaded);
        Options read = Options::initial({});
        EXPECT_TRUE(file.readOptions(read));
        return read;
    }

    QTemporaryDir dir;
    QString path;
    PostItHolder onDisk;
};

TEST_F(OptionsOnDisk, AFontRecordFromTheFileSurvivesUntouchedUntilAnotherIsChosen) {
    LogFont odd = LogFont::defaultFont();
    odd.setFace("Some Face");
    odd.faceName[20] = 'x'; // bytes after the end of the name are kept too
    odd.height = 13;        // a cell height
    odd.width = 6;
    odd.quality = 3;
    odd.pitchAndFamily = 0x22;
    {
        DiskHost writer(path);
        writer.settings.stickumFont = odd;
        ASSERT_TRUE(writer.save());
    }
    DiskHost disk(path);
    const auto questions = OldFileQuestions::answered(false);
    ASSERT_EQ(disk.file.load(disk.records, questions).status, LoadStatus::Loaded);
    open(disk);
    ASSERT_TRUE(disk.file.readOptions(disk.settings));
    click(SoundBox); // an unrelated change
    click(SaveAllButton);
    EXPECT_EQ(disk.saves, 1);
    const Options read = reread();
    ASSERT_TRUE(read.stickumFont);
    EXPECT_EQ(read.stickumFont->toBytes(), odd.toBytes());
    EXPECT_TRUE(read.defaultSound);
}

TEST_F(OptionsOnDisk, AChosenFontComesBackTheSameAfterSaveAndLoad) {
    DiskHost disk(path);
    open(disk);
    QFont picked(QStringLiteral("DejaVu Sans"));
    picked.setPointSize(13); // the chooser gives points; the record keeps pixels
    picked.setWeight(QFont::DemiBold);
    picked.setItalic(true);
    picked.setUnderline(true);
    choosers.fonts.push_back(FontChoice{picked, kGreen});
    click(FontButton);
    click(SaveAllButton);

    const Options read = reread();
    ASSERT_TRUE(read.stickumFont);
    const QFont back = fontFromLogFont(*read.stickumFont);
    EXPECT_EQ(back.family(), picked.family());
    EXPECT_EQ(QFontInfo(back).pixelSize(), QFontInfo(picked).pixelSize());
    EXPECT_EQ(back.weight(), picked.weight());
    EXPECT_EQ(back.italic(), picked.italic());
    EXPECT_EQ(back.underline(), picked.underline());
    EXPECT_EQ(back.strikeOut(), picked.strikeOut());
    EXPECT_EQ(read.textColor, kGreen);
}

TEST_F(OptionsOnDisk, SaveAllPutsEveryOptionAndRecordOnDiskAtOnce) {
    DiskHost disk(path);
    auto note = std::make_unique<Note>();
    note->setText("milk");
    ASSERT_TRUE(disk.records.addNote(std::move(note)));
    open(disk);
    showActive();
    choosers.colors.push_back({kGreen});
    click(ColorButton);
    choosers.colors.push_back({kRed});
    click(DefaultCaptionBox);
    click(MinimumRadio);
    typeAndLeave(reminderDaysEdit(), QStringLiteral("11"));
    typeAndLeave(lendingDaysEdit(), QStringLiteral("1825"));
    click(SoundBox);
    click(SaveAllButton);

    // Nothing waits for the end of the program: the file holds it all now.
    const Options read = reread();
    Options shown = disk.settings;
    shown.stickumFont = LogFont::defaultFont(); // the record written while no font is chosen
    EXPECT_EQ(read, shown);
    EXPECT_EQ(read.stickumColor, kGreen);
    EXPECT_EQ(read.titleBarColor, kRed);
    EXPECT_FALSE(read.defaultCaptionColor);
    EXPECT_EQ(read.dimensionMode, DimensionMinimum);
    EXPECT_EQ(read.reminderDaysBefore, 11);
    EXPECT_EQ(read.lendingDaysAfter, 1825);
    ASSERT_EQ(onDisk.noteCount(), 1);
    EXPECT_EQ(onDisk.note(0)->displayText(), "milk");
}

} // namespace
