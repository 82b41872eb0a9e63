// calendar-<year>-<month>.png: the month calendar alone, as the transfers page sizes it
// (225 x 153, white cells, weeks from Monday), for a month that starts on a Monday, one that
// starts on a Sunday and one of exactly four week rows.
#include "pages/calendar/CCalendar.h"
#include "platform/Fonts.h"
#include "tools/snapshot.h"

namespace {

void write(const QString& out) {
    for (const QDate date : {QDate(2021, 3, 15), QDate(2021, 8, 15), QDate(2021, 2, 15)}) {
        pages::TCCalendar calendar;
        calendar.setFont(platform::windowFont());
        calendar.resize(225, 153);
        calendar.SetColor(Qt::white);
        calendar.SetCalendarDate(date);
        calendar.grab().save(out + QStringLiteral("/calendar-%1-%2.png")
                                       .arg(date.year())
                                       .arg(date.month(), 2, 10, QLatin1Char('0')));
    }
}

const snapshot::Part part("calendar", write);

} // namespace
