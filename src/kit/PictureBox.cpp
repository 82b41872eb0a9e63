#include "kit/PictureBox.h"
#include "kit/PixelArt.h"

#include <QPainter>

namespace kit {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent) {}

void PictureBox::setPicture(platform::Picture picture) {
    picture_ = std::move(picture);
    update();
}

void PictureBox::setStretch(bool on) {
    stretch_ = on;
    update();
}

void PictureBox::setCenter(bool on) {
    center_ = on;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (picture_.isEmpty())
        return;
    QPainter p(this);
    QRectF target(QPointF(0, 0), QSizeF(picture_.size()));
    if (stretch_)
        target = rect();
    else if (center_)
        target.moveCenter(QRectF(rect()).center());
    p.setClipRect(rect());
    if (picture_.kind() == platform::Picture::Kind::Metafile) {
        picture_.draw(p, target); // drawn at the device's own resolution
        return;
    }
    // A page background is drawn again under every control that repaints: its enlargement for
    // a fractional ratio is kept until the picture or the ratio changes.
    setPictureScaling(p);
    const qreal ratio = deviceRatio(p);
    const QImage& image = picture_.image();
    if (image.cacheKey() != shownFrom_ || ratio != shownAt_) {
        shown_ = enlargedFor(image, ratio);
        shownFrom_ = image.cacheKey();
        shownAt_ = ratio;
    }
    p.drawImage(target, shown_);
}

} // namespace kit
