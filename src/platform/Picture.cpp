#include "platform/Picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace platform {

Picture Picture::bitmap(QImage image) {
    Picture p;
    p.kind_ = Kind::Bitmap;
    p.size_ = image.size();
    p.image_ = std::move(image);
    return p;
}

Picture Picture::icon(QImage image) {
    Picture p = bitmap(std::move(image));
    p.kind_ = Kind::Icon;
    return p;
}

Picture Picture::metafile(const QByteArray& svg, QSize size, const QRectF& viewBox) {
    Picture p;
    p.kind_ = Kind::Metafile;
    p.svg_ = std::make_shared<QSvgRenderer>(svg);
    if (viewBox.isValid())
        p.svg_->setViewBox(viewBox);
    p.size_ = size;
    return p;
}

void Picture::draw(QPainter& painter, const QRectF& target) const {
    switch (kind_) {
    case Kind::Empty:
        return;
    case Kind::Bitmap:
    case Kind::Icon:
        painter.drawImage(target, image_);
        return;
    case Kind::Metafile:
        if (svg_ && svg_->isValid())
            svg_->render(&painter, target);
        return;
    }
}

} // namespace platform
