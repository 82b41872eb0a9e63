#pragma once
#include <QSize>

namespace platform {

// The screen's size in pixels at this moment (the primary screen).
QSize screenSize();

// Tests fix the size; an invalid size restores the real screen.
void setScreenSizeOverride(QSize size);

} // namespace platform
