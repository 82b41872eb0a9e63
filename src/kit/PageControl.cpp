#include "kit/PageControl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QTabBar>

namespace kit {
namespace {

// Tabs as high as the strip above the pages, so that none is cut at its foot.
class TabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override {
        QSize size = QTabBar::tabSizeHint(index);
        size.setHeight(PageControl::pageOrigin.y() - 2);
        return size;
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

} // namespace

PageControl::PageControl(QWidget* parent)
    : QWidget(parent)
    , tabs_(new TabBar(this))
    , stack_(new QStackedWidget(this)) {
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(false);
    tabs_->setFocusPolicy(Qt::TabFocus);
    stack_->setGeometry(QRect(pageOrigin, pageSize));
    connect(tabs_, &QTabBar::currentChanged, this, &PageControl::onTabChanged);
    qApp->installEventFilter(this);
}

QWidget* PageControl::addPage(const QString& name, const QString& caption) {
    auto* page = new QWidget;
    page->setObjectName(name);
    page->setAccessibleName(caption);
    page->setFixedSize(pageSize);
    // Adding the first page makes it current: that is not a change of page.
    const QSignalBlocker quiet(tabs_);
    stack_->addWidget(page);
    tabs_->addTab(caption);
    tabs_->setGeometry(2, 2, width() - 4, pageOrigin.y() - 2);
    stack_->setCurrentIndex(tabs_->currentIndex());
    setAccessibleName(tabs_->tabText(tabs_->currentIndex())); // read by the page it shows
    return page;
}

int PageControl::count() const {
    return tabs_->count();
}
int PageControl::currentIndex() const {
    return tabs_->currentIndex();
}
QWidget* PageControl::currentPage() const {
    return stack_->currentWidget();
}
QWidget* PageControl::page(int index) const {
    return stack_->widget(index);
}
QString PageControl::tabText(int index) const {
    return tabs_->tabText(index);
}
void PageControl::setTabVisible(int index, bool visible) {
    tabs_->setTabVisible(index, visible);
}
bool PageControl::isTabVisible(int index) const {
    return tabs_->isTabVisible(index);
}

void PageControl::setCurrentIndex(int index) {
    tabs_->setCurrentIndex(index);
}

void PageControl::selectNextPage(bool forward) {
    const int n = count();
    const int start = currentIndex();
    if (n == 0 || start < 0)
        return;
    int i = start;
    do {
        i = forward ? (i == n - 1 ? 0 : i + 1) : (i == 0 ? n - 1 : i - 1);
        if (isTabVisible(i)) {
            if (i != start)
                setCurrentIndex(i);
            return;
        }
    } while (i != start);
}

void PageControl::onTabChanged(int index) {
    stack_->setCurrentIndex(index);
    setAccessibleName(tabs_->tabText(index));
    emit pageChanged(index);
}

void PageControl::paintEvent(QPaintEvent*) {
    // A raised frame around the page area, as the classic notebook draws it.
    QPainter p(this);
    const QRect r(0, pageOrigin.y() - 2, width(), height() - pageOrigin.y() + 2);
    p.fillRect(r, palette().window());
    p.setPen(palette().light().color());
    p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    p.setPen(palette().shadow().color());
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    p.setPen(palette().mid().color());
    p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
}

bool PageControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!(key->modifiers() & Qt::ControlModifier))
        return false;
    if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab)
        return false;
    if (static_cast<QWidget*>(watched)->window() != window())
        return false;
    const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
    selectNextPage(!back);
    return true;
}

} // namespace kit
