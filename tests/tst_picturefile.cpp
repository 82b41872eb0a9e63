// Loading background pictures: the four kinds by extension, and every way a file can fail,
// each with the message the user sees.
#include "PictureFixtures.h"
#include "platform/Error.h"
#include "platform/PictureFile.h"

#include <QBuffer>
#include <QDir>
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

QByteArray patched32(QByteArray bytes, qsizetype at, quint32 value) {
    fixtures::set32(bytes, at, value);
    return bytes;
}
QByteArray patched16(QByteArray bytes, qsizetype at, quint16 value) {
    fixtures::set16(bytes, at, value);
    return bytes;
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
    }
    void metafileRecordsWithCounts() {
        QFETCH(QByteArray, bytes);
        const Picture picture = platform::loadPictureData(bytes, "emf");
        QCOMPARE(picture.kind(), Picture::Kind::Metafile);
        QVERIFY(isRed(rendered(picture).pixel(35, 60))); // inside the rectangle, off the line
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
