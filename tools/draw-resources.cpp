// Draws the main window's pictures (icon, toolbar glyphs, bar textures, background tile)
// and the button click sound. Usage: ledgora-draw-resources RESOURCES_DIR
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

const QColor key(255, 0, 255); // the transparent colour: every glyph's bottom-left pixel

struct Random {
    uint32_t state;
    double next() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1u << 24);
    }
};

// Smooth value noise on a wrapping lattice, so that textures tile without seams.
struct Noise {
    int period;
    std::vector<double> values;
    Noise(int period, uint32_t seed)
        : period(period)
        , values(size_t(period * period)) {
        Random r{seed};
        for (double& v : values)
            v = r.next();
    }
    double lattice(int x, int y) const {
        x = ((x % period) + period) % period;
        y = ((y % period) + period) % period;
        return values[size_t(y * period + x)];
    }
    double at(double x, double y) const {
        const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
        const double fx = x - x0, fy = y - y0;
        const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
        const double a = lattice(x0, y0) + sx * (lattice(x0 + 1, y0) - lattice(x0, y0));
        const double b = lattice(x0, y0 + 1) + sx * (lattice(x0 + 1, y0 + 1) - lattice(x0, y0 + 1));
        return a + sy * (b - a);
    }
};

QImage canvas(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(key);
    return img;
}

void save(const QImage& img, const QString& path, bool eightBit = false) {
    QImage out = img;
    if (eightBit)
        out = img.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    else
        out = img.convertToFormat(QImage::Format_RGB888);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!out.save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

QPainter& begin(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    return p;
}

// A sheet of paper with a folded corner.
void page(QPainter& p, QRectF r, QColor paper = Qt::white) {
    QPainterPath path;
    const double fold = r.width() * 0.3;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(paper);
    p.drawPath(path);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(QColor(200, 200, 200));
    p.drawPath(corner);
}

void textLines(QPainter& p, QRectF r, int n, QColor c = QColor(90, 90, 160)) {
    p.setPen(QPen(c, 1));
    for (int i = 0; i < n; ++i) {
        const double y = r.top() + (i + 0.5) * r.height() / n;
        p.drawLine(QPointF(r.left(), y), QPointF(r.right() - (i % 2) * r.width() * 0.25, y));
    }
}

QImage glyphNew() {
    QImage img = canvas(33, 32);
    QPainter p(&img);
    begin(p);
    page(p, QRectF(6.5, 3.5, 20, 26));
    textLines(p, QRectF(10, 14, 13, 12), 4);
    // a star for "new"
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5, rr = i % 2 ? 2.5 : 6;
        const QPointF pt(8 + rr * std::cos(a), 8 + rr * std::sin(a));
        i ? star.lineTo(pt) : star.moveTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(160, 110, 0), 1));
    p.setBrush(QColor(255, 220, 40));
    p.drawPath(star);
    return img;
}

QImage glyphSave() {
    QImage img = canvas(38, 38);
    QPainter p(&img);
    begin(p);
    const QRectF body(6.5, 6.5, 25, 25);
    p.setPen(QPen(QColor(20, 20, 60), 1));
    p.setBrush(QColor(40, 60, 150));
    p.drawRoundedRect(body, 2, 2);
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(10.5, 6.5, 17, 10));
    p.setBrush(QColor(40, 60, 150));
    p.drawRect(QRectF(22.5, 8.5, 3, 6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(11.5, 21.5, 15, 10));
    textLines(p, QRectF(13, 23, 11, 7), 3, QColor(150, 150, 150));
    return img;
}

QImage glyphArrow(bool forward) {
    QImage img = canvas(40, 40);
    QPainter p(&img);
    begin(p);
    QRadialGradient g(QPointF(16, 15), 18);
    g.setColorAt(0, QColor(120, 220, 120));
    g.setColorAt(1, QColor(20, 120, 40));
    p.setPen(QPen(QColor(10, 70, 20), 1));
    p.setBrush(g);
    p.drawEllipse(QRectF(5.5, 5.5, 29, 29));
    QPainterPath arrow;
    const double s = forward ? 1 : -1;
    arrow.moveTo(20 + s * 10, 20);
    arrow.lineTo(20 + s * 1, 11);
    arrow.lineTo(20 + s * 1, 16);
    arrow.lineTo(20 - s * 9, 16);
    arrow.lineTo(20 - s * 9, 24);
    arrow.lineTo(20 + s * 1, 24);
    arrow.lineTo(20 + s * 1, 29);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(20, 60, 20), 1));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    return img;
}

QImage glyphPreview() {
    QImage img = canvas(40, 40);
    QPainter p(&img);
    begin(p);
    page(p, QRectF(6.5, 3.5, 22, 29));
    textLines(p, QRectF(9, 8, 14, 20), 6);
    p.setPen(QPen(QColor(90, 60, 30), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(27, 28), QPointF(34, 35));
    p.setPen(QPen(QColor(30, 30, 30), 2));
    p.setBrush(QColor(180, 220, 255, 200));
    p.drawEllipse(QPointF(22, 22), 7, 7);
    return img;
}

QImage glyphPrint() {
    QImage img = canvas(36, 36);
    QPainter p(&img);
    begin(p);
    page(p, QRectF(10.5, 3.5, 15, 14));
    p.setPen(QPen(QColor(40, 40, 40), 1));
    QLinearGradient g(0, 14, 0, 28);
    g.setColorAt(0, QColor(210, 210, 210));
    g.setColorAt(1, QColor(130, 130, 130));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(4.5, 14.5, 27, 12), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9.5, 22.5, 17, 9));
    textLines(p, QRectF(11, 24, 13, 6), 2);
    p.setBrush(QColor(40, 200, 40));
    p.drawEllipse(QPointF(27, 18), 1.5, 1.5);
    return img;
}

QImage glyphNotepad() {
    QImage img = canvas(34, 34);
    QPainter p(&img);
    begin(p);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(255, 255, 200));
    p.drawRect(QRectF(7.5, 5.5, 19, 24));
    textLines(p, QRectF(10, 10, 14, 17), 5, QColor(80, 120, 200));
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    for (int x = 10; x <= 24; x += 4)
        p.drawEllipse(QRectF(x - 1, 3, 2.5, 4));
    return img;
}

QImage glyphCalculator() {
    QImage img = canvas(35, 33);
    QPainter p(&img);
    begin(p);
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(QColor(90, 90, 100));
    p.drawRoundedRect(QRectF(8.5, 2.5, 18, 27), 2, 2);
    p.setBrush(QColor(180, 220, 170));
    p.drawRect(QRectF(10.5, 4.5, 14, 6));
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) {
            p.setBrush(r == 3 && c == 2 ? QColor(230, 120, 40) : QColor(230, 230, 230));
            p.drawRect(QRectF(10.5 + c * 5, 13 + r * 4, 3.5, 2.8));
        }
    return img;
}

QImage glyphArchive(bool add) {
    QImage img = canvas(32, 32);
    QPainter p(&img);
    begin(p);
    p.setPen(QPen(QColor(90, 60, 20), 1));
    p.setBrush(QColor(200, 160, 90));
    p.drawRect(QRectF(5.5, 14.5, 21, 14));
    p.setBrush(QColor(230, 190, 120));
    p.drawRect(QRectF(4.5, 11.5, 23, 4));
    p.setPen(QPen(QColor(90, 60, 20), 1));
    p.drawLine(QPointF(16, 16), QPointF(16, 28));
    QPainterPath arrow;
    const double dir = add ? 1 : -1; // into the box or out of it
    const double tip = add ? 12 : 1, tail = add ? 1 : 12;
    arrow.moveTo(16, tip);
    arrow.lineTo(10, tip - dir * 6);
    arrow.lineTo(14, tip - dir * 6);
    arrow.lineTo(14, tail);
    arrow.lineTo(18, tail);
    arrow.lineTo(18, tip - dir * 6);
    arrow.lineTo(22, tip - dir * 6);
    arrow.closeSubpath();
    p.setPen(QPen(add ? QColor(0, 90, 0) : QColor(140, 0, 0), 1));
    p.setBrush(add ? QColor(40, 190, 40) : QColor(230, 60, 40));
    p.drawPath(arrow);
    return img;
}

QImage glyphHelp() {
    QImage img = canvas(37, 36);
    QPainter p(&img);
    begin(p);
    p.setPen(QPen(QColor(20, 40, 110), 1));
    p.setBrush(QColor(60, 110, 210));
    p.drawRect(QRectF(7.5, 5.5, 20, 26));
    p.setBrush(QColor(245, 245, 235));
    p.drawRect(QRectF(25.5, 7.5, 3, 23));
    QFont f("DejaVu Sans");
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(255, 230, 60));
    p.drawText(QRectF(7, 5, 19, 26), Qt::AlignCenter, QStringLiteral("?"));
    return img;
}

QImage glyphInformation() {
    QImage img = canvas(36, 36);
    QPainter p(&img);
    begin(p);
    QRadialGradient g(QPointF(15, 13), 17);
    g.setColorAt(0, QColor(140, 180, 255));
    g.setColorAt(1, QColor(20, 60, 170));
    p.setPen(QPen(QColor(10, 30, 100), 1));
    p.setBrush(g);
    p.drawEllipse(QRectF(4.5, 4.5, 27, 27));
    QFont f("DejaVu Serif");
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(4, 4, 28, 28), Qt::AlignCenter, QStringLiteral("i"));
    return img;
}

QImage glyphExit() {
    QImage img = canvas(40, 40);
    QPainter p(&img);
    begin(p);
    p.setPen(QPen(QColor(60, 40, 20), 1));
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(QRectF(9.5, 5.5, 16, 29));
    p.setBrush(QColor(170, 120, 60));
    QPolygonF door{QPointF(9.5, 5.5), QPointF(19.5, 8.5), QPointF(19.5, 36.5), QPointF(9.5, 34.5)};
    p.drawPolygon(door);
    p.setBrush(QColor(240, 200, 60));
    p.drawEllipse(QPointF(17, 21), 1.2, 1.2);
    QPainterPath arrow;
    arrow.moveTo(36, 20);
    arrow.lineTo(30, 14);
    arrow.lineTo(30, 17.5);
    arrow.lineTo(23, 17.5);
    arrow.lineTo(23, 22.5);
    arrow.lineTo(30, 22.5);
    arrow.lineTo(30, 26);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(140, 0, 0), 1));
    p.setBrush(QColor(230, 40, 30));
    p.drawPath(arrow);
    return img;
}

// The program's icon: an invoice with a red stamp, in 16 colours. The 32 x 32 one is the
// program's own; the sizes a desktop asks for are redrawn on their own pixel grid below 64 and
// are the 32 x 32 one enlarged by whole factors from 64 on, so that every size stays crisp.
struct IconPlan {
    int size;
    QRect page;                   // the sheet, drawn with a one-pixel outline around it
    int lineTop, lineStep, lines; // the written lines, alternately short and long
    int lineLeft, shortRight, longRight;
    QRect stamp;        // the red stamp over the sheet's lower right corner
    QLine across, down; // the yellow cross on the stamp
    int crossWidth;
};

const IconPlan iconPlans[] = {
    {16, {2, 0, 10, 14}, 3, 2, 4, 4, 8, 10, {8, 8, 7, 7}, {10, 12, 13, 12}, {11, 10, 11, 14}, 1},
    {24, {3, 1, 15, 21}, 5, 3, 5, 6, 13, 16, {12, 13, 10, 10}, {14, 18, 19, 18}, {17, 15, 17, 21}, 1},
    {32, {5, 1, 20, 28}, 6, 3, 6, 8, 18, 21, {16, 18, 13, 13}, {19, 24, 26, 24}, {22, 21, 22, 28}, 1},
    {48, {8, 1, 30, 43}, 9, 4, 7, 12, 27, 32, {24, 27, 20, 20}, {28, 37, 40, 37}, {34, 31, 34, 43}, 2},
};

QImage toVgaColours(const QImage& img) {
    QVector<QRgb> vga = {0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
                         0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                         0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};
    QImage indexed = img.convertToFormat(QImage::Format_Indexed8, vga, Qt::ThresholdDither);
    // keep the transparent surroundings: colour 13 stands for them
    vga[13] = 0x00000000;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) == 0)
                indexed.setPixel(x, y, 13);
    indexed.setColorTable(vga);
    return indexed;
}

QImage drawIcon(const IconPlan& plan) {
    QImage img(plan.size, plan.size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(plan.page);
    p.setPen(QColor(0, 0, 128));
    for (int i = 0, y = plan.lineTop; i < plan.lines; ++i, y += plan.lineStep)
        p.drawLine(plan.lineLeft, y, i % 2 ? plan.longRight : plan.shortRight, y);
    p.setPen(Qt::black);
    p.setBrush(QColor(255, 0, 0));
    p.drawEllipse(plan.stamp);
    p.setPen(QPen(QColor(255, 255, 0), plan.crossWidth));
    p.drawLine(plan.across);
    p.drawLine(plan.down);
    p.end();
    return toVgaColours(img);
}

QImage icon(int size = 32) {
    for (const IconPlan& plan : iconPlans)
        if (plan.size == size)
            return drawIcon(plan);
    return icon().scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// 101 x 15 dark teal mottled texture of the toolbar.
QImage tealTexture() {
    QImage img(101, 15, QImage::Format_RGB32);
    Noise coarse(101, 7), fine(101, 11);
    Random r{3};
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 101; ++x) {
            const double n =
                0.6 * coarse.at(x / 6.0, y / 3.0 + 5) + 0.4 * fine.at(x / 2.0, y / 1.5) + 0.1 * r.next();
            img.setPixel(x, y, qRgb(int(10 + 25 * n), int(70 + 55 * n), int(75 + 55 * n)));
        }
    return img;
}

// 100 x 100 light grey marble of the status bar: veins of turbulence, wrapping at the edges.
QImage marbleTexture() {
    QImage img(100, 100, QImage::Format_RGB32);
    Noise a(10, 21), b(20, 22), c(50, 23);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            const double t =
                a.at(x / 10.0, y / 10.0) + 0.5 * b.at(x / 5.0, y / 5.0) + 0.25 * c.at(x / 2.0, y / 2.0);
            const double v = std::sin((x + y) * 2 * M_PI / 100.0 + 6 * t);
            const int g = int(205 + 30 * std::pow(std::abs(v), 0.4) - 25 * (1 - std::abs(v)));
            img.setPixel(x, y, qRgb(g, g, std::min(255, g + 6)));
        }
    return img;
}

// 100 x 100 orange woven tile: strands of 10 px going over and under one another.
QImage orangeTile() {
    QImage img(100, 100, QImage::Format_RGB32);
    Noise grain(25, 31);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            const int cx = x / 10, cy = y / 10;
            const bool horizontalOnTop = (cx + cy) % 2 == 0;
            const double along = horizontalOnTop ? (x % 10) / 9.0 : (y % 10) / 9.0;
            const double across = horizontalOnTop ? (y % 10) / 9.0 : (x % 10) / 9.0;
            const double shade = 0.55 + 0.45 * std::sin(across * M_PI) - 0.2 * std::abs(along - 0.5);
            const double n = grain.at(x / 4.0, y / 4.0);
            const double k = std::clamp(shade + 0.15 * (n - 0.5), 0.0, 1.0);
            img.setPixel(x, y, qRgb(int(120 + 135 * k), int(50 + 100 * k), int(5 + 30 * k)));
        }
    return img;
}

// A short click: 16-bit mono PCM at 22050 Hz, 35 ms of a decaying tone with a noisy attack.
QByteArray clickWave() {
    const int rate = 22050, samples = rate * 35 / 1000;
    QByteArray pcm;
    Random r{5};
    for (int i = 0; i < samples; ++i) {
        const double t = double(i) / rate;
        const double env = std::exp(-t * 160);
        const double s =
            env * (0.6 * std::sin(2 * M_PI * 1800 * t) + 0.4 * (r.next() * 2 - 1) * std::exp(-t * 600));
        const auto v = int16_t(std::lround(s * 22000));
        pcm.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
    }
    auto le32 = [](uint32_t v) {
        const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
        return QByteArray(b, 4);
    };
    auto le16 = [](uint16_t v) {
        const char b[2] = {char(v), char(v >> 8)};
        return QByteArray(b, 2);
    };
    QByteArray wav = QByteArray("RIFF") + le32(uint32_t(36 + pcm.size())) + "WAVEfmt " + le32(16) + le16(1) +
                     le16(1) + le32(rate) + le32(rate * 2) + le16(2) + le16(16) + "data" +
                     le32(uint32_t(pcm.size())) + pcm;
    return wav;
}

// The record button glyphs, 35 x 35: navy symbols on the transparent colour.
QImage recordGlyph(const QString& what) {
    QImage img = canvas(35, 35);
    QPainter p(&img);
    begin(p);
    const QColor ink(0, 0, 110), fill(90, 140, 230);
    p.setPen(QPen(ink, 1));
    p.setBrush(fill);
    auto triangle = [&](double cx, bool right) {
        const double s = right ? 1 : -1;
        p.drawPolygon(
            QPolygonF{QPointF(cx - s * 5, 10.5), QPointF(cx + s * 6, 17.5), QPointF(cx - s * 5, 24.5)});
    };
    if (what == "first") {
        p.drawRect(QRectF(10.5, 10.5, 3, 14));
        triangle(19, false);
    } else if (what == "previous") {
        triangle(17, false);
    } else if (what == "next") {
        triangle(18, true);
    } else if (what == "last") {
        triangle(16, true);
        p.drawRect(QRectF(21.5, 10.5, 3, 14));
    } else if (what == "add") {
        p.drawRect(QRectF(15.5, 9.5, 4, 16));
        p.drawRect(QRectF(9.5, 15.5, 16, 4));
    } else if (what == "delete") {
        p.drawRect(QRectF(9.5, 15.5, 16, 4));
    } else if (what == "modify") {
        p.drawPolygon(QPolygonF{QPointF(17.5, 10.5), QPointF(25.5, 23.5), QPointF(9.5, 23.5)});
    } else if (what == "confirm") {
        p.setPen(QPen(QColor(0, 110, 0), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF{QPointF(10, 18), QPointF(15, 24), QPointF(25, 11)});
    } else if (what == "cancel") {
        p.setPen(QPen(QColor(170, 0, 0), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 11), QPointF(24, 24));
        p.drawLine(QPointF(24, 11), QPointF(11, 24));
    } else if (what == "refresh") {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(QRectF(10, 10, 15, 15), 60 * 16, 270 * 16);
        p.setPen(QPen(ink, 1));
        p.setBrush(fill);
        p.drawPolygon(QPolygonF{QPointF(20, 6.5), QPointF(27, 11.5), QPointF(20, 15.5)});
    }
    return img;
}

// The print preview's tool glyphs, 18 x 18, and the close button's picture.
// Drawn smooth on transparency, then put on the transparent colour with hard edges, so that
// no edge pixel is a blend with that colour (it would show as a fringe on the button).
QImage onKey(const QImage& drawn) {
    QImage img = canvas(drawn.width(), drawn.height());
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor c = QColor::fromRgba(drawn.pixel(x, y));
            if (c.alpha() >= 96)
                img.setPixel(x, y, qRgb(c.red(), c.green(), c.blue()));
        }
    return img;
}

QImage previewGlyph(const QString& what) {
    QImage drawn(18, 18, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    QPainter p(&drawn);
    begin(p);
    const QColor ink(0, 0, 110), fill(90, 140, 230), grey(70, 70, 70);
    auto sheet = [&](QRectF r) {
        p.setPen(QPen(grey, 1));
        p.setBrush(Qt::white);
        p.drawRect(r);
    };
    auto lens = [&](QPointF c, double r) {
        p.setPen(QPen(QColor(90, 60, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(r * 0.7, r * 0.7), c + QPointF(r * 0.7 + 4, r * 0.7 + 4));
        p.setPen(QPen(QColor(30, 30, 30), 1.5));
        p.setBrush(QColor(180, 220, 255));
        p.drawEllipse(c, r, r);
    };
    auto triangle = [&](double cx, bool right) {
        const double s = right ? 1 : -1;
        p.setPen(QPen(ink, 1));
        p.setBrush(fill);
        p.drawPolygon(
            QPolygonF{QPointF(cx - s * 3.5, 4.5), QPointF(cx + s * 4, 9), QPointF(cx - s * 3.5, 13.5)});
    };
    auto printer = [&] {
        sheet(QRectF(5.5, 1.5, 7, 6));
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(180, 180, 180));
        p.drawRect(QRectF(1.5, 7.5, 15, 6));
        sheet(QRectF(4.5, 11.5, 9, 5));
        p.setPen(QPen(QColor(40, 170, 40), 1.5));
        p.drawPoint(QPointF(14, 9.5));
    };
    if (what == "zoom-fit") {
        sheet(QRectF(2.5, 1.5, 10, 13));
        lens(QPointF(10, 9), 3.5);
    } else if (what == "zoom-100") {
        lens(QPointF(7.5, 7.5), 5.5);
        p.setPen(QPen(ink, 1.5));
        p.drawLine(QPointF(7.5, 5), QPointF(7.5, 10.5));
        p.drawLine(QPointF(6, 6.2), QPointF(7.5, 5));
    } else if (what == "zoom-width") {
        sheet(QRectF(1.5, 3.5, 15, 11));
        p.setPen(QPen(ink, 1.5));
        p.drawLine(QPointF(4, 9), QPointF(14, 9));
        p.setBrush(ink);
        p.drawPolygon(QPolygonF{QPointF(3, 9), QPointF(6, 6.5), QPointF(6, 11.5)});
        p.drawPolygon(QPolygonF{QPointF(15, 9), QPointF(12, 6.5), QPointF(12, 11.5)});
    } else if (what == "first") {
        p.setPen(QPen(ink, 1));
        p.setBrush(fill);
        p.drawRect(QRectF(3.5, 4.5, 2, 9));
        triangle(10.5, false);
    } else if (what == "previous") {
        triangle(9, false);
    } else if (what == "next") {
        triangle(9, true);
    } else if (what == "last") {
        triangle(7.5, true);
        p.setPen(QPen(ink, 1));
        p.setBrush(fill);
        p.drawRect(QRectF(12.5, 4.5, 2, 9));
    } else if (what == "printer-setup") {
        printer();
        p.setPen(QPen(QColor(150, 100, 0), 1));
        p.setBrush(QColor(255, 210, 60));
        p.drawEllipse(QPointF(13.5, 4.5), 3.5, 3.5);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(13.5, 4.5), 1.2, 1.2);
    } else if (what == "print") {
        printer();
    } else if (what == "save") {
        p.setPen(QPen(QColor(20, 20, 60), 1));
        p.setBrush(QColor(40, 60, 150));
        p.drawRect(QRectF(2.5, 2.5, 13, 13));
        p.setBrush(QColor(235, 235, 235));
        p.drawRect(QRectF(4.5, 2.5, 9, 5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 10.5, 7, 5));
    } else if (what == "load") {
        p.setPen(QPen(QColor(120, 90, 0), 1));
        p.setBrush(QColor(230, 190, 80));
        p.drawRect(QRectF(1.5, 4.5, 13, 10));
        p.setBrush(QColor(250, 220, 120));
        p.drawPolygon(
            QPolygonF{QPointF(1.5, 14.5), QPointF(4.5, 8.5), QPointF(17.5, 8.5), QPointF(14.5, 14.5)});
    } else if (what == "close") {
        // a door standing open
        p.setPen(QPen(QColor(60, 40, 20), 1));
        p.setBrush(QColor(60, 60, 60));
        p.drawRect(QRectF(3.5, 1.5, 11, 15));
        p.setBrush(QColor(170, 110, 50));
        p.drawPolygon(
            QPolygonF{QPointF(3.5, 1.5), QPointF(9.5, 3.5), QPointF(9.5, 17.5), QPointF(3.5, 16.5)});
        p.setPen(QPen(QColor(250, 220, 100), 1.5));
        p.drawPoint(QPointF(8, 10));
    }
    p.end();
    return onKey(drawn);
}

// 450 x 6 dark blue textured strip with a thin light line.
QImage separator() {
    QImage img(450, 6, QImage::Format_RGB32);
    Noise n(90, 41);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 450; ++x) {
            const double v = n.at(x / 3.0, y * 2.0);
            QColor c(int(10 + 25 * v), int(20 + 35 * v), int(90 + 70 * v));
            if (y == 2)
                c = QColor(170, 190, 240);
            img.setPixel(x, y, c.rgb());
        }
    return img;
}

// 17 x 17 binoculars in 16 colours.
QImage binoculars() {
    QImage img = canvas(17, 17);
    QPainter p(&img);
    p.setPen(Qt::black);
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(2, 3, 4, 9);
    p.drawRect(10, 3, 4, 9);
    p.setBrush(QColor(128, 128, 128));
    p.drawRect(6, 5, 4, 3);
    p.setBrush(QColor(0, 255, 255));
    p.drawEllipse(1, 10, 6, 5);
    p.drawEllipse(9, 10, 6, 5);
    return img;
}

// White words on a button face with a light border: one image per state, side by side.
QImage wordButton(const QString& words, int width, const QVector<QColor>& faces, bool emblem) {
    QImage img(width * faces.size(), 25, QImage::Format_RGB32);
    img.fill(key);
    QPainter p(&img);
    QFont f("DejaVu Sans");
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    for (int i = 0; i < faces.size(); ++i) {
        const QRect r(i * width, 0, width, 25);
        if (faces[i].isValid()) {
            p.fillRect(r.adjusted(0, 0, 0, -1), faces[i]);
            p.setPen(QColor(170, 200, 240));
            p.drawRect(r.adjusted(0, 0, -1, -2));
        } else {
            p.fillRect(r.adjusted(0, 0, 0, -1), QColor(235, 235, 235));
        }
        p.setPen(Qt::white);
        p.drawText(r.adjusted(0, 0, emblem ? -22 : 0, -1), Qt::AlignCenter, words);
        if (emblem) {
            p.setBrush(QColor(255, 200, 40));
            p.setPen(QColor(120, 80, 0));
            p.drawEllipse(QRect(r.right() - 19, 6, 12, 12));
        }
    }
    return img;
}

// 180 x 70 logo placeholder: the words "logo twojej firmy" inside an ellipse outline.
QImage logoPlaceholder() {
    QImage img(180, 70, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    begin(p);
    p.setPen(QPen(QColor(0, 0, 128), 2));
    p.drawEllipse(QRectF(6, 5, 168, 60));
    QFont f("DejaVu Serif");
    f.setPixelSize(17);
    f.setItalic(true);
    p.setFont(f);
    p.drawText(img.rect(), Qt::AlignCenter, QStringLiteral("logo twojej firmy"));
    return img;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // draws into images only
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources");
    save(glyphNew(), out + "/toolbar/new.bmp");
    save(glyphSave(), out + "/toolbar/save.bmp");
    save(glyphArrow(false), out + "/toolbar/previous.bmp");
    save(glyphArrow(true), out + "/toolbar/next.bmp");
    save(glyphPreview(), out + "/toolbar/preview.bmp");
    save(glyphPrint(), out + "/toolbar/print.bmp");
    save(glyphNotepad(), out + "/toolbar/notepad.bmp");
    save(glyphCalculator(), out + "/toolbar/calculator.bmp");
    save(glyphArchive(true), out + "/toolbar/archive-add.bmp", true);
    save(glyphArchive(false), out + "/toolbar/archive-extract.bmp", true);
    save(glyphHelp(), out + "/toolbar/help.bmp", true);
    save(glyphInformation(), out + "/toolbar/information.bmp");
    save(glyphExit(), out + "/toolbar/exit.bmp");
    save(tealTexture(), out + "/textures/teal.bmp");
    save(marbleTexture(), out + "/textures/marble.bmp");
    save(orangeTile(), out + "/textures/orange.bmp");
    for (const char* g :
         {"first", "previous", "next", "last", "add", "delete", "modify", "confirm", "cancel", "refresh"})
        save(recordGlyph(QString::fromLatin1(g)), out + "/record/" + g + ".bmp");
    for (const char* g : {"zoom-fit", "zoom-100", "zoom-width", "first", "previous", "next", "last",
                          "printer-setup", "print", "save", "load", "close"})
        save(previewGlyph(QString::fromLatin1(g)), out + "/preview/" + g + ".bmp");
    save(separator(), out + "/pages/separator.bmp");
    save(binoculars(), out + "/pages/binoculars.bmp", true);
    save(wordButton(QStringLiteral("dodaj do listy"), 105, {QColor(20, 40, 120)}, false),
         out + "/pages/add-to-list.bmp");
    save(wordButton(QStringLiteral("wczytaj teksturę"), 105,
                    {QColor(0, 120, 120), QColor(), QColor(20, 40, 120)}, false),
         out + "/pages/texture-button.bmp");
    save(wordButton(QStringLiteral("wczytaj logo"), 185, {QColor(0, 120, 120), QColor(), QColor(20, 40, 120)},
                    true),
         out + "/pages/logo-button.bmp");
    save(logoPlaceholder(), out + "/pages/logo.bmp");
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        QDir().mkpath(QStringLiteral("%1/icon/hicolor/%2x%2/apps").arg(out).arg(size));
    icon().save(out + "/icon/ledgora.png");
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon(size).save(QStringLiteral("%1/icon/hicolor/%2x%2/apps/ledgora.png").arg(out).arg(size));
    QFile wav(out + "/Snd/buton.wav");
    QDir().mkpath(out + "/Snd");
    if (wav.open(QIODevice::WriteOnly))
        wav.write(clickWave());
    return 0;
}
