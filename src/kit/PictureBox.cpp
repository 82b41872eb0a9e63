#include "kit/PictureBox.h"

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
    picture_.draw(p, target);
}

} // namespace kit
