#pragma once
// The month calendar: a grid of seven columns and seven rows that paints itself, a row of
// short day names over six rows of day numbers. Cells before the first and after the last day
// of the month stay blank; nothing in the control changes the month unless asked to.
#include <QColor>
#include <QDate>
#include <QLocale>
#include <QWidget>
#include <functional>

namespace pages {

class TCCalendar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Day READ Day WRITE SetDay)
    Q_PROPERTY(int Month READ Month WRITE SetMonth)
    Q_PROPERTY(int Year READ Year WRITE SetYear)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(int StartOfWeek READ StartOfWeek WRITE SetStartOfWeek)
    Q_PROPERTY(bool UseCurrentDate READ UseCurrentDate WRITE SetUseCurrentDate)
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)

public:
    static constexpr int ColCount = 7;
    static constexpr int RowCount = 7; // the day-name row and six week rows
    static constexpr int GridLineWidth = 1;
    static constexpr int BorderWidth = 2; // the sunken single border
    // The years a date can hold; beyond them a date is refused with an error.
    static constexpr int MinYear = 1;
    static constexpr int MaxYear = 9999;

    // The handler receives the calendar that changed.
    using ChangeHandler = std::function<void(TCCalendar& sender)>;

    explicit TCCalendar(QWidget* parent = nullptr);
    ~TCCalendar() override;

    // The current day, asked for wherever the calendar needs it. Tests fix it with SetToday;
    // an invalid date gives the clock back.
    static QDate Today();
    static void SetToday(QDate day);

    // The locale of the day names and of the dates read aloud: the user's, or Polish where the
    // system has no locale of its own (the C locale).
    static QLocale CalendarLocale();

    QDate CalendarDate() const { return date_; }
    // Stores the date, lays out its month and calls Change; UseCurrentDate stays as it is.
    // A date outside MinYear..MaxYear raises platform::Error and changes nothing.
    void SetCalendarDate(QDate date);

    int Day() const { return GetDateElement(3); }
    int Month() const { return GetDateElement(2); }
    int Year() const { return GetDateElement(1); }
    void SetDay(int value) { SetDateElement(3, value); }
    void SetMonth(int value) { SetDateElement(2, value); }
    void SetYear(int value) { SetDateElement(1, value); }

    // 1 the year, 2 the month, 3 the day; any other index -1.
    int GetDateElement(int index) const;
    // Sets the year (1), month (2) or day (3). A value of 0 or less, a month above 12, a day
    // beyond this month, an unknown index or the value already held change nothing. A value
    // that makes no valid date raises platform::Error and changes nothing.
    void SetDateElement(int index, int value);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    int StartOfWeek() const { return startOfWeek_; }
    void SetStartOfWeek(int value);
    bool UseCurrentDate() const { return useCurrentDate_; }
    void SetUseCurrentDate(bool value);
    void SetOnChange(ChangeHandler handler) { onChange_ = std::move(handler); }

    // Cell colour (the window colour unless set), fixed-row colour (button face).
    QColor Color() const;
    void SetColor(const QColor& color);
    QColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(const QColor& color);

    // The day number the cell in row 1, column 0 would hold: -5 to 1.
    int MonthOffset() const { return monthOffset_; }
    bool Updating() const { return updating_; }
    int Col() const { return col_; }
    int Row() const { return row_; }
    // Cell sizes follow the client size: what is left after six grid lines, in sevenths.
    int DefaultColWidth() const;
    int DefaultRowHeight() const;
    // Where a cell lies in the control; an empty rectangle outside the grid.
    QRect CellRect(int col, int row) const;
    // The cell under a point of the control; false outside every cell.
    bool MouseToCell(QPoint point, int& col, int& row) const;

    // Day name for row 0, day number or nothing for the week rows.
    QString GetCellText(int col, int row) const;
    // The day a week-row cell stands for, 0 for a blank cell or the day-name row.
    int DayAt(int col, int row) const;

    void ChangeMonth(int delta);
    void PrevMonth() { ChangeMonth(-1); }
    void NextMonth() { ChangeMonth(1); }
    void PrevYear();
    void NextYear();

    virtual void Change();
    virtual int DaysThisMonth() const;
    virtual bool IsLeapYear(int year) const;
    // Lays out the month of the date and makes its day the current cell.
    virtual void UpdateCalendar();
    virtual int DaysPerMonth(int year, int month) const;

    QSize sizeHint() const override { return {225, 153}; }

protected:
    enum DrawState { Normal = 0, Fixed = 1, Selected = 2, Focused = 4 };
    virtual void DrawCell(QPainter& painter, int col, int row, const QRect& rect, int state);
    // Whether the current cell may move to (col, row).
    virtual bool SelectCell(int col, int row);
    // Run after the user has moved the current cell.
    virtual void Click();

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Moves the current cell if SelectCell allows it; true when it moved.
    bool MoveCurrent(int col, int row);
    // The user asks for another cell: moved, then picked.
    void UserMove(int col, int row);
    void StoreDate(QDate date);

    QDate date_;
    int monthOffset_ = 1;
    bool readOnly_ = false;
    int startOfWeek_ = 1;
    bool updating_ = false;
    bool useCurrentDate_ = true;
    ChangeHandler onChange_;
    QColor color_;
    QColor fixedColor_;
    int col_ = 0;
    int row_ = 1;
    // What the grid showed when it was last laid out, to tell screen readers of a new month.
    QDate shownMonth_;
    int shownStartOfWeek_ = 0;
};

// The calendar at its defaults, for a layout row of its own.
QWidget* makeCalendar(QWidget* parent);

} // namespace pages
