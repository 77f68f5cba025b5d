#include "pages/notesdialog.h"

#include "look/l10n.h"
#include "look/messages.h"
#include "look/recordtext.h"
#include "model/catalogue.h"
#include "model/postit.h"
#include "model/text.h"
#include "pages/dialoghost.h"
#include "pages/iconlist.h"
#include "platform/windowsystem.h"
#include "resources/dialog_notes.h"
#include "resources/dialogs.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

NotesDialog::NotesDialog(DialogHost& host, QWidget* parent)
    : PageDialog(host, kNotesPage, parent), list_(replaceItem(noteid::NoteList, new IconList)),
      edit_(itemAs<QPlainTextEdit>(noteid::NoteEdit)), target_(itemAs<QLabel>(noteid::TargetLabel)),
      refresh_(itemAs<QPushButton>(noteid::RefreshButton)),
      pin_(itemAs<QPushButton>(noteid::PinButton)), new_(itemAs<QPushButton>(noteid::NewButton)),
      add_(itemAs<QPushButton>(noteid::AddButton)),
      remove_(itemAs<QPushButton>(noteid::RemoveButton)),
      pinPointer_(*this, host.messages(), host.windowSystem()) {
    target_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    target_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab moves on to the next control, as in the other pages' edits.
    edit_->setTabChangesFocus(true);
    edit_->installEventFilter(this);

    refresh_->setToolTip(l10n::text(msg::TipUpdateTitles));
    const bool pinning = host.windowSystem().pinningAvailable();
    pin_->setToolTip(l10n::text(pinning ? msg::TipPinPoint : msg::PinUnavailable));
    // The tips show even while the main window is not the active one.
    refresh_->setAttribute(Qt::WA_AlwaysShowToolTips);
    pin_->setAttribute(Qt::WA_AlwaysShowToolTips);

    list_->setActiveSource([this](int ordinal) {
        const Note* n = note(ordinal);
        return n != nullptr && n->active();
    });
    connect(list_, &IconList::iconPressed, this, &NotesDialog::toggleRow);
    connect(list_, &IconList::titlePressed, this, &NotesDialog::selectRow);
    // The note arrowed to is the one shown, and the one "Remove" takes.
    connect(list_, &IconList::rowSelectedByKey, this, &NotesDialog::selectRow);
    list_->setAccessibleName(tr("Notes"));
    list_->setAccessibleDescription(tr("Space switches the note's Stickum on or off"));
    connect(edit_, &QPlainTextEdit::textChanged, this, &NotesDialog::updateButtons);
    connect(refresh_, &QPushButton::clicked, this, &NotesDialog::RefreshNotes);
    connect(new_, &QPushButton::clicked, this, &NotesDialog::newNote);
    connect(add_, &QPushButton::clicked, this, &NotesDialog::addNote);
    connect(remove_, &QPushButton::clicked, this, &NotesDialog::removeNote);
    connect(pin_, &QPushButton::clicked, this, &NotesDialog::startPinPointing);

    RefreshNotes();
}

NotesDialog::~NotesDialog() {
    if (pinPointer_.waiting()) pinPointer_.stop();
}

QString NotesDialog::titleOf(const std::string& text) {
    const QString shown = QString::fromStdString(displayUtf8(text));
    qsizetype end = shown.indexOf(u'\r');
    // A bare line feed ends the first line as well: the list shows one line per note.
    const qsizetype feed = shown.indexOf(u'\n');
    if (end < 0 || (feed >= 0 && feed < end)) end = feed;
    return firstCharacters(end < 0 ? shown : shown.left(end), kTitleCharacters);
}

Note* NotesDialog::note(int ordinal) const {
    return ordinal < 0 ? nullptr : host().holder().note(ordinal);
}

void NotesDialog::RefreshNotes() {
    // A note's text changed in the edit and not yet left is kept, not cleared away.
    storeEditedText();
    list_->clear();
    PostItHolder& records = host().holder();
    noteCount_ = records.noteCount();
    for (int i = 0; i < noteCount_; ++i)
        list_->addRow(titleOf(records.note(i)->text()), i);
    current_ = -1;
    showEditText({});
    // A target window closed since the label was written is no longer named there.
    if (labelled_ && records.ordinalOf(labelled_) >= 0) showTargetOf(labelled_);
    updateButtons();
}

void NotesDialog::newNote() {
    current_ = -1;
    showEditText({});
    target_->clear();
    labelled_ = nullptr;
    list_->clearSelection();
    list_->setCurrentRow(-1, QItemSelectionModel::Clear);
    list_->viewport()->repaint();
    updateButtons();
}

void NotesDialog::addNote() {
    auto made = std::make_unique<Note>();
    made->setActive(true);
    made->setText(editText());
    Note* added = made.get();
    if (!host().holder().addNote(std::move(made))) {
        host().messages().showMessage(nullptr, l10n::text(msg::NoSpaceNote), l10n::text(msg::Error),
                                      box::Capacity);
        return;
    }
    host().attachNew(added);
    showEditText({});
    current_ = -1;
    noteAddedElsewhere();
}

void NotesDialog::noteAddedElsewhere() {
    const int ordinal = host().holder().noteCount() - 1;
    if (const Note* added = note(ordinal)) list_->addRow(titleOf(added->text()), ordinal);
    noteCount_ = host().holder().noteCount();
    updateButtons();
}

void NotesDialog::removeNote() {
    const int row = list_->selectedRow();
    if (row < 0 || row >= noteCount_) return;
    const int ordinal = list_->rowNumber(row);
    const Answer answer = host().messages().showMessage(nullptr, l10n::text(msg::RemoveNote),
                                                        l10n::text(msg::Warning), box::Removal);
    if (answer != Answer::Yes) return;
    // The text being edited is kept while the ordinals still name the notes they named.
    storeEditedText();
    current_ = -1;
    if (Note* doomed = note(ordinal)) {
        // The label keeps what it showed, but follows that note no more.
        if (doomed == labelled_) labelled_ = nullptr;
        host().detach(doomed);
        host().holder().removeNote(ordinal);
    }
    RefreshNotes();
}

void NotesDialog::storeEditedText() {
    Note* edited = note(current_);
    // Only a text the user changed is written back: an untouched one keeps its bytes.
    if (edited == nullptr || !edit_->document()->isModified()) return;
    edited->setText(editText());
    edit_->document()->setModified(false);
    // The note's own row takes the new title in its place; the list is sorted again at the
    // next refill. The row is found by the note it carries, not by the selection, which the
    // keyboard may have moved to another note since.
    const int row = list_->rowWithNumber(current_);
    if (row < 0) return;
    const bool wasSelected = list_->selectedRow() == row;
    list_->removeRowAt(row);
    list_->insertRowAt(row, titleOf(edited->text()), current_);
    if (wasSelected) list_->setCurrentRow(row);
}

void NotesDialog::selectRow(int row) {
    const int ordinal = list_->rowNumber(row);
    const Note* chosen = note(ordinal);
    if (chosen == nullptr) return;
    current_ = ordinal;
    showEditText(chosen->text());
    showTargetOf(chosen);
    updateButtons();
}

void NotesDialog::showTargetOf(const Note* shown) {
    const auto title = host().targetTitle(shown);
    if (!title) return;
    target_->setText(firstCharacters(QString::fromStdString(*title), kLabelCharacters));
    labelled_ = shown;
}

void NotesDialog::toggleRow(int row) {
    Note* switched = note(list_->rowNumber(row));
    if (switched == nullptr) return;
    switched->setActive(!switched->active());
    switched->setDisplayState(switched->active() ? Shown : Hidden);
    list_->refreshRow(row);
    list_->viewport()->repaint();
}

void NotesDialog::startPinPointing() {
    if (!pinPointer_.windowSystem().pinningAvailable()) {
        host().messages().showMessage(nullptr, l10n::text(msg::PinUnavailable),
                                      l10n::text(msg::PinPointing), box::PinNotice);
        return;
    }
    pinPointer_.start();
    // Closing, hiding or minimising the main window ends the gesture (see eventFilter).
    window()->installEventFilter(this);
}

void NotesDialog::cancelPinPointing() {
    window()->removeEventFilter(this);
    if (pinPointer_.waiting()) pinPointer_.stop();
}

void NotesDialog::hideEvent(QHideEvent* event) {
    // A hidden page (another tab, a collapsed window) must not keep the pointer.
    cancelPinPointing();
    PageDialog::hideEvent(event);
}

void NotesDialog::mousePressEvent(QMouseEvent* event) {
    if (pinPointer_.waiting()) {
        if (event->button() == Qt::LeftButton && current_ >= 0) {
            endPinPointing(event->globalPosition().toPoint());
            event->accept();
            return;
        }
        // Another button, or nothing is edited any more: the gesture ends without a question,
        // and the pointer is not left grabbed.
        cancelPinPointing();
    }
    PageDialog::mousePressEvent(event);
}

void NotesDialog::endPinPointing(QPoint screenPoint) {
    // The pointer is given back before the question, which must take the answer's click.
    cancelPinPointing();
    setEnabled(true);
    const WindowHandle window = pinPointer_.resolve(screenPoint);
    if (window != 0) {
        Note* pinned = note(current_);
        if (pinned) host().setTarget(pinned, window);
        target_->setText(pinPointer_.titleOf(window, kLabelCharacters));
        labelled_ = pinned;
    }
    updateButtons();
}

bool NotesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::FocusOut) storeEditedText();
    if (watched == window()) {
        const QEvent::Type type = event->type();
        // The close request comes before the quit question, whose box needs the pointer.
        if (type == QEvent::Close || type == QEvent::Hide ||
            (type == QEvent::WindowStateChange && window()->isMinimized()))
            cancelPinPointing();
    }
    return PageDialog::eventFilter(watched, event);
}

void NotesDialog::updateButtons() {
    const bool editing = current_ >= 0;
    new_->setEnabled(editing);
    add_->setEnabled(!editing && !edit_->document()->isEmpty());
    remove_->setEnabled(editing);
    refresh_->setEnabled(noteCount_ > 0);
    pin_->setEnabled(editing);
}

void NotesDialog::showEditText(const std::string& text) {
    edit_->setPlainText(toEditText(text));
    edit_->document()->setModified(false);
}

std::string NotesDialog::editText() const {
    return fromEditText(edit_->toPlainText(), kTextBytes);
}
