#include "kit/PixelArt.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <cmath>

namespace kit {

qreal deviceRatio(const QPainter& painter) {
    const QTransform t = painter.deviceTransform();
    return std::hypot(t.m11(), t.m12());
}

bool isWholeFactor(qreal factor) {
    return factor >= 1 && qFuzzyCompare(factor, std::round(factor));
}

void setPictureScaling(QPainter& painter) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !isWholeFactor(deviceRatio(painter)));
}

QImage enlargedFor(const QImage& image, qreal ratio) {
    if (isWholeFactor(ratio) || image.isNull())
        return image;
    const int whole = int(std::ceil(ratio - 1e-6));
    if (whole <= 1)
        return image;
    QImage enlarged = image.scaled(image.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    enlarged.setDevicePixelRatio(image.devicePixelRatio() * whole);
    return enlarged;
}

QImage forPainter(QPainter& painter, const QImage& image) {
    setPictureScaling(painter);
    return enlargedFor(image, deviceRatio(painter));
}

QImage scaled(const QImage& image, QSize size) {
    if (image.isNull() || size.isEmpty() || size == image.size())
        return image;
    const qreal factor = std::max(qreal(size.width()) / image.width(), qreal(size.height()) / image.height());
    if (isWholeFactor(factor))
        return image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage enlarged = enlargedFor(image, factor);
    enlarged.setDevicePixelRatio(image.devicePixelRatio());
    return enlarged.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

namespace {

class PixelArtIconEngine : public QIconEngine {
public:
    explicit PixelArtIconEngine(QImage image)
        : image_(std::move(image)) {}

    QIconEngine* clone() const override { return new PixelArtIconEngine(image_); }
    bool isNull() override { return image_.isNull(); }
    QString key() const override { return QStringLiteral("ledgora.pixelart"); }

    // The picture's own size at ratio 1, 1.5 and 2: what a window manager picks from.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        const QSize own = image_.size();
        return {own, own * 3 / 2, own * 2};
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1);
    }

    // `size` is in device pixels.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        QPixmap pm = QPixmap::fromImage(scaled(image_, size));
        if (mode != QIcon::Normal && qApp) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pm = QApplication::style()->generatedIconPixmap(mode, pm, &option);
        }
        pm.setDevicePixelRatio(scale > 0 ? scale : 1);
        return pm;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = deviceRatio(*painter);
        const QPixmap pm = scaledPixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state, ratio);
        painter->drawPixmap(rect, pm);
    }

private:
    QImage image_;
};

} // namespace

QIcon pixelArtIcon(const QImage& image) {
    return QIcon(new PixelArtIconEngine(image));
}

} // namespace kit
