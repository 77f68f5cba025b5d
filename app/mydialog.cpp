#include "app/mydialog.h"

#include "app/datanotices.h"
#include "app/filefollower.h"
#include "app/pointerscreen.h"
#include "model/catalogue.h"
#include "model/due.h"
#include "pages/aboutdialog.h"
#include "pages/calendardialog.h"
#include "pages/messages.h"
#include "pages/notesdialog.h"
#include "pages/optiondialog.h"
#include "pages/prestitidialog.h"
#include "resources/dialogs.h"
#include "stickum/smallframe.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

#include <array>

namespace {

struct PageRow {
    const char* caption;
    const char* tip;
};

// A change made inside a Stickum is saved this long after the last keystroke or move.
constexpr int kAutosaveDelayMs = 3000;

// The tabs in their order: the page at each index is built in buildPages().
constexpr std::array<PageRow, MyDialog::kPageCount> kPageTable{{
    {msg::TabNotes, msg::TipNotes},
    {msg::TabLendings, msg::TipLendings},
    {msg::TabReminders, msg::TipReminders},
    {msg::TabOptions, msg::TipOptions},
    {msg::TabInfoz, msg::TipInfoz},
}};

QString joinedCaption(const char* what) {
    return QString::fromUtf8(msg::ProgramName) + QString::fromUtf8(msg::CaptionJoin) +
           QString::fromUtf8(what);
}

// The old-layout questions of the data file, asked in message boxes with no owner window.
class OldFileBoxes : public OldFileQuestions {
public:
    explicit OldFileBoxes(MessageBoxes& messages) : messages_(messages) {}

    bool continueReadingOldFile() override {
        return messages_.showMessage(nullptr, QString::fromUtf8(msg::OldFileWarning),
                                     joinedCaption(msg::Warning), box::OldFile) == Answer::Yes;
    }
    void oldFileFailed(const std::string& message) override {
        messages_.showMessage(nullptr, QString::fromStdString(message), joinedCaption(msg::Error),
                              box::Failure);
    }

private:
    MessageBoxes& messages_;
};

// A file read again while the program runs: one of the old layout is left for the next save to
// keep aside rather than asked about.
class DeclineOldLayout : public OldFileQuestions {
public:
    bool continueReadingOldFile() override { return false; }
    void oldFileFailed(const std::string&) override {}
};

// Records of the fresh list that were there before (same kind and text) keep where their
// Stickums stood here and what they were pinned to: another machine's screen is not this one's.
void keepPlaces(const PostItHolder& before, PostItHolder& after) {
    std::vector<bool> taken(static_cast<std::size_t>(before.count()), false);
    for (int i = 0; i < after.count(); ++i) {
        PostItAttr* fresh = after.attrAt(i);
        if (!fresh) continue;
        for (int j = 0; j < before.count(); ++j) {
            const PostItAttr* old = before.attrAt(j);
            if (taken[static_cast<std::size_t>(j)] || !old || before.kindAt(j) != after.kindAt(i) ||
                before.recordAt(j)->text() != after.recordAt(i)->text())
                continue;
            taken[static_cast<std::size_t>(j)] = true;
            fresh->x = old->x;
            fresh->y = old->y;
            fresh->target = old->target;
            break;
        }
    }
}

} // namespace

MyDialog::MyDialog(MessageBoxes& messages, std::unique_ptr<TrayIcon> tray, const QString& dataPath,
                   const PlatformDefaults& platform, DesktopParts desktop)
    : TrayWindow(kMainDialog, kNoteShownIcon, std::move(tray)), messages_(messages),
      dataPath_(dataPath), dataFile_(dataPath.toStdString()), options_(Options::initial(platform)),
      windows_(desktop.windows ? std::move(desktop.windows) : createWindowSystem()),
      openWave_(desktop.openWave ? std::move(desktop.openWave)
                                 : WavePlayerFactory(openWavePlayer)) {
    tabs_ = itemAs<QTabWidget>(kTabControl);
    if (tabs_) {
        tabs_->setAccessibleName(tr("Pages"));
        connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
            if (index < 0) return;
            currentPage_ = index;
            focusPage();
        });
        connect(tabs_, &QTabWidget::tabBarClicked, this, [this](int index) {
            if (index == tabs_->currentIndex()) focusPage();
        });
    }
    connect(&timer_, &TickTimer::fired, this, &MyDialog::tick);
    if (auto* collapseButton = itemAs<QPushButton>(kCollapseButton))
        connect(collapseButton, &QPushButton::clicked, this, &MyDialog::collapse);
    if (auto* closeButton = itemAs<QPushButton>(kCloseButton))
        connect(closeButton, &QPushButton::clicked, this, &MyDialog::closeFromButton);
    load();
    if (!exitStatus_) wavePlayer();

    autosave_ = new QTimer(this);
    autosave_->setSingleShot(true);
    autosave_->setInterval(kAutosaveDelayMs);
    connect(autosave_, &QTimer::timeout, this, &MyDialog::saveNow);
    tracker_.setChangeListener([this] { autosave_->start(); });
    if (exitStatus_) return;
    connect(new FileFollower(dataPath_, this), &FileFollower::changed, this, &MyDialog::followDisk);
}

MyDialog::~MyDialog() {
    // The Stickums go before anything they show or belong to.
    tracker_.destroyAll();
    // The pages go next: they may still look at the records while they are destroyed.
    dropPages();
    for (const QPointer<QWidget>& dropped : droppedPages_)
        delete dropped.data();
}

void MyDialog::dropPages() {
    std::erase_if(droppedPages_, [](const QPointer<QWidget>& dropped) { return !dropped; });
    for (int i = kPageCount - 1; i >= 0; --i) {
        QWidget* built = page(i);
        if (!built) continue;
        if (tabs_) tabs_->removeTab(tabs_->indexOf(built));
        built->hide();
        // Not at once: the page may be waiting for an answer in a box of its own.
        built->deleteLater();
        droppedPages_.emplace_back(built);
    }
    notes_ = nullptr;
    lendings_ = nullptr;
    reminders_ = nullptr;
    optionsPage_ = nullptr;
    about_ = nullptr;
}

void MyDialog::load() {
    OldFileBoxes questions(messages_);
    // The program holds the data file's lock by now: no other one is saving.
    dataFile_.removeLeftovers();
    const LoadResult loaded = dataFile_.load(holder_, questions);
    if (loaded.mustExit()) {
        if (loaded.status == LoadStatus::NotAFile) reportDamage(loaded, true);
        exitStatus_ = loaded.exitStatus();
        return;
    }
    // The options block follows the records. The pages are built when the main window is
    // first shown: the Stickums, the tick and the alerts need none of them.
    const bool optionsRead = dataFile_.readOptions(options_);
    OptionDialog::settleOptions(options_, palette());
    currentPage_ = 0;
    reportDamage(loaded, optionsRead);
}

void MyDialog::buildPages() {
    if (notes_ || exitStatus_) return;
    notes_ = new NotesDialog(*this);
    lendings_ = new PrestitiDialog(*this);
    reminders_ = new CalendarDialog(*this);
    optionsPage_ = new OptionDialog(*this);
    about_ = new AboutDialog(*this);
    fillTabs();
    optionsPage_->setUpPage();
}

void MyDialog::showEvent(QShowEvent* event) {
    buildPages();
    TrayWindow::showEvent(event);
}

void MyDialog::changeEvent(QEvent* event) {
    // Until the Options page exists, a title bar that follows the desktop follows it here.
    if (event->type() == QEvent::PaletteChange && !optionsPage_ &&
        OptionDialog::settleOptions(options_, palette()))
        tracker_.markStale();
    TrayWindow::changeEvent(event);
}

void MyDialog::reportDamage(const LoadResult& loaded, bool optionsRead) {
    const bool fatal = loaded.mustExit();
    for (const QString& text : loadNotices(dataPath_, dataFile_, loaded, optionsRead))
        messages_.showMessage(nullptr, text, joinedCaption(fatal ? msg::Error : msg::Warning),
                              fatal ? box::Failure : box::Notice);
}

QWidget* MyDialog::page(int index) const {
    switch (index) {
    case 0:
        return notes_;
    case 1:
        return lendings_;
    case 2:
        return reminders_;
    case 3:
        return optionsPage_;
    case 4:
        return about_;
    default:
        return nullptr;
    }
}

void MyDialog::setUp() {
    setUpTray(QString::fromUtf8(msg::TrayDisplayOn));
    setFixedSize(templateSize());
    collapseWindow();
    // What the start made of the file's values (the settled options, the first passes over the
    // Stickums) counts as read: only later changes are news. The pages are not built yet.
    dataFile_.markInStep(holder_, options_);
}

void MyDialog::fillTabs() {
    if (!tabs_) return;
    for (int i = 0; i < kPageCount; ++i) {
        tabs_->addTab(page(i), QString::fromUtf8(kPageTable[i].caption));
        tabs_->setTabToolTip(i, QString::fromUtf8(kPageTable[i].tip));
    }
    tabs_->setCurrentIndex(0);
    currentPage_ = 0;
    // Enter asks the quit question unless a button has been given the focus.
    tabs_->setFocus();
}

void MyDialog::focusPage() {
    // The page itself takes the keys, so Enter asks the quit question until a button is chosen.
    if (QWidget* shown = page(currentPage_)) shown->setFocus(Qt::OtherFocusReason);
}

bool MyDialog::isOpen() const {
    const QWidget* shown = window();
    return shown->isVisible() && !shown->isMinimized();
}

void MyDialog::collapse() {
    collapseWindow();
    saveNow();
}

void MyDialog::collapseWindow() {
    tuckAway();
    pagesLeft(true);
    showStickums();
}

void MyDialog::tuckAway() {
    // Without a tray the window is only minimised, so the user can always get it back.
    QWidget* frame = window();
    switchingWindow_ = true;
    if (trayAvailable())
        frame->hide();
    else
        frame->showMinimized();
    switchingWindow_ = false;
}

void MyDialog::keepReachable() {
    if (!ended_ && !window()->isVisible() && !trayAvailable()) tuckAway();
}

void MyDialog::showStickums() {
    tracker_.showPass(displayOn_);
    tick();
    // With the display off, Stickums made now stay hidden until it is switched on.
    tracker_.rehomePass(displayOn_);
    tracker_.pinPass(displayOn_);
}

void MyDialog::restore() {
    tracker_.hidePass();
    buildPages();
    QWidget* frame = window();
    switchingWindow_ = true;
    bringToPointerScreen(frame);
    frame->showNormal();
    frame->raise();
    frame->activateWindow();
    switchingWindow_ = false;
    focusPage();
    pagesEntered();
    tracker_.rehomePass(false);
}

void MyDialog::toggleDisplay() {
    if (isOpen()) return;
    displayOn_ = !displayOn_;
    if (displayOn_)
        tracker_.showPass(displayOn_);
    else
        tracker_.hidePass();
    showDisplayState();
}

void MyDialog::setDisplayOn(bool on) {
    if (on == displayOn_) return;
    if (!isOpen()) return toggleDisplay();
    displayOn_ = on;
    showDisplayState();
}

void MyDialog::showDisplayState() {
    setTrayDisplay(displayOn_);
    setTrayIcon(displayOn_ ? kNoteShownIcon : kNoteHiddenIcon);
    setTrayTip(QString::fromUtf8(displayOn_ ? msg::TrayDisplayOn : msg::TrayDisplayOff));
}

void MyDialog::showMainWindow() {
    if (!isOpen()) restore();
}

void MyDialog::onTrayMenu(TrayEntry entry) {
    switch (entry) {
    case TrayEntry::ShowWindow:
        showMainWindow();
        break;
    case TrayEntry::DisplayOn:
    case TrayEntry::DisplayOff:
        setDisplayOn(entry == TrayEntry::DisplayOn);
        break;
    case TrayEntry::NewNote:
        if (!addNoteFromOutside({})) {
            messages_.showMessage(nullptr, QString::fromUtf8(msg::NoSpaceNote),
                                  QString::fromUtf8(msg::Error), box::Capacity);
        } else if (!isOpen()) {
            // Its Stickum is on the desktop: it takes the keys, to be written into.
            const PostItAttr* attr = holder_.attrOf(holder_.note(holder_.noteCount() - 1));
            if (auto* frame = attr ? dynamic_cast<SmallFrame*>(attr->window) : nullptr)
                frame->takeKeys();
        }
        break;
    case TrayEntry::Quit:
        window()->close(); // the quit question, as "Close" asks it
        break;
    }
}

bool MyDialog::addNoteFromOutside(const std::string& text) {
    auto made = std::make_unique<Note>();
    made->setActive(true);
    made->setText(text);
    Note* added = made.get();
    if (!holder_.addNote(std::move(made))) return false;
    tracker_.attachNew(added);
    if (isOpen()) {
        // Its Stickum comes with the others when the window collapses.
        if (notes_) notes_->noteAddedElsewhere();
    } else if (displayOn_) {
        tracker_.showPass(displayOn_);
    } else {
        toggleDisplay();
    }
    saveNow();
    return true;
}

void MyDialog::tick() {
    keepReachable();
    const Date day = today();
    checkRemindersDue(holder_, day);
    checkLendingsDue(holder_, day);
    tracker_.alertPass(displayOn_, isOpen(), wavePlayer());
    timer_.arm();
}

void MyDialog::waveFileChanged() {
    if (ended_) return; // nothing is played any more
    // Opened anew even on the same name: the file itself may have been replaced.
    wavePlayerFile_.reset();
    wavePlayer();
}

WavePlayer* MyDialog::wavePlayer() {
    // Opened at start and again whenever the Options page has chosen another file.
    if (wavePlayerFile_ != options_.waveFile) {
        wavePlayer_.reset();
        wavePlayer_ = openWave_(options_.waveFile);
        wavePlayerFile_ = options_.waveFile;
    }
    return wavePlayer_.get();
}

void MyDialog::pagesLeft(bool withOptions) {
    if (notes_) notes_->RefreshNotes();
    if (lendings_) lendings_->CommitLending();
    if (reminders_) reminders_->CommitReminder();
    if (withOptions && optionsPage_) optionsPage_->CommitOptions();
}

void MyDialog::pagesEntered() {
    if (notes_) notes_->RefreshNotes();
    if (lendings_) lendings_->RefreshLendings();
    if (reminders_) reminders_->RefreshMarks();
    if (optionsPage_) optionsPage_->RefreshOptions();
}

bool MyDialog::save() {
    const SaveResult saved = writeFile();
    if (saved.ok) return true;
    const QString text =
        QString::fromUtf8(msg::SaveFailed).arg(dataPath_, QString::fromStdString(saved.reason));
    messages_.showMessage(nullptr, text, QString::fromUtf8(msg::Error), box::Failure);
    return false;
}

bool MyDialog::saveNow() {
    const auto failed = saveQuietly();
    if (!failed) return true;
    const QString reason = *failed;
    if (reason == lastSaveFailure_) return false;
    lastSaveFailure_ = reason;
    messages_.showMessage(nullptr, QString::fromUtf8(msg::SaveFailed).arg(dataPath_, reason),
                          QString::fromUtf8(msg::Error), box::Failure);
    return false;
}

std::optional<QString> MyDialog::saveQuietly() {
    autosave_->stop();
    if (ended_) return std::nullopt;
    if (!isOpen()) tracker_.takeBackShown();
    const SaveResult saved = writeFile();
    if (!saved.ok) return QString::fromStdString(saved.reason);
    lastSaveFailure_.clear();
    // Nothing was new here and the file on disk is newer: it is taken up. While the window is
    // open the pages may hold what the user is typing: that waits for the collapse.
    if (!isOpen() && dataFile_.changedOnDisk()) reloadFromDisk();
    return std::nullopt;
}

void MyDialog::followDisk() {
    if (ended_ || isOpen() || !dataFile_.changedOnDisk()) return;
    saveNow();
}

void MyDialog::reloadFromDisk() {
    DataFile file(dataPath_.toStdString());
    PostItHolder records;
    Options read = options_;
    DeclineOldLayout questions;
    if (file.load(records, questions).status != LoadStatus::Loaded || !file.readOptions(read))
        return;
    keepPlaces(holder_, records);
    tracker_.destroyAll();
    holder_.swapWith(records);
    const bool otherSound = read.waveFile != options_.waveFile;
    options_ = read;
    dataFile_ = std::move(file);
    tracker_.markStale();
    // The pages' forms still show the records and options as they were, and would write them
    // back when left: they are built afresh when the main window is next shown.
    dropPages();
    if (otherSound) waveFileChanged();
    showStickums();
    dataFile_.markInStep(holder_, options_);
}

SaveResult MyDialog::writeFile() {
    const SaveResult saved = dataFile_.save(holder_, options_);
    if (saved.conflictCopy.empty()) return saved;
    const QString text = QString::fromUtf8(msg::ConflictKept)
                             .arg(dataPath_, QString::fromStdString(saved.conflictCopy));
    // Once the save is over: it may run for a command that waits for its answer.
    QTimer::singleShot(0, this, [this, text] {
        messages_.showMessage(nullptr, text, joinedCaption(msg::Warning), box::Notice);
    });
    return saved;
}

void MyDialog::setAutosaveDelay(int ms) {
    autosave_->setInterval(ms);
}

void MyDialog::endSession() {
    if (ended_) return;
    autosave_->stop();
    if (isOpen())
        tracker_.hidePass();
    else
        tracker_.takeBackShown();
    // Fields still being typed into are taken too: nobody will leave them now.
    pagesLeft(true);
    dataFile_.save(holder_, options_);
    shutdown();
}

void MyDialog::saveBeforeExit() {
    if (ended_) return;
    ended_ = true;
    autosave_->stop();
    timer_.stop();
    tracker_.takeBackShown(false);
    pagesLeft(true);
    dataFile_.save(holder_, options_);
}

bool MyDialog::mayClose() {
    autosave_->stop();
    const bool wasCollapsed = !isOpen();
    toggleDisplay();
    pagesLeft(false);
    const SaveResult saved = writeFile();
    if (saved.ok) return true;
    const QString text =
        QString::fromUtf8(msg::SaveFailed).arg(dataPath_, QString::fromStdString(saved.reason)) +
        QStringLiteral("\r\n\r\n") + QString::fromUtf8(msg::QuitAnyway);
    const Answer answer =
        messages_.showMessage(nullptr, text, QString::fromUtf8(msg::Error), box::StayOrQuit);
    if (answer == Answer::Yes) return true;
    // Staying: put the Stickums back the way they were.
    if (wasCollapsed) toggleDisplay();
    return false;
}

void MyDialog::shutdown() {
    ended_ = true;
    autosave_->stop();
    timer_.stop();
    tray().remove();
}

void MyDialog::closeFromButton() {
    window()->close();
}

bool MyDialog::usesEnterItself(const QWidget* control) const {
    for (const QWidget* w = control; w && w != this; w = w->parentWidget())
        if (qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
            qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
            qobject_cast<const QComboBox*>(w))
            return true;
    return false;
}

void MyDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_F6:
        // To the Stickums: the window collapses and the first Stickum on show takes the keys.
        collapse();
        SmallFrame::focusStickum(nullptr, 1);
        return;
    case Qt::Key_Escape:
        collapse();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A focused button takes Enter itself, and a control with a use of its own for it
        // (a list, a number, a multi-line edit, a drop-down) keeps it; otherwise Enter means
        // "Close".
        if (auto* button = qobject_cast<QPushButton*>(focusWidget());
            button && isAncestorOf(button)) {
            button->click();
        } else if (!usesEnterItself(focusWidget())) {
            closeFromButton();
        }
        return;
    default:
        TrayWindow::keyPressEvent(event);
    }
}
