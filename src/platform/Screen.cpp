#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {
namespace {
QSize overridden;
}

void setScreenSizeOverride(QSize size) {
    overridden = size;
}

QSize screenSize() {
    if (overridden.isValid())
        return overridden;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->size();
    return {};
}

} // namespace platform
