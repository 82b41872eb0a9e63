#include "kit/CoolBar.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>

namespace kit {
namespace {

QAccessibleInterface* coolBarFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("kit::CoolBar") || !object || !object->isWidgetType())
        return nullptr;
    auto* bar = static_cast<CoolBar*>(object);
    return new QAccessibleWidget(bar, bar->showsText() ? QAccessible::StatusBar : QAccessible::ToolBar);
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

void CoolBar::updateName() {
    if (!showsText())
        return;
    QStringList words;
    for (const Band& band : bands_)
        if (!band.text.trimmed().isEmpty())
            words << band.text;
    // setAccessibleName tells assistive tools that the name changed.
    if (accessibleName() != words.join(u' '))
        setAccessibleName(words.join(u' '));
}

void CoolBar::setBitmap(const QImage& tile) {
    tile_ = QPixmap::fromImage(tile);
    update();
}

void CoolBar::addBand(Band band) {
    bands_.append(std::move(band));
    updateName();
    update();
}

void CoolBar::setBandText(int index, const QString& text) {
    if (index < 0 || index >= bands_.size())
        return;
    bands_[index].text = text;
    updateName();
    update();
}

void CoolBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!tile_.isNull())
        p.drawTiledPixmap(rect(), tile_);

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
