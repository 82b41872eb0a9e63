#pragma once
// Loading a picture file chosen by the user (the background tile): BMP, ICO, EMF or WMF, the
// kind following the file name's extension. Every file is treated as hostile: whatever its
// bytes, loading either gives a complete picture or raises platform::Error with the message
// the error box shows; it never hands back half a picture.
#include "platform/Picture.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace platform {

// Largest picture file read at all, and the most pixel memory (4 bytes a pixel) of any
// raster made from a picture: a bitmap or icon as decoded, a bitmap inside a metafile, a
// metafile drawn into pixels.
inline constexpr qint64 kMaxPictureFileBytes = 64 * 1024 * 1024;
inline constexpr qint64 kMaxPicturePixelBytes = 64 * 1024 * 1024;
// A metafile stays vector: its stated size only says how large it is shown, so it is not held
// to the pixel budget, only to a side of 32767 pixels (8.6 m at 96 dpi), which keeps every
// size and coordinate well inside what the painter handles.
inline constexpr int kMaxMetafileSide = 32767;

// Loads the picture file at `path`. The extension, case ignored, chooses the kind: "bmp" a
// bitmap, "ico" an icon, "emf" and "wmf" a metafile. Raises platform::Error with
//   "Unknown picture file extension (.EXT)"  EXT as written in the name, checked first;
//   "Cannot open file PATH"                  PATH exactly as given (the dialog gives a full path);
//   "Bitmap image is not valid" / "Icon image is not valid" / "Metafile is not valid".
Picture loadPictureFile(const QString& path);

// The same from bytes already in memory; `extension` is without its dot, case ignored.
Picture loadPictureData(const QByteArray& data, const QString& extension);

// The picture drawn on white at its own size, scaled down (keeping its proportions) as far as
// needed to fit `room` and the pixel budget: the one way a picture becomes pixels, so that a
// large metafile is drawn at a bounded size. Null for an empty picture.
QImage renderPicture(const Picture& picture, QSize room);

} // namespace platform
