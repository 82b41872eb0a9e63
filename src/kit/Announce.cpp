#include "kit/Announce.h"

namespace kit {
namespace {
AnnouncementSink sink = nullptr;
} // namespace

void setAnnouncementSink(AnnouncementSink s) {
    sink = s;
}

bool announcementsHeard() {
    return sink || QAccessible::isActive();
}

void announce(QAccessibleEvent* event) {
    if (sink)
        sink(event);
    else
        QAccessible::updateAccessibility(event);
}

} // namespace kit
