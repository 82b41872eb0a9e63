#include "kit/Shape.h"

#include <QPainter>

namespace kit {

Shape::Shape(ShapeKind kind, QColor fill, QWidget* parent)
    : QWidget(parent)
    , kind_(kind)
    , fill_(fill) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(fill_);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    if (kind_ == ShapeKind::Ellipse) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.drawEllipse(r);
    } else {
        p.drawRect(r);
    }
}

} // namespace kit
