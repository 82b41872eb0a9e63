#pragma once
// A picture box: shows its picture at natural size from the top-left corner (a larger
// picture shows its top-left part), or centred, or stretched to the box.
#include "platform/Picture.h"
#include <QWidget>

namespace kit {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(platform::Picture picture);
    const platform::Picture& picture() const { return picture_; }
    platform::Picture& picture() { return picture_; }
    void setStretch(bool on);
    void setCenter(bool on);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    platform::Picture picture_;
    bool stretch_ = false;
    bool center_ = false;
    QImage shown_; // the picture as drawn at the last ratio
    qint64 shownFrom_ = 0;
    qreal shownAt_ = 0;
};

} // namespace kit
