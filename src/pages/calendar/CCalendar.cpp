#include "pages/calendar/CCalendar.h"
#include "pages/calendar/CalendarAccessible.h"
#include "platform/Error.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <qdrawutil.h>

namespace pages {

namespace {

QDate fixedToday; // invalid: the clock

void checkYear(int year) {
    if (year < TCCalendar::MinYear || year > TCCalendar::MaxYear)
        throw platform::Error(QStringLiteral("Year %1 is outside the calendar's years %2 to %3")
                                  .arg(year)
                                  .arg(TCCalendar::MinYear)
                                  .arg(TCCalendar::MaxYear));
}

// System colours come from the application, not from the page the control stands on.
QColor systemColor(QPalette::ColorRole role) {
    return QGuiApplication::palette().color(QPalette::Active, role);
}

// Floor division, so that days before the grid's first cell land in rows above it.
int floorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

TCCalendar::TCCalendar(QWidget* parent)
    : QWidget(parent)
    , fixedColor_(systemColor(QPalette::Button)) {
    installCalendarAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    date_ = Today();
    UpdateCalendar();
}

TCCalendar::~TCCalendar() = default;

QDate TCCalendar::Today() {
    return fixedToday.isValid() ? fixedToday : QDate::currentDate();
}

void TCCalendar::SetToday(QDate day) {
    fixedToday = day;
}

QLocale TCCalendar::CalendarLocale() {
    QLocale locale;
    if (locale.language() == QLocale::C)
        return QLocale(QLocale::Polish, QLocale::Poland);
    return locale;
}

void TCCalendar::SetCalendarDate(QDate date) {
    if (!date.isValid())
        throw platform::Error(QStringLiteral("Not a valid date"));
    checkYear(date.year());
    StoreDate(date);
    Change();
}

void TCCalendar::StoreDate(QDate date) {
    date_ = date;
    UpdateCalendar();
}

int TCCalendar::GetDateElement(int index) const {
    switch (index) {
    case 1:
        return date_.year();
    case 2:
        return date_.month();
    case 3:
        return date_.day();
    default:
        return -1;
    }
}

void TCCalendar::SetDateElement(int index, int value) {
    if (value <= 0)
        return;
    int year = date_.year(), month = date_.month(), day = date_.day();
    switch (index) {
    case 1:
        if (value == year)
            return;
        year = value;
        break;
    case 2:
        if (value > 12 || value == month)
            return;
        month = value;
        break;
    case 3:
        if (value > DaysThisMonth() || value == day)
            return;
        day = value;
        break;
    default:
        return;
    }
    checkYear(year);
    const QDate date(year, month, day);
    if (!date.isValid())
        throw platform::Error(
            QStringLiteral("Not a valid date: day %1, month %2, year %3").arg(day).arg(month).arg(year));
    useCurrentDate_ = false;
    StoreDate(date);
    Change();
}

void TCCalendar::SetStartOfWeek(int value) {
    if (value < 1 || value > 7) {
        // Laid out again, so that the day numbers keep standing under their own day names.
        startOfWeek_ = 1;
        UpdateCalendar();
        return;
    }
    if (value == startOfWeek_)
        return;
    startOfWeek_ = value;
    UpdateCalendar();
}

void TCCalendar::SetUseCurrentDate(bool value) {
    if (value == useCurrentDate_)
        return;
    const QDate today = Today();
    if (value)
        checkYear(today.year());
    useCurrentDate_ = value;
    // Moving to today is a date change like any other: the change handler hears of it.
    if (value)
        SetCalendarDate(today);
}

void TCCalendar::SetColor(const QColor& color) {
    color_ = color;
    update();
}

QColor TCCalendar::Color() const {
    return color_.isValid() ? color_ : systemColor(QPalette::Base);
}

void TCCalendar::SetFixedColor(const QColor& color) {
    fixedColor_ = color;
    update();
}

void TCCalendar::ChangeMonth(int delta) {
    const int d0 = date_.day();
    const QDate start = delta < 1 ? QDate(date_.year(), date_.month(), 1)
                                  : QDate(date_.year(), date_.month(), DaysThisMonth());
    const QDate reached = start.addDays(delta);
    if (!reached.isValid())
        throw platform::Error(QStringLiteral("Not a valid date"));
    checkYear(reached.year());
    const int length = DaysPerMonth(reached.year(), reached.month());
    SetCalendarDate(QDate(reached.year(), reached.month(), d0 < length ? d0 : length));
}

void TCCalendar::NextYear() {
    // Checked before the day steps to 28, so that a refused step leaves 29 February alone.
    checkYear(date_.year() + 1);
    if (IsLeapYear(date_.year()) && date_.month() == 2 && date_.day() == 29)
        SetDateElement(3, 28);
    SetDateElement(1, date_.year() + 1);
}

void TCCalendar::PrevYear() {
    if (IsLeapYear(date_.year()) && date_.month() == 2 && date_.day() == 29)
        SetDateElement(3, 28);
    SetDateElement(1, date_.year() - 1);
}

void TCCalendar::Change() {
    if (onChange_)
        onChange_(*this);
}

int TCCalendar::DaysThisMonth() const {
    return DaysPerMonth(date_.year(), date_.month());
}

bool TCCalendar::IsLeapYear(int year) const {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int TCCalendar::DaysPerMonth(int year, int month) const {
    static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return lengths[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

void TCCalendar::UpdateCalendar() {
    updating_ = true;
    const QDate first(date_.year(), date_.month(), 1);
    const int w = first.dayOfWeek() % 7 + 1; // 1 = Sunday ... 7 = Saturday
    monthOffset_ = 2 - ((w - startOfWeek_ + 7) % 7);
    if (monthOffset_ == 2)
        monthOffset_ = -5;
    const bool newLayout = first != shownMonth_ || startOfWeek_ != shownStartOfWeek_;
    shownMonth_ = first;
    shownStartOfWeek_ = startOfWeek_;
    if (newLayout)
        announceCalendarLayout(this);
    const int k = date_.day() - monthOffset_;
    if (!MoveCurrent(k % 7, k / 7 + 1) && newLayout)
        announceCalendarCurrent(this); // the same cell now stands for another day
    update();
    updating_ = false;
}

QString TCCalendar::GetCellText(int col, int row) const {
    if (col < 0 || col >= ColCount || row < 0 || row >= RowCount)
        return {};
    if (row == 0) {
        const int weekday = (startOfWeek_ + col) % 7; // 0 = Sunday
        const int qtDay = weekday == 0 ? 7 : weekday; // 1 = Monday ... 7 = Sunday
        return CalendarLocale().dayName(qtDay, QLocale::ShortFormat);
    }
    const int n = DayAt(col, row);
    return n > 0 ? QString::number(n) : QString();
}

int TCCalendar::DayAt(int col, int row) const {
    if (col < 0 || col >= ColCount || row < 1 || row >= RowCount)
        return 0;
    const int n = monthOffset_ + col + (row - 1) * 7;
    return n >= 1 && n <= DaysThisMonth() ? n : 0;
}

QRect TCCalendar::CellRect(int col, int row) const {
    if (col < 0 || col >= ColCount || row < 0 || row >= RowCount)
        return {};
    const int width = DefaultColWidth(), height = DefaultRowHeight();
    return {BorderWidth + col * (width + GridLineWidth), BorderWidth + row * (height + GridLineWidth), width,
            height};
}

bool TCCalendar::MouseToCell(QPoint point, int& col, int& row) const {
    for (int r = 0; r < RowCount; ++r)
        for (int c = 0; c < ColCount; ++c)
            if (CellRect(c, r).contains(point)) {
                col = c;
                row = r;
                return true;
            }
    return false;
}

bool TCCalendar::SelectCell(int col, int row) {
    if (readOnly_ && !updating_)
        return false;
    if (row < 1 || row >= RowCount || col < 0 || col >= ColCount) // the day names are never current
        return false;
    return !GetCellText(col, row).isEmpty();
}

bool TCCalendar::MoveCurrent(int col, int row) {
    if (!SelectCell(col, row))
        return false;
    if (col == col_ && row == row_)
        return false;
    col_ = col;
    row_ = row;
    update();
    announceCalendarCurrent(this);
    return true;
}

void TCCalendar::UserMove(int col, int row) {
    if (MoveCurrent(col, row))
        Click();
}

void TCCalendar::Click() {
    const QString text = GetCellText(col_, row_);
    if (!text.isEmpty())
        SetDateElement(3, text.toInt());
}

void TCCalendar::DrawCell(QPainter& painter, int col, int row, const QRect& rect, int state) {
    QColor background = Color(), foreground = systemColor(QPalette::Text);
    if (state & Fixed) {
        background = fixedColor_;
        foreground = systemColor(QPalette::ButtonText);
    } else if (state & Selected) {
        background = systemColor(QPalette::Highlight);
        foreground = systemColor(QPalette::HighlightedText);
    }
    painter.fillRect(rect, background);
    const QString text = GetCellText(col, row);
    if (text.isEmpty())
        return;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(font());
    painter.setPen(foreground);
    const QFontMetrics metrics(font());
    // Halves truncated toward zero, as integer division does.
    const int x = rect.left() + (rect.width() - metrics.horizontalAdvance(text)) / 2;
    const int y = rect.top() + (rect.height() - metrics.height()) / 2;
    painter.drawText(x, y + metrics.ascent(), text);
    painter.restore();
}

void TCCalendar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), QGuiApplication::palette(), true);
    const QRect client = rect().adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
    painter.setClipRect(client);
    painter.fillRect(client, Color()); // beyond the last column and row
    const QColor raised = systemColor(QPalette::Light), sunken = systemColor(QPalette::Dark);
    for (int row = 0; row < RowCount; ++row) {
        for (int col = 0; col < ColCount; ++col) {
            const QRect cell = CellRect(col, row);
            int state = Normal;
            if (row == 0)
                state |= Fixed;
            else if (col == col_ && row == row_)
                state |= Selected | (hasFocus() ? Focused : 0);
            painter.save();
            DrawCell(painter, col, row, cell, state);
            painter.restore();
            if (state & Fixed) {
                // The day names stand on raised buttons.
                painter.fillRect(QRect(cell.left(), cell.top(), cell.width(), 1), raised);
                painter.fillRect(QRect(cell.left(), cell.top(), 1, cell.height()), raised);
                painter.fillRect(QRect(cell.left(), cell.bottom(), cell.width(), 1), sunken);
                painter.fillRect(QRect(cell.right(), cell.top(), 1, cell.height()), sunken);
            }
            // Grid lines after each cell: black round the day names, silver between the days.
            const QColor line = row == 0 ? QColor(Qt::black) : QColor(0xc0, 0xc0, 0xc0);
            painter.fillRect(
                QRect(cell.right() + 1, cell.top(), GridLineWidth, cell.height() + GridLineWidth), line);
            painter.fillRect(
                QRect(cell.left(), cell.bottom() + 1, cell.width() + GridLineWidth, GridLineWidth), line);
            if (state & Focused) {
                // A dotted frame that inverts what lies beneath, one pixel in two.
                painter.save();
                painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
                painter.setPen(Qt::white);
                for (int x = cell.left(); x <= cell.right(); x += 2) {
                    painter.drawPoint(x, cell.top());
                    painter.drawPoint(x, cell.bottom());
                }
                for (int y = cell.top() + 2; y < cell.bottom(); y += 2) {
                    painter.drawPoint(cell.left(), y);
                    painter.drawPoint(cell.right(), y);
                }
                painter.restore();
            }
        }
    }
}

int TCCalendar::DefaultColWidth() const {
    return std::max(0, (width() - 2 * BorderWidth - 6 * GridLineWidth) / 7);
}

int TCCalendar::DefaultRowHeight() const {
    return std::max(0, (height() - 2 * BorderWidth - 6 * GridLineWidth) / 7);
}

void TCCalendar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    int col = 0, row = 0;
    if (MouseToCell(event->position().toPoint(), col, row))
        UserMove(col, row);
}

void TCCalendar::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Keys move the current cell within the month, day by day, week by week, or to the
    // month's first and last day; a move onto a blank cell or the day names is refused.
    const int day = DayAt(col_, row_);
    const int length = DaysThisMonth();
    int target = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        target = day - 1;
        break;
    case Qt::Key_Right:
        target = day + 1;
        break;
    case Qt::Key_Up:
        target = day - 7;
        break;
    case Qt::Key_Down:
        target = day + 7;
        break;
    case Qt::Key_Home:
        target = 1;
        break;
    case Qt::Key_End:
        target = length;
        break;
    case Qt::Key_PageUp: // the same weekday in the month's first week
        target = day - 7 * ((day - 1) / 7);
        break;
    case Qt::Key_PageDown: // the same weekday in the month's last week
        target = day + 7 * ((length - day) / 7);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    const int k = target - monthOffset_;
    const int row = floorDiv(k, 7) + 1, col = k - floorDiv(k, 7) * 7;
    if (row >= 0 && row < RowCount)
        UserMove(col, row);
}

void TCCalendar::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    announceCalendarCurrent(this);
}

void TCCalendar::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void TCCalendar::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        update();
}

QWidget* makeCalendar(QWidget* parent) {
    return new TCCalendar(parent);
}

} // namespace pages
