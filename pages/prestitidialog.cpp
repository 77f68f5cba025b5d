#include "pages/prestitidialog.h"

#include "look/l10n.h"
#include "look/messages.h"
#include "look/recordtext.h"
#include "model/catalogue.h"
#include "model/due.h"
#include "pages/datestep.h"
#include "pages/dialoghost.h"
#include "pages/recordtextedit.h"
#include "pages/stepper.h"
#include "pages/wlistwindow.h"
#include "resources/dialog_lendings.h"
#include "resources/dialogs.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>

#include <algorithm>
#include <cstdint>
#include <memory>

namespace {

using namespace lendingid;

// Pixels between the date's label, its parts and the object's edit.
constexpr int kDateRowGap = 2;

// The image of a row: 0 armed, 1 disarmed.
constexpr int kArmedImage = 0;
constexpr int kDisarmedImage = 1;

} // namespace

PrestitiDialog::PrestitiDialog(DialogHost& host, QWidget* parent)
    : PageDialog(host, kLendingsPage, parent) {
    tabs_ = itemAs<QTabWidget>(Tabs);
    list_ = replaceItem(List, new WListWindow(List, kNoteShownIcon, kNoteHiddenIcon));
    leftLabel_ = itemAs<QLabel>(LeftLabel);
    person_ = itemAs<QComboBox>(Person);
    rightLabel_ = itemAs<QLabel>(RightLabel);
    object_ = itemAs<QPlainTextEdit>(Object);
    day_ = replaceItemAndArrows(Day, DayUpDown, new Stepper(kLendingsStepper));
    month_ = replaceItemAndArrows(Month, MonthUpDown, new Stepper(kLendingsStepper));
    year_ = replaceItemAndArrows(Year, YearUpDown, new Stepper(kLendingsStepper));
    after_ = replaceItemAndArrows(After, AfterUpDown, new Stepper(kLendingsStepper));
    sound_ = itemAs<QCheckBox>(SoundBox);
    new_ = itemAs<QPushButton>(NewButton);
    add_ = itemAs<QPushButton>(AddButton);
    remove_ = itemAs<QPushButton>(RemoveButton);

    // The table gives the combo box the height of its open list; closed it is one line high.
    person_->resize(person_->width(), person_->sizeHint().height());
    person_->setLineEdit(new RecordLineEdit(kPersonBytes));
    person_->setInsertPolicy(QComboBox::NoInsert);
    // What the user typed is what is stored: the list offers names, it never completes them.
    person_->setCompleter(nullptr);
    object_->setTabChangesFocus(true);
    fitLabels();

    // Ranges: the month runs one beyond each end so that it can wrap into the next year.
    year_->setRange(kFirstYear, kLastYear);
    month_->setRange(kMonthBelow, kMonthAbove);
    month_->setValueText([](int month) { return l10n::monthName(month); });
    for (Stepper* part : {day_, month_, year_, after_})
        part->setAlignment(Qt::AlignCenter);
    after_->setRange(0, kMaxDays);
    after_->setTypingAllowed(true);
    widen(after_, missingRoom(after_, QString::number(kMaxDays)));
    day_->setTypingAllowed(false);
    year_->setTypingAllowed(false);
    fitDateRow();
    nameControls();
    clearForm();

    list_->setCellText([this](int ordinal, int column) -> QString {
        const Prestito* shownLending = lending(ordinal);
        if (!shownLending) return {};
        if (column == 1) return dateText(shownLending->date());
        if (column == 2) return toEditText(shownLending->text());
        return {};
    });

    tabs_->addTab(new QWidget, l10n::text(msg::GiveBack));
    tabs_->addTab(new QWidget, l10n::text(msg::HaveBack));
    tabs_->setCurrentIndex(0);
    connectControls();
    tabChanged(tabs_->currentIndex());
    RefreshLendings();
}

PrestitiDialog::~PrestitiDialog() {
    // The list outlives this part of the page while the page is torn down: it must not ask
    // the page for cell texts any more.
    list_->setCellText({});
}

void PrestitiDialog::fitLabels() {
    // "I owe to" may grow to the left, "owes me" to the right, where the form has room.
    const int leftNeeded = leftLabel_->fontMetrics().horizontalAdvance(l10n::text(msg::IOweTo));
    QRect left = leftLabel_->geometry();
    if (leftNeeded > left.width()) left.setLeft(std::max(0, left.right() + 1 - leftNeeded));
    leftLabel_->setGeometry(left);
    const int rightNeeded = rightLabel_->fontMetrics().horizontalAdvance(l10n::text(msg::OwesMe));
    QRect right = rightLabel_->geometry();
    if (rightNeeded > right.width()) right.setWidth(rightNeeded);
    rightLabel_->setGeometry(right);
}

void PrestitiDialog::fitDateRow() {
    // Sunken, the day, month and year need more room than their places: they stand side by
    // side from just after the text of their label, each as wide as its values need, as far
    // as the object's edit.
    int x = day_->x();
    QLabel* label = nullptr;
    for (QWidget* other : items()) {
        auto* text = qobject_cast<QLabel*>(other);
        const QRect r = other->geometry();
        if (!text || r.right() >= x || r.bottom() < day_->y() || r.top() > day_->y()) continue;
        const int textWidth = text->fontMetrics().horizontalAdvance(text->text());
        text->resize(std::min(text->width(), textWidth), text->height());
        x = std::min(x, text->geometry().right() + 1 + kDateRowGap);
        label = text;
    }
    const auto values = [](int first, int last, auto text) {
        QStringList all;
        for (int v = first; v <= last; ++v)
            all << text(v);
        return all;
    };
    const auto number = [](int v) { return QString::number(v); };
    const std::pair<Stepper*, QStringList> row[] = {
        {day_, values(1, 31, number)},
        {month_, values(1, 12, [](int m) { return l10n::monthName(m); })},
        {year_, values(kFirstYear, kLastYear, number)}};
    const int end = object_->x() - kDateRowGap;
    const auto layOut = [&row, end](int from) {
        int short_ = 0;
        for (const auto& [part, texts] : row) {
            int missing = 0;
            for (const QString& text : texts)
                missing = std::max(missing, missingRoom(part, text));
            const int width = std::min(part->width() + missing, end - from);
            short_ += std::max(0, part->width() + missing - width);
            part->setGeometry(from, part->y(), std::max(width, part->width()), part->height());
            from = part->geometry().right() + 1;
        }
        return short_;
    };
    // Still short (longer names of months): the label keeps only the width its text shows, its
    // Alt+letter's mark being no character.
    if (layOut(x) > 0 && label && label->geometry().right() + 1 + kDateRowGap == x) {
        QString shown = label->text();
        label->resize(label->fontMetrics().horizontalAdvance(shown.remove(u'&')), label->height());
        layOut(label->geometry().right() + 1 + kDateRowGap);
    }
}

void PrestitiDialog::nameControls() {
    // "When" names the day; a screen reader tells the three parts of the date apart.
    day_->setAccessibleName(tr("When: day"));
    month_->setAccessibleName(tr("When: month"));
    year_->setAccessibleName(tr("When: year"));
    tabs_->setAccessibleName(tr("Give back or have back"));
    list_->setAccessibleName(tr("Lendings"));
    list_->setAccessibleDescription(tr("Space arms or disarms the lending's alert"));
    person_->setAccessibleName(tr("Person"));
    person_->lineEdit()->setAccessibleName(tr("Person"));
    person_->view()->setAccessibleName(tr("Names used before"));
}

void PrestitiDialog::connectControls() {
    connect(tabs_, &QTabWidget::currentChanged, this, &PrestitiDialog::tabChanged);
    connect(list_, &WListWindow::rowSelected, this, &PrestitiDialog::rowSelected);
    connect(list_, &WListWindow::iconClicked, this, &PrestitiDialog::toggleArmed);
    connect(add_, &QPushButton::clicked, this, &PrestitiDialog::addLending);
    connect(remove_, &QPushButton::clicked, this, &PrestitiDialog::removeLending);
    connect(new_, &QPushButton::clicked, this, &PrestitiDialog::newLending);
    connect(sound_, &QCheckBox::clicked, this, &PrestitiDialog::soundClicked);
    connect(object_, &QPlainTextEdit::textChanged, this, &PrestitiDialog::updateButtons);
    connect(person_, &QComboBox::editTextChanged, this, &PrestitiDialog::updateButtons);
    year_->setStepRequest([this](int value, int step) { return dateStep(yearStep(value, step)); });
    month_->setStepRequest(
        [this](int value, int step) { return dateStep(monthStep(value, step)); });
    day_->setStepRequest([this](int value, int step) { return dateStep(dayStep(value, step)); });
    after_->setStepRequest([this](int value, int step) { return afterStep(value, step); });
}

Prestito* PrestitiDialog::lending(int ordinal) const {
    return host().holder().lending(ordinal);
}

void PrestitiDialog::CommitLending() {
    if (current_ >= 0) storeForm(current_);
}

void PrestitiDialog::RefreshLendings() {
    fillRows();
    const int count = host().holder().lendingCount();
    for (int i = 0; i < count; ++i)
        if (const Prestito* each = lending(i)) addName(toEditText(each->person()));
    fitNameList();
}

void PrestitiDialog::CheckDue() {
    checkLendingsDue(host().holder(), today());
}

void PrestitiDialog::tabChanged(int index) {
    if (current_ >= 0) storeForm(current_);
    direction_ = index == 0;
    current_ = -1;
    leftLabel_->setText(direction_ ? l10n::text(msg::IOweTo) : QString());
    rightLabel_->setText(direction_ ? QString() : l10n::text(msg::OwesMe));
    // The form reads "I owe to" the person, or the person "owes me".
    person_->setAccessibleDescription(leftLabel_->text() + rightLabel_->text());
    clearForm();
    fillRows();
    updateButtons();
}

void PrestitiDialog::fillRows() {
    quietList_ = true;
    list_->deleteAllRows();
    const int count = host().holder().lendingCount();
    for (int i = 0; i < count; ++i) {
        const Prestito* each = lending(i);
        if (each && each->iOwe() == direction_) insertRow(i);
    }
    // The lending the form still shows stays selected, so that "Remove" finds it.
    if (current_ >= 0) list_->selectRow(list_->rowOfItemData(current_));
    quietList_ = false;
}

void PrestitiDialog::insertRow(int ordinal) {
    const Prestito* each = lending(ordinal);
    list_->insertRow(toEditText(each->person()), each->active() ? kArmedImage : kDisarmedImage,
                     ordinal);
}

void PrestitiDialog::addName(const QString& name) {
    if (name.isEmpty()) return;
    // A name that begins a name already offered is not added again.
    for (int i = 0; i < person_->count(); ++i)
        if (person_->itemText(i).startsWith(name, Qt::CaseInsensitive)) return;
    int at = 0;
    while (at < person_->count() && person_->itemText(at).compare(name, Qt::CaseInsensitive) <= 0)
        ++at;
    // Filling the list must not change what the person field shows.
    const QString typed = person_->currentText();
    person_->insertItem(at, name);
    person_->setCurrentIndex(-1);
    person_->setEditText(typed);
}

void PrestitiDialog::fitNameList() {
    QAbstractItemView* names = person_->view();
    const int scrollBar = names->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    names->setMinimumWidth(names->sizeHintForColumn(0) + 2 * names->frameWidth() + scrollBar);
}

void PrestitiDialog::clearForm() {
    object_->clear();
    person_->setCurrentIndex(-1);
    person_->setEditText(QString());
    showDate(splitDate(today()), false);
    const Options& options = host().options();
    after_->setStoredValue(options.lendingDaysAfter);
    sound_->setChecked(options.defaultSound);
}

void PrestitiDialog::loadForm(int ordinal) {
    const Prestito* shownLending = lending(ordinal);
    if (!shownLending) return;
    loadedObject_ = toEditText(shownLending->text());
    loadedPerson_ = toEditText(shownLending->person());
    object_->setPlainText(loadedObject_);
    person_->setEditText(loadedPerson_);
    after_->setStoredValue(shownLending->daysAfter());
    sound_->setChecked(shownLending->sound());
    // A record without a valid date shows an empty date; its steps start from today.
    const bool dateless = shownLending->date() == 0;
    showDate(splitDate(dateless ? today() : shownLending->date()), dateless);
}

void PrestitiDialog::showDate(const DayMonthYear& date, bool blank) {
    year_->setValue(date.year);
    month_->setValue(date.month);
    setDayRange(date.month, year_->value());
    day_->setValue(date.day);
    for (Stepper* part : {day_, month_, year_})
        part->setBlank(blank);
}

bool PrestitiDialog::dateStep(bool accepted) {
    // The first step into an empty date shows the whole date it starts from.
    if (accepted && day_->isBlank())
        for (Stepper* part : {day_, month_, year_})
            part->setBlank(false);
    return accepted;
}

QString PrestitiDialog::dateText(Date date) {
    return l10n::numericDate(date);
}

void PrestitiDialog::storeForm(int ordinal) {
    Prestito* stored = lending(ordinal);
    if (!stored) return;
    // Only what the user changed is stored: a record merely looked at keeps its bytes (an old
    // file's texts, a missing date) as they are.
    const QString object = object_->toPlainText();
    if (ordinal != current_ || object != loadedObject_)
        stored->setText(fromEditText(object, kTextBytes));
    if (ordinal != current_ || personText() != loadedPerson_)
        stored->setPerson(fromEditText(personText(), kPersonBytes));
    if (!day_->isBlank()) stored->setDate(formDate());
    stored->setIOwe(direction_);
    // A day count the field cannot show stays as stored until the user changes it.
    if (!after_->isBlank()) stored->setDaysAfter(static_cast<std::int16_t>(after_->value()));
    stored->setSound(sound_->isChecked());
    addName(toEditText(stored->person()));
    fitNameList();
    // Its date and object show in the list at once, in a row as high as they need.
    list_->cellsChanged();
}

// The day control only offers the days of the month shown; a day beyond them is brought back
// to the month's last day, so the form always holds a real date.
void PrestitiDialog::setDayRange(int month, int year) {
    day_->setRange(1, daysInMonth(month, year));
}

Date PrestitiDialog::formDate() const {
    return makeDate(day_->value(), month_->value(), year_->value());
}

QString PrestitiDialog::personText() const {
    return person_->currentText();
}

void PrestitiDialog::updateButtons() {
    add_->setEnabled(!object_->toPlainText().isEmpty() && !personText().isEmpty() &&
                     current_ == -1);
    remove_->setEnabled(current_ >= 0);
    new_->setEnabled(current_ >= 0);
}

void PrestitiDialog::rowSelected(int row) {
    if (quietList_) return;
    if (current_ >= 0) storeForm(current_);
    current_ = list_->itemData(row);
    loadForm(current_);
    updateButtons();
}

void PrestitiDialog::addLending() {
    auto made = std::make_unique<Prestito>();
    made->setDisplayState(Hidden);
    made->setActive(false);
    made->setIOwe(direction_);
    Prestito* added = made.get();
    PostItHolder& records = host().holder();
    if (!records.addLending(std::move(made))) {
        host().messages().showMessage(nullptr, l10n::text(msg::NoSpaceLending),
                                      l10n::text(msg::Error), box::Capacity);
        return;
    }
    host().attachNew(added);
    const int ordinal = records.ordinalOf(added);
    storeForm(ordinal);
    list_->insertRow(toEditText(added->person()), kDisarmedImage, ordinal);
    clearForm();
    updateButtons();
}

void PrestitiDialog::removeLending() {
    const int row = list_->selectedRow();
    if (row < 0) return;
    const Answer answer = host().messages().showMessage(nullptr, l10n::text(msg::RemoveLending),
                                                        l10n::text(msg::Warning), box::Removal);
    if (answer != Answer::Yes) return;
    const int ordinal = list_->itemData(row);
    if (Prestito* removed = lending(ordinal)) {
        host().detach(removed);
        host().holder().removeLending(ordinal);
    }
    current_ = -1;
    list_->deleteRow(row);
    clearForm();
    fillRows();
    updateButtons();
}

void PrestitiDialog::newLending() {
    // What was typed into the current lending and not yet stored is dropped.
    clearForm();
    current_ = -1;
    const int row = list_->selectedRow();
    if (row >= 0) list_->deselectRow(row);
    updateButtons();
}

void PrestitiDialog::soundClicked() {
    if (Prestito* shownLending = current_ >= 0 ? lending(current_) : nullptr)
        shownLending->setSound(sound_->isChecked());
}

void PrestitiDialog::toggleArmed(int row) {
    if (row < 0) return;
    const int ordinal = list_->itemData(row);
    if (ordinal < 0 || ordinal >= host().holder().lendingCount()) return;
    Prestito* toggled = lending(ordinal);
    toggled->setActive(!toggled->active());
}

bool PrestitiDialog::yearStep(int value, int step) {
    const int year = value + step;
    if (year < kFirstYear || year > kLastYear) return false;
    setDayRange(month_->value(), year);
    return true;
}

bool PrestitiDialog::monthStep(int value, int step) {
    const MonthStep next = ::monthStep(value, step, year_->value());
    if (next.wraps) {
        // Into the year before or after, unless that year can't be shown.
        if (next.year < kFirstYear || next.year > kLastYear) return false;
        month_->setValue(next.from);
        year_->setValue(next.year);
    }
    setDayRange(next.month, year_->value());
    return true;
}

bool PrestitiDialog::dayStep(int value, int step) {
    const int day = value + step;
    return day >= 1 && day <= daysInMonth(month_->value(), year_->value());
}

bool PrestitiDialog::afterStep(int value, int step) {
    const int days = value + step;
    if (days < 0 || days > kMaxDays) return false;
    if (Prestito* shownLending = current_ >= 0 ? lending(current_) : nullptr)
        shownLending->setDaysAfter(static_cast<std::int16_t>(days));
    return true;
}
