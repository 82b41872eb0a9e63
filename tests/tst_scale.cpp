// The program on displays of every scale: text in a face drawn at the display's resolution,
// pictures without blur at whole ratios and smooth at fractional ones, and the layout, in
// pixels of the 96 dpi grid, the same on every screen. The test runs on five screens side by
// side, of ratios 1, 1.25, 1.5, 1.75 and 2, and moves a window from one to another.
#include "Support.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "kit/CoolBar.h"
#include "kit/PictureBox.h"
#include "kit/PixelArt.h"
#include "kit/SpeedButton.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryFile>
#include <cmath>

namespace {

constexpr double ratios[] = {1, 1.25, 1.5, 1.75, 2};

QScreen* screenOfRatio(double ratio) {
    for (QScreen* screen : QGuiApplication::screens())
        if (qFuzzyCompare(screen->devicePixelRatio(), ratio))
            return screen;
    return nullptr;
}

// Moves a shown window onto the screen of `ratio`, as a user drags it there.
bool moveToRatio(QWidget* window, double ratio) {
    QScreen* screen = screenOfRatio(ratio);
    if (!screen)
        return false;
    window->move(screen->geometry().topLeft() + QPoint(20, 20));
    QCoreApplication::processEvents();
    return qFuzzyCompare(window->devicePixelRatioF(), ratio);
}

// What `w` draws of itself, without any background, at its window's ratio.
QImage rendered(QWidget* w) {
    const qreal ratio = w->devicePixelRatioF();
    QImage image((QSizeF(w->size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    w->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// A device pixel is ink where the text covers at least a quarter of it.
bool isInk(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y)) >= 64;
}

QRect inkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInk(image, x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The widest run of blank columns between two letters: every gap between inked columns except
// the widest one, which is the space between the words.
int widestLetterGap(const QImage& image) {
    QList<int> gaps;
    int lastInk = -1;
    for (int x = 0; x < image.width(); ++x) {
        bool ink = false;
        for (int y = 0; y < image.height() && !ink; ++y)
            ink = isInk(image, x, y);
        if (!ink)
            continue;
        if (lastInk >= 0 && x - lastInk > 1)
            gaps << x - lastInk - 1;
        lastInk = x;
    }
    std::sort(gaps.begin(), gaps.end());
    if (!gaps.isEmpty())
        gaps.removeLast();
    return gaps.isEmpty() ? 0 : gaps.last();
}

// Whether a check box or radio button has room for the ink of its whole caption: it is drawn
// from the left of the box's contents and cut off at the box's edge.
bool captionFits(QWidget* w) {
    const bool radio = qobject_cast<QRadioButton*>(w);
    if (!radio && !qobject_cast<QCheckBox*>(w))
        return false;
    auto* button = static_cast<QAbstractButton*>(w);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const auto contents = radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents;
    const QRect room = button->style()->subElementRect(contents, &option, button);
    return room.left() + QFontMetricsF(button->font()).tightBoundingRect(button->text()).right() <=
           button->width();
}

// Pixel art that shows the scaling: 1 px columns and rows of four colours.
QImage pixelArt() {
    QImage image(8, 8, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(200, 0, 0), qRgb(0, 0, 200), qRgb(0, 160, 0), qRgb(240, 240, 0)};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            image.setPixel(x, y, colours[(x + y / 2) % 4]);
    return image;
}

} // namespace

class ScaleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup() { windows_.reset(); }
    void labelInkGrowsWithTheRatio_data();
    void labelInkGrowsWithTheRatio();
    void layoutStaysAndCaptionsFit_data() { labelInkGrowsWithTheRatio_data(); }
    void layoutStaysAndCaptionsFit();
    void laterPagesTakeTheFacesOfTheScreen();
    void picturesScaleAsPixelArt_data();
    void picturesScaleAsPixelArt();

private:
    std::unique_ptr<ledgora::Windows> windows_;
    TForm1* form() const { return windows_->Form1.get(); }
};

void ScaleTest::initTestCase() {
    for (double ratio : ratios)
        QVERIFY2(screenOfRatio(ratio), qPrintable(QStringLiteral("no screen of ratio %1").arg(ratio)));
}

void ScaleTest::init() {
    windows_ = ledgora::createWindows();
    form()->show();
    QVERIFY(QTest::qWaitForWindowExposed(form()));
}

void ScaleTest::labelInkGrowsWithTheRatio_data() {
    QTest::addColumn<double>("ratio");
    for (double ratio : ratios)
        QTest::addRow("%g", ratio) << ratio;
}

void ScaleTest::labelInkGrowsWithTheRatio() {
    QFETCH(double, ratio);
    auto* label = qobject_cast<QLabel*>(form()->control(QStringLiteral("Label4")));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Nr. dokumentu"));

    QVERIFY(moveToRatio(form(), 1));
    const QImage one = rendered(label);
    const QRect inkOne = inkBounds(one);
    const int gapOne = widestLetterGap(one);
    QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("MS Sans Serif"));

    QVERIFY(moveToRatio(form(), ratio));
    const QImage scaled = rendered(label);
    const QRect ink = inkBounds(scaled);
    const int gap = widestLetterGap(scaled);
    qInfo("ratio %-4g ink %3d x %2d px (at 1: %d x %d, times the ratio: %.1f), widest letter gap %d px (at "
          "1: %d)",
          ratio, ink.width(), ink.height(), inkOne.width(), inkOne.height(), ratio * inkOne.height(), gap,
          gapOne);
    QVERIFY2(std::abs(ink.height() - ratio * inkOne.height()) <= 1,
             qPrintable(QStringLiteral("ink %1 px high").arg(ink.height())));
    QVERIFY2(gap <= std::ceil(ratio * gapOne), qPrintable(QStringLiteral("letters %1 px apart").arg(gap)));

    // back on the first screen the window draws as it did there
    QVERIFY(moveToRatio(form(), 1));
    QCOMPARE(rendered(label), one);
}

void ScaleTest::layoutStaysAndCaptionsFit() {
    QFETCH(double, ratio);
    QVERIFY(moveToRatio(form(), 1));
    QList<QWidget*> controls = form()->findChildren<QWidget*>();
    // the controls of the layout tables (not the parts Qt makes inside them or drop-down lists)
    controls.removeIf([this](QWidget* w) {
        return w->window() != form() || w->objectName().isEmpty() || w->objectName().startsWith(u"qt_");
    });
    QHash<QWidget*, QRect> geometry;
    QSet<QWidget*> fitting;            // buttons and boxes whose caption fits them at ratio 1
    QHash<QWidget*, QFont> otherFaces; // fonts drawn in a face of every size
    for (QWidget* w : controls) {
        geometry.insert(w, w->geometry());
        if (QFontInfo(w->font()).family() != u"MS Sans Serif")
            otherFaces.insert(w, w->font());
        if (captionFits(w))
            fitting.insert(w);
    }
    qInfo("%lld check boxes and radio buttons fit their captions at ratio 1", qlonglong(fitting.size()));
    QVERIFY(fitting.size() > 10);

    QVERIFY(moveToRatio(form(), ratio));
    for (QWidget* w : controls) {
        const QRect was = geometry.value(w), now = w->geometry();
        const QString name = w->objectName();
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            // a label sized to its text follows the face's widths from one of its edges
            QVERIFY2(now.top() == was.top() && (now.left() == was.left() || now.right() == was.right()),
                     qPrintable(name));
            QVERIFY2(now.width() >= label->sizeHint().width() || label->alignment() & Qt::AlignHCenter,
                     qPrintable(name));
        } else {
            QVERIFY2(now == was, qPrintable(name));
        }
        if (otherFaces.contains(w)) // the status band, the grid titles: as they are
            QVERIFY2(w->font() == otherFaces.value(w), qPrintable(name));
        if (fitting.contains(w))
            QVERIFY2(captionFits(w), qPrintable(name + QStringLiteral(": caption cut off")));
    }
}

void ScaleTest::laterPagesTakeTheFacesOfTheScreen() {
    windows_.reset();
    windows_ = ledgora::createWindows();
    QVERIFY(form()->pagesPending());
    QVERIFY(moveToRatio(form(), 2));
    form()->show();
    QVERIFY(QTest::qWaitForWindowExposed(form()));
    QTRY_VERIFY(!form()->pagesPending());
    // a link label of a page built after the first paint (its own font: underlined)
    auto* link = qobject_cast<QLabel*>(form()->control(QStringLiteral("Label17")));
    QVERIFY(link);
    QVERIFY(link->font().underline());
    QVERIFY(QFontInfo(link->font()).family() != u"MS Sans Serif");
}

void ScaleTest::picturesScaleAsPixelArt_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QString>("control");
    for (double ratio : ratios)
        for (const char* control : {"picture box", "speed button", "bar", "icon"})
            QTest::addRow("%s at %g", control, ratio) << ratio << QString::fromLatin1(control);
}

void ScaleTest::picturesScaleAsPixelArt() {
    QFETCH(double, ratio);
    QFETCH(QString, control);
    const QImage art = pixelArt();
    QWidget window;
    window.resize(40, 40);
    QWidget* shown = nullptr;
    if (control == u"picture box") {
        auto* box = new kit::PictureBox(&window);
        box->setPicture(platform::Picture::bitmap(art));
        shown = box;
    } else if (control == u"speed button") {
        auto* button = new kit::SpeedButton(&window);
        QImage glyph = art;
        glyph.setPixel(0, 7, qRgb(255, 255, 255)); // the transparent colour, kept out of sight
        button->setGlyph(glyph);
        button->setFlat(true);
        shown = button;
    } else if (control == u"bar") {
        auto* bar = new kit::CoolBar(&window);
        bar->setBitmap(art);
        shown = bar;
    } else {
        auto* icon = new QLabel(&window);
        icon->setPixmap(kit::pixelArtIcon(art).pixmap(art.size(), ratio));
        shown = icon;
    }
    shown->setGeometry(0, 0, 8, 8);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(moveToRatio(&window, ratio));

    const QImage drawn = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int side = int(std::round(8 * ratio));
    QCOMPARE(drawn.size(), QSize(side, side));
    const bool whole = qFuzzyCompare(ratio, std::round(ratio));
    int blended = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            if (control == u"speed button" && x < ratio && y >= side - ratio)
                continue; // the transparent corner
            const QRgb pixel = drawn.pixel(x, y);
            if (whole) // each pixel a square of whole device pixels, unchanged
                QCOMPARE(QColor(pixel), QColor(art.pixel(int(x / ratio), int(y / ratio))));
            else if (!art.allGray() && pixel != art.pixel(0, 0) && pixel != art.pixel(1, 0) &&
                     pixel != art.pixel(2, 0) && pixel != art.pixel(3, 0))
                ++blended;
        }
    if (!whole) // smooth: where pixels cannot be even, neighbouring colours mix
        QVERIFY2(blended > side, qPrintable(QStringLiteral("%1 mixed pixels").arg(blended)));
}

int main(int argc, char** argv) {
    // Five screens side by side, each with room for the main window.
    QTemporaryFile screens(QDir::tempPath() + QStringLiteral("/tst_scale-XXXXXX.json"));
    if (!screens.open())
        return 1;
    QStringList list;
    for (int i = 0; i < int(std::size(ratios)); ++i)
        list << QStringLiteral(
                    R"({"name": "%1x", "x": %2, "y": 0, "width": 1280, "height": 1024, "dpr": %1})")
                    .arg(ratios[i])
                    .arg(i * 1280);
    screens.write(QStringLiteral(R"({"screens": [%1]})").arg(list.join(u',')).toUtf8());
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    ledgora::Application app(argv[0]);
    ScaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scale.moc"
