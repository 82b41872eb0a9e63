#include "platform/PictureFile.h"

#include "platform/Error.h"
#include "platform/SharedLibrary.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string>

namespace platform {
namespace {

// The metafile converters, opened on the first metafile.
struct MetafileLibraries {
    decltype(&::emf2svg) emf2svg = nullptr;
    decltype(&::wmf_api_create) wmf_api_create = nullptr;
    decltype(&::wmf_api_destroy) wmf_api_destroy = nullptr;
    decltype(&::wmf_mem_open) wmf_mem_open = nullptr;
    decltype(&::wmf_play) wmf_play = nullptr;
    decltype(&::wmf_scan) wmf_scan = nullptr;
    decltype(&::wmf_stream_create) wmf_stream_create = nullptr;
    decltype(&::wmf_stream_destroy) wmf_stream_destroy = nullptr;
    decltype(&::wmf_svg_function) wmf_svg_function = nullptr;
};

const MetafileLibraries& metafileLibraries() {
    static const MetafileLibraries api = [] {
        MetafileLibraries api;
        auto resolve = [](auto& function, const char* library, const char* name) {
            resolveSymbol(function, library, name, QStringLiteral("Metafile cannot be shown"));
        };
        resolve(api.emf2svg, "libemf2svg.so.1", "emf2svg");
        resolve(api.wmf_api_create, "libwmf-0.2.so.7", "wmf_api_create");
        resolve(api.wmf_api_destroy, "libwmf-0.2.so.7", "wmf_api_destroy");
        resolve(api.wmf_mem_open, "libwmf-0.2.so.7", "wmf_mem_open");
        resolve(api.wmf_play, "libwmf-0.2.so.7", "wmf_play");
        resolve(api.wmf_scan, "libwmf-0.2.so.7", "wmf_scan");
        resolve(api.wmf_stream_create, "libwmf-0.2.so.7", "wmf_stream_create");
        resolve(api.wmf_stream_destroy, "libwmf-0.2.so.7", "wmf_stream_destroy");
        resolve(api.wmf_svg_function, "libwmf-0.2.so.7", "wmf_svg_function");
        return api;
    }();
    return api;
}

const char* const kBitmapInvalid = "Bitmap image is not valid";
const char* const kIconInvalid = "Icon image is not valid";
const char* const kMetafileInvalid = "Metafile is not valid";

enum class FileKind { Bitmap, Icon, Emf, Wmf };

std::optional<FileKind> kindForExtension(const QString& extension) {
    const QString ext = extension.toLower();
    if (ext == u"bmp")
        return FileKind::Bitmap;
    if (ext == u"ico")
        return FileKind::Icon;
    if (ext == u"emf")
        return FileKind::Emf;
    if (ext == u"wmf")
        return FileKind::Wmf;
    return std::nullopt;
}

[[noreturn]] void unknownExtension(const QString& extension) {
    throw Error(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
}

[[noreturn]] void notValid(FileKind kind) {
    switch (kind) {
    case FileKind::Bitmap:
        throw Error(QString::fromLatin1(kBitmapInvalid));
    case FileKind::Icon:
        throw Error(QString::fromLatin1(kIconInvalid));
    case FileKind::Emf:
    case FileKind::Wmf:
        break;
    }
    throw Error(QString::fromLatin1(kMetafileInvalid));
}

// True when a picture of w × h pixels at 4 bytes a pixel stays within the pixel budget.
bool withinPixelBudget(double width, double height) {
    if (!std::isfinite(width) || !std::isfinite(height) || width < 1 || height < 1)
        return false;
    return width * height * 4 <= double(kMaxPicturePixelBytes);
}

// True when a metafile's stated size in pixels is one it can be shown at.
bool metafileSizeValid(double width, double height) {
    return std::isfinite(width) && std::isfinite(height) && width >= 1 && height >= 1 &&
           width <= kMaxMetafileSide && height <= kMaxMetafileSide;
}

// Little-endian fields of a buffer; callers check the bounds first.
quint16 u16At(const QByteArray& d, qint64 at) {
    const auto* p = reinterpret_cast<const uchar*>(d.constData()) + at;
    return quint16(p[0] | (p[1] << 8));
}
qint16 i16At(const QByteArray& d, qint64 at) {
    return qint16(u16At(d, at));
}
quint32 u32At(const QByteArray& d, qint64 at) {
    return quint32(u16At(d, at)) | (quint32(u16At(d, at + 2)) << 16);
}
qint32 i32At(const QByteArray& d, qint64 at) {
    return qint32(u32At(d, at));
}

// ---- BMP and ICO -------------------------------------------------------------------------

// Run-length encoded pixels (8 or 4 bits a pixel), walked the way a decoder draws them on a
// width × height bitmap: whether they reach the end-of-bitmap mark, and whether every run
// stays on the bitmap. Decoders that trust the runs write as far as they say.
enum class RunLengths { Ended, Unended, OffTheBitmap };
RunLengths walkRunLengths(const QByteArray& d, qint64 at, qint64 end, qint64 width, qint64 height,
                          bool nibbles) {
    qint64 x = 0, y = 0;
    while (end - at >= 2) {
        const int count = uchar(d[at]), code = uchar(d[at + 1]);
        at += 2;
        if (count != 0) { // `count` pixels of one value
            if (y >= height || x + count > width)
                return RunLengths::OffTheBitmap;
            x += count;
        } else if (code == 0) { // end of line
            x = 0;
            ++y;
        } else if (code == 1) {
            return RunLengths::Ended;
        } else if (code == 2) { // move by (dx, dy)
            if (end - at < 2)
                return RunLengths::Unended;
            x += uchar(d[at]);
            y += uchar(d[at + 1]);
            at += 2;
            if (x > width || y > height)
                return RunLengths::OffTheBitmap;
        } else { // `code` pixels given one by one, padded to a whole word
            if (y >= height || x + code > width)
                return RunLengths::OffTheBitmap;
            x += code;
            const qint64 bytes = nibbles ? (code + 1) / 2 : code;
            at += (bytes + 1) / 2 * 2;
        }
    }
    return RunLengths::Unended;
}

// The bitmap reader gives back a picture partly filled when the pixel data runs out early;
// a cut file is refused here instead. True when the pixels the header describes are all in
// the file (for run-length data: the end-of-bitmap mark is reached inside the file).
bool bitmapDataComplete(const QByteArray& d) {
    const qint64 length = d.size();
    if (length < 14 + 12)
        return false;
    const qint64 offBits = u32At(d, 10);
    const qint64 infoSize = u32At(d, 14);
    qint64 width = 0, height = 0, bits = 0, compression = 0, colours = 0, entryBytes = 4;
    if (infoSize == 12) {
        width = u16At(d, 18);
        height = i16At(d, 20);
        bits = u16At(d, 24);
        entryBytes = 3;
    } else if (infoSize >= 40 && 14 + infoSize <= length) {
        width = i32At(d, 18);
        height = i32At(d, 22);
        bits = u16At(d, 28);
        compression = u32At(d, 30);
        colours = u32At(d, 46);
    } else {
        return false;
    }
    height = std::abs(height);
    if (width <= 0 || height <= 0 || width > (1 << 24) || height > (1 << 24))
        return false;

    enum { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };
    // The pixels start at the stated offset, but never before the colour table's end: the
    // reader does not go back.
    if (bits > 8)
        colours = 0; // a table there is only a hint; the pixels are found by their offset
    else if (colours == 0)
        colours = qint64(1) << bits;
    const qint64 masks = infoSize == 40 && compression == BitFields ? 12 : 0;
    const qint64 start =
        std::max(offBits, 14 + infoSize + masks + std::min<qint64>(colours, 1 << 16) * entryBytes);
    if (start >= length)
        return false;
    if (compression == Rgb || compression == BitFields || compression == AlphaBitFields) {
        const qint64 rowBytes = (width * bits + 31) / 32 * 4;
        return rowBytes * height <= length - start;
    }
    if (compression == Rle8 || compression == Rle4)
        return walkRunLengths(d, start, length, width, height, compression == Rle4) == RunLengths::Ended;
    return true; // other encodings: the reader refuses what it cannot decode
}

Picture loadRaster(const QByteArray& data, FileKind kind) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    // The format follows the extension: a PNG renamed .bmp is not a valid bitmap.
    QImageReader reader(&buffer, kind == FileKind::Icon ? "ico" : "bmp");
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(false);
    // The reader's own limit is only a backstop: the budget below decides, to the pixel.
    reader.setAllocationLimit(int(2 * kMaxPicturePixelBytes / (1024 * 1024)));
    if (!reader.canRead())
        notValid(kind);
    // Refuse before decoding anything when the header states an unreasonable size.
    const QSize stated = reader.size();
    if (!stated.isValid() || !withinPixelBudget(stated.width(), stated.height()))
        notValid(kind);
    if (kind == FileKind::Bitmap && !bitmapDataComplete(data))
        notValid(kind);
    QImage image = reader.read();
    if (image.isNull() || !withinPixelBudget(image.width(), image.height()))
        notValid(kind);
    // A file's colour table may be shorter than the indices its pixels use, and drawing such
    // an image reads past the table. Indices beyond the file's colours are black.
    if (image.colorCount() > 0) {
        const qsizetype entries = image.depth() == 1 ? 2 : 256;
        if (image.colorCount() < entries) {
            QList<QRgb> table = image.colorTable();
            table.resize(entries, qRgb(0, 0, 0));
            image.setColorTable(table);
        }
    }
    return kind == FileKind::Icon ? Picture::icon(std::move(image)) : Picture::bitmap(std::move(image));
}

// The converters write every coordinate they compute, the non-numbers of a degenerate mapping
// (a scale set without its extents) too: such a drawing shows nothing. Only the numbers are
// looked at, not image data, font names (the EMF converter writes them as attributes) or names
// of elements.
bool svgNumbersFinite(const QByteArray& svg) {
    static const QRegularExpression nonFinite(
        QStringLiteral(R"((?<![\w.#])[-+]?(?:nan|inf(?:inity)?)(?!\w))"),
        QRegularExpression::CaseInsensitiveOption);
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        for (const QXmlStreamAttribute& attribute : xml.attributes()) {
            const QStringView name = attribute.name();
            if (name == u"href" || name == u"font-family" || name == u"id" || name == u"class")
                continue;
            if (attribute.value().toString().contains(nonFinite))
                return false;
        }
    }
    return true; // whether it parses at all is the renderer's to say
}

// An SVG produced by a metafile converter is a picture when it parses and all its numbers are
// finite.
bool svgValid(const QByteArray& svg) {
    if (!svgNumbersFinite(svg))
        return false;
    QSvgRenderer renderer(svg);
    return renderer.isValid();
}

// ---- Bitmaps inside metafiles ----------------------------------------------------------------

// Both converters decode the bitmaps a metafile carries, trusting the bitmap's header; its
// size is held to a quarter of the picture budget, so that no record makes them decode (or
// write out again) millions of pixels.
constexpr qint64 kMaxEmbeddedPixelBytes = kMaxPicturePixelBytes / 4;

// A device-independent bitmap at `at`: header and colour table within `headerBytes`; the
// pixels `bitsBytes` from `bitsAt`, or, when `bitsAt` is negative, right after the colour
// table up to the end of `headerBytes`.
bool embeddedBitmapValid(const QByteArray& d, qint64 at, qint64 headerBytes, qint64 bitsAt,
                         qint64 bitsBytes) {
    if (headerBytes < 12)
        return false;
    const qint64 headerSize = u32At(d, at);
    qint64 width = 0, height = 0, bits = 0, compression = 0, colours = 0, entryBytes = 4;
    if (headerSize == 12) {
        width = u16At(d, at + 4);
        height = i16At(d, at + 6);
        bits = u16At(d, at + 10);
        entryBytes = 3;
    } else if (headerSize >= 40 && headerSize <= headerBytes) {
        width = i32At(d, at + 4);
        height = i32At(d, at + 8);
        bits = u16At(d, at + 14);
        compression = u32At(d, at + 16);
        colours = u32At(d, at + 32);
    } else {
        return false;
    }
    height = std::abs(height);
    if (width <= 0 || height <= 0 || width > kMaxEmbeddedPixelBytes / 4 / height)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    if (bits <= 8 && colours > (qint64(1) << bits))
        return false;
    if (bits <= 8 && colours == 0)
        colours = qint64(1) << bits;
    enum { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };
    const qint64 tableBytes = colours * entryBytes + (compression == BitFields && headerSize == 40 ? 12 : 0);
    if (colours > 4096 || headerSize + tableBytes > headerBytes)
        return false;
    if (bitsAt < 0) {
        bitsAt = at + headerSize + tableBytes;
        bitsBytes = headerBytes - headerSize - tableBytes;
    }
    if (compression == Rgb || compression == BitFields)
        return (width * bits + 31) / 32 * 4 * height <= bitsBytes;
    if ((compression == Rle8 && bits == 8) || (compression == Rle4 && bits == 4))
        return walkRunLengths(d, bitsAt, bitsAt + bitsBytes, width, height, compression == Rle4) ==
               RunLengths::Ended;
    return false; // JPEG or PNG inside a metafile: not drawn by either converter
}

// EMF records that carry bitmaps, and where in them the (offBmi, cbBmi, offBits, cbBits)
// quadruples lie.
bool emfBitmapsValid(const QByteArray& d, qint64 at, quint32 type, qint64 size) {
    qint64 fields[2] = {-1, -1};
    switch (type) {
    case 76:  // EMR_BITBLT
    case 77:  // EMR_STRETCHBLT
    case 114: // EMR_ALPHABLEND
    case 116: // EMR_TRANSPARENTBLT
        fields[0] = 84;
        break;
    case 78: // EMR_MASKBLT: source and mask
        fields[0] = 84;
        fields[1] = 112;
        break;
    case 79: // EMR_PLGBLT: source and mask
        fields[0] = 96;
        fields[1] = 124;
        break;
    case 80: // EMR_SETDIBITSTODEVICE
    case 81: // EMR_STRETCHDIBITS
        fields[0] = 48;
        break;
    case 93: // EMR_CREATEMONOBRUSH
    case 94: // EMR_CREATEDIBPATTERNBRUSHPT
        fields[0] = 16;
        break;
    case 95: // EMR_EXTCREATEPEN: a pattern bitmap
        fields[0] = 12;
        break;
    default:
        return true;
    }
    for (qint64 field : fields) {
        if (field < 0)
            continue;
        if (field + 16 > size)
            return false;
        const qint64 offBmi = u32At(d, at + field), cbBmi = u32At(d, at + field + 4);
        const qint64 offBits = u32At(d, at + field + 8), cbBits = u32At(d, at + field + 12);
        if (cbBmi == 0 && cbBits == 0)
            continue; // no bitmap: a plain pattern or raster operation
        if (offBmi < 8 || offBmi + cbBmi > size || offBits < 8 || offBits + cbBits > size)
            return false;
        if (!embeddedBitmapValid(d, at + offBmi, cbBmi, at + offBits, cbBits))
            return false;
    }
    return true;
}

// A region (RGNDATA) of `bytes` bytes at `at`: a 32-byte header and its rectangles.
bool emfRegionValid(const QByteArray& d, qint64 at, qint64 bytes) {
    if (bytes < 32)
        return false;
    const qint64 count = u32At(d, at + 8);
    return 32 + 16 * count <= bytes;
}

// Records that hold counted arrays: the converter reads as many elements as the count says,
// so the count must agree with the record's size. (Records too short for their fixed fields
// only read into the zeros placed after the file; see loadEmf.)
bool emfCountsValid(const QByteArray& d, qint64 at, quint32 type, qint64 size) {
    auto fits = [&](qint64 fixed, qint64 countAt, qint64 elementBytes) {
        return size >= fixed && fixed + qint64(u32At(d, at + countAt)) * elementBytes <= size;
    };
    switch (type) {
    case 2: // EMR_POLYBEZIER, POLYGON, POLYLINE, POLYBEZIERTO, POLYLINETO: points of 8 bytes
    case 3:
    case 4:
    case 5:
    case 6:
        return fits(28, 24, 8);
    case 85: // the same with points of 4 bytes
    case 86:
    case 87:
    case 88:
    case 89:
        return fits(28, 24, 4);
    case 7: // EMR_POLYPOLYLINE, POLYPOLYGON: the polygons' point counts, then the points
    case 8:
    case 90: // the same with points of 4 bytes
    case 91: {
        if (size < 32)
            return false;
        const qint64 polygons = u32At(d, at + 24), points = u32At(d, at + 28);
        const qint64 pointBytes = type == 90 || type == 91 ? 4 : 8;
        if (32 + 4 * polygons + pointBytes * points > size)
            return false;
        qint64 total = 0; // the counts may not add up to more points than there are
        for (qint64 i = 0; i < polygons; ++i)
            total += u32At(d, at + 32 + 4 * i);
        return total <= points;
    }
    case 56: // EMR_POLYDRAW: points, then a type byte for each
        return fits(28, 24, 8 + 1);
    case 92: // EMR_POLYDRAW16
        return fits(28, 24, 4 + 1);
    case 83:   // EMR_EXTTEXTOUTA
    case 84: { // EMR_EXTTEXTOUTW
        if (size < 76)
            return false;
        const qint64 chars = u32At(d, at + 44), offString = u32At(d, at + 48);
        const quint32 options = u32At(d, at + 52);
        const qint64 offDx = u32At(d, at + 72);
        const qint64 charBytes = type == 84 ? 2 : 1;
        if (chars != 0 && (offString < 76 || offString + chars * charBytes > size))
            return false;
        const qint64 dxBytes = options & 0x2000 ? 8 : 4; // ETO_PDY: x and y advances
        return offDx == 0 || (offDx >= 76 && offDx + chars * dxBytes <= size);
    }
    case 49: // EMR_CREATEPALETTE: a 16-bit count of 4-byte entries
        return size >= 16 && 16 + qint64(u16At(d, at + 14)) * 4 <= size;
    case 50: // EMR_SETPALETTEENTRIES
        return fits(20, 16, 4);
    case 95: // EMR_EXTCREATEPEN: style entries
        return fits(52, 48, 4);
    case 70: // EMR_GDICOMMENT
        return fits(12, 8, 1);
    case 75: { // EMR_EXTSELECTCLIPRGN
        if (size < 16)
            return false;
        const qint64 bytes = u32At(d, at + 8);
        return 16 + bytes <= size && (bytes == 0 || emfRegionValid(d, at + 16, bytes));
    }
    case 71: // EMR_FILLRGN, FRAMERGN, INVERTRGN, PAINTRGN
    case 72:
    case 73:
    case 74: {
        const qint64 dataAt = type == 71 ? 32 : type == 72 ? 40 : 28;
        if (size < dataAt)
            return false;
        const qint64 bytes = u32At(d, at + 24);
        return dataAt + bytes <= size && emfRegionValid(d, at + dataAt, bytes);
    }
    case 118: { // EMR_GRADIENTFILL: vertices of 16 bytes, then rectangles or triangles
        if (size < 36)
            return false;
        const qint64 vertices = u32At(d, at + 24), shapes = u32At(d, at + 28);
        const qint64 shapeBytes = u32At(d, at + 32) == 2 ? 12 : 8;
        return 36 + 16 * vertices + shapeBytes * shapes <= size;
    }
    default:
        return true;
    }
}

// WMF records that carry a bitmap, and where it starts in the record (after the size and
// function fields and the record's own parameters); -1 for other records.
qint64 wmfBitmapOffset(quint16 function) {
    switch (function) {
    case 0x0940: // META_DIBBITBLT
        return 6 + 4 + 12;
    case 0x0B41: // META_DIBSTRETCHBLT
        return 6 + 4 + 16;
    case 0x0F43: // META_STRETCHDIB
        return 6 + 4 + 2 + 16;
    case 0x0D33: // META_SETDIBTODEV
        return 6 + 18;
    case 0x0142: // META_DIBCREATEPATTERNBRUSH
        return 6 + 4;
    default:
        return -1;
    }
}

// ---- EMF -------------------------------------------------------------------------------------

constexpr quint32 kEmrHeader = 1;
constexpr quint32 kEmrEof = 14;
constexpr quint32 kEmfSignature = 0x464D4520; // " EMF"
constexpr qint64 kEmfHeaderSize = 88;
constexpr qsizetype kEmfSlack = 4096; // more than any record's fixed fields

struct EmfLayout {
    QSize size;     // pixels at 96 dpi
    QRectF viewBox; // the frame in the converter's SVG user space; invalid: the SVG's own
};

// The converter trusts every size, count and offset it reads, so nothing reaches it before
// the records have been walked here: a header with the signature, records of at least 8
// bytes, 4-byte aligned and within the file, the end-of-file record last, and the arrays,
// strings and bitmaps that records point to inside those records.
std::optional<EmfLayout> checkEmf(const QByteArray& d) {
    const qint64 length = d.size();
    if (length < kEmfHeaderSize || u32At(d, 0) != kEmrHeader || u32At(d, 40) != kEmfSignature)
        return std::nullopt;
    const qint64 headerSize = u32At(d, 4);
    if (headerSize < kEmfHeaderSize || headerSize % 4 != 0 || headerSize > length)
        return std::nullopt;
    // The description (UTF-16) and the pixel format, when present, lie inside the header.
    // (An offset with no length is read as a string up to its first nul, so it is refused.)
    const qint64 nDescription = u32At(d, 60), offDescription = u32At(d, 64);
    if ((nDescription != 0 || offDescription != 0) && (nDescription == 0 || offDescription < kEmfHeaderSize ||
                                                       offDescription + 2 * nDescription > headerSize))
        return std::nullopt;
    // The optional fields follow the base header only up to the description: a producer may
    // put the description right after the base header, and then there are none.
    const qint64 fixedEnd = nDescription != 0 ? std::min(headerSize, offDescription) : headerSize;
    if (fixedEnd >= 100) {
        const qint64 cbPixelFormat = u32At(d, 88), offPixelFormat = u32At(d, 92);
        if (cbPixelFormat != 0 &&
            (offPixelFormat < kEmfHeaderSize || offPixelFormat + cbPixelFormat > headerSize))
            return std::nullopt;
    }

    qint64 at = 0;
    quint32 lastType = 0;
    while (at < length) {
        if (length - at < 8)
            return std::nullopt;
        const quint32 type = u32At(d, at);
        const qint64 size = u32At(d, at + 4);
        if (size < 8 || size % 4 != 0 || size > length - at)
            return std::nullopt;
        if (type == kEmrHeader && at != 0)
            return std::nullopt;
        if (type == kEmrEof) {
            // nPalEntries, offPalEntries, the palette (from offset 16 on), nSizeLast; the
            // palette lies inside the record.
            if (size < 20)
                return std::nullopt;
            const qint64 nPal = u32At(d, at + 8), offPal = u32At(d, at + 12);
            if (nPal != 0 && (offPal < 16 || offPal + 4 * nPal > size))
                return std::nullopt;
        }
        if (!emfBitmapsValid(d, at, type, size) || !emfCountsValid(d, at, type, size))
            return std::nullopt;
        lastType = type;
        at += size;
        if (type == kEmrEof)
            break;
    }
    if (lastType != kEmrEof || at != length)
        return std::nullopt;

    // The picture is shown at its frame (hundredths of a millimetre) at 96 dpi, like a
    // metafile placed on a page; the drawing's device units map to the frame through the
    // reference device. Without a usable frame, the drawing's bounds in device pixels.
    const double boundsLeft = i32At(d, 8), boundsTop = i32At(d, 12);
    const double boundsRight = i32At(d, 16), boundsBottom = i32At(d, 20);
    const double frameLeft = i32At(d, 24), frameTop = i32At(d, 28);
    const double frameRight = i32At(d, 32), frameBottom = i32At(d, 36);
    const double deviceX = i32At(d, 72), deviceY = i32At(d, 76);
    const double mmX = i32At(d, 80), mmY = i32At(d, 84);

    EmfLayout layout;
    const double frameWidth = frameRight - frameLeft, frameHeight = frameBottom - frameTop;
    if (frameWidth > 0 && frameHeight > 0 && deviceX > 0 && deviceY > 0 && mmX > 0 && mmY > 0) {
        const double width = std::max(1.0, std::round(frameWidth * 96 / 2540));
        const double height = std::max(1.0, std::round(frameHeight * 96 / 2540));
        if (!metafileSizeValid(width, height))
            return std::nullopt;
        layout.size = QSize(int(width), int(height));
        // Device units per hundredth of a millimetre.
        const double sx = deviceX / (mmX * 100), sy = deviceY / (mmY * 100);
        layout.viewBox =
            QRectF(frameLeft * sx - boundsLeft, frameTop * sy - boundsTop, frameWidth * sx, frameHeight * sy);
        return layout;
    }
    const double width = boundsRight - boundsLeft, height = boundsBottom - boundsTop;
    if (!metafileSizeValid(width, height))
        return std::nullopt;
    layout.size = QSize(int(width), int(height));
    return layout;
}

Picture loadEmf(const QByteArray& data) {
    const std::optional<EmfLayout> layout = checkEmf(data);
    if (!layout)
        notValid(FileKind::Emf);

    // The converter takes a writable buffer. It reads each record's fixed fields without
    // looking at the record's size, so zeros follow the file for it to read into.
    QByteArray contents = data + QByteArray(kEmfSlack, '\0');
    char nameSpace[] = "";
    generatorOptions options{};
    options.nameSpace = nameSpace;
    options.verbose = false;
    // EMF+ records are skipped: files carrying them also carry the plain drawing.
    options.emfplus = false;
    options.svgDelimiter = true;
    options.imgWidth = 0; // keep the drawing's own units; the view box places the frame
    options.imgHeight = 0;
    char* out = nullptr;
    size_t outLength = 0;
    const int ok =
        metafileLibraries().emf2svg(contents.data(), size_t(data.size()), &out, &outLength, &options);
    const QByteArray svg = out ? QByteArray(out, qsizetype(outLength)) : QByteArray();
    std::free(out);
    if (!ok || svg.isEmpty() || !svgValid(svg))
        notValid(FileKind::Emf);
    return Picture::metafile(svg, layout->size, layout->viewBox);
}

// ---- WMF -------------------------------------------------------------------------------------

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr qint64 kPlaceableSize = 22;
constexpr qint64 kWmfHeaderSize = 18;

struct WmfLayout {
    qint64 length = 0; // bytes handed to the player: optional placeable header + metafile
    bool placeable = false;
    QRect bounds; // the placeable bounds, logical units: left, top, right, bottom as stated
    QSize size;   // pixels at 96 dpi (placeable files only)
    // The records that set up the mapping before anything is drawn, in order (placeable
    // files only): they place the bounds on the player's device.
    QByteArray mapping;
};

// Records that set up the logical-to-device mapping.
bool wmfSetsMapping(quint16 function) {
    switch (function) {
    case 0x0103: // META_SETMAPMODE
    case 0x020B: // META_SETWINDOWORG
    case 0x020C: // META_SETWINDOWEXT
    case 0x020D: // META_SETVIEWPORTORG
    case 0x020E: // META_SETVIEWPORTEXT
    case 0x020F: // META_OFFSETWINDOWORG
    case 0x0211: // META_OFFSETVIEWPORTORG
    case 0x0410: // META_SCALEWINDOWEXT
    case 0x0412: // META_SCALEVIEWPORTEXT
    case 0x001E: // META_SAVEDC
    case 0x0127: // META_RESTOREDC
        return true;
    default:
        return false;
    }
}

// Records that only set attributes or objects, met before the drawing starts.
bool wmfSetsAttributes(quint16 function) {
    switch (function) {
    case 0x0102: // META_SETBKMODE
    case 0x0104: // META_SETROP2
    case 0x0105: // META_SETRELABS
    case 0x0106: // META_SETPOLYFILLMODE
    case 0x0107: // META_SETSTRETCHBLTMODE
    case 0x0108: // META_SETTEXTCHAREXTRA
    case 0x0201: // META_SETBKCOLOR
    case 0x0209: // META_SETTEXTCOLOR
    case 0x020A: // META_SETTEXTJUSTIFICATION
    case 0x012E: // META_SETTEXTALIGN
    case 0x0231: // META_SETMAPPERFLAGS
    case 0x02FA: // META_CREATEPENINDIRECT
    case 0x02FB: // META_CREATEFONTINDIRECT
    case 0x02FC: // META_CREATEBRUSHINDIRECT
    case 0x00F7: // META_CREATEPALETTE
    case 0x01F9: // META_CREATEPATTERNBRUSH
    case 0x0142: // META_DIBCREATEPATTERNBRUSH
    case 0x06FF: // META_CREATEREGION
    case 0x012D: // META_SELECTOBJECT
    case 0x01F0: // META_DELETEOBJECT
    case 0x0234: // META_SELECTPALETTE
    case 0x0035: // META_REALIZEPALETTE
    case 0x0037: // META_SETPALETTEENTRIES
    case 0x0626: // META_ESCAPE
    case 0x0415: // META_EXCLUDECLIPRECT
    case 0x0416: // META_INTERSECTCLIPRECT
    case 0x012C: // META_SELECTCLIPREGION
    case 0x0220: // META_OFFSETCLIPRGN
    case 0x0214: // META_MOVETO
        return true;
    default:
        return false;
    }
}

// The player's record reader is only trusted with a file whose header agrees with its
// records: header of 9 words, every record at least 3 words, no larger than the stated
// largest record and inside the metafile, the 3-word end record last and ending where the
// header's size says, and every bitmap a record carries whole and of a sensible size.
std::optional<WmfLayout> checkWmf(const QByteArray& d) {
    WmfLayout layout;
    qint64 start = 0;
    if (d.size() >= kPlaceableSize && u32At(d, 0) == kPlaceableKey) {
        const int left = i16At(d, 6), top = i16At(d, 8), right = i16At(d, 10), bottom = i16At(d, 12);
        const double unitsPerInch = u16At(d, 14);
        if (unitsPerInch <= 0 || left == right || top == bottom)
            return std::nullopt;
        const double width = std::round(std::abs(double(right) - left) * 96 / unitsPerInch);
        const double height = std::round(std::abs(double(bottom) - top) * 96 / unitsPerInch);
        if (!metafileSizeValid(width, height))
            return std::nullopt;
        layout.placeable = true;
        layout.size = QSize(int(width), int(height));
        layout.bounds = QRect(QPoint(left, top), QPoint(right, bottom));
        start = kPlaceableSize;
    }
    if (d.size() - start < kWmfHeaderSize)
        return std::nullopt;
    const quint16 type = u16At(d, start), headerWords = u16At(d, start + 2);
    const qint64 statedBytes = qint64(u32At(d, start + 6)) * 2;
    const qint64 maxRecordWords = u32At(d, start + 12);
    if ((type != 1 && type != 2) || headerWords != 9)
        return std::nullopt;
    // The metafile ends where its stated size says; some writers count the placeable header
    // in that size as well. Bytes after the end are not looked at.
    const qint64 end = start + statedBytes;
    const qint64 endCountingPlaceable = layout.placeable ? statedBytes : -1;
    const qint64 limit = std::min<qint64>(end, d.size());

    qint64 at = start + kWmfHeaderSize;
    bool drawing = false; // past the records that only set up the mapping and attributes
    bool ended = false;
    while (at < limit) {
        if (limit - at < 6)
            return std::nullopt;
        const qint64 words = u32At(d, at);
        const quint16 function = u16At(d, at + 4);
        if (words < 3 || words > maxRecordWords || words * 2 > limit - at)
            return std::nullopt;
        // The record's bitmap. The two blits have none when the record is exactly as long
        // as their parameters, (function >> 8) + 3 words; otherwise the player reads one.
        const qint64 bitmapAt = wmfBitmapOffset(function);
        const bool blitWithoutSource =
            (function == 0x0940 || function == 0x0B41) && words == (function >> 8) + 3;
        if (bitmapAt >= 0 && !blitWithoutSource &&
            (words * 2 < bitmapAt || !embeddedBitmapValid(d, at + bitmapAt, words * 2 - bitmapAt, -1, -1)))
            return std::nullopt;
        if (layout.placeable && !drawing && function != 0) {
            if (wmfSetsMapping(function))
                layout.mapping.append(d.mid(at, words * 2));
            else if (!wmfSetsAttributes(function))
                drawing = true;
        }
        at += words * 2;
        if (function == 0) {
            ended = words == 3 && (at == end || at == endCountingPlaceable);
            break;
        }
    }
    if (!ended)
        return std::nullopt;
    layout.length = at;
    return layout;
}

// The player allocates through this budget, so that no file makes it claim unbounded memory.
struct WmfMemory {
    static constexpr size_t kBudget = 256u * 1024 * 1024;
    static constexpr size_t kHeader = alignof(std::max_align_t);
    size_t used = 0;

    static size_t& sizeOf(void* block) { return *static_cast<size_t*>(block); }

    static void* allocate(void* context, size_t size) {
        auto* self = static_cast<WmfMemory*>(context);
        if (size > kBudget - self->used)
            return nullptr;
        void* block = std::malloc(size + kHeader);
        if (!block)
            return nullptr;
        sizeOf(block) = size;
        self->used += size;
        return static_cast<char*>(block) + kHeader;
    }
    static void release(void* context, void* mem) {
        if (!mem)
            return;
        auto* self = static_cast<WmfMemory*>(context);
        void* block = static_cast<char*>(mem) - kHeader;
        self->used -= sizeOf(block);
        std::free(block);
    }
    static void* reallocate(void* context, void* mem, size_t size) {
        if (!mem)
            return allocate(context, size);
        auto* self = static_cast<WmfMemory*>(context);
        void* block = static_cast<char*>(mem) - kHeader;
        const size_t old = sizeOf(block);
        if (size > old && size - old > kBudget - self->used)
            return nullptr;
        void* grown = std::realloc(block, size + kHeader);
        if (!grown)
            return nullptr;
        self->used = self->used - old + size;
        sizeOf(grown) = size;
        return static_cast<char*>(grown) + kHeader;
    }
};

// The player measures text with font files; the standard PostScript faces it asks for are
// served by the Liberation and DejaVu faces the program already depends on.
wmfMapping* wmfFontFiles() {
    static const char* const dir = "/usr/share/fonts/truetype/";
    static const struct {
        const char* name;
        const char* file;
    } faces[] = {
        {"Times-Roman", "liberation/LiberationSerif-Regular.ttf"},
        {"Times-Italic", "liberation/LiberationSerif-Italic.ttf"},
        {"Times-Bold", "liberation/LiberationSerif-Bold.ttf"},
        {"Times-BoldItalic", "liberation/LiberationSerif-BoldItalic.ttf"},
        {"Helvetica", "liberation/LiberationSans-Regular.ttf"},
        {"Helvetica-Oblique", "liberation/LiberationSans-Italic.ttf"},
        {"Helvetica-Bold", "liberation/LiberationSans-Bold.ttf"},
        {"Helvetica-BoldOblique", "liberation/LiberationSans-BoldItalic.ttf"},
        {"Helvetica-Narrow", "liberation/LiberationSansNarrow-Regular.ttf"},
        {"Helvetica-Narrow-Oblique", "liberation/LiberationSansNarrow-Italic.ttf"},
        {"Helvetica-Narrow-Bold", "liberation/LiberationSansNarrow-Bold.ttf"},
        {"Helvetica-Narrow-BoldOblique", "liberation/LiberationSansNarrow-BoldItalic.ttf"},
        {"Courier", "liberation/LiberationMono-Regular.ttf"},
        {"Courier-Oblique", "liberation/LiberationMono-Italic.ttf"},
        {"Courier-Bold", "liberation/LiberationMono-Bold.ttf"},
        {"Courier-BoldOblique", "liberation/LiberationMono-BoldItalic.ttf"},
        {"AvantGarde-Book", "liberation/LiberationSans-Regular.ttf"},
        {"AvantGarde-BookOblique", "liberation/LiberationSans-Italic.ttf"},
        {"AvantGarde-Demi", "liberation/LiberationSans-Bold.ttf"},
        {"AvantGarde-DemiOblique", "liberation/LiberationSans-BoldItalic.ttf"},
        {"Bookman-Light", "liberation/LiberationSerif-Regular.ttf"},
        {"Bookman-LightItalic", "liberation/LiberationSerif-Italic.ttf"},
        {"Bookman-Demi", "liberation/LiberationSerif-Bold.ttf"},
        {"Bookman-DemiItalic", "liberation/LiberationSerif-BoldItalic.ttf"},
        {"NewCenturySchlbk-Roman", "liberation/LiberationSerif-Regular.ttf"},
        {"NewCenturySchlbk-Italic", "liberation/LiberationSerif-Italic.ttf"},
        {"NewCenturySchlbk-Bold", "liberation/LiberationSerif-Bold.ttf"},
        {"NewCenturySchlbk-BoldItalic", "liberation/LiberationSerif-BoldItalic.ttf"},
        {"Palatino-Roman", "liberation/LiberationSerif-Regular.ttf"},
        {"Palatino-Italic", "liberation/LiberationSerif-Italic.ttf"},
        {"Palatino-Bold", "liberation/LiberationSerif-Bold.ttf"},
        {"Palatino-BoldItalic", "liberation/LiberationSerif-BoldItalic.ttf"},
        {"ZapfChancery-MediumItalic", "liberation/LiberationSerif-Italic.ttf"},
        {"Symbol", "dejavu/DejaVuSans.ttf"},
        {"ZapfDingbats", "dejavu/DejaVuSans.ttf"},
    };
    static std::string paths[std::size(faces)];
    static wmfMapping map[std::size(faces) + 1] = {};
    static const bool ready = [] {
        for (size_t i = 0; i < std::size(faces); ++i) {
            paths[i] = std::string(dir) + faces[i].file;
            map[i] = {const_cast<char*>(faces[i].name), paths[i].data(), FT_ENCODING_NONE};
        }
        return true;
    }();
    (void)ready;
    return map;
}

// The player's SVG places each bitmap twice: by the image's x, y, width and height, and again
// by a transform scaling and moving it as much once more, which throws it off the picture.
// The position alone is right.
QByteArray withoutImageTransforms(const QByteArray& svg) {
    static const QRegularExpression transform(QStringLiteral(R"((<image\b[^>]*?)\s*transform="[^"]*")"));
    QString text = QString::fromUtf8(svg);
    text.replace(transform, QStringLiteral("\\1"));
    return text.toUtf8();
}

// One run of the player over a checked buffer; everything it allocated goes with it.
class WmfPlayer {
public:
    WmfPlayer() {
        wmfAPI_Options options{};
        options.context = &memory_;
        options.malloc = &WmfMemory::allocate;
        options.realloc = &WmfMemory::reallocate;
        options.free = &WmfMemory::release;
        options.function = metafileLibraries().wmf_svg_function;
        options.font.ps = wmfFontFiles();
        // Silent: a bad file is reported once, as "Metafile is not valid", not on stderr.
        const unsigned long flags = WMF_OPT_ALLOC | WMF_OPT_FUNCTION | WMF_OPT_FONTMAP |
                                    WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
        if (metafileLibraries().wmf_api_create(&api_, flags, &options) != wmf_E_None) {
            if (api_)
                metafileLibraries().wmf_api_destroy(api_);
            api_ = nullptr;
        }
    }
    ~WmfPlayer() {
        if (api_)
            metafileLibraries().wmf_api_destroy(api_);
    }
    WmfPlayer(const WmfPlayer&) = delete;
    WmfPlayer& operator=(const WmfPlayer&) = delete;

    // Plays the metafile into SVG; returns nothing on any error of the player.
    std::optional<QByteArray> toSvg(QByteArray& data, const WmfLayout& layout, QSize& size) {
        if (!api_)
            return std::nullopt;
        if (metafileLibraries().wmf_mem_open(api_, reinterpret_cast<unsigned char*>(data.data()),
                                             long(layout.length)) != wmf_E_None)
            return std::nullopt;
        wmfD_Rect drawn{};
        if (metafileLibraries().wmf_scan(api_, 0, &drawn) != wmf_E_None)
            return std::nullopt;

        wmf_svg_t* device = WMF_SVG_GetData(api_);
        device->flags |= WMF_SVG_INLINE_IMAGES; // never write image files beside it
        if (layout.placeable) {
            // Show the placeable bounds, not just what the records happened to draw.
            const std::optional<wmfD_Rect> bounds = boundsOnDevice(data, layout);
            if (!bounds)
                return std::nullopt;
            device->bbox = *bounds;
            size = layout.size;
        } else {
            // Without a placeable header the file states no bounds: show what it draws, one
            // logical unit a pixel.
            const double width = std::ceil(double(drawn.BR.x) - drawn.TL.x);
            const double height = std::ceil(double(drawn.BR.y) - drawn.TL.y);
            if (!metafileSizeValid(width, height))
                return std::nullopt;
            device->bbox = drawn;
            size = QSize(int(width), int(height));
        }
        device->width = unsigned(size.width());
        device->height = unsigned(size.height());
        device->out = metafileLibraries().wmf_stream_create(api_, nullptr);
        if (!device->out)
            return std::nullopt;

        wmfD_Rect bbox = device->bbox;
        const wmf_error_t played = metafileLibraries().wmf_play(api_, 0, &bbox);
        char* text = nullptr;
        unsigned long textLength = 0;
        metafileLibraries().wmf_stream_destroy(api_, device->out, &text, &textLength);
        device->out = nullptr;
        // The text stays the player's: it goes with the player.
        const QByteArray svg = text ? QByteArray(text, qsizetype(textLength)) : QByteArray();
        if (played != wmf_E_None || svg.isEmpty())
            return std::nullopt;
        return withoutImageTransforms(svg);
    }

    // What the player's scan of a metafile reports it draws, on its device.
    std::optional<wmfD_Rect> scan(QByteArray& data) {
        wmfD_Rect drawn{};
        if (!api_ ||
            metafileLibraries().wmf_mem_open(api_, reinterpret_cast<unsigned char*>(data.data()),
                                             long(data.size())) != wmf_E_None ||
            metafileLibraries().wmf_scan(api_, 0, &drawn) != wmf_E_None)
            return std::nullopt;
        return drawn;
    }

private:
    // Where the placeable bounds lie on the player's device. The player maps logical units
    // by the map mode, window and viewport the records set up, in its own way, so it is asked
    // rather than second-guessed: a metafile of the same mapping records with a pixel at each
    // corner of the bounds. Its scan registers each pixel with a margin, which a scan of the
    // first pixel alone shows.
    static std::optional<wmfD_Rect> boundsOnDevice(const QByteArray& d, const WmfLayout& layout) {
        auto corners = [&](bool both) {
            QByteArray b = d.left(kPlaceableSize + kWmfHeaderSize) + layout.mapping;
            auto put16 = [&b](quint16 v) {
                b.append(char(v & 0xff));
                b.append(char(v >> 8));
            };
            auto pixel = [&](int x, int y) { // META_SETPIXEL, black
                put16(7);
                put16(0);
                put16(0x041F);
                put16(0);
                put16(0);
                put16(quint16(y));
                put16(quint16(x));
            };
            pixel(layout.bounds.left(), layout.bounds.top());
            if (both)
                pixel(layout.bounds.right(), layout.bounds.bottom());
            put16(3); // end of file
            put16(0);
            put16(0);
            const quint32 words = quint32((b.size() - kPlaceableSize) / 2);
            const quint32 largest = std::max<quint32>(u32At(d, kPlaceableSize + 12), 7);
            for (int i = 0; i < 4; ++i) {
                b[kPlaceableSize + 6 + i] = char(words >> (8 * i));
                b[kPlaceableSize + 12 + i] = char(largest >> (8 * i));
            }
            return b;
        };
        QByteArray one = corners(false), two = corners(true);
        std::optional<wmfD_Rect> first, both;
        {
            WmfPlayer player;
            first = player.scan(one);
        }
        {
            WmfPlayer player;
            both = player.scan(two);
        }
        if (!first || !both)
            return std::nullopt;
        const double marginX = (double(first->BR.x) - first->TL.x) / 2;
        const double marginY = (double(first->BR.y) - first->TL.y) / 2;
        const wmfD_Rect bounds{{float(both->TL.x + marginX), float(both->TL.y + marginY)},
                               {float(both->BR.x - marginX), float(both->BR.y - marginY)}};
        const double width = double(bounds.BR.x) - bounds.TL.x, height = double(bounds.BR.y) - bounds.TL.y;
        if (!std::isfinite(width) || !std::isfinite(height) || !(width > 0) || !(height > 0))
            return std::nullopt;
        return bounds;
    }

    WmfMemory memory_;
    wmfAPI* api_ = nullptr;
};

Picture loadWmf(const QByteArray& data) {
    const std::optional<WmfLayout> layout = checkWmf(data);
    if (!layout)
        notValid(FileKind::Wmf);
    QByteArray contents = data; // the player takes a writable buffer
    QSize size;
    std::optional<QByteArray> svg;
    {
        WmfPlayer player;
        svg = player.toSvg(contents, *layout, size);
    }
    if (!svg || !svgValid(*svg))
        notValid(FileKind::Wmf);
    return Picture::metafile(*svg, size);
}

Picture loadKind(const QByteArray& data, FileKind kind) {
    if (data.size() > kMaxPictureFileBytes)
        notValid(kind);
    switch (kind) {
    case FileKind::Bitmap:
    case FileKind::Icon:
        return loadRaster(data, kind);
    case FileKind::Emf:
        return loadEmf(data);
    case FileKind::Wmf:
        return loadWmf(data);
    }
    notValid(kind);
}

} // namespace

Picture loadPictureData(const QByteArray& data, const QString& extension) {
    const std::optional<FileKind> kind = kindForExtension(extension);
    if (!kind)
        unknownExtension(extension);
    return loadKind(data, *kind);
}

QImage renderPicture(const Picture& picture, QSize room) {
    if (picture.isEmpty() || picture.size().isEmpty() || room.isEmpty())
        return {};
    QSizeF size = picture.size();
    if (size.width() > room.width() || size.height() > room.height())
        size.scale(room, Qt::KeepAspectRatio);
    const double most = double(kMaxPicturePixelBytes / 4);
    if (size.width() * size.height() > most)
        size *= std::sqrt(most / (size.width() * size.height()));
    QSize pixels(std::max(1, int(size.width())), std::max(1, int(size.height())));
    while (qint64(pixels.width()) * pixels.height() * 4 > kMaxPicturePixelBytes) // rounding's last pixel
        pixels = pixels.width() >= pixels.height() ? QSize(pixels.width() - 1, pixels.height())
                                                   : QSize(pixels.width(), pixels.height() - 1);
    QImage image(pixels, QImage::Format_ARGB32);
    if (image.isNull())
        return {};
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return image;
}

Picture loadPictureFile(const QString& path) {
    // The extension decides before the file is touched: an unknown one is reported even
    // for a file that does not exist.
    const QString extension = QFileInfo(path).suffix();
    const std::optional<FileKind> kind = kindForExtension(extension);
    if (!kind)
        unknownExtension(extension);

    const QString cannotOpen = QStringLiteral("Cannot open file %1").arg(path);
    // Only plain files: a directory or a device named like a picture cannot be opened as one.
    const QFileInfo info(path);
    if (!info.isFile())
        throw Error(cannotOpen);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(cannotOpen);
    if (file.size() > kMaxPictureFileBytes)
        notValid(*kind);
    // Read once, and never more than the largest file we accept (one byte more tells).
    const QByteArray data = file.read(kMaxPictureFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw Error(cannotOpen);
    return loadKind(data, *kind);
}

} // namespace platform
