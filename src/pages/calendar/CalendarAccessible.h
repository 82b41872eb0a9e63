#pragma once
// The month calendar as screen readers see it: a table whose column headers are the day
// names and whose cells are named by the full date they stand for.
class QAccessibleEvent;

namespace pages {

class TCCalendar;

// Makes every calendar an accessible table; safe to call more than once.
void installCalendarAccessibility();

// The month or the first weekday changed: every cell stands for another day now.
void announceCalendarLayout(TCCalendar* calendar);
// The current cell moved (or stands for another day): selected, and focused while the
// calendar has the keyboard focus.
void announceCalendarCurrent(TCCalendar* calendar);

} // namespace pages
