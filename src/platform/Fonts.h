#pragma once
#include <QFont>
#include <QString>

class QWidget;

namespace platform {

// Loads the classic interface faces (MS Sans Serif, Tahoma) where the system has them as
// TrueType files; without them the named faces fall back to the nearest sans face.
void loadApplicationFonts();

// The about window's title face, "Benguiat Bk BT", which free systems lack: a bold serif of
// the same soft, wide cut stands in for it, loaded from `file` (URW Bookman Demi); without
// that file the plain serif faces do. Returns the family that now stands in first.
QString loadDisplayFace(
    const QString& file = QStringLiteral("/usr/share/fonts/opentype/urw-base35/URWBookman-Demi.otf"));

// A font by family and character height in pixels (8 pt = 11 px at 96 dpi).
QFont pixelFont(const QString& family, int pixelSize, bool bold = false, bool italic = false,
                bool underline = false);

// The main window's font: MS Sans Serif, 11 px.
QFont windowFont();

// `font` as drawn on a device of `ratio` device pixels per pixel. A single-strike face (the
// classic MS Sans Serif) draws only its design size: on any other ratio, whole or fractional,
// its glyphs would keep their size while the spacing grows. There the scalable face that stands
// in for it takes over, sized and narrowed to the strike's capitals and text widths.
QFont fontForRatio(const QFont& font, qreal ratio);

// From now on every window and each of its controls with a font of its own take the faces of
// the window's screen (fontForRatio) when the window is first polished or shown and whenever
// it moves to another screen. The layout stays in pixels of the 96 dpi grid; only the face
// changes.
void followScreenRatios();

// The same for a window whose controls were added after it was shown.
void fitToScreen(QWidget* window);

} // namespace platform
