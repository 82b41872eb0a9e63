#pragma once
// Telling a screen reader that something it shows has changed. Qt passes the news on only
// while a reader listens; tests set a sink of their own to hear it.
#include <QAccessible>

namespace kit {

using AnnouncementSink = void (*)(QAccessibleEvent* event);

void setAnnouncementSink(AnnouncementSink sink);
// Whether anyone hears announcements (a reader, or a sink).
bool announcementsHeard();
void announce(QAccessibleEvent* event);

} // namespace kit
