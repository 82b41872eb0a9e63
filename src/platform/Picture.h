#pragma once
// A picture as the program holds it: a bitmap, an icon or a metafile (drawn from SVG).
#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <memory>

class QPainter;
class QSvgRenderer;

namespace platform {

class Picture {
public:
    enum class Kind { Empty, Bitmap, Icon, Metafile };

    Picture() = default;
    static Picture bitmap(QImage image);
    static Picture icon(QImage image);
    // A metafile as SVG, shown at `size` pixels (its header's own bounds). `viewBox`, when
    // valid, is the part of the SVG's user space that those bounds cover; otherwise the
    // SVG's own view box is used.
    static Picture metafile(const QByteArray& svg, QSize size, const QRectF& viewBox = {});

    Kind kind() const { return kind_; }
    bool isEmpty() const { return kind_ == Kind::Empty; }
    QSize size() const { return size_; }
    // The bitmap of a bitmap or icon picture; null for a metafile.
    const QImage& image() const { return image_; }
    // Writable bitmap (only for bitmap pictures; the copy operations draw on it).
    QImage& bitmapRef() { return image_; }

    // Draws the picture into `target` (stretched to it).
    void draw(QPainter& painter, const QRectF& target) const;

private:
    Kind kind_ = Kind::Empty;
    QImage image_;
    std::shared_ptr<QSvgRenderer> svg_;
    QSize size_;
};

} // namespace platform
