#pragma once
// The saved preview (.RPV): the composed pages of a document in our own binary format, so that
// the preview can show them again later. A file may come from anyone, so reading treats it as
// hostile: every count, size, value and picture is checked against the limits below before it
// is used, and a file is either read whole or refused with a reason; never half read.
//
// Layout (QDataStream, big-endian, doubles as 64-bit IEEE):
//   magic "LGRPV\r\n\x1a", version (u32),
//   page count (u32), picture count (u32),
//   pictures: width, height, QImage format, PNG byte count (u32 each), PNG bytes,
//   pages: width, length (f64 tenths), drawing count (u32), drawings:
//     kind (u8), rect, clip (x, y, w, h), p1, p2, pos (x, y) (f64 tenths), colour, brush colour
//     (u32), solid brush (u8), pen width (u32), frame width (f64), side (u8);
//     Text adds: text, font family (u32 count of UTF-16 units, units), pixel height (u32),
//     style bits (u8: bold 1, italic 2, underline 4), text width (f64);
//     Picture adds: picture index (u32).
// Identical pictures (same size, format and pixels) are stored once and referenced by index;
// reading gives every reference to one entry the same shared QImage.
#include "report/PageStore.h"

#include <QByteArray>
#include <QString>
#include <vector>

class QIODevice;

namespace report {

inline constexpr quint32 kPreviewFileVersion = 1;

// Hard limits of what a file may hold. Paper from 10 mm to 1.3 m either way; drawings may
// reach past the paper (clipped), but not further than 10 m from its corner.
inline constexpr qint64 kMaxPreviewFileBytes = 256 * 1024 * 1024;
inline constexpr quint32 kMaxPreviewPages = 10000;
inline constexpr quint32 kMaxPreviewOpsPerPage = 100000;
inline constexpr quint32 kMaxPreviewPictures = 4096;
inline constexpr quint32 kMaxPictureSide = 32767; // pixels
inline constexpr double kMinPaperTenths = 100;
inline constexpr double kMaxPaperTenths = 13000;
inline constexpr double kMaxCoordinateTenths = 100000;
inline constexpr quint32 kMaxPenWidth = 1000;        // pixels of the output device
inline constexpr double kMaxFrameWidthPoints = 1000; // about 35 cm
inline constexpr quint32 kMaxTextLength = 32768;     // UTF-16 units of one text run
inline constexpr quint32 kMaxFontFamilyLength = 256;
inline constexpr quint32 kMaxFontPixelHeight = 1000;
// A picture's pixels, counted at 4 bytes a pixel (or more for deeper formats), stay within the
// picture loader's cap (platform::kMaxPicturePixelBytes); the whole result within this.
inline constexpr qint64 kMaxPreviewMemoryBytes = 256 * 1024 * 1024;

// Writes the pages through QSaveFile. Raises platform::Error "Cannot write file NAME: REASON"
// on any failure; an existing file of that name is then left as it was.
void savePreviewFile(const PageStore& store, const QString& fileName);

// Reads and checks the whole file before returning anything. Raises platform::Error
// "Cannot read file NAME: REASON" for anything it cannot read.
std::vector<StoredPage> loadPreviewFile(const QString& fileName);

// The same on bytes and a device; these raise platform::Error with the reason alone.
// writePreview refuses pages that readPreview would refuse (no pages, values beyond the limits).
std::vector<StoredPage> readPreview(const QByteArray& bytes);
void writePreview(const PageStore& store, QIODevice& device);

} // namespace report
