#pragma once
// A shape: ellipse or rectangle with a 1 px black outline and a fill colour.
#include "kit/Layout.h"
#include <QColor>
#include <QWidget>

namespace kit {

class Shape : public QWidget {
    Q_OBJECT
public:
    Shape(ShapeKind kind, QColor fill, QWidget* parent = nullptr);
    ShapeKind kind() const { return kind_; }
    QColor fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    ShapeKind kind_;
    QColor fill_;
};

} // namespace kit
