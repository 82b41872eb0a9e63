#include "kit/CoolBar.h"
#include "kit/PixelArt.h"

#include <QPainter>

namespace kit {

CoolBar::CoolBar(QWidget* parent)
    : QWidget(parent) {
    setAutoFillBackground(true);
}

void CoolBar::setBitmap(const QImage& tile) {
    tile_ = QPixmap::fromImage(tile);
    update();
}

void CoolBar::addBand(Band band) {
    bands_.append(std::move(band));
    update();
}

void CoolBar::setBandText(int index, const QString& text) {
    if (index < 0 || index >= bands_.size())
        return;
    bands_[index].text = text;
    update();
}

void CoolBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!tile_.isNull())
        p.drawTiledPixmap(rect(), QPixmap::fromImage(forPainter(p, tile_.toImage())));

    int x = 2;
    for (const Band& band : bands_) {
        const QRect r(x, 1, band.width, height() - 2);
        // etched band edge and a two-line gripper at its left
        p.setPen(QColor(255, 255, 255, 150));
        p.drawLine(r.left() + 3, r.top() + 2, r.left() + 3, r.bottom() - 2);
        p.drawLine(r.left() + 6, r.top() + 2, r.left() + 6, r.bottom() - 2);
        p.setPen(QColor(0, 0, 0, 120));
        p.drawLine(r.left() + 4, r.top() + 2, r.left() + 4, r.bottom() - 2);
        p.drawLine(r.left() + 7, r.top() + 2, r.left() + 7, r.bottom() - 2);
        if (!band.text.isEmpty()) {
            p.setPen(palette().windowText().color());
            p.setFont(font());
            p.drawText(r.adjusted(12, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, band.text);
        }
        x += band.width + 2;
    }
}

} // namespace kit
