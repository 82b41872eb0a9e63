#pragma once
// Our pictures (glyphs, textures, the icon) are pixel art. Scaled by a whole factor, each
// picture pixel becomes a square of whole device pixels (nearest neighbour): no blur. Scaled
// by a fractional factor, where squares of whole pixels would come out unevenly wide, the
// picture is first enlarged the same way to the next whole factor and then reduced smoothly:
// every pixel keeps its width and an edge blurs over at most one device pixel.
#include <QIcon>
#include <QImage>

class QPainter;

namespace kit {

// The device pixels per pixel that `painter` draws with (2 on a screen of ratio 2).
qreal deviceRatio(const QPainter& painter);

// Whether pictures drawn at `factor` take nearest neighbour alone.
bool isWholeFactor(qreal factor);

// Sets how `painter` scales pictures: nearest neighbour at a whole ratio, smoothly otherwise.
void setPictureScaling(QPainter& painter);

// `image` as it is to be drawn at `ratio` with that setting: at a fractional ratio enlarged to
// the next whole one, its device pixel ratio set so that it still draws at the same size.
QImage enlargedFor(const QImage& image, qreal ratio);

// Both: prepares `painter` and returns `image` as it is to be drawn on it.
QImage forPainter(QPainter& painter, const QImage& image);

// `image` scaled to `size` in device pixels, as above.
QImage scaled(const QImage& image, QSize size);

// An icon that draws `image` at every size and ratio as above: the window's icon, the pictures
// of push buttons.
QIcon pixelArtIcon(const QImage& image);

} // namespace kit
