#pragma once
// Text is measured on a 96 dpi paint device, never on the output device, so a document lays
// out the same on the screen, the printer and in a file.
#include "report/Model.h"
#include "report/PageStore.h"

#include <QFont>
#include <QStringList>

namespace report {

TextFont textFont(const TRpFont& font);
// The font at its size on the 96 dpi grid.
QFont qfont(const TextFont& font);

namespace metrics {
// All in pixels of the 96 dpi grid.
double width(const TextFont& font, const QString& text);
// The height of one text line (the height of "W").
double lineHeight(const TextFont& font);
double ascent(const TextFont& font);
// Drops the widths remembered so far (measuring then starts cold).
void forgetWidths();
} // namespace metrics

// Breaks each line into lines no wider than `widthPx`: a word ends after a space or a hyphen,
// which stays with it; a word too wide on its own is cut to the width.
QStringList wrapLines(const QStringList& lines, const TextFont& font, double widthPx);

} // namespace report
