// Loading background pictures: the four kinds by extension, and every way a file can fail,
// each with the message the user sees.
#include "PictureFixtures.h"
#include "platform/Error.h"
#include "platform/PictureFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using platform::Picture;

namespace {

// Draws a picture at its own size on white, as a picture box would.
QImage rendered(const Picture& picture) {
    QImage image(picture.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, QRectF(QPointF(0, 0), picture.size()));
    return image;
}

bool isRed(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}
bool isWhite(QRgb c) {
    return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240;
}

QByteArray pngBytes() {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Reddish and bluish also when drawn half transparent on white.
bool isReddish(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 170 && qBlue(c) < 170;
}
bool isBluish(QRgb c) {
    return qBlue(c) > 200 && qRed(c) < 170 && qGreen(c) < 170;
}

// A picture written by another program (tests/pictures; its README says which and how).
QByteArray produced(const char* name) {
    QFile file(QStringLiteral(LEDGORA_SOURCE_DIR "/tests/pictures/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no picture %s", name);
    return file.readAll();
}

QByteArray patched32(QByteArray bytes, qsizetype at, quint32 value) {
    fixtures::set32(bytes, at, value);
    return bytes;
}
QByteArray patched16(QByteArray bytes, qsizetype at, quint16 value) {
    fixtures::set16(bytes, at, value);
    return bytes;
}

// emf() with its end record carrying one palette entry at `offPal`.
QByteArray emfWithPalette(quint32 offPal) {
    QByteArray b = fixtures::emf();
    b.chop(20);
    for (quint32 v : {14u, 24u, 1u, offPal, 0u, 24u})
        fixtures::put32(b, v);
    fixtures::set32(b, 48, quint32(b.size()));
    return b;
}

// emf() with `extra` bytes appended to its header record.
QByteArray emfWithLongerHeader(const QByteArray& extra) {
    QByteArray b = fixtures::emf();
    b.insert(88, extra);
    fixtures::set32(b, 4, quint32(88 + extra.size()));
    fixtures::set32(b, 48, quint32(b.size()));
    return b;
}

} // namespace

class TestPictureFile : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write fixture %s", qPrintable(path));
        return path;
    }

    // The message a load raises, or an empty string when it loads.
    static QString failureOf(const QString& path) {
        try {
            platform::loadPictureFile(path);
        } catch (const platform::Error& e) {
            return e.message();
        }
        return {};
    }

    static QString dataFailureOf(const QByteArray& bytes, const QString& extension) {
        try {
            platform::loadPictureData(bytes, extension);
        } catch (const platform::Error& e) {
            return e.message();
        }
        return {};
    }

private slots:
    void bitmaps_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("24-bit") << "tile.bmp" << fixtures::bmp(5, 3, 24);
        QTest::newRow("8-bit with palette") << "tile.bmp" << fixtures::bmp(5, 3, 8);
        QTest::newRow("8-bit run-length encoded") << "tile.bmp" << fixtures::rle8(true);
        QTest::newRow("extension in capitals") << "X.BMP" << fixtures::bmp(5, 3, 24);
        QTest::newRow("extension in mixed case") << "tile.Bmp" << fixtures::bmp(5, 3, 8);
    }
    void bitmaps() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        const Picture picture = platform::loadPictureFile(write(name, bytes));
        QCOMPARE(picture.kind(), Picture::Kind::Bitmap);
        QCOMPARE(picture.size(), QSize(5, 3));
        // Rows are stored bottom-up: the first row read is the picture's last.
        QCOMPARE(picture.image().pixel(0, 0), fixtures::kRed);
        QCOMPARE(picture.image().pixel(4, 0), fixtures::kRed);
        QCOMPARE(picture.image().pixel(4, 2), fixtures::kBlue);
    }

    // Pixels may name colours the file's table does not have: they are black, and drawing
    // the bitmap reads nothing beyond the table.
    void colourIndicesBeyondTheTable() {
        const QByteArray bytes = patched32(fixtures::bmp(5, 3, 8), 46, 2); // two colours: 0 and 1
        const Picture picture = platform::loadPictureFile(write("short.bmp", bytes));
        QCOMPARE(picture.image().pixel(0, 0), fixtures::kRed); // index 1
        QCOMPARE(picture.image().pixel(4, 2), qRgb(0, 0, 0));  // index 2
        QCOMPARE(rendered(picture).pixel(4, 2), qRgb(0, 0, 0));
    }

    void icon() {
        const Picture picture = platform::loadPictureFile(write("tile.ico", fixtures::ico(16, 16)));
        QCOMPARE(picture.kind(), Picture::Kind::Icon);
        QCOMPARE(picture.size(), QSize(16, 16));
        QCOMPARE(picture.image().pixel(8, 8), fixtures::kRed);
    }

    // A metafile is shown at its stated bounds (the EMF frame, the WMF placeable box): the
    // drawing sits in the middle with blank margins, not stretched over the whole picture as
    // if what it drew were the picture.
    void metafilesShownAtTheirBounds_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("emf rectangle") << "tile.EMF" << fixtures::emf();
        QTest::newRow("emf bitmap") << "tile.emf" << fixtures::emfBitmap();
        QTest::newRow("placeable wmf rectangle") << "tile.wmf" << fixtures::wmf(true);
        QTest::newRow("placeable wmf bitmap") << "tile.Wmf" << fixtures::wmfBitmap();
    }
    void metafilesShownAtTheirBounds() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        const Picture picture = platform::loadPictureFile(write(name, bytes));
        QCOMPARE(picture.kind(), Picture::Kind::Metafile);
        QCOMPARE(picture.size(), QSize(96, 96));
        const QImage image = rendered(picture);
        QVERIFY(isRed(image.pixel(48, 48)));
        QVERIFY(isWhite(image.pixel(5, 5)));
        QVERIFY(isWhite(image.pixel(90, 90)));
        QVERIFY(isWhite(image.pixel(15, 48)));
        QVERIFY(isRed(image.pixel(30, 48)));
    }

    // Records whose counts agree with their sizes pass the checks and are drawn.
    void metafileRecordsWithCounts_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("polyline") << fixtures::emfWith(fixtures::emfPolyline16(2));
        QTest::newRow("text") << fixtures::emfWith(fixtures::emfText(2));
        // Names are no numbers: a font may be called what a non-number is written as.
        QTest::newRow("font named nan") << fixtures::emfWith(fixtures::emfFont("nan") + fixtures::emfText(2));
        QTest::newRow("font named -inf")
            << fixtures::emfWith(fixtures::emfFont("-inf") + fixtures::emfText(2));
    }
    void metafileRecordsWithCounts() {
        QFETCH(QByteArray, bytes);
        const Picture picture = platform::loadPictureData(bytes, "emf");
        QCOMPARE(picture.kind(), Picture::Kind::Metafile);
        QVERIFY(isRed(rendered(picture).pixel(35, 60))); // inside the rectangle, off the line
    }

    // Pictures written by other programs are drawn where their producer put them, at the size
    // their header states. Points are fractions of that size: a picture too large for the pixel
    // budget is drawn smaller, in proportion, and holds no pixels of its own.
    void producedElsewhere_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<QPointF>>("red");
        QTest::addColumn<QList<QPointF>>("blue");
        QTest::addColumn<QList<QPointF>>("white");
        // The description right after the base header: no optional fields to read there.
        QTest::newRow("description after the base header")
            << "fig2dev-description.emf" << QSize(104, 104) << QList<QPointF>{{52 / 104., 52 / 104.}}
            << QList<QPointF>{{16 / 104., 16 / 104.}}
            << QList<QPointF>{{90 / 104., 90 / 104.}, {16 / 104., 60 / 104.}, {60 / 104., 16 / 104.}};
        // Its size field counts the placeable header; its mapping is anisotropic, and nothing
        // is drawn at the origin.
        QTest::newRow("placeable wmf drawn away from the origin")
            << "inkscape-offset.wmf" << QSize(120, 80)
            << QList<QPointF>{{80 / 120., 55 / 80.}, {62 / 120., 42 / 80.}}
            << QList<QPointF>{{20 / 120., 20 / 80.}, {12 / 120., 12 / 80.}}
            << QList<QPointF>{
                   {5 / 120., 5 / 80.}, {110 / 120., 75 / 80.}, {45 / 120., 20 / 80.}, {80 / 120., 30 / 80.}};
        // 1.35 m × 0.90 m: more pixels than the budget allows, were it a bitmap.
        QTest::newRow("frame larger than the pixel budget")
            << "inkscape-large-frame.emf" << QSize(5102, 3405) << QList<QPointF>{{900 / 1350., 600 / 900.}}
            << QList<QPointF>{{75 / 1350., 75 / 900.}}
            << QList<QPointF>{{0.5, 0.25}, {0.95, 0.95}, {0.3, 0.7}};
    }
    void producedElsewhere() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(QList<QPointF>, red);
        QFETCH(QList<QPointF>, blue);
        QFETCH(QList<QPointF>, white);
        const QByteArray bytes = produced(qPrintable(name));
        QCOMPARE(dataFailureOf(bytes, QFileInfo(name).suffix()), QString());
        const Picture picture = platform::loadPictureData(bytes, QFileInfo(name).suffix());
        QCOMPARE(picture.kind(), Picture::Kind::Metafile);
        QCOMPARE(picture.size(), size);
        QVERIFY(picture.image().isNull());

        const QImage image = platform::renderPicture(picture, picture.size());
        QVERIFY(qint64(image.width()) * image.height() * 4 <= platform::kMaxPicturePixelBytes);
        if (qint64(size.width()) * size.height() * 4 <= platform::kMaxPicturePixelBytes)
            QCOMPARE(image.size(), size);
        else
            QVERIFY(qAbs(image.width() * size.height() - image.height() * size.width()) <= size.width());
        const auto at = [&](QPointF f) {
            return image.pixel(int(f.x() * image.width()), int(f.y() * image.height()));
        };
        for (QPointF f : red)
            QVERIFY2(isReddish(at(f)),
                     qPrintable(QStringLiteral("%1, %2: %3").arg(f.x()).arg(f.y()).arg(at(f), 0, 16)));
        for (QPointF f : blue)
            QVERIFY2(isBluish(at(f)),
                     qPrintable(QStringLiteral("%1, %2: %3").arg(f.x()).arg(f.y()).arg(at(f), 0, 16)));
        for (QPointF f : white)
            QVERIFY2(isWhite(at(f)),
                     qPrintable(QStringLiteral("%1, %2: %3").arg(f.x()).arg(f.y()).arg(at(f), 0, 16)));
    }

    // Each check refuses a file one step past its limit, and its twin one step inside loads:
    // neither is decided by another check or by the converter. The refused bytes are allocated
    // exactly, so that a check reading past them shows in the sanitizer build.
    void limits_data() {
        using namespace fixtures;
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QByteArray>("inside");
        QTest::addColumn<QByteArray>("outside");
        const QByteArray goodEmf = emf(), goodWmf = wmf(true), plainWmf = wmf(false);
        const quint32 wmfWords = quint32((goodWmf.size() - kPlaceableSize) / 2);

        // 4096 × 4096 pixels at 4 bytes are exactly 64 MiB.
        QTest::newRow("bitmap at the pixel budget") << "bmp" << bmp1(4096, 4096) << bmp1(4096, 4097);

        QTest::newRow("emf record size a multiple of 4")
            << "emf" << emfWith(emfComment(20, 8)) << emfWith(emfComment(18, 6));
        QByteArray cut = goodEmf.left(goodEmf.size() - 20) + emfPolyline16(2).left(24);
        set32(cut, 48, quint32(cut.size()));
        QTest::newRow("emf last record inside the file") << "emf" << emfWith(emfPolyline16(2)) << cut;
        QTest::newRow("emf end record palette after its fields")
            << "emf" << emfWithPalette(16) << emfWithPalette(15);
        QTest::newRow("emf end record palette inside it")
            << "emf" << emfWithPalette(20) << emfWithPalette(21);
        const QByteArray described = emfWithLongerHeader(QByteArray("A\0b\0c\0d\0", 8));
        QTest::newRow("emf description inside the header")
            << "emf" << patched32(patched32(described, 60, 4), 64, 88)
            << patched32(patched32(described, 60, 5), 64, 88);
        QTest::newRow("emf description after the base header")
            << "emf" << patched32(patched32(described, 60, 4), 64, 88)
            << patched32(patched32(described, 60, 4), 64, 87);
        // Optional fields (pixel format and size in micrometres), then a 40-byte pixel format.
        QByteArray optional(60, '\0');
        set32(optional, 0, 40);
        set32(optional, 16, 254000);
        set32(optional, 20, 254000);
        QTest::newRow("emf pixel format inside the header")
            << "emf" << emfWithLongerHeader(patched32(optional, 4, 108))
            << emfWithLongerHeader(patched32(optional, 4, 109));
        // 866960 hundredths of a millimetre are 32767.4 pixels at 96 dpi; 866980 are 32767.8.
        QTest::newRow("emf frame at the largest side")
            << "emf" << patched32(goodEmf, 32, 866960) << patched32(goodEmf, 32, 866980);

        QTest::newRow("wmf size as stated")
            << "wmf" << goodWmf << patched32(goodWmf, kPlaceableSize + 6, wmfWords + 1);
        QTest::newRow("wmf size not short")
            << "wmf" << goodWmf << patched32(goodWmf, kPlaceableSize + 6, wmfWords - 1);
        const quint32 allWords = quint32(goodWmf.size() / 2);
        QTest::newRow("wmf size counting the placeable header")
            << "wmf" << patched32(goodWmf, kPlaceableSize + 6, allWords)
            << patched32(goodWmf, kPlaceableSize + 6, allWords + 1);
        QTest::newRow("wmf size counting a placeable header it has not")
            << "wmf" << plainWmf << patched32(plainWmf, 6, quint32(plainWmf.size() / 2 + kPlaceableSize / 2));
        QTest::newRow("wmf record no larger than the stated largest")
            << "wmf" << goodWmf << patched32(goodWmf, kPlaceableSize + 12, 6);
        // 32767 units at 96 an inch are 32767 pixels.
        const QByteArray wide = patched16(patched16(goodWmf, 10, 32767), 14, 96);
        QTest::newRow("wmf bounds at the largest side") << "wmf" << wide << patched16(wide, 6, quint16(-1));
    }
    void limits() {
        QFETCH(QString, extension);
        QFETCH(QByteArray, inside);
        QFETCH(QByteArray, outside);
        QCOMPARE(dataFailureOf(inside, extension), QString());
        const QImage image =
            platform::renderPicture(platform::loadPictureData(inside, extension), QSize(200, 200));
        QVERIFY(!image.isNull());
        const QByteArray exact(outside.constData(), outside.size());
        QCOMPARE(dataFailureOf(exact, extension), extension == u"bmp"
                                                      ? QStringLiteral("Bitmap image is not valid")
                                                      : QStringLiteral("Metafile is not valid"));
    }

    // Without a placeable header the file states no bounds: what it draws is the picture,
    // one logical unit a pixel.
    void windowsMetafileWithoutPlaceableHeader() {
        const Picture picture = platform::loadPictureFile(write("tile.wmf", fixtures::wmf(false)));
        QCOMPARE(picture.kind(), Picture::Kind::Metafile);
        QVERIFY2(
            qAbs(picture.size().width() - 500) <= 2 && qAbs(picture.size().height() - 500) <= 2,
            qPrintable(QStringLiteral("%1 x %2").arg(picture.size().width()).arg(picture.size().height())));
        const QImage image = rendered(picture);
        QVERIFY(isRed(image.pixel(20, 20)));
        QVERIFY(isRed(image.pixel(250, 250)));
    }

    void failures_data() {
        using namespace fixtures;
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // null: no file of that name
        QTest::addColumn<QString>("message");  // "%path" stands for the path as given

        const QString bitmap = "Bitmap image is not valid";
        const QString icon = "Icon image is not valid";
        const QString metafile = "Metafile is not valid";
        const QByteArray garbage = QByteArray("this is not a picture at all, only words\n").repeated(8);

        // The extension is judged first, as written, whether or not the file exists.
        QTest::newRow("png") << "tile.png" << pngBytes() << "Unknown picture file extension (.png)";
        QTest::newRow("upper-case unknown")
            << "TILE.JPG" << garbage << "Unknown picture file extension (.JPG)";
        QTest::newRow("missing file, unknown extension")
            << "gone.gif" << QByteArray() << "Unknown picture file extension (.gif)";
        QTest::newRow("no extension") << "tile" << bmp(4, 4, 24) << "Unknown picture file extension (.)";
        QTest::newRow("trailing dot") << "tile." << bmp(4, 4, 24) << "Unknown picture file extension (.)";
        QTest::newRow("last extension counts")
            << "tile.bmp.txt" << bmp(4, 4, 24) << "Unknown picture file extension (.txt)";

        QTest::newRow("missing bmp") << "gone.bmp" << QByteArray() << "Cannot open file %path";
        QTest::newRow("missing wmf") << "gone.WMF" << QByteArray() << "Cannot open file %path";

        QTest::newRow("empty bmp") << "empty.bmp" << QByteArray("") << bitmap;
        QTest::newRow("garbage bmp") << "garbage.bmp" << garbage << bitmap;
        QTest::newRow("png named bmp") << "tile.bmp" << pngBytes() << bitmap;
        QTest::newRow("icon named bmp") << "tile.bmp" << ico(16, 16) << bitmap;
        QTest::newRow("bmp cut in its pixels") << "cut.bmp" << bmp(64, 64, 24).left(2000) << bitmap;
        QTest::newRow("8-bit bmp cut in its pixels") << "cut.bmp" << bmp(64, 64, 8).left(4000) << bitmap;
        QTest::newRow("run-length bmp without its end mark") << "cut.bmp" << rle8(false) << bitmap;
        QByteArray offTheEdge = rle8(true);
        offTheEdge[14 + 40 + 256 * 4] = char(255); // a first run of 255 pixels on a 5-pixel row
        QTest::newRow("run-length bmp running off its width") << "edge.bmp" << offTheEdge << bitmap;
        QTest::newRow("bmp cut in its header") << "cut.bmp" << bmp(64, 64, 24).left(30) << bitmap;
        // 20000 × 20000 pixels need 1.6 GB: refused from the header, before any pixel is read.
        QTest::newRow("bmp of huge stated size")
            << "huge.bmp" << patched32(patched32(bmp(4, 4, 24), 18, 20000), 22, 20000) << bitmap;
        QTest::newRow("bmp of negative width")
            << "neg.bmp" << patched32(bmp(4, 4, 24), 18, quint32(-4)) << bitmap;

        QTest::newRow("empty ico") << "empty.ico" << QByteArray("") << icon;
        QTest::newRow("garbage ico") << "garbage.ico" << garbage << icon;
        QTest::newRow("bitmap named ico") << "tile.ico" << bmp(4, 4, 24) << icon;
        QTest::newRow("ico cut in its pixels") << "cut.ico" << ico(32, 32).left(300) << icon;
        QTest::newRow("ico with no images") << "none.ico" << patched16(ico(16, 16), 4, 0) << icon;
        QTest::newRow("ico image beyond the file")
            << "far.ico" << patched32(ico(16, 16), 18, 0x7fff0000) << icon;

        const QByteArray goodEmf = emf();
        QTest::newRow("empty emf") << "empty.emf" << QByteArray("") << metafile;
        QTest::newRow("garbage emf") << "garbage.emf" << garbage << metafile;
        QTest::newRow("emf cut in a record") << "cut.emf" << goodEmf.left(goodEmf.size() - 10) << metafile;
        QTest::newRow("emf cut in its header") << "cut.emf" << goodEmf.left(60) << metafile;
        QTest::newRow("emf without end record")
            << "open.emf" << goodEmf.left(goodEmf.size() - 20) << metafile;
        QTest::newRow("emf with bad signature")
            << "sig.emf" << patched32(goodEmf, 40, 0x464D4521) << metafile;
        QTest::newRow("emf first record not the header") << "hdr.emf" << patched32(goodEmf, 0, 2) << metafile;
        QTest::newRow("emf record size below 8")
            << "small.emf" << patched32(goodEmf, kEmfRectangleAt + 4, 4) << metafile;
        QTest::newRow("emf record size not a multiple of 4")
            << "odd.emf" << patched32(goodEmf, kEmfRectangleAt + 4, 26) << metafile;
        QTest::newRow("emf record beyond the file")
            << "far.emf" << patched32(goodEmf, kEmfRectangleAt + 4, 0x7ffffff0) << metafile;
        QTest::newRow("emf header size beyond the file")
            << "far.emf" << patched32(goodEmf, 4, 4096) << metafile;
        QTest::newRow("emf bytes after the end record")
            << "tail.emf" << goodEmf + QByteArray(8, '\0') << metafile;
        QTest::newRow("emf description outside the header")
            << "desc.emf" << patched32(patched32(goodEmf, 60, 1000), 64, 88) << metafile;
        QTest::newRow("emf description offset without length")
            << "desc.emf" << patched32(goodEmf, 64, 80) << metafile;
        QTest::newRow("emf points beyond their record") << "pts.emf" << emfWith(emfPolyline16(3)) << metafile;
        QTest::newRow("emf text beyond its record") << "text.emf" << emfWith(emfText(3)) << metafile;
        QTest::newRow("emf end record palette outside it")
            << "pal.emf" << patched32(goodEmf, goodEmf.size() - 20 + 8, 100) << metafile;
        // A frame of 10 × 10 metres is 37795 × 37795 pixels at 96 dpi.
        QTest::newRow("emf of huge stated size")
            << "huge.emf" << patched32(patched32(goodEmf, 32, 1000000), 36, 1000000) << metafile;
        QTest::newRow("emf bitmap of huge stated size")
            << "dib.emf" << patched32(patched32(emfBitmap(), kEmfBitmapAt + 4, 5000), kEmfBitmapAt + 8, 5000)
            << metafile;
        QTest::newRow("emf bitmap pixels beyond their count")
            << "dib.emf" << patched32(emfBitmap(), kEmfBitmapAt + 8, 3) << metafile;
        QTest::newRow("emf bitmap header beyond the record")
            << "dib.emf" << patched32(emfBitmap(), 88 + 48, 80 + 40) << metafile;
        QTest::newRow("emf bitmap of no width")
            << "dib.emf" << patched32(emfBitmap(), kEmfBitmapAt + 4, 0) << metafile;
        QTest::newRow("wmf bytes named emf") << "tile.emf" << wmf(true) << metafile;
        // Every coordinate the converter gives is not a number: a blank picture is no picture.
        QTest::newRow("emf drawn with no numbers")
            << "aniso.emf" << produced("pstoedit-anisotropic.emf") << metafile;

        const QByteArray goodWmf = wmf(true);
        const qsizetype header = kPlaceableSize;
        const qsizetype firstRecord = header + 18;
        QTest::newRow("empty wmf") << "empty.wmf" << QByteArray("") << metafile;
        QTest::newRow("garbage wmf") << "garbage.wmf" << garbage << metafile;
        QTest::newRow("wmf cut in a record") << "cut.wmf" << goodWmf.left(goodWmf.size() - 8) << metafile;
        QTest::newRow("wmf cut in its header") << "cut.wmf" << goodWmf.left(header + 10) << metafile;
        QTest::newRow("wmf without end record") << "open.wmf"
                                                << patched32(goodWmf.left(goodWmf.size() - 6), header + 6,
                                                             quint32((goodWmf.size() - 6 - header) / 2))
                                                << metafile;
        QTest::newRow("wmf header not 9 words") << "hdr.wmf" << patched16(goodWmf, header + 2, 8) << metafile;
        QTest::newRow("wmf stated size beyond the file")
            << "size.wmf" << patched32(goodWmf, header + 6, quint32(goodWmf.size())) << metafile;
        QTest::newRow("wmf record below 3 words")
            << "small.wmf" << patched32(goodWmf, firstRecord, 2) << metafile;
        QTest::newRow("wmf record beyond the file")
            << "far.wmf" << patched32(goodWmf, firstRecord, 0x7ffffff0) << metafile;
        QTest::newRow("wmf record above the stated largest")
            << "max.wmf" << patched32(goodWmf, header + 12, 5) << metafile;
        QTest::newRow("wmf placeable with no units an inch")
            << "inch.wmf" << patched16(goodWmf, 14, 0) << metafile;
        // 65535 units at one an inch: 6 million pixels a side.
        QTest::newRow("wmf of huge stated size")
            << "huge.wmf" << patched16(patched16(patched16(goodWmf, 6, quint16(-32768)), 10, 32767), 14, 1)
            << metafile;
        QTest::newRow("wmf bitmap of huge stated size")
            << "dib.wmf" << patched32(patched32(wmfBitmap(), kWmfBitmapAt + 4, 5000), kWmfBitmapAt + 8, 5000)
            << metafile;
        QTest::newRow("wmf bitmap pixels beyond the record")
            << "dib.wmf" << patched32(wmfBitmap(), kWmfBitmapAt + 8, 3) << metafile;
        QTest::newRow("wmf bitmap of 7 bits a pixel")
            << "dib.wmf" << patched16(wmfBitmap(), kWmfBitmapAt + 14, 7) << metafile;
        // The same stretch record with its parameters but no bitmap after them.
        QByteArray noBitmap = wmfBitmap().left(kWmfBitmapAt);
        fixtures::set32(noBitmap, kWmfBitmapAt - 28, 14);
        noBitmap.append(QByteArray::fromHex("030000000000"));
        fixtures::set32(noBitmap, header + 6, quint32((noBitmap.size() - header) / 2));
        QTest::newRow("wmf stretch record without its bitmap") << "dib.wmf" << noBitmap << metafile;
        QTest::newRow("emf bytes named wmf") << "tile.wmf" << emf() << metafile;
    }
    void failures() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString path = bytes.isNull() ? dir_.filePath(name) : write(name, bytes);
        QCOMPARE(failureOf(path), message.replace("%path", path));
    }

    // A folder named like a picture is no file to open.
    void folderNamedLikeAPicture() {
        const QString path = dir_.filePath("folder.bmp");
        QVERIFY(QDir().mkpath(path));
        QCOMPARE(failureOf(path), "Cannot open file " + path);
    }

    // The path is reported as given, relative or not.
    void cannotOpenNamesThePathAsGiven() {
        QCOMPARE(failureOf("no/such/dir/tile.ico"), QStringLiteral("Cannot open file no/such/dir/tile.ico"));
    }

    // Files above the size cap are refused whatever they hold, without being read in.
    void oversizedFile() {
        const QString path = write("big.wmf", fixtures::wmf(true));
        QFile file(path);
        QVERIFY(file.resize(platform::kMaxPictureFileBytes + 1)); // sparse: nothing written
        QCOMPARE(failureOf(path), QStringLiteral("Metafile is not valid"));

        QByteArray bytes = fixtures::bmp(4, 4, 24);
        bytes.append(QByteArray(platform::kMaxPictureFileBytes, '\0'));
        try {
            platform::loadPictureData(bytes, "bmp");
            QFAIL("an oversized bitmap loaded");
        } catch (const platform::Error& e) {
            QCOMPARE(e.message(), QStringLiteral("Bitmap image is not valid"));
        }
    }
};

QTEST_MAIN(TestPictureFile)
#include "tst_picturefile.moc"
