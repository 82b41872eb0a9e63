#include "kit/CoolBar.h"
#include "kit/PixelArt.h"

#include "kit/Announce.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>

namespace kit {
namespace {

// A status band is read by its words; a bar of buttons is a tool bar.
class CoolBarReading : public QAccessibleWidget {
public:
    explicit CoolBarReading(CoolBar* bar)
        : QAccessibleWidget(bar, bar->showsText() ? QAccessible::StatusBar : QAccessible::ToolBar) {}
    QString text(QAccessible::Text t) const override {
        auto* bar = static_cast<CoolBar*>(widget());
        if (t == QAccessible::Name && bar->showsText())
            return bar->words();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* coolBarFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("kit::CoolBar") || !object || !object->isWidgetType())
        return nullptr;
    return new CoolBarReading(static_cast<CoolBar*>(object));
}

} // namespace

CoolBar::CoolBar(QWidget* parent)
    : QWidget(parent) {
    static const bool installed = (QAccessible::installFactory(coolBarFactory), true);
    Q_UNUSED(installed);
    setAutoFillBackground(true);
}

bool CoolBar::showsText() const {
    return std::any_of(bands_.begin(), bands_.end(),
                       [](const Band& b) { return !b.text.trimmed().isEmpty(); });
}

QString CoolBar::words() const {
    QStringList words;
    for (const Band& band : bands_)
        if (!band.text.trimmed().isEmpty())
            words << band.text;
    return words.join(u' ');
}

void CoolBar::updateName(const QString& before) {
    if (words() == before || !announcementsHeard())
        return;
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    announce(&changed);
}

void CoolBar::setBitmap(const QImage& tile) {
    tile_ = QPixmap::fromImage(tile);
    update();
}

void CoolBar::addBand(Band band) {
    const QString before = words();
    bands_.append(std::move(band));
    updateName(before);
    update();
}

void CoolBar::setBandText(int index, const QString& text) {
    if (index < 0 || index >= bands_.size())
        return;
    const QString before = words();
    bands_[index].text = text;
    updateName(before);
    update();
}

void CoolBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!tile_.isNull())
        p.drawTiledPixmap(rect(), QPixmap::fromImage(forPainter(p, tile_.toImage())));

    int x = 2;
    for (const Band& band : bands_) {
        const QRect r(x, 1, band.width, height() - 2);
        // etched band edge and a two-line gripper at its left
        p.setPen(QColor(255, 255, 255, 150));
        p.drawLine(r.left() + 3, r.top() + 2, r.left() + 3, r.bottom() - 2);
        p.drawLine(r.left() + 6, r.top() + 2, r.left() + 6, r.bottom() - 2);
        p.setPen(QColor(0, 0, 0, 120));
        p.drawLine(r.left() + 4, r.top() + 2, r.left() + 4, r.bottom() - 2);
        p.drawLine(r.left() + 7, r.top() + 2, r.left() + 7, r.bottom() - 2);
        if (!band.text.isEmpty()) {
            p.setPen(palette().windowText().color());
            p.setFont(font());
            p.drawText(r.adjusted(12, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, band.text);
        }
        x += band.width + 2;
    }
}

} // namespace kit
