#include "kit/SpeedButton.h"
#include "kit/PixelArt.h"

#include <QPainter>

namespace kit {

QImage withTransparentColour(const QImage& image, QRgb transparent) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent | 0xff000000u;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] | 0xff000000u) == key)
                line[x] = 0;
    }
    return out;
}

SpeedButton::SpeedButton(QWidget* parent)
    : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void SpeedButton::setGlyph(const QImage& strip, int count) {
    strip_ = strip;
    count_ = count < 1 ? 1 : count;
    update();
}

void SpeedButton::setFlat(bool flat) {
    flat_ = flat;
    update();
}

QImage SpeedButton::glyphImage(int state) const {
    if (strip_.isNull())
        return {};
    const int w = strip_.width() / count_;
    const int index = state < count_ ? state : 0;
    const QRgb transparent = strip_.pixel(0, strip_.height() - 1);
    return withTransparentColour(strip_.copy(index * w, 0, w, strip_.height()), transparent);
}

void SpeedButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const bool down = isDown() || isChecked();
    if (!flat_)
        p.fillRect(r, palette().button());

    const bool border = !flat_ || (isEnabled() && (hovered_ || down));
    if (border) {
        const QColor light = down ? palette().shadow().color() : palette().light().color();
        const QColor dark = down ? palette().light().color() : palette().shadow().color();
        p.setPen(light);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(dark);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }

    int state = 0;
    if (!isEnabled())
        state = 1;
    else if (down && count_ > 2)
        state = 2;
    if (!text().isEmpty()) {
        p.setPen(palette().buttonText().color());
        p.setFont(font());
        p.drawText(r.translated(down ? QPoint(1, 1) : QPoint()), Qt::AlignCenter, text());
    }
    const QImage glyph = glyphImage(state);
    if (glyph.isNull())
        return;
    // Centred, and cut off at the button's edges when larger than the button.
    QPoint at((r.width() - glyph.width()) / 2, (r.height() - glyph.height()) / 2);
    if (down)
        at += QPoint(1, 1);
    p.setClipRect(r);
    p.drawImage(at, forPainter(p, glyph));
}

void SpeedButton::enterEvent(QEnterEvent* e) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(e);
}

void SpeedButton::leaveEvent(QEvent* e) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(e);
}

} // namespace kit
