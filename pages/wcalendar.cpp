#include "pages/wcalendar.h"

#include "look/images.h"
#include "look/l10n.h"
#include "model/catalogue.h"
#include "pages/calendaraccessible.h"
#include "resources/pictures.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace {

constexpr int kFontPixels = 8;
constexpr int kHeaderPadding = 4;
constexpr int kWeek = 7;

constexpr const char* kDayNames[] = {
    QT_TRANSLATE_NOOP("WCalendar", "Monday"),    QT_TRANSLATE_NOOP("WCalendar", "Tuesday"),
    QT_TRANSLATE_NOOP("WCalendar", "Wednesday"), QT_TRANSLATE_NOOP("WCalendar", "Thursday"),
    QT_TRANSLATE_NOOP("WCalendar", "Friday"),    QT_TRANSLATE_NOOP("WCalendar", "Saturday"),
    QT_TRANSLATE_NOOP("WCalendar", "Sunday"),
};

} // namespace

WCalendar::WCalendar(QWidget* parent, QWidget* placeholderControl, int controlId)
    : QWidget(parent), placeholder(placeholderControl), placeholderId(controlId) {
    const DayMonthYear now = splitDate(today());
    current = makeDate(now.day, now.month, now.year);
    for (CalendarMark& mark : marks)
        mark.date = current;
    cursorDay_ = now.day;
    setGeometry(0, 0, 10, 10);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    installCalendarAccessibility();
}

WCalendar::MonthLayout WCalendar::monthLayout() const {
    const DayMonthYear shown = splitDate(current);
    return {weekday(makeDate(1, shown.month, shown.year)), daysInMonth(shown.month, shown.year)};
}

Date WCalendar::dateOfDay(int day) const {
    const DayMonthYear shown = splitDate(current);
    return makeDate(day, shown.month, shown.year);
}

QRect WCalendar::dayRect(int day) const {
    const int p = day + monthLayout().firstWeekday - 2;
    const int column = p % 7;
    const int row = p / 7;
    const int w = colWidth();
    const int h = rowHeight();
    return QRect(QPoint(column * w, row * h + headerHeight),
                 QPoint((column + 1) * w - 1, (row + 1) * h + headerHeight - 1));
}

int WCalendar::dayAt(QPoint point) const {
    const QRect grid(QPoint(0, headerHeight), QPoint(width() - 1, height() - 1));
    if (!grid.contains(point) || colWidth() == 0 || rowHeight() == 0) return -1;
    const int column = point.x() / colWidth();
    const int row = (point.y() - headerHeight) / rowHeight();
    // The few pixels right of Sunday and below the last row belong to no day, not to the
    // first day of the next row.
    if (column >= 7 || row >= 6) return -1;
    const MonthLayout layout = monthLayout();
    const int day = row * 7 + column - layout.firstWeekday + 2;
    return day >= 1 && day <= layout.dayCount ? day : -1;
}

void WCalendar::SetMonth(int year, int month) {
    const Date first = makeDate(1, month, year);
    if (first == kNoDate) return;
    current = first;
    selectedDay = -1;
    cursorDay_ = std::min(cursorDay_, dayCount());
    repaint();
    if (hasFocus()) dayChanged(cursorDay_, false);
}

void WCalendar::ClearMarks() {
    markCount_ = 0;
    update();
}

const CalendarMark* WCalendar::markFor(Date date) const {
    for (int i = 0; i < markCount_; ++i)
        if (marks[static_cast<std::size_t>(i)].date == date)
            return &marks[static_cast<std::size_t>(i)];
    return nullptr;
}

void WCalendar::repaintDay(Date date) {
    repaint(dayRect(splitDate(date).day));
    if (dateOfDay(splitDate(date).day) == date) dayChanged(splitDate(date).day);
}

void WCalendar::dayChanged(int day, bool stateChanged) {
    QAccessibleInterface* cell = accessibleDay(this, day);
    if (!cell) return;
    if (stateChanged) {
        QAccessible::State changed;
        changed.selected = true;
        changed.checked = true;
        QAccessibleStateChangeEvent states(cell, changed);
        QAccessible::updateAccessibility(&states);
        QAccessibleEvent name(cell, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&name);
    }
    if (hasFocus() && day == cursorDay_) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

QString WCalendar::weekdayName(int weekday) {
    return weekday >= 1 && weekday <= kWeek ? tr(kDayNames[weekday - 1]) : QString();
}

QString WCalendar::dayName(int day) const {
    const Date date = dateOfDay(day);
    const DayMonthYear parts = splitDate(date);
    QString name = tr("%1 %2 %3 %4")
                       .arg(weekdayName(weekday(date)), QString::number(parts.day),
                            l10n::monthName(parts.month), QString::number(parts.year));
    if (const CalendarMark* mark = markFor(date)) {
        name += tr(", reminder: %1").arg(reminderText_ ? reminderText_(date) : QString());
        name += mark->flag == 1 ? tr(", armed") : tr(", disarmed");
    }
    return name;
}

void WCalendar::AddMark(Date date, std::uint8_t flag) {
    if (markCount_ >= MaxMarks) return;
    marks[static_cast<std::size_t>(markCount_++)] = {date, flag};
    repaintDay(date);
}

void WCalendar::RemoveMark(Date date) {
    // Every mark of the date goes, also one that moves into a freed place.
    for (int i = 0; i < markCount_;) {
        if (marks[static_cast<std::size_t>(i)].date != date) {
            ++i;
            continue;
        }
        for (int k = i; k + 1 < markCount_; ++k)
            marks[static_cast<std::size_t>(k)] = marks[static_cast<std::size_t>(k + 1)];
        --markCount_;
    }
    repaintDay(date);
}

void WCalendar::ToggleMark(Date date) {
    for (int i = 0; i < markCount_; ++i)
        if (marks[static_cast<std::size_t>(i)].date == date)
            marks[static_cast<std::size_t>(i)].flag ^= 1;
    repaintDay(date);
}

void WCalendar::ClearSelection() {
    if (selectedDay == -1) return;
    const QRect cell = dayRect(selectedDay);
    const int was = selectedDay;
    selectedDay = -1;
    repaint(QRegion(cell) + selectedRect);
    selectedRect = cell;
    dayChanged(was);
}

QFont WCalendar::calendarFont() const {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(kFontPixels);
    return font;
}

void WCalendar::paintEvent(QPaintEvent*) {
    if (!positioned && placeholder) {
        // The calendar stands where the page's placeholder stands, once, at its first paint.
        positioned = true;
        setGeometry(placeholder->geometry());
        raise();
        update();
        return;
    }
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(palette().button());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    painter.setFont(calendarFont());
    const QFontMetrics metrics(painter.font());
    const int w = colWidth();
    for (int i = 0; i < 7; ++i) {
        const QString label = l10n::weekDayName(i + 1);
        const int cx = metrics.horizontalAdvance(label);
        const int cy = metrics.height();
        headerHeight = cy + kHeaderPadding;
        painter.drawText(QRect(i * w + (w - cx) / 2, (headerHeight - cy) / 2, cx, cy),
                         Qt::AlignLeft | Qt::AlignTop, label);
    }

    const MonthLayout layout = monthLayout();
    for (int day = 1; day <= layout.dayCount; ++day) {
        const int p = day + layout.firstWeekday - 2;
        drawDay(painter, day, p % 7, p / 7);
    }
    if (hasFocus() && cursorDay_ <= layout.dayCount) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = dayRect(cursorDay_).adjusted(1, 1, -1, -1);
        frame.backgroundColor = palette().base().color();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

void WCalendar::drawDay(QPainter& painter, int day, int column, int row) const {
    const int w = colWidth();
    const int h = rowHeight();
    const int left = column * w;
    const int top = row * h + headerHeight;
    painter.setPen(Qt::black);
    painter.setBrush(palette().base());
    painter.drawRect(left, top, w - 1, h - 1);

    const QString number = QString::number(day);
    const QFontMetrics metrics(painter.font());
    const int cx = metrics.horizontalAdvance(number);
    const int cy = metrics.height();
    const QRect textRect(left + 2 * (w / 2) - cx - 2, top + (h - cy) / 2, cx, cy);
    painter.fillRect(textRect, day == selectedDay ? palette().highlight() : palette().base());
    painter.setPen(column == 6 ? QColor(255, 0, 0) : QColor(0, 0, 0));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop, number);

    if (const CalendarMark* mark = markFor(dateOfDay(day))) {
        // The note is stretched over the left half of the cell.
        const QRect place(left + 2, top + 2, w / 2 - 4, h - 4);
        if (!place.isEmpty())
            painter.drawPixmap(
                place,
                Images::pixmap(mark->flag == 1 ? kNoteShownIcon : kNoteHiddenIcon, place.size()));
    }
}

void WCalendar::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    const QPoint point = event->position().toPoint();
    const int day = dayAt(point);
    if (day < 0) return;
    moveCursor(day);
    if (point.x() % colWidth() > colWidth() / 2)
        selectDay(day);
    else
        clickMark(day);
}

void WCalendar::selectDay(int day) {
    if (day < 1 || day > dayCount()) return;
    const int was = selectedDay;
    selectedDay = day;
    const QRect cell = dayRect(day);
    repaint(cell);
    repaint(selectedRect);
    selectedRect = cell;
    if (was != day) dayChanged(was);
    dayChanged(day);
    emit daySelected(day);
}

void WCalendar::clickMark(int day) {
    if (day < 1 || day > dayCount()) return;
    clickedDay = day;
    emit markClicked(day);
}

void WCalendar::moveCursor(int day) {
    const Date shown = current;
    const int days = dayCount();
    if (day < 1 || day > days) {
        emit monthStepRequested(day < 1 ? -1 : 1);
        if (current == shown) return; // the page stays on this month
        day = day < 1 ? dayCount() + day : day - days;
    }
    const int was = cursorDay_;
    cursorDay_ = std::clamp(day, 1, dayCount());
    if (hasFocus()) { // only then is the keyboard's day framed
        update(dayRect(was));
        update(dayRect(cursorDay_));
    }
    if (was != cursorDay_ || current != shown) dayChanged(cursorDay_, false);
}

void WCalendar::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool plain = mods == Qt::NoModifier;
    switch (event->key()) {
    case Qt::Key_Left:
        if (plain) return moveCursor(cursorDay_ - 1);
        break;
    case Qt::Key_Right:
        if (plain) return moveCursor(cursorDay_ + 1);
        break;
    case Qt::Key_Up:
        if (plain) return moveCursor(cursorDay_ - kWeek);
        break;
    case Qt::Key_Down:
        if (plain) return moveCursor(cursorDay_ + kWeek);
        break;
    case Qt::Key_Home:
        if (plain) return moveCursor(1);
        break;
    case Qt::Key_End:
        if (plain) return moveCursor(dayCount());
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (!plain) break;
        emit monthStepRequested(event->key() == Qt::Key_PageUp ? -1 : 1);
        return;
    case Qt::Key_Space:
        if (mods == Qt::ControlModifier) return clickMark(cursorDay_);
        if (plain) return selectDay(cursorDay_);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        if (plain) return selectDay(cursorDay_);
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void WCalendar::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update(dayRect(cursorDay_));
    dayChanged(cursorDay_, false);
}

void WCalendar::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update(dayRect(cursorDay_));
}
