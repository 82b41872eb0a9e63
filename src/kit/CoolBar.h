#pragma once
// A bar with a tiled background picture and bands; each band shows its text in the bar's
// font after a gripper.
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QVector>
#include <QWidget>

namespace kit {

class CoolBar : public QWidget {
    Q_OBJECT
public:
    struct Band {
        QString text;
        int width = 0;
        int minHeight = 0;
    };

    explicit CoolBar(QWidget* parent = nullptr);

    void setBitmap(const QImage& tile);
    void addBand(Band band);
    int bandCount() const { return int(bands_.size()); }
    QString bandText(int index) const { return bands_.value(index).text; }
    void setBandText(int index, const QString& text);
    // A bar whose bands show words is a status band: it is read by those words, and a
    // screen reader hears them again whenever they change.
    bool showsText() const;
    QString words() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void updateName(const QString& before);

    QPixmap tile_;
    QVector<Band> bands_;
};

} // namespace kit
