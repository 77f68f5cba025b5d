#include "pages/wcalendar.h"

#include "model/catalogue.h"
#include "resources/pictures.h"
#include "stickum/images.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kFontPixels = 8;
constexpr int kHeaderPadding = 4;

} // namespace

WCalendar::WCalendar(QWidget* parent, QWidget* placeholderControl, int controlId)
    : QWidget(parent), placeholder(placeholderControl), placeholderId(controlId) {
    const DayMonthYear now = splitDate(today());
    current = makeDate(now.day, now.month, now.year);
    for (CalendarMark& mark : marks)
        mark.date = current;
    setGeometry(0, 0, 10, 10);
    setAttribute(Qt::WA_OpaquePaintEvent);
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
    repaint();
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
    selectedDay = -1;
    repaint(QRegion(cell) + selectedRect);
    selectedRect = cell;
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
        const QString label = QString::fromLatin1(msg::WeekDays[i]);
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
    if (point.x() % colWidth() > colWidth() / 2) {
        selectedDay = day;
        const QRect cell = dayRect(day);
        repaint(cell);
        repaint(selectedRect);
        selectedRect = cell;
        emit daySelected(day);
    } else {
        clickedDay = day;
        emit markClicked(day);
    }
}
