#pragma once
// A speed button: a glyph without focus; flat ones show their border only under the mouse.
#include <QAbstractButton>
#include <QImage>

namespace kit {

class SpeedButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit SpeedButton(QWidget* parent = nullptr);

    // A strip of `count` images side by side: normal, disabled, pressed (, down).
    // The colour of the strip's bottom-left pixel is transparent.
    void setGlyph(const QImage& strip, int count = 1);
    void setFlat(bool flat);
    bool isFlat() const { return flat_; }

    // The image drawn for a state, transparency applied (0 normal, 1 disabled, 2 pressed).
    QImage glyphImage(int state) const;

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    QImage strip_;
    int count_ = 1;
    bool flat_ = false;
    bool hovered_ = false;
};

// `image` with every pixel of `transparent` colour made fully transparent.
QImage withTransparentColour(const QImage& image, QRgb transparent);

} // namespace kit
