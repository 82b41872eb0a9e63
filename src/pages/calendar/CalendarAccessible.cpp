#include "pages/calendar/CalendarAccessible.h"
#include "kit/Announce.h"
#include "pages/calendar/CCalendar.h"

#include <QAccessibleWidget>
#include <array>

namespace pages {
namespace {

// Children are the grid's cells row by row: the seven day names, then the six week rows.
constexpr int cellCount = TCCalendar::ColCount * TCCalendar::RowCount;

int childIndex(int col, int row) {
    return row * TCCalendar::ColCount + col;
}

class CalendarTable;

// One cell of the grid: a day-name column header, a day, or a blank cell (empty, no name).
class CalendarCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CalendarCell(CalendarTable* table, int col, int row)
        : table_(table)
        , col_(col)
        , row_(row) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override {
        return row_ == 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override {
        // The day names are headers of the table, not cells of it.
        if (t == QAccessible::TableCellInterface && row_ > 0)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return col_; }
    int rowIndex() const override { return row_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

    int col() const { return col_; }
    int row() const { return row_; }
    const CalendarTable* owner() const { return table_; }

private:
    TCCalendar* calendar() const;
    CalendarTable* table_;
    int col_;
    int row_;
};

class CalendarTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CalendarTable(TCCalendar* calendar)
        : QAccessibleWidget(calendar, QAccessible::Table) {}
    ~CalendarTable() override {
        for (QAccessible::Id id : ids_)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }

    TCCalendar* calendar() const { return static_cast<TCCalendar*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // Named by the month and year it shows, unless the window names it.
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            QString name = widget()->accessibleName();
            if (name.isEmpty()) {
                const QDate date = calendar()->CalendarDate();
                name = TCCalendar::CalendarLocale().standaloneMonthName(date.month()) + u' ' +
                       QString::number(date.year());
            }
            return name;
        }
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return cellCount; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= cellCount)
            return nullptr;
        return cell(index % TCCalendar::ColCount, index / TCCalendar::ColCount);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (auto* c = dynamic_cast<const CalendarCell*>(child); c && c->owner() == this)
            return childIndex(c->col(), c->row());
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        int col = 0, row = 0;
        if (calendar()->MouseToCell(calendar()->mapFromGlobal(QPoint(x, y)), col, row))
            return cell(col, row);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (!calendar()->hasFocus())
            return nullptr;
        return cell(calendar()->Col(), calendar()->Row());
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return cell(column, row + 1);
    }
    int selectedCellCount() const override { return 1; }
    QList<QAccessibleInterface*> selectedCells() const override {
        return {cell(calendar()->Col(), calendar()->Row())};
    }
    QString columnDescription(int column) const override {
        if (column < 0 || column >= columnCount())
            return {};
        return cell(column, 0)->text(QAccessible::Name);
    }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return TCCalendar::ColCount; }
    int rowCount() const override { return TCCalendar::RowCount - 1; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // One day is chosen at a time, and only by moving the current cell.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // Cells read the calendar when asked, so a new month needs nothing rebuilt.
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    QAccessibleInterface* cell(int col, int row) const {
        QAccessible::Id& id = ids_[childIndex(col, row)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(
                new CalendarCell(const_cast<CalendarTable*>(this), col, row));
        return QAccessible::accessibleInterface(id);
    }

private:
    mutable std::array<QAccessible::Id, cellCount> ids_{};
};

TCCalendar* CalendarCell::calendar() const {
    return table_->calendar();
}

bool CalendarCell::isValid() const {
    return table_->isValid();
}

QWindow* CalendarCell::window() const {
    return table_->window();
}

QAccessibleInterface* CalendarCell::parent() const {
    return table_;
}

QAccessibleInterface* CalendarCell::table() const {
    return table_;
}

QString CalendarCell::text(QAccessible::Text t) const {
    if (t != QAccessible::Name)
        return {};
    const QLocale locale = TCCalendar::CalendarLocale();
    if (row_ == 0) {
        // The full name of the day the abbreviation stands for.
        const int weekday = (calendar()->StartOfWeek() + col_) % 7;
        return locale.dayName(weekday == 0 ? 7 : weekday, QLocale::LongFormat);
    }
    const int day = calendar()->DayAt(col_, row_);
    if (day == 0)
        return {};
    const QDate date = calendar()->CalendarDate();
    return locale.toString(QDate(date.year(), date.month(), day), QLocale::LongFormat);
}

QRect CalendarCell::rect() const {
    const QRect r = calendar()->CellRect(col_, row_);
    return QRect(calendar()->mapToGlobal(r.topLeft()), r.size());
}

bool CalendarCell::isSelected() const {
    return row_ > 0 && calendar()->Col() == col_ && calendar()->Row() == row_;
}

QAccessible::State CalendarCell::state() const {
    QAccessible::State s;
    s.readOnly = true; // nothing is typed into a day
    if (!calendar()->isVisible())
        s.invisible = true;
    if (row_ == 0 || calendar()->DayAt(col_, row_) == 0)
        return s;
    s.selectable = !calendar()->ReadOnly();
    s.focusable = true;
    if (isSelected()) {
        s.selected = true;
        s.focused = calendar()->hasFocus();
    }
    return s;
}

QList<QAccessibleInterface*> CalendarCell::columnHeaderCells() const {
    return {table_->cell(col_, 0)};
}

QAccessibleInterface* calendarFactory(const QString& key, QObject* object) {
    auto* calendar = qobject_cast<TCCalendar*>(object);
    if (calendar && key == QLatin1String(TCCalendar::staticMetaObject.className()))
        return new CalendarTable(calendar);
    return nullptr;
}

bool listening() {
    return kit::announcementsHeard();
}

void deliver(QAccessibleEvent* event) {
    kit::announce(event);
}

void announce(TCCalendar* calendar, QAccessible::Event type, int child = -1) {
    QAccessibleEvent event(calendar, type);
    if (child >= 0)
        event.setChild(child);
    deliver(&event);
}

} // namespace

void installCalendarAccessibility() {
    static const bool installed = (QAccessible::installFactory(calendarFactory), true);
    Q_UNUSED(installed);
}

void announceCalendarLayout(TCCalendar* calendar) {
    if (!listening())
        return;
    QAccessibleTableModelChangeEvent reset(calendar, QAccessibleTableModelChangeEvent::ModelReset);
    deliver(&reset);
    announce(calendar, QAccessible::NameChanged);
}

void announceCalendarCurrent(TCCalendar* calendar) {
    if (!listening())
        return;
    const int child = childIndex(calendar->Col(), calendar->Row());
    if (calendar->hasFocus())
        announce(calendar, QAccessible::Focus, child);
    announce(calendar, QAccessible::Selection, child);
}

} // namespace pages
