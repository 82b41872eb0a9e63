// Draws the transfer form's pictures: the two-part cash-payment form (548 × 381) and the four
// side captions naming each copy, all 256-colour bitmaps in red on white.
// Usage: ledgora-draw-forms FORMS_DIR
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

const QColor red(214, 24, 32);
const QColor pale(252, 226, 226); // the tint inside the character boxes
const QColor ink(20, 30, 120);    // the sample entries, as if written in by hand

QFont arial(int pixels, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

bool save(const QImage& image, const QString& path) {
    // 256 colours, as the printed form's pictures always were.
    const QImage indexed =
        image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    if (!indexed.save(path, "BMP")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// A row of `count` character boxes from (x, y), each `w` wide and `h` high; `text` is written
// one character per box.
void boxes(QPainter& p, int x, int y, int count, int w, int h, const QString& text = {},
           bool rightAligned = false) {
    p.setPen(Qt::NoPen);
    p.setBrush(pale);
    p.drawRect(x, y, count * w, h);
    p.setPen(red);
    p.setBrush(Qt::NoBrush);
    p.drawRect(x, y, count * w, h);
    for (int i = 1; i < count; ++i)
        p.drawLine(x + i * w, y + h - 5, x + i * w, y + h);
    if (text.isEmpty())
        return;
    p.setPen(ink);
    p.setFont(arial(h - 5, true));
    const int start = rightAligned ? count - int(text.size()) : 0;
    for (int i = 0; i < text.size() && start + i < count; ++i)
        p.drawText(QRect(x + (start + i) * w, y + 1, w, h - 1), Qt::AlignCenter, QString(text[i]));
}

void smallText(QPainter& p, int x, int y, const QString& text, int pixels = 7, bool bold = false) {
    p.setPen(red);
    p.setFont(arial(pixels, bold));
    p.drawText(QPoint(x, y), text);
}

// Text read from bottom to top, its baseline along the left edge of `area`.
void vertical(QPainter& p, const QRect& area, const QString& text, int pixels, bool bold = false) {
    p.save();
    p.translate(area.left(), area.bottom() + 1);
    p.rotate(-90);
    p.setPen(red);
    p.setFont(arial(pixels, bold));
    p.drawText(QRect(0, 0, area.height(), area.width()), Qt::AlignCenter, text);
    p.restore();
}

// A simple post-horn emblem with the word POCZTA beside it.
void postLogo(QPainter& p, int x, int y) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(red, 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath horn;
    horn.moveTo(x, y + 10);
    horn.cubicTo(x + 8, y - 2, x + 24, y - 2, x + 30, y + 6);
    horn.lineTo(x + 36, y + 2);
    horn.lineTo(x + 36, y + 16);
    horn.lineTo(x + 30, y + 12);
    horn.cubicTo(x + 24, y + 20, x + 10, y + 20, x + 6, y + 14);
    p.drawPath(horn);
    p.drawEllipse(QPointF(x + 17, y + 9), 4, 4);
    p.restore();
    p.setPen(red);
    p.setFont(arial(13, true));
    p.drawText(QPoint(x + 44, y + 14), QStringLiteral("POCZTA"));
}

QImage form() {
    QImage image(548, 381, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setPen(red);
    p.drawRect(1, 1, 545, 378);

    // The payment order, left: recipient, account, amount, amount in words, payer, title.
    smallText(p, 29, 12, QStringLiteral("nazwa odbiorcy"));
    boxes(p, 26, 15, 27, 13, 17, QStringLiteral("FIRMA PRZYKŁADOWA SP. Z O.O"));
    smallText(p, 29, 41, QStringLiteral("nazwa odbiorcy cd."));
    boxes(p, 26, 44, 27, 13, 17, QStringLiteral("UL. TESTOWA 1, 00-000 WIEŚ"));
    smallText(p, 29, 73, QStringLiteral("l.k."));
    smallText(p, 66, 73, QStringLiteral("nr rachunku odbiorcy"));
    boxes(p, 26, 76, 2, 12, 17, QStringLiteral("11"));
    boxes(p, 58, 76, 24, 12, 17, QStringLiteral("222233334444555566667777"));
    smallText(p, 347, 73, QStringLiteral("waluta"));
    boxes(p, 347, 76, 3, 17, 17, QStringLiteral("PLN"));
    p.setPen(red);
    p.setFont(arial(15, true));
    p.drawText(QPoint(30, 118), QStringLiteral("WPŁATA GOTÓWKOWA"));
    smallText(p, 307, 104, QStringLiteral("kwota:"));
    boxes(p, 307, 107, 8, 12, 17, QStringLiteral("123,00"), true);
    smallText(p, 29, 135, QStringLiteral("kwota słownie"));
    boxes(p, 26, 138, 1, 372, 17);
    smallText(p, 29, 165, QStringLiteral("nazwa zleceniodawcy"));
    boxes(p, 26, 168, 27, 13, 17, QStringLiteral("JAN PRZYKŁADOWY"));
    smallText(p, 29, 196, QStringLiteral("nazwa zleceniodawcy cd."));
    boxes(p, 26, 199, 27, 13, 17, QStringLiteral("UL. PRÓBNA 2, 00-001 MIASTO"));
    smallText(p, 29, 228, QStringLiteral("tytułem"));
    boxes(p, 26, 231, 27, 13, 17, QStringLiteral("FAKTURA 02/2000"));
    smallText(p, 29, 259, QStringLiteral("tytułem cd."));
    boxes(p, 26, 262, 27, 13, 17, QStringLiteral("ZA TOWAR"));

    // The foot of the order: stamp, fee, currency and the postal operator's logo.
    p.setPen(QPen(red, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPoint(70, 322), 34, 34);
    smallText(p, 50, 325, QStringLiteral("stempel"));
    postLogo(p, 140, 325);
    smallText(p, 297, 335, QStringLiteral("Opłata:"));
    boxes(p, 330, 325, 6, 12, 17);
    smallText(p, 297, 360, QStringLiteral("waluta"));
    boxes(p, 330, 350, 3, 17, 15, QStringLiteral("PLN"));
    p.setPen(red);
    p.drawLine(4, 292, 404, 292);

    // The strip of vertical captions between the two parts.
    p.setPen(red);
    p.drawLine(406, 4, 406, 376);
    p.drawLine(420, 4, 420, 376);
    vertical(p, QRect(408, 10, 11, 360), QStringLiteral("POLECENIE WPŁATY  •  POKWITOWANIE"), 9, true);

    // The counterfoil, right: what the account holder keeps.
    smallText(p, 424, 14, QStringLiteral("POKWITOWANIE"), 9, true);
    smallText(p, 424, 32, QStringLiteral("odbiorca"));
    boxes(p, 424, 35, 1, 96, 30);
    p.setPen(ink);
    p.setFont(arial(9, true));
    p.drawText(QPoint(427, 47), QStringLiteral("FIRMA PRZYKŁADOWA"));
    p.drawText(QPoint(427, 60), QStringLiteral("UL. TESTOWA 1"));
    smallText(p, 424, 80, QStringLiteral("nr rachunku"));
    boxes(p, 424, 83, 1, 96, 17);
    p.setPen(ink);
    p.setFont(arial(8, true));
    p.drawText(QPoint(427, 95), QStringLiteral("11 2222 3333 … 7777"));
    smallText(p, 424, 115, QStringLiteral("kwota"));
    boxes(p, 424, 118, 8, 12, 17, QStringLiteral("123,00"), true);
    smallText(p, 424, 150, QStringLiteral("zleceniodawca"));
    boxes(p, 424, 153, 1, 96, 30);
    p.setPen(ink);
    p.setFont(arial(9, true));
    p.drawText(QPoint(427, 165), QStringLiteral("JAN PRZYKŁADOWY"));
    p.drawText(QPoint(427, 178), QStringLiteral("UL. PRÓBNA 2"));
    smallText(p, 424, 200, QStringLiteral("tytułem"));
    boxes(p, 424, 203, 1, 96, 17);
    p.setPen(ink);
    p.drawText(QPoint(427, 215), QStringLiteral("FAKTURA 02/2000"));
    p.setPen(QPen(red, 1, Qt::DashLine));
    p.drawEllipse(QPoint(472, 300), 34, 34);
    smallText(p, 452, 303, QStringLiteral("stempel"));
    return image;
}

QImage sideCaption(int width, int height, const QString& text) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    vertical(p, image.rect(), text, std::max(7, width - 4), true);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: ledgora-draw-forms FORMS_DIR\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    bool ok = save(form(), dir + QStringLiteral("/form.bmp"));
    ok &= save(sideCaption(16, 116, QStringLiteral("dla poczty")),
               dir + QStringLiteral("/copy-post-office.bmp"));
    ok &= save(sideCaption(11, 110, QStringLiteral("dla banku")), dir + QStringLiteral("/copy-bank.bmp"));
    ok &= save(sideCaption(18, 161, QStringLiteral("dla zleceniodawcy")),
               dir + QStringLiteral("/copy-payer.bmp"));
    ok &= save(sideCaption(14, 201, QStringLiteral("dla posiadacza rachunku")),
               dir + QStringLiteral("/copy-account-holder.bmp"));
    return ok ? 0 : 1;
}
