// The page backgrounds: tiling the tile of ImageBufer, and loading a new tile picture.
#include "PictureFixtures.h"
#include "Support.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "kit/PageControl.h"
#include "kit/PictureBox.h"
#include "kit/SpeedButton.h"
#include "platform/Screen.h"

#include <QCheckBox>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>

namespace {

// A tile whose every pixel tells where it came from.
QImage numberedTile(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x, y, 77));
    return img;
}

} // namespace

class BackgroundsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void copiesFollowTheScreenSize_data();
    void copiesFollowTheScreenSize();
    void everyBackgroundIsTiledAtStart();
    void largerBitmapGivesItsTopLeftCorner();
    void loadingABitmapRepaintsEveryBackground();
    void loadingABitmapRepaintsThePageOnScreen();
    void failedLoadChangesNothing_data();
    void failedLoadChangesNothing();
    void iconOrMetafileReplacesTheTileButCannotBeTiled_data();
    void iconOrMetafileReplacesTheTileButCannotBeTiled();
    void cancellingChangesNothingButTheSoundPlayed();

private:
    QString write(const QString& name, const QByteArray& bytes);
    kit::PictureBox* box(const char* name) { return windows_->Form1->control<kit::PictureBox>(name); }
    QList<QImage> backgrounds();
    void clickLoad() { windows_->Form1->control<kit::SpeedButton>("SpeedButton2")->click(); }

    QTemporaryDir dir_;
    std::unique_ptr<ledgora::Windows> windows_;
};

void BackgroundsTest::initTestCase() {
    QVERIFY(dir_.isValid());
}

void BackgroundsTest::init() {
    platform::setScreenSizeOverride({1024, 768});
    windows_ = ledgora::createWindows();
}

void BackgroundsTest::cleanup() {
    windows_.reset();
    platform::setScreenSizeOverride({});
}

QString BackgroundsTest::write(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write fixture");
    return path;
}

QList<QImage> BackgroundsTest::backgrounds() {
    QList<QImage> all;
    for (const char* name : TForm1::backgroundTargets)
        all << box(name)->picture().image();
    return all;
}

void BackgroundsTest::copiesFollowTheScreenSize_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::newRow("1024 x 768") << QSize(1024, 768) << 11 << 8;
    QTest::newRow("800 wide: columns up to 800 included") << QSize(800, 600) << 9 << 7;
    QTest::newRow("799 wide") << QSize(799, 599) << 8 << 6;
    QTest::newRow("smaller than a page") << QSize(320, 200) << 4 << 3;
}

void BackgroundsTest::copiesFollowTheScreenSize() {
    QFETCH(QSize, screen);
    QFETCH(int, columns);
    QFETCH(int, rows);
    const std::vector<QRect> squares = TForm1::tileSquares(screen);
    QCOMPARE(int(squares.size()), columns * rows);
    // rows outside, columns inside
    QCOMPARE(squares[1], QRect(100, 0, 100, 100));
    QCOMPARE(squares[size_t(columns)], QRect(0, 100, 100, 100));
    QCOMPARE(squares.back(), QRect((columns - 1) * 100, (rows - 1) * 100, 100, 100));
}

void BackgroundsTest::everyBackgroundIsTiledAtStart() {
    const QImage tile = box("ImageBufer")->picture().image();
    for (const char* name : TForm1::backgroundTargets) {
        const QImage bg = box(name)->picture().image();
        QCOMPARE(bg.size(), QSize(784, 456));
        for (QPoint p : {QPoint(0, 0), QPoint(99, 99), QPoint(100, 0), QPoint(783, 455), QPoint(457, 321)})
            QCOMPARE(bg.pixel(p), tile.pixel(p.x() % 100, p.y() % 100));
    }
    // the empty box over the ZUS background is never painted
    QVERIFY(box("Image14")->picture().isEmpty());
}

void BackgroundsTest::largerBitmapGivesItsTopLeftCorner() {
    box("ImageBufer")->setPicture(platform::Picture::bitmap(numberedTile(150, 130)));
    windows_->Form1->TileBackgrounds();
    const QImage bg = box("Image7")->picture().image();
    QCOMPARE(bg.pixel(100, 0), qRgb(0, 0, 77)); // not column 100 of the bitmap
    QCOMPARE(bg.pixel(120, 110), qRgb(20, 10, 77));
    QCOMPARE(bg.pixel(783, 455), qRgb(83, 55, 77));
}

void BackgroundsTest::loadingABitmapRepaintsEveryBackground() {
    testing::PictureDialogStub dialog;
    testing::MessageRecorder boxes;
    QImage tile = numberedTile(100, 100);
    dialog.answer = dir_.filePath("tile.BMP"); // the extension's case does not matter
    QVERIFY(tile.save(dialog.answer, "BMP"));
    clickLoad();
    QVERIFY(boxes.boxes.empty());
    QCOMPARE(dialog.filters.first(),
             QStringLiteral("All (*.bmp;*.ico;*.emf;*.wmf) (*.bmp *.ico *.emf *.wmf)"));
    QCOMPARE(dialog.filters.size(), 5);
    QCOMPARE(box("ImageBufer")->picture().image().pixel(42, 17), qRgb(42, 17, 77));
    for (const QImage& bg : backgrounds())
        QCOMPARE(bg.pixel(542, 417), qRgb(42, 17, 77));
}

// What the screen shows, not what the bitmaps hold: the options page, where the button is, shows
// the new tile in its background and in the tile's own box as soon as the load returns.
void BackgroundsTest::loadingABitmapRepaintsThePageOnScreen() {
    TForm1& form = *windows_->Form1;
    form.PageControl1->setCurrentIndex(8);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    kit::PictureBox* background = box("Image8");
    kit::PictureBox* tileBox = box("ImageBufer");
    QVERIFY(background->isVisible() && tileBox->isVisible());

    // The share of a box's area on screen that shows the given tile repeated from its corner.
    const auto showing = [&](const QImage& tile, kit::PictureBox* target) {
        const QPoint origin = target->mapTo(&form, QPoint(0, 0));
        const QImage screen =
            form.screen()->grabWindow(form.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const qreal scale = screen.width() / qreal(form.width());
        const QRect area = target->rect().intersected(QRect(QPoint(0, 0), QSize(784, 456)));
        int same = 0, all = 0;
        for (int y = area.top(); y <= area.bottom(); y += 3)
            for (int x = area.left(); x <= area.right(); x += 3) {
                const QPoint at = (QPointF(origin + QPoint(x, y)) * scale).toPoint();
                ++all;
                same += screen.pixel(at) == tile.pixel(x % 100, y % 100);
            }
        return double(same) / all;
    };
    const QImage oldTile = tileBox->picture().image().convertToFormat(QImage::Format_RGB32);
    QTRY_VERIFY(showing(oldTile, background) > 0.3);

    testing::PictureDialogStub dialog;
    testing::MessageRecorder boxes;
    const QImage tile = numberedTile(100, 100);
    dialog.answer = dir_.filePath("screen.bmp");
    QVERIFY(tile.save(dialog.answer, "BMP"));
    clickLoad();
    QVERIFY(boxes.boxes.empty());
    QTRY_VERIFY(showing(tile, background) > 0.3);
    QVERIFY(showing(oldTile, background) < 0.05);
    QTRY_VERIFY(showing(tile, tileBox) > 0.95);
}

void BackgroundsTest::failedLoadChangesNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QByteArray truncatedEmf = fixtures::emf();
    truncatedEmf.chop(20);
    QByteArray truncatedWmf = fixtures::wmf(true);
    truncatedWmf.chop(10);
    QTest::newRow("unknown extension")
        << "tile.png" << QByteArray("x") << "Unknown picture file extension (.png)";
    QTest::newRow("missing file") << "" << QByteArray() << "Cannot open file %1.";
    QTest::newRow("garbage bitmap") << "bad.bmp" << QByteArray(300, 'x') << "Bitmap image is not valid.";
    QTest::newRow("garbage icon") << "bad.ico" << QByteArray(300, 'x') << "Icon image is not valid.";
    QTest::newRow("garbage EMF") << "bad.emf" << QByteArray(300, 'x') << "Metafile is not valid.";
    QTest::newRow("garbage WMF") << "bad.wmf" << QByteArray(300, 'x') << "Metafile is not valid.";
    QTest::newRow("truncated EMF") << "cut.emf" << truncatedEmf << "Metafile is not valid.";
    QTest::newRow("truncated WMF") << "cut.wmf" << truncatedWmf << "Metafile is not valid.";
    // Converted, but to coordinates that are not numbers: nothing would show.
    QFile blank(QStringLiteral(LEDGORA_SOURCE_DIR "/tests/pictures/pstoedit-anisotropic.emf"));
    QVERIFY(blank.open(QIODevice::ReadOnly));
    QTest::newRow("EMF drawn with no numbers") << "blank.emf" << blank.readAll() << "Metafile is not valid.";
}

void BackgroundsTest::failedLoadChangesNothing() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    testing::PictureDialogStub dialog;
    testing::MessageRecorder boxes;
    dialog.answer = name.isEmpty() ? dir_.filePath("missing.bmp") : write(name, bytes);
    if (message.contains(u"%1"))
        message = message.arg(dialog.answer);
    const QImage tileBefore = box("ImageBufer")->picture().image();
    const QList<QImage> before = backgrounds();
    clickLoad();
    QCOMPARE(boxes.boxes.size(), size_t(1));
    QCOMPARE(boxes.boxes[0].text, message);
    QCOMPARE(boxes.boxes[0].icon, platform::BoxIcon::Stop);
    QCOMPARE(box("ImageBufer")->picture().kind(), platform::Picture::Kind::Bitmap);
    QCOMPARE(box("ImageBufer")->picture().image(), tileBefore);
    QCOMPARE(backgrounds(), before);
}

void BackgroundsTest::iconOrMetafileReplacesTheTileButCannotBeTiled_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::newRow("icon") << "tile.ico" << fixtures::ico(32, 32) << int(platform::Picture::Kind::Icon);
    QTest::newRow("EMF") << "tile.emf" << fixtures::emf() << int(platform::Picture::Kind::Metafile);
    QTest::newRow("WMF") << "tile.wmf" << fixtures::wmf(true) << int(platform::Picture::Kind::Metafile);
}

void BackgroundsTest::iconOrMetafileReplacesTheTileButCannotBeTiled() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    testing::PictureDialogStub dialog;
    testing::MessageRecorder boxes;
    dialog.answer = write(name, bytes);
    const QList<QImage> before = backgrounds();
    clickLoad();
    QCOMPARE(int(box("ImageBufer")->picture().kind()), kind);
    QCOMPARE(boxes.boxes.size(), size_t(1));
    QCOMPARE(boxes.boxes[0].text, QStringLiteral("Can only modify an image if it contains a bitmap."));
    QCOMPARE(backgrounds(), before);
}

void BackgroundsTest::cancellingChangesNothingButTheSoundPlayed() {
    testing::PictureDialogStub dialog;
    testing::MessageRecorder boxes;
    testing::SoundRecorder sound;
    const QImage tileBefore = box("ImageBufer")->picture().image();
    clickLoad();
    QCOMPARE(dialog.runs, 1);
    QCOMPARE(sound.played.size(), 1);
    QVERIFY(boxes.boxes.empty());
    QCOMPARE(box("ImageBufer")->picture().image(), tileBefore);

    windows_->Form1->CheckBox4()->setChecked(false);
    clickLoad();
    QCOMPARE(dialog.runs, 2);
    QCOMPARE(sound.played.size(), 1);
}

LEDGORA_TEST_MAIN(BackgroundsTest)
#include "tst_backgrounds.moc"
