// The month calendar: month layouts, calendar arithmetic, date elements and steps, the
// refusals of mouse and keys, its drawing and what a screen reader is told.
#include "Support.h"
#include "kit/Announce.h"
#include "pages/calendar/CCalendar.h"
#include "pages/calendar/CalendarAccessible.h"
#include "platform/Error.h"
#include "platform/Fonts.h"
#include "platform/Guarded.h"

#include <QAccessible>
#include <QLineEdit>
#include <QVBoxLayout>
#include <memory>

using pages::TCCalendar;

namespace {

// A calendar as the transfers page holds it: 225 x 153, white cells, weeks from Monday.
struct Fixture {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    TCCalendar* calendar = new TCCalendar(window.get());
    int changes = 0;

    explicit Fixture(QDate date = {}) {
        calendar->setFont(platform::windowFont());
        calendar->setGeometry(0, 0, 225, 153);
        calendar->SetColor(Qt::white);
        if (date.isValid())
            calendar->SetCalendarDate(date);
        calendar->SetOnChange([this](TCCalendar&) { ++changes; });
    }
    void show() {
        window->resize(260, 200);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        calendar->setFocus();
        QVERIFY(calendar->hasFocus());
    }
    QPoint centre(int col, int row) const { return calendar->CellRect(col, row).center(); }
    QPair<int, int> current() const { return {calendar->Col(), calendar->Row()}; }
};

// Where a day of the shown month stands in the grid.
QPair<int, int> cellOf(const TCCalendar& c, int day) {
    for (int row = 1; row < TCCalendar::RowCount; ++row)
        for (int col = 0; col < TCCalendar::ColCount; ++col)
            if (c.DayAt(col, row) == day)
                return {col, row};
    return {-1, -1};
}

enum class Step { NextMonth, PrevMonth, NextYear, PrevYear };

// Accessibility events, as a screen reader would receive them.
struct Announcement {
    QAccessible::Event type;
    int child;
};
std::vector<Announcement> announcements;
void recordAnnouncement(QAccessibleEvent* event) {
    announcements.push_back({event->type(), event->child()});
}

} // namespace

Q_DECLARE_METATYPE(Step)

class CalendarTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TCCalendar::SetToday(QDate(2021, 8, 10)); }
    void cleanupTestCase() { TCCalendar::SetToday({}); }

    void startsAtToday();
    void monthLayout_data();
    void monthLayout();
    void leapYearsAndMonthLengths_data();
    void leapYearsAndMonthLengths();
    void monthAndYearSteps_data();
    void monthAndYearSteps();
    void setDateElement_data();
    void setDateElement();
    void stepsPastEitherEndAreRefused_data();
    void stepsPastEitherEndAreRefused();
    void errorsReachTheErrorBox();
    void mouse_data();
    void mouse();
    void keys_data();
    void keys();
    void readOnlyStillFollowsTheDate();
    void tabLeavesTheCalendar();
    void startOfWeekOutsideItsRangeLaysOutAgain_data();
    void startOfWeekOutsideItsRangeLaysOutAgain();
    void useCurrentDateMovesToTodayAndTellsTheHandler();
    void cellSizesFollowTheClientSize_data();
    void cellSizesFollowTheClientSize();
    void drawing();
    void textStaysInsideItsCell();
    void accessibleTable();
    void movesAreAnnounced();
};

void CalendarTest::startsAtToday() {
    Fixture f;
    QCOMPARE(f.calendar->CalendarDate(), QDate(2021, 8, 10));
    QVERIFY(f.calendar->UseCurrentDate());
    QCOMPARE(f.calendar->StartOfWeek(), 1);
    QCOMPARE(f.current(), cellOf(*f.calendar, 10));
    QCOMPARE(f.calendar->GetDateElement(0), -1);
    QCOMPARE(f.calendar->GetDateElement(4), -1);
}

void CalendarTest::monthLayout_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("startOfWeek");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QPoint>("firstDay"); // (column, row)
    QTest::addColumn<QPoint>("lastDay");

    // March 2021 begins on a Monday, August 2021 on a Sunday, February 2021 fills four rows.
    QTest::newRow("Mon-first, weeks from Monday")
        << QDate(2021, 3, 9) << 1 << 1 << QPoint(0, 1) << QPoint(2, 5);
    QTest::newRow("Mon-first, weeks from Tuesday")
        << QDate(2021, 3, 9) << 2 << -5 << QPoint(6, 1) << QPoint(1, 6);
    QTest::newRow("Mon-first, weeks from Sunday")
        << QDate(2021, 3, 9) << 7 << 0 << QPoint(1, 1) << QPoint(3, 5);
    QTest::newRow("Sun-first, weeks from Monday")
        << QDate(2021, 8, 31) << 1 << -5 << QPoint(6, 1) << QPoint(1, 6);
    QTest::newRow("Sun-first, weeks from Tuesday")
        << QDate(2021, 8, 1) << 2 << -4 << QPoint(5, 1) << QPoint(0, 6);
    QTest::newRow("Sun-first, weeks from Sunday")
        << QDate(2021, 8, 17) << 7 << 1 << QPoint(0, 1) << QPoint(2, 5);
    QTest::newRow("Feb 2021, weeks from Monday")
        << QDate(2021, 2, 28) << 1 << 1 << QPoint(0, 1) << QPoint(6, 4);
    QTest::newRow("Feb 2021, weeks from Tuesday")
        << QDate(2021, 2, 1) << 2 << -5 << QPoint(6, 1) << QPoint(5, 5);
    QTest::newRow("Feb 2021, weeks from Sunday")
        << QDate(2021, 2, 14) << 7 << 0 << QPoint(1, 1) << QPoint(0, 5);
}

void CalendarTest::monthLayout() {
    QFETCH(QDate, date);
    QFETCH(int, startOfWeek);
    QFETCH(int, offset);
    QFETCH(QPoint, firstDay);
    QFETCH(QPoint, lastDay);

    Fixture f(date);
    TCCalendar& c = *f.calendar;
    c.SetStartOfWeek(startOfWeek);
    QCOMPARE(c.MonthOffset(), offset);
    QCOMPARE(c.GetCellText(firstDay.x(), firstDay.y()), QStringLiteral("1"));
    QCOMPARE(c.GetCellText(lastDay.x(), lastDay.y()), QString::number(date.daysInMonth()));

    // Every day stands once, under the name of its own weekday; every other cell is blank.
    const QLocale locale = TCCalendar::CalendarLocale();
    int days = 0;
    for (int row = 1; row < TCCalendar::RowCount; ++row) {
        for (int col = 0; col < TCCalendar::ColCount; ++col) {
            const QString text = c.GetCellText(col, row);
            if (text.isEmpty())
                continue;
            ++days;
            const QDate day(date.year(), date.month(), text.toInt());
            QCOMPARE(c.GetCellText(col, 0), locale.dayName(day.dayOfWeek(), QLocale::ShortFormat));
        }
    }
    QCOMPARE(days, date.daysInMonth());
    QCOMPARE(f.current(), cellOf(c, date.day()));
}

void CalendarTest::leapYearsAndMonthLengths_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("leap");
    QTest::newRow("1900") << 1900 << false;
    QTest::newRow("2000") << 2000 << true;
    QTest::newRow("2001") << 2001 << false;
    QTest::newRow("2004") << 2004 << true;
}

void CalendarTest::leapYearsAndMonthLengths() {
    QFETCH(int, year);
    QFETCH(bool, leap);
    Fixture f;
    QCOMPARE(f.calendar->IsLeapYear(year), leap);
    for (int month = 1; month <= 12; ++month)
        QCOMPARE(f.calendar->DaysPerMonth(year, month), QDate(year, month, 1).daysInMonth());
}

void CalendarTest::monthAndYearSteps_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<Step>("step");
    QTest::addColumn<QDate>("to");
    QTest::newRow("31 Jan -> Feb, common year")
        << QDate(2021, 1, 31) << Step::NextMonth << QDate(2021, 2, 28);
    QTest::newRow("31 Jan -> Feb, leap year") << QDate(2020, 1, 31) << Step::NextMonth << QDate(2020, 2, 29);
    QTest::newRow("31 Mar -> Feb, common year")
        << QDate(2021, 3, 31) << Step::PrevMonth << QDate(2021, 2, 28);
    QTest::newRow("31 Mar -> Feb, leap year") << QDate(2000, 3, 31) << Step::PrevMonth << QDate(2000, 2, 29);
    QTest::newRow("30 Jun -> 30 Jul") << QDate(2021, 6, 30) << Step::NextMonth << QDate(2021, 7, 30);
    QTest::newRow("December -> January") << QDate(2021, 12, 15) << Step::NextMonth << QDate(2022, 1, 15);
    QTest::newRow("January -> December") << QDate(2022, 1, 31) << Step::PrevMonth << QDate(2021, 12, 31);
    QTest::newRow("29 Feb 2000 -> 2001") << QDate(2000, 2, 29) << Step::NextYear << QDate(2001, 2, 28);
    QTest::newRow("29 Feb 2000 -> 1999") << QDate(2000, 2, 29) << Step::PrevYear << QDate(1999, 2, 28);
    QTest::newRow("28 Feb 2003 -> 2004") << QDate(2003, 2, 28) << Step::NextYear << QDate(2004, 2, 28);
}

void CalendarTest::monthAndYearSteps() {
    QFETCH(QDate, from);
    QFETCH(Step, step);
    QFETCH(QDate, to);
    Fixture f(from);
    TCCalendar& c = *f.calendar;
    switch (step) {
    case Step::NextMonth:
        c.NextMonth();
        break;
    case Step::PrevMonth:
        c.PrevMonth();
        break;
    case Step::NextYear:
        c.NextYear();
        break;
    case Step::PrevYear:
        c.PrevYear();
        break;
    }
    QCOMPARE(c.CalendarDate(), to);
    QCOMPARE(f.current(), cellOf(c, to.day()));
    QVERIFY(f.changes > 0);
}

void CalendarTest::setDateElement_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("value");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<bool>("fails");

    const QDate mid(2021, 3, 15);
    QTest::newRow("day 0") << mid << 3 << 0 << mid << false;
    QTest::newRow("negative year") << mid << 1 << -2021 << mid << false;
    QTest::newRow("month 13") << mid << 2 << 13 << mid << false;
    QTest::newRow("day 31 in April") << QDate(2021, 4, 15) << 3 << 31 << QDate(2021, 4, 15) << false;
    QTest::newRow("the same day") << mid << 3 << 15 << mid << false;
    QTest::newRow("index 0") << mid << 0 << 1 << mid << false;
    QTest::newRow("index 4") << mid << 4 << 1 << mid << false;
    QTest::newRow("year") << mid << 1 << 2030 << QDate(2030, 3, 15) << false;
    QTest::newRow("month") << mid << 2 << 12 << QDate(2021, 12, 15) << false;
    QTest::newRow("day") << mid << 3 << 31 << QDate(2021, 3, 31) << false;
    QTest::newRow("29 Feb into a common year")
        << QDate(2020, 2, 29) << 1 << 2021 << QDate(2020, 2, 29) << true;
    QTest::newRow("31 Mar into April") << QDate(2021, 3, 31) << 2 << 4 << QDate(2021, 3, 31) << true;
    QTest::newRow("year beyond the calendar") << mid << 1 << 10000 << mid << true;
}

void CalendarTest::setDateElement() {
    QFETCH(QDate, from);
    QFETCH(int, index);
    QFETCH(int, value);
    QFETCH(QDate, to);
    QFETCH(bool, fails);

    Fixture f(from);
    TCCalendar& c = *f.calendar;
    const auto cell = f.current();
    bool failed = false;
    try {
        c.SetDateElement(index, value);
    } catch (const platform::Error& e) {
        failed = true;
        QVERIFY(!e.message().isEmpty());
    }
    QCOMPARE(failed, fails);
    QCOMPARE(c.CalendarDate(), to);
    const bool changed = to != from;
    QCOMPARE(f.changes, changed ? 1 : 0);
    QCOMPARE(c.UseCurrentDate(), !changed); // a refused value leaves the date following today
    QCOMPARE(f.current(), changed ? cellOf(c, to.day()) : cell);
}

void CalendarTest::stepsPastEitherEndAreRefused_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<Step>("step");
    QTest::newRow("after December 9999") << QDate(9999, 12, 31) << Step::NextMonth;
    QTest::newRow("before January 1") << QDate(1, 1, 20) << Step::PrevMonth;
    QTest::newRow("after 9999") << QDate(9999, 6, 1) << Step::NextYear;
}

void CalendarTest::stepsPastEitherEndAreRefused() {
    QFETCH(QDate, from);
    QFETCH(Step, step);
    Fixture f(from);
    TCCalendar& c = *f.calendar;
    const auto cell = f.current();
    QVERIFY_THROWS_EXCEPTION(platform::Error, step == Step::NextMonth   ? c.NextMonth()
                                              : step == Step::PrevMonth ? c.PrevMonth()
                                                                        : c.NextYear());
    QCOMPARE(c.CalendarDate(), from);
    QCOMPARE(f.current(), cell);
    QCOMPARE(f.changes, 0);
}

void CalendarTest::errorsReachTheErrorBox() {
    testing::MessageRecorder boxes;
    Fixture f(QDate(2020, 2, 29));
    ledgora::guarded([&] { f.calendar->SetYear(2021); });
    QCOMPARE(boxes.boxes.size(), size_t(1));
    QCOMPARE(boxes.boxes[0].icon, platform::BoxIcon::Stop);
    QVERIFY(boxes.boxes[0].text.contains(QStringLiteral("2021")));
}

void CalendarTest::mouse_data() {
    // August 2021 with weeks from Monday: the 1st is a Sunday in column 6, the 31st a Tuesday.
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<int>("day"); // the day afterwards; 10 = unchanged
    QTest::newRow("blank before the 1st") << QPoint(2, 1) << false << 10;
    QTest::newRow("blank after the 31st") << QPoint(4, 6) << false << 10;
    QTest::newRow("day-name row") << QPoint(3, 0) << false << 10;
    QTest::newRow("the current day") << QPoint(1, 3) << false << 10;
    QTest::newRow("day 15") << QPoint(6, 3) << false << 15;
    QTest::newRow("day 1") << QPoint(6, 1) << false << 1;
    QTest::newRow("day 15, read-only") << QPoint(6, 3) << true << 10;
}

void CalendarTest::mouse() {
    QFETCH(QPoint, cell);
    QFETCH(bool, readOnly);
    QFETCH(int, day);
    Fixture f;
    f.show();
    TCCalendar& c = *f.calendar;
    c.SetReadOnly(readOnly);
    QCOMPARE(c.DayAt(1, 3), 10);
    QTest::mouseClick(&c, Qt::LeftButton, {}, f.centre(cell.x(), cell.y()));
    QCOMPARE(c.CalendarDate(), QDate(2021, 8, day));
    QCOMPARE(f.current(), cellOf(c, day));
    QCOMPARE(f.changes, day == 10 ? 0 : 1);
    QCOMPARE(c.UseCurrentDate(), day == 10);
}

void CalendarTest::keys_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<int>("to");
    QTest::newRow("right") << 10 << int(Qt::Key_Right) << false << 11;
    QTest::newRow("left") << 10 << int(Qt::Key_Left) << false << 9;
    QTest::newRow("right across a week's end") << 8 << int(Qt::Key_Right) << false << 9;
    QTest::newRow("down") << 10 << int(Qt::Key_Down) << false << 17;
    QTest::newRow("up") << 10 << int(Qt::Key_Up) << false << 3;
    QTest::newRow("up onto a blank cell") << 3 << int(Qt::Key_Up) << false << 3;
    QTest::newRow("up onto the day names") << 1 << int(Qt::Key_Up) << false << 1;
    QTest::newRow("left onto a blank cell") << 1 << int(Qt::Key_Left) << false << 1;
    QTest::newRow("right past the month's end") << 31 << int(Qt::Key_Right) << false << 31;
    QTest::newRow("down out of the grid") << 31 << int(Qt::Key_Down) << false << 31;
    QTest::newRow("home") << 10 << int(Qt::Key_Home) << false << 1;
    QTest::newRow("end") << 10 << int(Qt::Key_End) << false << 31;
    QTest::newRow("page up") << 24 << int(Qt::Key_PageUp) << false << 3;
    QTest::newRow("page down") << 10 << int(Qt::Key_PageDown) << false << 31;
    QTest::newRow("right, read-only") << 10 << int(Qt::Key_Right) << true << 10;
    QTest::newRow("home, read-only") << 10 << int(Qt::Key_Home) << true << 10;
}

void CalendarTest::keys() {
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(bool, readOnly);
    QFETCH(int, to);
    Fixture f(QDate(2021, 8, from));
    f.show();
    TCCalendar& c = *f.calendar;
    c.SetReadOnly(readOnly);
    QTest::keyClick(&c, Qt::Key(key));
    QCOMPARE(c.CalendarDate(), QDate(2021, 8, to));
    QCOMPARE(f.current(), cellOf(c, to));
    QCOMPARE(f.changes, from == to ? 0 : 1);
}

void CalendarTest::readOnlyStillFollowsTheDate() {
    // Read-only stops the user, not the program: the current cell keeps up with the date.
    Fixture f;
    TCCalendar& c = *f.calendar;
    c.SetReadOnly(true);
    c.SetDay(20);
    QCOMPARE(f.current(), cellOf(c, 20));
    c.NextMonth();
    QCOMPARE(c.CalendarDate(), QDate(2021, 9, 20));
    QCOMPARE(f.current(), cellOf(c, 20));
}

void CalendarTest::tabLeavesTheCalendar() {
    Fixture f;
    auto* next = new QLineEdit(f.window.get());
    next->move(0, 160);
    f.show();
    QTest::keyClick(f.calendar, Qt::Key_Tab);
    QVERIFY(next->hasFocus());
    QCOMPARE(f.calendar->CalendarDate(), QDate(2021, 8, 10));
}

void CalendarTest::startOfWeekOutsideItsRangeLaysOutAgain_data() {
    QTest::addColumn<int>("value");
    QTest::newRow("0") << 0;
    QTest::newRow("8") << 8;
    QTest::newRow("-1") << -1;
}

void CalendarTest::startOfWeekOutsideItsRangeLaysOutAgain() {
    QFETCH(int, value);
    Fixture f;
    TCCalendar& c = *f.calendar;
    c.SetStartOfWeek(7);
    QCOMPARE(c.MonthOffset(), 1); // August 2021 starts on a Sunday
    c.SetStartOfWeek(value);
    QCOMPARE(c.StartOfWeek(), 1);
    // Laid out for Monday: the 1st, a Sunday, stands last in its row.
    QCOMPARE(c.MonthOffset(), -5);
    QCOMPARE(c.GetCellText(6, 1), QStringLiteral("1"));
    QCOMPARE(f.current(), cellOf(c, 10));
}

void CalendarTest::useCurrentDateMovesToTodayAndTellsTheHandler() {
    Fixture f;
    TCCalendar& c = *f.calendar;
    c.SetCalendarDate(QDate(2021, 3, 3)); // a date set as a whole keeps following today
    QVERIFY(c.UseCurrentDate());
    c.SetDay(20);
    QVERIFY(!c.UseCurrentDate());
    f.changes = 0;
    c.SetUseCurrentDate(true);
    QCOMPARE(c.CalendarDate(), QDate(2021, 8, 10));
    QCOMPARE(f.current(), cellOf(c, 10));
    QCOMPARE(f.changes, 1);
    c.SetUseCurrentDate(true); // unchanged: nothing happens
    c.SetUseCurrentDate(false);
    QCOMPARE(c.CalendarDate(), QDate(2021, 8, 10));
    QCOMPARE(f.changes, 1);
}

void CalendarTest::cellSizesFollowTheClientSize_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("colWidth");
    QTest::addColumn<int>("rowHeight");
    // Client size: two pixels of border on each side; six grid lines between seven cells.
    QTest::newRow("on the transfers page") << QSize(225, 153) << 30 << 20;
    QTest::newRow("larger") << QSize(300, 200) << 41 << 27;
    QTest::newRow("too small for any cell") << QSize(5, 5) << 0 << 0;
}

void CalendarTest::cellSizesFollowTheClientSize() {
    QFETCH(QSize, size);
    QFETCH(int, colWidth);
    QFETCH(int, rowHeight);
    Fixture f;
    f.calendar->resize(size);
    QCOMPARE(f.calendar->DefaultColWidth(), colWidth);
    QCOMPARE(f.calendar->DefaultRowHeight(), rowHeight);
    QCOMPARE(f.calendar->CellRect(1, 1).topLeft(), QPoint(2 + colWidth + 1, 2 + rowHeight + 1));
    f.calendar->grab(); // paints at any size
}

void CalendarTest::drawing() {
    Fixture f;
    f.show();
    TCCalendar& c = *f.calendar;
    const QPalette palette = QGuiApplication::palette();
    const QImage focused = c.grab().toImage();
    auto at = [&](const QImage& image, int col, int row, int dx, int dy) {
        return image.pixelColor(c.CellRect(col, row).topLeft() + QPoint(dx, dy));
    };
    // Backgrounds: day names in the fixed colour, the current day selected, other cells white.
    QCOMPARE(at(focused, 3, 0, 3, 3), c.FixedColor());
    QCOMPARE(at(focused, 1, 3, 3, 3), palette.color(QPalette::Highlight));
    QCOMPARE(at(focused, 2, 1, 3, 3), QColor(Qt::white)); // blank
    QCOMPARE(at(focused, 2, 3, 3, 3), QColor(Qt::white)); // day 11
    // One-pixel grid lines after each cell.
    const QRect day = c.CellRect(2, 3);
    QCOMPARE(focused.pixelColor(day.right() + 1, day.center().y()), QColor(0xc0, 0xc0, 0xc0));
    QCOMPARE(focused.pixelColor(day.center().x(), day.bottom() + 1), QColor(0xc0, 0xc0, 0xc0));
    QCOMPARE(focused.pixelColor(day.right() + 2, day.center().y()), QColor(Qt::white));

    // The number is centred: as much room left and right of its ink, within a pixel.
    int left = day.right(), right = day.left();
    for (int y = day.top(); y <= day.bottom(); ++y)
        for (int x = day.left(); x <= day.right(); ++x)
            if (focused.pixelColor(x, y) != QColor(Qt::white)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    QVERIFY(left < right);
    QVERIFY2(
        std::abs((left - day.left()) - (day.right() - right)) <= 2,
        qPrintable(
            QStringLiteral("ink %1..%2 in %3..%4").arg(left).arg(right).arg(day.left()).arg(day.right())));

    // The focus frame round the current cell comes and goes with the keyboard focus.
    c.clearFocus();
    const QImage unfocused = c.grab().toImage();
    QCOMPARE(at(unfocused, 1, 3, 0, 0), palette.color(QPalette::Highlight));
    QVERIFY(at(focused, 1, 3, 0, 0) != palette.color(QPalette::Highlight));
}

void CalendarTest::textStaysInsideItsCell() {
    // Cells narrower than their numbers: the grid lines between days stay clean.
    Fixture f(QDate(2021, 8, 1));
    TCCalendar& c = *f.calendar;
    c.resize(4 + 6 + 7 * 7, 153);
    QCOMPARE(c.DefaultColWidth(), 7);
    const QImage image = c.grab().toImage();
    for (int row = 2; row < TCCalendar::RowCount; ++row)
        for (int col = 0; col < TCCalendar::ColCount - 1; ++col) {
            const QRect cell = c.CellRect(col, row);
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                QCOMPARE(image.pixelColor(cell.right() + 1, y), QColor(0xc0, 0xc0, 0xc0));
        }
}

void CalendarTest::accessibleTable() {
    Fixture f;
    f.show();
    TCCalendar& c = *f.calendar;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&c);
    QVERIFY(table);
    QCOMPARE(table->role(), QAccessible::Table);
    QVERIFY(!table->text(QAccessible::Name).isEmpty());
    QAccessibleTableInterface* grid = table->tableInterface();
    QVERIFY(grid);
    QCOMPARE(grid->columnCount(), 7);
    QCOMPARE(grid->rowCount(), 6);

    const QLocale locale = TCCalendar::CalendarLocale();
    // The 1st of August 2021, a Sunday, in the last column of the first week row.
    QAccessibleInterface* first = grid->cellAt(0, 6);
    QCOMPARE(first->role(), QAccessible::Cell);
    QCOMPARE(first->text(QAccessible::Name), locale.toString(QDate(2021, 8, 1), QLocale::LongFormat));
    QAccessibleTableCellInterface* firstCell = first->tableCellInterface();
    QCOMPARE(firstCell->rowIndex(), 0);
    QCOMPARE(firstCell->columnIndex(), 6);
    const auto headers = firstCell->columnHeaderCells();
    QCOMPARE(headers.size(), 1);
    QCOMPARE(headers[0]->role(), QAccessible::ColumnHeader);
    QCOMPARE(headers[0]->text(QAccessible::Name), locale.dayName(7, QLocale::LongFormat));
    QCOMPARE(grid->columnDescription(0), locale.dayName(1, QLocale::LongFormat));
    QCOMPARE(table->indexOfChild(first), 13);
    QCOMPARE(table->child(13), first);

    // Blank cells are empty.
    QAccessibleInterface* blank = grid->cellAt(0, 0);
    QVERIFY(blank->text(QAccessible::Name).isEmpty());
    QVERIFY(!blank->state().focusable);

    // The current cell, today, is selected and has the focus.
    QAccessibleInterface* today = grid->cellAt(2, 1);
    QCOMPARE(today->text(QAccessible::Name), locale.toString(QDate(2021, 8, 10), QLocale::LongFormat));
    QVERIFY(today->state().selected);
    QVERIFY(today->state().focused);
    QVERIFY(!first->state().selected);
    QCOMPARE(grid->selectedCells(), QList<QAccessibleInterface*>{today});
    QCOMPARE(table->focusChild(), today);
    QCOMPARE(table->childAt(today->rect().center().x(), today->rect().center().y()), today);

    // A new month: the same cells now name its days.
    c.NextMonth();
    QCOMPARE(grid->cellAt(0, 2)->text(QAccessible::Name),
             locale.toString(QDate(2021, 9, 1), QLocale::LongFormat));
}

void CalendarTest::movesAreAnnounced() {
    Fixture f;
    f.show();
    TCCalendar& c = *f.calendar;
    kit::setAnnouncementSink(recordAnnouncement);
    auto announced = [&](QAccessible::Event type, int child) {
        return std::any_of(announcements.begin(), announcements.end(),
                           [&](const Announcement& a) { return a.type == type && a.child == child; });
    };

    // A move by key: the new day's cell (the 11th, row 3, column 2) is focused and selected.
    announcements.clear();
    QTest::keyClick(&c, Qt::Key_Right);
    QCOMPARE(c.Day(), 11);
    QVERIFY(announced(QAccessible::Focus, 3 * 7 + 2));
    QVERIFY(announced(QAccessible::Selection, 3 * 7 + 2));

    // A refused move (onto the blank cell above the 4th) says nothing.
    QTest::keyClick(&c, Qt::Key_Up);
    QCOMPARE(c.Day(), 4);
    announcements.clear();
    QTest::keyClick(&c, Qt::Key_Up);
    QCOMPARE(c.Day(), 4);
    QVERIFY(announcements.empty());

    // A new month whose 4th stands in the same cell: the table is new, the cell is announced.
    c.SetCalendarDate(QDate(2021, 2, 4)); // February 2021 starts on a Monday
    QCOMPARE(c.Col(), 3);
    announcements.clear();
    c.SetCalendarDate(QDate(2021, 3, 4)); // so does March 2021
    QCOMPARE(c.Col(), 3);
    QVERIFY(announced(QAccessible::TableModelChanged, -1));
    QVERIFY(announced(QAccessible::Focus, 1 * 7 + 3));
    kit::setAnnouncementSink(nullptr);
}

LEDGORA_TEST_MAIN(CalendarTest)
#include "tst_calendar.moc"
