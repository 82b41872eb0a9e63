// The saved preview file: the four documents come back exactly as they were saved, identical
// pictures are stored once and shared again when read, every kind of damaged or hostile file
// is refused with its own reason, and a failed save leaves the old file alone.
#include "platform/Error.h"
#include "report/PreviewFile.h"
#include "templates/Documents.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <limits>
#include <memory>
#include <optional>
#include <sys/resource.h>

using namespace report;

namespace {

struct Documents : templates::Documents {
    PageStore compose(const QString& name) {
        TReport& report = *byName(name);
        if (&report == &transfer.Report1)
            transfer.CopyFormPicture(); // as the main window does before every preview
        PageStore store;
        report.Compose(store);
        return store;
    }
};

std::unique_ptr<Documents> documents;

QByteArray bytesOf(const PageStore& store) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writePreview(store, buffer);
    return bytes;
}

QByteArray fileContent(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot open)");
}

void putFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QList<const DrawOp*> pictureOps(const std::vector<StoredPage>& pages) {
    QList<const DrawOp*> out;
    for (const StoredPage& page : pages)
        for (const DrawOp& op : page.ops)
            if (op.kind == DrawOp::Picture)
                out << &op;
    return out;
}

QByteArray be32(quint32 v) {
    QByteArray b(4, Qt::Uninitialized);
    qToBigEndian(v, b.data());
    return b;
}
QByteArray beDouble(double v) {
    QByteArray b(8, Qt::Uninitialized);
    qToBigEndian(v, b.data());
    return b;
}
QByteArray patched(QByteArray bytes, qsizetype at, const QByteArray& with) {
    bytes.replace(at, with.size(), with);
    return bytes;
}

// A small page whose fields can be found in its file by their distinctive values: a text and
// a picture, on paper of 2099.75 × 2970.25 tenths.
constexpr double kPaperWidth = 2099.75, kTextLeft = 1234.5, kFrameWidth = 2.5;
const QString kText = QStringLiteral("Ledgora");

QImage samplePicture() {
    QImage image(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            image.setPixel(x, y, qRgb(x * 30, y * 50, 128));
    return image;
}

PageStore samplePage() {
    PageStore store;
    store.beginRun();
    store.beginPage(kPaperWidth, 2970.25);
    DrawOp text;
    text.kind = DrawOp::Text;
    text.rect = QRectF(kTextLeft, 40, 300, 60);
    text.clip = text.rect;
    text.pos = QPointF(kTextLeft, 41);
    text.text = kText;
    text.font.family = QStringLiteral("DejaVu Sans");
    text.font.bold = true;
    text.frameWidth = kFrameWidth;
    text.side = DrawOp::Left;
    text.textWidth = 180.25;
    store.add(text);
    DrawOp picture;
    picture.kind = DrawOp::Picture;
    picture.rect = QRectF(100, 200, 70, 50);
    picture.clip = picture.rect;
    picture.image = samplePicture();
    store.add(picture);
    store.finishPage();
    store.endRun();
    return store;
}

QByteArray utf16(const QString& s) {
    QByteArray b(s.size() * 2, Qt::Uninitialized);
    qToBigEndian<char16_t>(s.utf16(), s.size(), b.data());
    return b;
}

// Where the sample's fields lie in its file.
struct Layout {
    QByteArray file = bytesOf(samplePage());
    qsizetype png = 36; // the picture's PNG bytes
    qsizetype pngSize = qFromBigEndian<quint32>(file.constData() + 32);
    qsizetype page = png + pngSize;                         // paper width, length, drawing count
    qsizetype text = file.indexOf(beDouble(kTextLeft)) - 1; // the text drawing's kind byte
    qsizetype frame = file.indexOf(beDouble(kFrameWidth));  // pen width before, side after
    qsizetype textLength = file.indexOf(utf16(kText)) - 4;
};

// Five declared 4096 × 4096 one-bit pictures: 64 MiB each as counted, a few kilobytes as read.
QByteArray fivePictures(const QByteArray& header) {
    QImage big(4096, 4096, QImage::Format_Mono);
    big.fill(0);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    big.save(&buffer, "png");
    QByteArray file = header.left(12) + be32(1) + be32(5);
    for (int i = 0; i < 5; ++i)
        file += be32(4096) + be32(4096) + be32(QImage::Format_Mono) + be32(quint32(png.size())) + png;
    return file;
}

// While it lives, no file of the process can grow: a write fails as on a full disk, even
// for root.
class DiskFull {
public:
    DiskFull() {
        getrlimit(RLIMIT_FSIZE, &old_);
        handler_ = std::signal(SIGXFSZ, SIG_IGN); // a failed write instead of a killed process
        rlimit none = old_;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~DiskFull() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, handler_);
    }

private:
    rlimit old_{};
    void (*handler_)(int) = nullptr;
};

} // namespace

class TestPreviewFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { documents = std::make_unique<Documents>(); }
    void cleanupTestCase() { documents.reset(); }
    void roundTrip_data();
    void roundTrip();
    void identicalPicturesStoredOnce();
    void brokenFiles_data();
    void brokenFiles();
    void failedSave_data();
    void failedSave();

private:
    QTemporaryDir dir_;
};

void TestPreviewFile::roundTrip_data() {
    QTest::addColumn<QString>("document");
    for (const char* name : {"vat", "rr", "bill", "transfer"})
        QTest::newRow(name) << name;
}

void TestPreviewFile::roundTrip() {
    QFETCH(QString, document);
    const PageStore original = documents->compose(document);
    const QString path = dir_.filePath(document + QStringLiteral(".rpv"));
    savePreviewFile(original, path);

    // The preview's store may hold an abandoned run when a file is loaded into it.
    PageStore loaded;
    loaded.beginRun();
    loaded.beginPage(2100, 2970);
    loaded.abandon();
    loaded.setPages(loadPreviewFile(path));
    QVERIFY(loaded.samePages(original));
    QCOMPARE(loaded.pageCount(), original.pageCount());
    QCOMPARE(loaded.lastFinishedPage(), original.pageCount());
    QVERIFY(loaded.finished());
    QVERIFY(!loaded.abandoned());

    // Saving what was loaded gives the same file.
    QCOMPARE(bytesOf(loaded), fileContent(path));
}

void TestPreviewFile::identicalPicturesStoredOnce() {
    // The transfer sheet with every picture a separate object: its four copies of the form
    // are then equal pictures that share nothing.
    std::vector<StoredPage> pages = documents->compose(QStringLiteral("transfer")).pages();
    for (StoredPage& page : pages)
        for (DrawOp& op : page.ops)
            if (op.kind == DrawOp::Picture)
                op.image = op.image.copy();
    PageStore original;
    original.setPages(pages);
    const auto before = pictureOps(original.pages());
    int distinct = 0;
    for (int i = 0; i < before.size(); ++i)
        if (std::none_of(before.begin(), before.begin() + i,
                         [&](const DrawOp* op) { return op->image == before[i]->image; }))
            ++distinct;
    QVERIFY(distinct < before.size());

    const QByteArray file = bytesOf(original);
    QCOMPARE(qFromBigEndian<quint32>(file.constData() + 16), quint32(distinct)); // the picture count

    // Read back, equal pictures are one shared picture, and different ones stay apart.
    const std::vector<StoredPage> loaded = readPreview(file);
    const auto after = pictureOps(loaded);
    QCOMPARE(after.size(), before.size());
    for (int i = 0; i < before.size(); ++i)
        for (int j = 0; j < before.size(); ++j)
            QCOMPARE(after[i]->image.cacheKey() == after[j]->image.cacheKey(),
                     before[i]->image == before[j]->image);
}

void TestPreviewFile::brokenFiles_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("reason");

    const Layout at;
    const QByteArray& file = at.file;
    QVERIFY(readPreview(file).size() == 1); // the sample itself is fine
    const qsizetype pen = at.frame - 4, side = at.frame + 8, opCount = at.page + 16;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();

    QTest::newRow("empty") << QByteArray() << "it is not a saved preview";
    QTest::newRow("wrong magic") << patched(file, 1, "X") << "it is not a saved preview";
    QTest::newRow("cut in the version") << file.left(10) << "it is cut short";
    QTest::newRow("cut in the picture") << file.left(at.png + at.pngSize / 2) << "it is cut short";
    QTest::newRow("cut in a drawing") << file.left(at.frame) << "it is cut short";
    QTest::newRow("cut before the last byte") << file.left(file.size() - 1) << "it is cut short";
    QTest::newRow("trailing garbage") << file + '\0' << "it has unexpected data after its last page";
    QTest::newRow("future version")
        << patched(file, 8, be32(kPreviewFileVersion + 1))
        << QStringLiteral("it was saved by a newer version of the program (format %1; this one reads %2)")
               .arg(kPreviewFileVersion + 1)
               .arg(kPreviewFileVersion);
    QTest::newRow("version 0") << patched(file, 8, be32(0)) << "its format version 0 is unknown";

    QTest::newRow("zero pages") << patched(file, 12, be32(0)) << "it holds no pages";
    QTest::newRow("huge page count") << patched(file, 12, be32(0xffffffff))
                                     << "it holds too many pages (4294967295; at most 10000)";
    QTest::newRow("pages beyond the bytes") << patched(file, 12, be32(kMaxPreviewPages)) << "it is cut short";
    QTest::newRow("huge picture count")
        << patched(file, 16, be32(0xffffffff)) << "it holds too many pictures (4294967295; at most 4096)";
    QTest::newRow("huge drawing count") << patched(file, opCount, be32(0xffffffff))
                                        << "page 1 holds too many drawings (4294967295; at most 100000)";
    QTest::newRow("drawings beyond the bytes")
        << patched(file, opCount, be32(kMaxPreviewOpsPerPage)) << "it is cut short";
    QTest::newRow("huge text length") << patched(file, at.textLength, be32(0xffffffff))
                                      << "page 1, drawing 1: a text of 4294967295 characters is too long";
    QTest::newRow("text beyond the bytes")
        << patched(file, at.textLength, be32(kMaxTextLength)) << "it is cut short";

    QTest::newRow("picture above the cap") << patched(file, 20, be32(4097) + be32(4096))
                                           << "picture 1 of 4097 × 4096 pixels needs more than 64 MiB";
    QTest::newRow("picture of no width")
        << patched(file, 20, be32(0)) << "picture 1 has an invalid size of 0 × 5 pixels";
    QTest::newRow("picture not of its stated size")
        << patched(file, 20, be32(8)) << "picture 1 does not match its stated size";
    QTest::newRow("unknown picture format")
        << patched(file, 28, be32(99)) << "picture 1 has an unknown format (99)";
    QTest::newRow("damaged picture data")
        << patched(file, at.page - 20, "\xff\xff\xff\xff") << "picture 1 is not a valid PNG picture";
    QTest::newRow("pictures beyond the memory limit")
        << fivePictures(file) << "the pages need more than 256 MiB of memory";

    QTest::newRow("NaN paper width") << patched(file, at.page, beDouble(nan))
                                     << "page 1 has a paper size of nan × 2970.25 tenths of a millimetre, "
                                        "outside 100 to 13000";
    QTest::newRow("paper too narrow") << patched(file, at.page, beDouble(99.5))
                                      << "page 1 has a paper size of 99.5 × 2970.25 tenths of a millimetre, "
                                         "outside 100 to 13000";
    QTest::newRow("NaN coordinate") << patched(file, at.text + 1, beDouble(nan))
                                    << "page 1, drawing 1: a position or size is not a finite number";
    QTest::newRow("infinite coordinate") << patched(file, at.text + 1, beDouble(-inf))
                                         << "page 1, drawing 1: a position or size is not a finite number";
    QTest::newRow("coordinate too far") << patched(file, at.text + 1, beDouble(1e6))
                                        << "page 1, drawing 1: a position or size is out of range";
    QTest::newRow("unknown drawing kind")
        << patched(file, at.text, "\x07") << "page 1, drawing 1: unknown drawing kind 7";
    QTest::newRow("unknown frame side")
        << patched(file, side, "\x04") << "page 1, drawing 1: unknown frame side 4";
    QTest::newRow("huge pen width") << patched(file, pen, be32(0xffffffff))
                                    << "page 1, drawing 1: pen width -1 is outside 0 to 1000";
    QTest::newRow("bad picture index")
        << patched(file, file.size() - 4, be32(1)) << "page 1, drawing 2: picture 2 does not exist";
}

void TestPreviewFile::brokenFiles() {
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);
    const QString path = dir_.filePath(QStringLiteral("broken.rpv"));
    putFile(path, file);
    try {
        loadPreviewFile(path);
        QFAIL("the file was read");
    } catch (const platform::Error& e) {
        QCOMPARE(e.message(), QStringLiteral("Cannot read file %1: %2").arg(path, reason));
    }
}

void TestPreviewFile::failedSave_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("unsavable"); // pages that a file cannot hold
    QTest::addColumn<bool>("diskFull");  // not a byte can be written
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder") << "missing/out.rpv" << false << false << "No such file or directory";
    QTest::newRow("file in place of a folder") << "plain.txt/out.rpv" << false << false << "Not a directory";
    QTest::newRow("disk full") << "existing.rpv" << false << true << "File too large";
    QTest::newRow("pages out of range")
        << "existing.rpv" << true << false << "page 1, drawing 1: a position or size is not a finite number";
}

void TestPreviewFile::failedSave() {
    QFETCH(QString, name);
    QFETCH(bool, unsavable);
    QFETCH(bool, diskFull);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    putFile(dir.filePath(QStringLiteral("plain.txt")), "plain");
    const QString path = dir.filePath(name);
    const QByteArray old = "the previous save";
    if (QFileInfo(path).dir().exists())
        putFile(path, old);

    PageStore store = documents->compose(QStringLiteral("transfer"));
    if (unsavable) {
        std::vector<StoredPage> pages = store.pages();
        pages[0].ops[0].rect.setLeft(std::numeric_limits<double>::quiet_NaN());
        store.setPages(pages);
    }
    try {
        std::optional<DiskFull> full;
        if (diskFull)
            full.emplace();
        savePreviewFile(store, path);
        QFAIL("the file was written");
    } catch (const platform::Error& e) {
        QCOMPARE(e.message(), QStringLiteral("Cannot write file %1: %2").arg(path, reason));
    }
    if (QFileInfo(path).dir().exists()) {
        QCOMPARE(fileContent(path), old);
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files).size(), 2); // no leftovers
    }
}

QTEST_MAIN(TestPreviewFile)
#include "tst_previewfile.moc"
