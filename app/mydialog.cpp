#include "app/mydialog.h"

#include "app/datanotices.h"
#include "desktop/pointerscreen.h"
#include "look/l10n.h"
#include "look/messages.h"
#include "model/catalogue.h"
#include "model/due.h"
#include "pages/aboutdialog.h"
#include "pages/calendardialog.h"
#include "pages/notesdialog.h"
#include "pages/optiondialog.h"
#include "pages/prestitidialog.h"
#include "platform/activation.h"
#include "process/desktopentry.h"
#include "resources/dialogs.h"
#include "stickum/smallframe.h"
#include "stickum/stickumedit.h"
#include "stickum/wpostit.h"

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
#include <cstdio>

namespace {

struct PageRow {
    const char* caption;
    const char* tip;
};

// A box about the data waits while the user typed into a Stickum this recently.
constexpr int kTypingPauseMs = 5000;

// The tabs in their order: the page at each index is built in buildPages().
constexpr std::array<PageRow, MyDialog::kPageCount> kPageTable{{
    {msg::TabNotes, msg::TipNotes},
    {msg::TabLendings, msg::TipLendings},
    {msg::TabReminders, msg::TipReminders},
    {msg::TabOptions, msg::TipOptions},
    {msg::TabInfoz, msg::TipInfoz},
}};

QString joinedCaption(const char* what) {
    return l10n::text(msg::ProgramName) + l10n::text(msg::CaptionJoin) + l10n::text(what);
}

// The old-layout and later-version questions of the data file, asked in message boxes with no
// owner window.
OldFileQuestions oldFileBoxes(MessageBoxes& messages) {
    return OldFileQuestions::askedBy([&messages](int version) {
        const QString text = version > kCurrentVersion
                                 ? l10n::text(msg::LaterFileWarning).arg(version)
                                 : l10n::text(msg::OldFileWarning);
        return messages.showMessage(nullptr, text, joinedCaption(msg::Warning), box::OldFile) ==
               Answer::Yes;
    });
}

} // namespace

MyDialog::MyDialog(MessageBoxes& messages, std::unique_ptr<TrayIcon> tray, const QString& dataPath,
                   const PlatformDefaults& platform, DesktopParts desktop)
    : TrayWindow(kMainDialog, kNoteShownIcon, std::move(tray)), messages_(messages),
      dataPath_(dataPath), document_(dataPath, Options::initial(platform)),
      windows_(desktop.windows ? std::move(desktop.windows) : createWindowSystem()),
      openWave_(desktop.openWave ? std::move(desktop.openWave) : WavePlayerFactory(openWavePlayer)),
      today_(desktop.today ? std::move(desktop.today) : TodaySource(systemToday)) {
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
    notices_ = new QuietNotices(TrayWindow::tray(), messages_, [this] {
        return stickumTouched_.isValid() && stickumTouched_.elapsed() < kTypingPauseMs;
    });
    notices_->setParent(this);
    document_.setHooks({
        // What is typed into Stickums on the desktop; while the main window is open they are
        // hidden, and what was typed was taken back then.
        .collect =
            [this] {
                if (!isOpen()) tracker_.takeBackShown();
            },
        .settle = [this](Options& o) { return OptionDialog::settleOptions(o, palette()); },
        .adopt = [this](const Incoming& incoming) { adopt(incoming); },
        // The pages may hold what the user is typing: that waits for the collapse.
        .holdBack = [this] { return isOpen(); },
    });
    connect(&document_, &Document::reported, this,
            [this](const SaveReport& report) { present(report, Telling::Background); });
    tracker_.setChangeListener([this] {
        stickumTouched_.start();
        document_.saveSoon();
    });
    load();
    if (!exitStatus_) wavePlayer();
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
    const LoadResult loaded = document_.load(oldFileBoxes(messages_));
    if (loaded.mustExit()) {
        if (loaded.status == LoadStatus::NotAFile) reportDamage(loaded, true);
        if (loaded.status == LoadStatus::OldFileFailed)
            messages_.showMessage(nullptr, l10n::text(loaded.problem.c_str()),
                                  joinedCaption(msg::Error), box::Failure);
        exitStatus_ = loaded.exitStatus();
        return;
    }
    // The pages are built when the main window is first shown: the Stickums, the tick and the
    // alerts need none of them.
    currentPage_ = 0;
    reportDamage(loaded, document_.optionsRead());
    offerRescue();
}

void MyDialog::offerRescue() {
    const QString rescue = document_.rescueCopy();
    if (rescue.isEmpty()) return;
    const Answer answer = messages_.showMessage(nullptr, l10n::text(msg::RescueOffer).arg(rescue),
                                                joinedCaption(msg::Warning), box::Rescue);
    if (answer != Answer::Yes) return document_.declineRescue();
    SaveReport taken = document_.takeRescue();
    // It was asked for: what it brought needs no telling.
    taken.merged.clear();
    present(taken, Telling::Box);
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
        OptionDialog::settleOptions(options(), palette()))
        tracker_.markStale();
    TrayWindow::changeEvent(event);
}

void MyDialog::reportDamage(const LoadResult& loaded, bool optionsRead) {
    const bool fatal = loaded.mustExit();
    for (const QString& text : loadNotices(dataPath_, document_.file(), loaded, optionsRead))
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
    setUpTray(l10n::text(msg::TrayDisplayOn));
    setFixedSize(templateSize());
    collapseWindow();
    // From now on what another machine brings is taken up, and conflict copies are merged.
    document_.follow();
}

void MyDialog::fillTabs() {
    if (!tabs_) return;
    for (int i = 0; i < kPageCount; ++i) {
        tabs_->addTab(page(i), l10n::text(kPageTable[i].caption));
        tabs_->setTabToolTip(i, l10n::text(kPageTable[i].tip));
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
    (void)saveNow(); // a failure is told
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
    buildPages();
    QWidget* frame = window();
    switchingWindow_ = true;
    bringToPointerScreen(frame);
    frame->showNormal();
    frame->raise();
    frame->activateWindow();
    switchingWindow_ = false;
    // The window is asked for before the Stickums go: the window manager maps it first and
    // takes in their unmaps after, however many there are. Nothing is painted before the pages
    // are entered below, with the texts and places the hide pass took back.
    tracker_.hidePass();
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
    setTrayTip(l10n::text(displayOn_ ? msg::TrayDisplayOn : msg::TrayDisplayOff));
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
        if (!addNoteFromOutside({}))
            messages_.showMessage(nullptr, l10n::text(msg::NoSpaceNote), l10n::text(msg::Error),
                                  box::Capacity);
        break;
    case TrayEntry::StartAtLoginOn:
    case TrayEntry::StartAtLoginOff:
        setStartAtLogin(entry == TrayEntry::StartAtLoginOn);
        break;
    case TrayEntry::Quit:
        window()->close(); // the quit question, as "Close" asks it
        break;
    }
}

void MyDialog::setStartAtLogin(bool on) {
    const Result set = Autostart(startCommand_).set(on);
    if (!set)
        messages_.showMessage(
            nullptr, l10n::text(msg::AutostartFailed).arg(QString::fromStdString(set.why())),
            l10n::text(msg::Error), box::Failure);
    tray().setStartAtLogin(Autostart::on());
}

void MyDialog::newestNoteTakesKeys() {
    // Its Stickum is on the desktop while the window is collapsed: the one who asked for the
    // note types next.
    const PostItHolder& notes = holder();
    WPostIt* content =
        notes.noteCount() > 0 ? tracker_.stickumOf(notes.note(notes.noteCount() - 1)) : nullptr;
    if (!content) return;
    content->edit()->setFocus();
    activateForUser(content->frame());
}

bool MyDialog::addNoteFromOutside(const std::string& text) {
    auto made = std::make_unique<Note>();
    made->setActive(true);
    made->setText(text);
    Note* added = made.get();
    if (!holder().addNote(std::move(made))) return false;
    tracker_.attachNew(added);
    if (isOpen()) {
        // Its Stickum comes with the others when the window collapses.
        if (notes_) notes_->noteAddedElsewhere();
    } else if (displayOn_) {
        tracker_.showPass(displayOn_);
    } else {
        toggleDisplay();
    }
    newestNoteTakesKeys();
    return true;
}

void MyDialog::tick() {
    keepReachable();
    const Date day = today_();
    checkRemindersDue(holder(), day);
    checkLendingsDue(holder(), day);
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
    if (wavePlayerFile_ != options().waveFile) {
        wavePlayer_.reset();
        wavePlayer_ = openWave_(options().waveFile);
        wavePlayerFile_ = options().waveFile;
        // A file too large to play is said once, when it is taken; never in the middle of a pass.
        if (const std::string refused = waveFileRefusal(options().waveFile); !refused.empty())
            QTimer::singleShot(0, this, [this, text = QString::fromStdString(refused)] {
                messages_.showMessage(nullptr, text, l10n::text(msg::ProgramName), box::Notice);
            });
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

Result MyDialog::save() {
    const SaveReport report = document_.save();
    present(report, Telling::Box);
    return report.result;
}

Result MyDialog::saveNow() {
    const SaveReport report = document_.save();
    present(report, Telling::Once);
    return report.result;
}

Result MyDialog::saveQuietly() {
    const SaveReport report = document_.save();
    present(report, Telling::Quietly);
    return report.result;
}

void MyDialog::present(const SaveReport& report, Telling how) {
    if (how == Telling::Ending) {
        if (report.ok()) return;
        const QString why = QString::fromStdString(report.result.why());
        const QString text =
            report.rescueCopy.empty()
                ? l10n::text(msg::RescueLost).arg(dataPath_, why)
                : l10n::text(msg::RescueKept)
                      .arg(dataPath_, why, QString::fromStdString(report.rescueCopy));
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return;
    }
    for (const CameIn& came : report.merged)
        notices_->tell(mergeNotice(dataPath_, came));
    for (const std::string& copy : report.unreadableCopies)
        notices_->tell(l10n::text(msg::CopyUnreadable).arg(QString::fromStdString(copy)));
    if (!report.conflictCopy.empty())
        notices_->tell(l10n::text(msg::ConflictKept)
                           .arg(dataPath_, QString::fromStdString(report.conflictCopy)));
    if (report.ok()) {
        lastSaveFailure_.clear();
        return;
    }
    const QString why = QString::fromStdString(report.result.why());
    const QString text = l10n::text(msg::SaveFailed).arg(dataPath_, why);
    const bool told = why == lastSaveFailure_;
    switch (how) {
    case Telling::Box:
        messages_.showMessage(nullptr, text, l10n::text(msg::Error), box::Failure);
        break;
    case Telling::Once:
        if (!told) messages_.showMessage(nullptr, text, l10n::text(msg::Error), box::Failure);
        break;
    case Telling::Background:
        if (!told) notices_->tell(text);
        break;
    default:
        return;
    }
    lastSaveFailure_ = why;
}

void MyDialog::adopt(const Incoming& incoming) {
    // Without the X server the Stickums are left alone: the program ends.
    if (serverGone_) return holder().swapWith(incoming.fresh);
    tracker_.adopt(incoming.fresh, incoming.continues);
    if (document_.ended()) return;
    if (incoming.lookChanged) tracker_.markStale();
    // The pages' forms still show the records and options as they were, and would write them
    // back when left: they are built afresh, at once where they are on show.
    const bool open = isOpen();
    const int page = currentPage_;
    dropPages();
    if (incoming.soundChanged) waveFileChanged();
    if (open) {
        buildPages();
        if (tabs_) tabs_->setCurrentIndex(page);
        pagesEntered();
    } else {
        showStickums();
    }
}

void MyDialog::setAutosaveDelay(int ms) {
    document_.setAutosaveDelay(ms);
}

Result MyDialog::endSession() {
    if (ended_) return Result::done();
    if (isOpen()) tracker_.hidePass();
    // Fields still being typed into are taken too: nobody will leave them now.
    pagesLeft(true);
    const SaveReport report = document_.save(Document::SaveKind::Final);
    present(report, Telling::Ending);
    shutdown();
    return report.result;
}

void MyDialog::saveBeforeExit() {
    if (ended_) return;
    ended_ = true;
    serverGone_ = true;
    timer_.stop();
    pagesLeft(true);
    present(document_.save(Document::SaveKind::Final), Telling::Ending);
}

bool MyDialog::mayClose() {
    const bool wasCollapsed = !isOpen();
    toggleDisplay();
    pagesLeft(false);
    const SaveReport report = document_.save();
    present(report, Telling::Quietly);
    if (report.ok()) return true;
    const QString text =
        l10n::text(msg::SaveFailed).arg(dataPath_, QString::fromStdString(report.result.why())) +
        QStringLiteral("\r\n\r\n") + l10n::text(msg::QuitAnyway);
    const Answer answer =
        messages_.showMessage(nullptr, text, l10n::text(msg::Error), box::StayOrQuit);
    if (answer == Answer::Yes) {
        // The user has agreed to lose them.
        document_.end();
        return true;
    }
    // Staying: put the Stickums back the way they were.
    if (wasCollapsed) toggleDisplay();
    return false;
}

void MyDialog::shutdown() {
    ended_ = true;
    document_.end();
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
