#pragma once
// The print preview: a window that shows the composed pages of a report one at a time, at a
// chosen zoom, and offers printing, print setup, saving and loading of the pages.
#include "kit/Layout.h"
#include "report/Model.h"
#include "report/PageStore.h"

#include <QAbstractScrollArea>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace report {

// The page view: the current page as a white sheet with a black outline and shadow, drawn
// straight from the page store at the zoom; the sheet is centred while it is smaller than
// the view and scrolls when it is larger.
class PageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);

    void setPage(const StoredPage* page); // nullptr: no page yet
    const StoredPage* page() const { return page_; }
    int zoom() const { return zoom_; }
    // Percent of the true size; a zoom outside 2 to 2000 is ignored (false).
    bool setZoom(int percent);

    // The page at 100 %, in screen pixels.
    QSize pageSize100() const;
    // The sheet: the page at the zoom, plus the outline and the shadow.
    QSize sheetSize() const;
    // Where the sheet's top-left corner stands in the view.
    QPoint sheetOrigin() const;
    // What the view offers the sheet, scroll bars left out.
    QSize room() const { return maximumViewportSize(); }
    void scrollHome();

signals:
    void roomChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    double dpi() const; // of the page at the zoom, in logical pixels
    QSize pagePixels() const;
    void updateScrollBars();

    const StoredPage* page_ = nullptr;
    int zoom_ = 100;
};

enum class ZoomKind { Fit, Width, Fixed };

class TRpStandardPreview : public QWidget {
    Q_OBJECT
public:
    // A preview of `report`'s pages; the report's print and print setup are offered.
    explicit TRpStandardPreview(TReport& report, QWidget* parent = nullptr);
    ~TRpStandardPreview() override;

    TReport& report() const { return report_; }
    PageStore& store() { return store_; }
    PageView* RpPreview = nullptr;
    QLabel* Status = nullptr;

    QWidget* control(const QString& name) const { return controls_.value(name); }
    template <typename T> T* control(const QString& name) const { return qobject_cast<T*>(control(name)); }

    // Composes the report into the window's pages; each finished page is announced to the
    // window once control is back in the event loop.
    void compose();
    // A page was finished: the first time the awaited page is there it is shown at page width.
    void pageFinished(int number);

    int currentPage() const { return page_; }
    int zoom() const { return RpPreview->zoom(); }
    ZoomKind zoomKind() const { return zoomKind_; }
    QString statusText() const;

    // Shows page `number`; a number outside the pages composed so far is ignored.
    bool showPage(int number);
    void setZoomKind(ZoomKind kind, int percent = 100);

    void ZoomToFitClick();
    void ZoomTo100Click();
    void ZoomToWidthClick();
    void FirstPageClick();
    void PrevPageClick();
    void NextPageClick();
    void LastPageClick();
    void PrintSetupClick();
    void PrintClick();
    void SaveClick();
    void LoadClick();
    void ExitClick();

    // The file types of Save, in the order offered.
    static const QStringList saveFilters;
    static const QStringList loadFilters;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void refreshStatus();
    void applyZoom();
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);

    TReport& report_;
    PageStore store_;
    kit::Controls controls_;
    int page_ = 1; // the page shown, or awaited while none is shown
    bool pageShown_ = false;
    ZoomKind zoomKind_ = ZoomKind::Width;
    int fixedZoom_ = 100;
};

// Opens a maximised preview window on `report`, composes the report into it and returns
// once the window has been closed or the program is ending. The main window stays usable
// meanwhile; several previews may be open. Does nothing while the report is busy.
void Preview(TReport& report);

} // namespace report
