#pragma once
// The notebook: a single row of tabs along the top and, below it, one page at a time,
// each page with a client area of exactly pageSize. Ctrl+Tab and Ctrl+Shift+Tab step
// through the pages anywhere in its window.
#include <QSize>
#include <QWidget>

class QTabBar;
class QStackedWidget;

namespace kit {

class PageControl : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize pageSize{784, 456};
    static constexpr QPoint pageOrigin{4, 24};

    explicit PageControl(QWidget* parent = nullptr);

    // Adds a page (its client area) with its tab caption; the page takes the given name.
    QWidget* addPage(const QString& name, const QString& caption);

    int count() const;
    int currentIndex() const;
    QWidget* currentPage() const;
    QWidget* page(int index) const;
    QString tabText(int index) const;
    void setTabVisible(int index, bool visible);
    bool isTabVisible(int index) const;
    QTabBar* tabBar() const { return tabs_; }

    // Shows the page; a change of page emits pageChanged.
    void setCurrentIndex(int index);
    // Steps to the next or previous visible page, wrapping at either end.
    void selectNextPage(bool forward);

signals:
    // After the notebook has switched to another page, whatever switched it.
    void pageChanged(int index);

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onTabChanged(int index);

    QTabBar* tabs_;
    QStackedWidget* stack_;
};

} // namespace kit
