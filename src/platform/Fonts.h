#pragma once
#include <QFont>
#include <QString>

namespace platform {

// Loads the classic interface faces (MS Sans Serif, Tahoma) where the system has them as
// TrueType files; without them the named faces fall back to the nearest sans face.
void loadApplicationFonts();

// A font by family and character height in pixels (8 pt = 11 px at 96 dpi).
QFont pixelFont(const QString& family, int pixelSize, bool bold = false, bool italic = false,
                bool underline = false);

// The main window's font: MS Sans Serif, 11 px.
QFont windowFont();

} // namespace platform
