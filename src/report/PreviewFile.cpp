#include "report/PreviewFile.h"

#include "platform/Error.h"
#include "platform/PictureFile.h"
#include "platform/SaveFile.h"

#include <QBuffer>
#include <QColorSpace>
#include <QDataStream>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <tuple>
#include <unordered_map>

namespace report {

namespace {

constexpr char kMagic[8] = {'L', 'G', 'R', 'P', 'V', '\r', '\n', '\x1a'};
constexpr qint64 kHeaderBytes = 8 + 4 + 4 + 4;
// The fewest bytes a picture entry, a page and a drawing take: counts are weighed against
// the bytes left before anything is reserved for them.
constexpr qint64 kPictureFixedBytes = 4 * 4;
constexpr qint64 kPageFixedBytes = 8 + 8 + 4;
constexpr qint64 kOpFixedBytes = 1 + 14 * 8 + 4 + 4 + 1 + 4 + 8 + 1;
constexpr qint64 kTextExtraBytes = 4 + 4 + 4 + 1 + 8;
constexpr qint64 kPictureExtraBytes = 4;
constexpr qint64 kStringOverhead = 32; // a QString's own allocation, roughly
constexpr quint8 kStyleBold = 1, kStyleItalic = 2, kStyleUnderline = 4;

[[noreturn]] void refuse(const QString& reason) {
    throw platform::Error(reason);
}

[[noreturn]] void refuseFile(const char* doing, const QString& fileName, const QString& reason) {
    refuse(QStringLiteral("Cannot %1 file %2: %3").arg(QLatin1String(doing), fileName, reason));
}

[[noreturn]] void refuseAt(size_t page, size_t op, const QString& reason) {
    refuse(QStringLiteral("page %1, drawing %2: %3").arg(page + 1).arg(op + 1).arg(reason));
}

QString mib(qint64 bytes) {
    return QString::number(bytes / (1024 * 1024));
}

// Formats whose pixels come back exactly from PNG once converted back to the format. Pictures
// in the others (floating point, premultiplied 16-bit) are stored as 16-bit RGBA.
bool storable(quint32 format) {
    switch (format) {
    case QImage::Format_Invalid:
    case QImage::Format_RGBA64_Premultiplied:
    case QImage::Format_RGBX16FPx4:
    case QImage::Format_RGBA16FPx4:
    case QImage::Format_RGBA16FPx4_Premultiplied:
    case QImage::Format_RGBX32FPx4:
    case QImage::Format_RGBA32FPx4:
    case QImage::Format_RGBA32FPx4_Premultiplied:
        return false;
    default:
        return format < QImage::NImageFormats;
    }
}

// The pixel memory a picture states it needs: at least 4 bytes a pixel, as the picture
// loader counts, or its format's own rows if they are larger.
qint64 pictureBytes(quint32 width, quint32 height, QImage::Format format) {
    const qint64 bits = QImage::toPixelFormat(format).bitsPerPixel();
    const qint64 row = (qint64(width) * bits + 31) / 32 * 4;
    return std::max(qint64(width) * height * 4, row * height);
}

QString checkPicture(quint32 width, quint32 height, QImage::Format format) {
    if (width == 0 || height == 0 || width > kMaxPictureSide || height > kMaxPictureSide)
        return QStringLiteral("has an invalid size of %1 × %2 pixels").arg(width).arg(height);
    if (pictureBytes(width, height, format) > platform::kMaxPicturePixelBytes)
        return QStringLiteral("of %1 × %2 pixels needs more than %3 MiB")
            .arg(width)
            .arg(height)
            .arg(mib(platform::kMaxPicturePixelBytes));
    return {};
}

QString checkPaper(double width, double length) {
    auto fits = [](double v) { return v >= kMinPaperTenths && v <= kMaxPaperTenths; }; // NaN fails
    if (fits(width) && fits(length))
        return {};
    return QStringLiteral("a paper size of %1 × %2 tenths of a millimetre, outside %3 to %4")
        .arg(width)
        .arg(length)
        .arg(kMinPaperTenths)
        .arg(kMaxPaperTenths);
}

// What a drawing holds, checked the same way when it is written and when it is read, so that
// whatever is saved can be loaded again. Empty when it is fine.
QString checkOp(const DrawOp& op) {
    if (op.kind > DrawOp::Picture)
        return QStringLiteral("unknown drawing kind %1").arg(int(op.kind));
    const double values[] = {op.rect.x(), op.rect.y(), op.rect.width(), op.rect.height(),
                             op.clip.x(), op.clip.y(), op.clip.width(), op.clip.height(),
                             op.p1.x(),   op.p1.y(),   op.p2.x(),       op.p2.y(),
                             op.pos.x(),  op.pos.y(),  op.frameWidth,   op.textWidth};
    for (double v : values)
        if (!std::isfinite(v))
            return QStringLiteral("a position or size is not a finite number");
    for (double v : values)
        if (std::abs(v) > kMaxCoordinateTenths)
            return QStringLiteral("a position or size is out of range");
    if (op.penWidth < 0 || op.penWidth > int(kMaxPenWidth))
        return QStringLiteral("pen width %1 is outside 0 to %2").arg(op.penWidth).arg(kMaxPenWidth);
    if (op.frameWidth < 0 || op.frameWidth > kMaxFrameWidthPoints)
        return QStringLiteral("frame width %1 is outside 0 to %2")
            .arg(op.frameWidth)
            .arg(kMaxFrameWidthPoints);
    if (op.side > DrawOp::Right)
        return QStringLiteral("unknown frame side %1").arg(int(op.side));
    if (op.kind == DrawOp::Text) {
        if (quint64(op.text.size()) > kMaxTextLength)
            return QStringLiteral("a text of %1 characters is too long").arg(op.text.size());
        if (quint64(op.font.family.size()) > kMaxFontFamilyLength)
            return QStringLiteral("a font name of %1 characters is too long").arg(op.font.family.size());
        if (op.font.pixelHeight < 1 || op.font.pixelHeight > int(kMaxFontPixelHeight))
            return QStringLiteral("font height %1 is outside 1 to %2")
                .arg(op.font.pixelHeight)
                .arg(kMaxFontPixelHeight);
        if (op.textWidth < 0)
            return QStringLiteral("a position or size is out of range");
    }
    return {};
}

// The memory the pages will hold, counted as they are read (and as they are written, so that
// a saved file can be loaded again).
class Budget {
public:
    void charge(qint64 bytes) {
        used_ += bytes;
        if (used_ > kMaxPreviewMemoryBytes)
            refuse(
                QStringLiteral("the pages need more than %1 MiB of memory").arg(mib(kMaxPreviewMemoryBytes)));
    }
    void chargeString(qint64 units) { charge(kStringOverhead + units * 2); }

private:
    qint64 used_ = 0;
};

// --- reading ---

class Reader {
public:
    explicit Reader(const QByteArray& bytes)
        : bytes_(bytes)
        , in_(bytes) {
        in_.setVersion(QDataStream::Qt_6_0);
        in_.setByteOrder(QDataStream::BigEndian);
        in_.setFloatingPointPrecision(QDataStream::DoublePrecision);
    }

    qint64 left() const { return bytes_.size() - in_.device()->pos(); }
    qint64 pos() const { return in_.device()->pos(); }
    void need(qint64 bytes) const {
        if (bytes > left())
            cutShort();
    }
    [[noreturn]] static void cutShort() { refuse(QStringLiteral("it is cut short")); }

    template <typename T> T get() {
        T value{};
        in_ >> value;
        if (in_.status() != QDataStream::Ok)
            cutShort();
        return value;
    }
    quint8 u8() { return get<quint8>(); }
    quint32 u32() { return get<quint32>(); }
    double real() { return get<double>(); }
    QRectF rect() {
        const double x = real(), y = real(), w = real(), h = real();
        return QRectF(x, y, w, h);
    }
    QPointF point() {
        const double x = real(), y = real();
        return QPointF(x, y);
    }

    // `count` bytes as a view into the file's bytes, which outlive the reading.
    QByteArray view(qint64 count) {
        need(count);
        const QByteArray out = QByteArray::fromRawData(bytes_.constData() + pos(), count);
        if (in_.skipRawData(int(count)) != count)
            cutShort();
        return out;
    }

    // The length is checked against its limit and the bytes left before anything is allocated.
    QString string(quint32 limit, const QString& what, size_t page, size_t op, Budget& budget) {
        const quint32 units = u32();
        if (units > limit)
            refuseAt(page, op, QStringLiteral("a %1 of %2 characters is too long").arg(what).arg(units));
        need(qint64(units) * 2);
        budget.chargeString(units);
        QString s(qsizetype(units), Qt::Uninitialized);
        if (in_.readRawData(reinterpret_cast<char*>(s.data()), int(units * 2)) != int(units * 2))
            cutShort();
        qFromBigEndian<char16_t>(s.data(), units, s.data());
        return s;
    }

private:
    const QByteArray& bytes_;
    QDataStream in_;
};

quint32 be32(const char* p) {
    return qFromBigEndian<quint32>(p);
}

// The chunks of an embedded PNG before the decoder sees them: only the ones a picture's
// pixels and colours need (nothing like text chunks, which may inflate to megabytes), the
// header first and stating the entry's size, the end last.
QString checkPng(const QByteArray& png, quint32 width, quint32 height) {
    static const char signature[] = "\x89PNG\r\n\x1a\n";
    const QString invalid = QStringLiteral("is not a valid PNG picture");
    if (png.size() < 8 || std::memcmp(png.constData(), signature, 8) != 0)
        return invalid;
    static const char* const allowed[] = {"IHDR", "PLTE", "tRNS", "IDAT", "IEND",
                                          "gAMA", "cHRM", "sRGB", "iCCP", "pHYs"};
    qint64 pos = 8;
    for (bool first = true;; first = false) {
        if (png.size() - pos < 12)
            return invalid;
        const char* chunk = png.constData() + pos;
        const qint64 length = be32(chunk);
        if (length > png.size() - pos - 12)
            return invalid;
        const char* type = chunk + 4;
        auto is = [&](const char* name) { return std::memcmp(type, name, 4) == 0; };
        if (first != is("IHDR"))
            return invalid;
        if (first && (length != 13 || be32(chunk + 8) != width || be32(chunk + 12) != height))
            return QStringLiteral("does not match its stated size");
        if (std::none_of(std::begin(allowed), std::end(allowed), is))
            return invalid;
        pos += 12 + length;
        if (is("IEND"))
            return pos == png.size() ? QString() : invalid;
    }
}

QImage readPicture(Reader& in, quint32 index, Budget& budget) {
    auto fail = [&](const QString& reason) {
        refuse(QStringLiteral("picture %1 %2").arg(index + 1).arg(reason));
    };
    const quint32 width = in.u32(), height = in.u32(), formatValue = in.u32(), pngBytes = in.u32();
    if (!storable(formatValue))
        fail(QStringLiteral("has an unknown format (%1)").arg(formatValue));
    const auto format = QImage::Format(formatValue);
    if (const QString reason = checkPicture(width, height, format); !reason.isEmpty())
        fail(reason);
    const QByteArray png = in.view(pngBytes);
    budget.charge(pictureBytes(width, height, format));
    if (const QString reason = checkPng(png, width, height); !reason.isEmpty())
        fail(reason);

    QBuffer buffer;
    buffer.setData(png);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    reader.setAutoDetectImageFormat(false); // the PNG decoder and no other
    reader.setAllocationLimit(int(platform::kMaxPicturePixelBytes / (1024 * 1024)));
    QImage image;
    if (!reader.read(&image))
        fail(QStringLiteral("is not a valid PNG picture"));
    if (image.size() != QSize(int(width), int(height)))
        fail(QStringLiteral("does not match its stated size"));
    if (image.format() != format)
        image = image.convertToFormat(format);
    if (image.isNull())
        fail(QStringLiteral("is not a valid PNG picture"));
    return image;
}

DrawOp readOp(Reader& in, size_t page, size_t number, const std::vector<QImage>& pictures,
              std::vector<bool>& used, Budget& budget) {
    DrawOp op;
    const quint8 kind = in.u8();
    if (kind > DrawOp::Picture)
        refuseAt(page, number, QStringLiteral("unknown drawing kind %1").arg(kind));
    op.kind = DrawOp::Kind(kind);
    op.rect = in.rect();
    op.clip = in.rect();
    op.p1 = in.point();
    op.p2 = in.point();
    op.pos = in.point();
    op.color = in.u32();
    op.brushColor = in.u32();
    const quint8 solid = in.u8();
    if (solid > 1)
        refuseAt(page, number, QStringLiteral("the brush style %1 is unknown").arg(solid));
    op.brushSolid = solid == 1;
    op.penWidth = int(in.u32()); // out of range shows as negative, refused below
    op.frameWidth = in.real();
    const quint8 side = in.u8();
    if (side > DrawOp::Right)
        refuseAt(page, number, QStringLiteral("unknown frame side %1").arg(side));
    op.side = DrawOp::Side(side);
    if (op.kind == DrawOp::Text) {
        in.need(kTextExtraBytes);
        op.text = in.string(kMaxTextLength, QStringLiteral("text"), page, number, budget);
        op.font.family = in.string(kMaxFontFamilyLength, QStringLiteral("font name"), page, number, budget);
        op.font.pixelHeight = int(in.u32());
        const quint8 style = in.u8();
        if (style & ~(kStyleBold | kStyleItalic | kStyleUnderline))
            refuseAt(page, number, QStringLiteral("unknown font style %1").arg(style));
        op.font.bold = style & kStyleBold;
        op.font.italic = style & kStyleItalic;
        op.font.underline = style & kStyleUnderline;
        op.textWidth = in.real();
    } else if (op.kind == DrawOp::Picture) {
        const quint32 index = in.u32();
        if (index >= pictures.size())
            refuseAt(page, number, QStringLiteral("picture %1 does not exist").arg(quint64(index) + 1));
        op.image = pictures[index];
        used[index] = true;
    }
    if (const QString reason = checkOp(op); !reason.isEmpty())
        refuseAt(page, number, reason);
    return op;
}

// --- writing ---

// The distinct pictures of the pages, each numbered once: the same QImage by its cache key,
// an equal one (size, format, pixels) by comparison with those of its size and format.
class PictureTable {
public:
    quint32 index(const QImage& image) {
        if (const auto it = byKey_.find(image.cacheKey()); it != byKey_.end())
            return it->second;
        const auto shape = std::make_tuple(image.width(), image.height(), int(image.format()));
        auto found = quint32(images_.size());
        for (auto [it, end] = byShape_.equal_range(shape); it != end; ++it)
            if (images_[it->second] == image) {
                found = it->second;
                break;
            }
        if (found == images_.size()) {
            images_.push_back(image);
            byShape_.emplace(shape, found);
        }
        byKey_.emplace(image.cacheKey(), found);
        return found;
    }
    const std::vector<QImage>& images() const { return images_; }

private:
    std::vector<QImage> images_;
    std::unordered_map<qint64, quint32> byKey_;
    std::multimap<std::tuple<int, int, int>, quint32> byShape_;
};

// The picture as PNG, with its pixels, colours and colour space only (a picture's text
// would become chunks that reading refuses).
QByteArray encodePicture(const QImage& picture, QImage::Format format) {
    const QImage converted = picture.format() == format ? picture : picture.convertToFormat(format);
    QImage bare(converted.constBits(), converted.width(), converted.height(), converted.bytesPerLine(),
                converted.format());
    bare.setColorTable(converted.colorTable());
    bare.setColorSpace(converted.colorSpace());
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(bare))
        refuse(QStringLiteral("a picture cannot be stored: %1").arg(writer.errorString()));
    return png;
}

void writeString(QDataStream& out, const QString& s) {
    out << quint32(s.size());
    QByteArray units(s.size() * 2, Qt::Uninitialized);
    qToBigEndian<char16_t>(s.constData(), s.size(), units.data());
    out.writeRawData(units.constData(), int(units.size()));
}

} // namespace

std::vector<StoredPage> readPreview(const QByteArray& bytes) {
    if (bytes.size() > kMaxPreviewFileBytes)
        refuse(QStringLiteral("it is larger than %1 MiB").arg(mib(kMaxPreviewFileBytes)));
    if (bytes.size() < qsizetype(sizeof kMagic) || std::memcmp(bytes.constData(), kMagic, sizeof kMagic) != 0)
        refuse(QStringLiteral("it is not a saved preview"));
    Reader in(bytes);
    in.view(sizeof kMagic);
    const quint32 version = in.u32();
    if (version > kPreviewFileVersion)
        refuse(QStringLiteral("it was saved by a newer version of the program (format %1; this one reads %2)")
                   .arg(version)
                   .arg(kPreviewFileVersion));
    if (version != kPreviewFileVersion)
        refuse(QStringLiteral("its format version %1 is unknown").arg(version));

    const quint32 pageCount = in.u32();
    if (pageCount == 0)
        refuse(QStringLiteral("it holds no pages"));
    if (pageCount > kMaxPreviewPages)
        refuse(
            QStringLiteral("it holds too many pages (%1; at most %2)").arg(pageCount).arg(kMaxPreviewPages));
    const quint32 pictureCount = in.u32();
    if (pictureCount > kMaxPreviewPictures)
        refuse(QStringLiteral("it holds too many pictures (%1; at most %2)")
                   .arg(pictureCount)
                   .arg(kMaxPreviewPictures));
    in.need(pictureCount * kPictureFixedBytes + pageCount * kPageFixedBytes);

    Budget budget;
    budget.charge(qint64(pictureCount) * qint64(sizeof(QImage)) +
                  qint64(pageCount) * qint64(sizeof(StoredPage)));
    std::vector<QImage> pictures;
    pictures.reserve(pictureCount);
    for (quint32 i = 0; i < pictureCount; ++i)
        pictures.push_back(readPicture(in, i, budget));

    std::vector<bool> used(pictureCount);
    std::vector<StoredPage> pages(pageCount);
    for (size_t p = 0; p < pages.size(); ++p) {
        StoredPage& page = pages[p];
        page.width = in.real();
        page.length = in.real();
        if (const QString reason = checkPaper(page.width, page.length); !reason.isEmpty())
            refuse(QStringLiteral("page %1 has %2").arg(p + 1).arg(reason));
        const quint32 opCount = in.u32();
        if (opCount > kMaxPreviewOpsPerPage)
            refuse(QStringLiteral("page %1 holds too many drawings (%2; at most %3)")
                       .arg(p + 1)
                       .arg(opCount)
                       .arg(kMaxPreviewOpsPerPage));
        in.need(opCount * kOpFixedBytes);
        budget.charge(qint64(opCount) * qint64(sizeof(DrawOp)));
        page.ops.reserve(opCount);
        for (quint32 i = 0; i < opCount; ++i)
            page.ops.push_back(readOp(in, p, i, pictures, used, budget));
    }
    if (in.left() != 0)
        refuse(QStringLiteral("it has unexpected data after its last page"));
    for (quint32 i = 0; i < pictureCount; ++i)
        if (!used[i])
            refuse(QStringLiteral("picture %1 is not drawn on any page").arg(i + 1));
    return pages;
}

void writePreview(const PageStore& store, QIODevice& device) {
    const std::vector<StoredPage>& pages = store.pages();
    if (pages.empty())
        refuse(QStringLiteral("there are no pages"));
    if (pages.size() > kMaxPreviewPages)
        refuse(QStringLiteral("there are too many pages (%1; at most %2)")
                   .arg(pages.size())
                   .arg(kMaxPreviewPages));

    // Everything is checked, and the pictures numbered, before the first byte is written.
    Budget budget;
    qint64 fileBytes = kHeaderBytes + qint64(pages.size()) * kPageFixedBytes;
    PictureTable table;
    for (size_t p = 0; p < pages.size(); ++p) {
        const StoredPage& page = pages[p];
        if (const QString reason = checkPaper(page.width, page.length); !reason.isEmpty())
            refuse(QStringLiteral("page %1 has %2").arg(p + 1).arg(reason));
        if (page.ops.size() > kMaxPreviewOpsPerPage)
            refuse(QStringLiteral("page %1 holds too many drawings (%2; at most %3)")
                       .arg(p + 1)
                       .arg(page.ops.size())
                       .arg(kMaxPreviewOpsPerPage));
        budget.charge(qint64(page.ops.size()) * qint64(sizeof(DrawOp)));
        fileBytes += qint64(page.ops.size()) * kOpFixedBytes;
        for (size_t i = 0; i < page.ops.size(); ++i) {
            const DrawOp& op = page.ops[i];
            if (const QString reason = checkOp(op); !reason.isEmpty())
                refuseAt(p, i, reason);
            if (op.kind == DrawOp::Text) {
                budget.chargeString(op.text.size());
                budget.chargeString(op.font.family.size());
                fileBytes += kTextExtraBytes + 2 * (op.text.size() + op.font.family.size());
            } else if (op.kind == DrawOp::Picture) {
                if (op.image.isNull())
                    refuseAt(p, i, QStringLiteral("the picture is empty"));
                table.index(op.image);
                fileBytes += kPictureExtraBytes;
            }
        }
    }
    const std::vector<QImage>& pictures = table.images();
    if (pictures.size() > kMaxPreviewPictures)
        refuse(QStringLiteral("there are too many pictures (%1; at most %2)")
                   .arg(pictures.size())
                   .arg(kMaxPreviewPictures));
    budget.charge(qint64(pictures.size()) * qint64(sizeof(QImage)) +
                  qint64(pages.size()) * qint64(sizeof(StoredPage)));
    std::vector<QImage::Format> formats;
    std::vector<QByteArray> pngs;
    for (const QImage& picture : pictures) {
        const QImage::Format format = storable(picture.format()) ? picture.format() : QImage::Format_RGBA64;
        const auto width = quint32(picture.width()), height = quint32(picture.height());
        if (const QString reason = checkPicture(width, height, format); !reason.isEmpty())
            refuse(QStringLiteral("a picture ") + reason);
        budget.charge(pictureBytes(width, height, format));
        formats.push_back(format);
        pngs.push_back(encodePicture(picture, format));
        fileBytes += kPictureFixedBytes + pngs.back().size();
    }
    if (fileBytes > kMaxPreviewFileBytes)
        refuse(QStringLiteral("the file would be larger than %1 MiB").arg(mib(kMaxPreviewFileBytes)));

    QDataStream out(&device);
    out.setVersion(QDataStream::Qt_6_0);
    out.setByteOrder(QDataStream::BigEndian);
    out.setFloatingPointPrecision(QDataStream::DoublePrecision);
    out.writeRawData(kMagic, sizeof kMagic);
    out << kPreviewFileVersion << quint32(pages.size()) << quint32(pictures.size());
    for (size_t i = 0; i < pictures.size(); ++i) {
        out << quint32(pictures[i].width()) << quint32(pictures[i].height()) << quint32(formats[i])
            << quint32(pngs[i].size());
        out.writeRawData(pngs[i].constData(), int(pngs[i].size()));
    }
    auto rect = [&](const QRectF& r) { out << r.x() << r.y() << r.width() << r.height(); };
    auto point = [&](const QPointF& pt) { out << pt.x() << pt.y(); };
    for (const StoredPage& page : pages) {
        out << page.width << page.length << quint32(page.ops.size());
        for (const DrawOp& op : page.ops) {
            out << quint8(op.kind);
            rect(op.rect);
            rect(op.clip);
            point(op.p1);
            point(op.p2);
            point(op.pos);
            out << quint32(op.color) << quint32(op.brushColor) << quint8(op.brushSolid ? 1 : 0)
                << quint32(op.penWidth) << op.frameWidth << quint8(op.side);
            if (op.kind == DrawOp::Text) {
                writeString(out, op.text);
                writeString(out, op.font.family);
                out << quint32(op.font.pixelHeight)
                    << quint8((op.font.bold ? kStyleBold : 0) | (op.font.italic ? kStyleItalic : 0) |
                              (op.font.underline ? kStyleUnderline : 0))
                    << op.textWidth;
            } else if (op.kind == DrawOp::Picture) {
                out << table.index(op.image);
            }
        }
    }
    if (out.status() != QDataStream::Ok)
        refuse(device.errorString());
}

void savePreviewFile(const PageStore& store, const QString& fileName) {
    platform::saveFile(fileName, [&store](QIODevice& device) {
        writePreview(store, device);
        return true;
    });
}

std::vector<StoredPage> loadPreviewFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        refuseFile("read", fileName, file.errorString());
    const QString tooLarge = QStringLiteral("it is larger than %1 MiB").arg(mib(kMaxPreviewFileBytes));
    if (!file.isSequential() && file.size() > kMaxPreviewFileBytes)
        refuseFile("read", fileName, tooLarge);
    // In pieces, so that a device that does not know its size cannot make it grow past the limit.
    QByteArray bytes;
    if (!file.isSequential())
        bytes.reserve(file.size());
    char piece[65536];
    for (;;) {
        const qint64 n = file.read(piece, sizeof piece);
        if (n < 0)
            refuseFile("read", fileName, file.errorString());
        if (n == 0)
            break;
        if (bytes.size() + n > kMaxPreviewFileBytes)
            refuseFile("read", fileName, tooLarge);
        bytes.append(piece, n);
    }
    try {
        return readPreview(bytes);
    } catch (const platform::Error& e) {
        refuseFile("read", fileName, e.message());
    }
}

} // namespace report
