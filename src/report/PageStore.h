#pragma once
// Composed pages as plain data: each page is a list of drawing operations in tenths of a
// millimetre from the paper's top-left corner. Renderers replay them on any device.
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

namespace report {

struct TextFont {
    QString family;
    int pixelHeight = 13; // character height on the 96 dpi grid
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const TextFont&) const = default;
};

struct DrawOp {
    enum Kind : quint8 {
        FillRect,    // rect filled with color
        Rectangle,   // rect outlined with the pen, filled with the brush
        Ellipse,     // ellipse in rect, pen and brush
        Line,        // p1 to p2 with the pen
        FrameStripe, // one side of rect as a stripe of one-pixel lines going inward
        Text,        // text at pos (left, top of the line), clipped to clip
        Picture,     // image scaled to rect, clipped to clip
    };
    enum Side : quint8 { Top, Bottom, Left, Right };

    Kind kind = FillRect;
    QRectF rect;
    QRectF clip;
    QPointF p1;
    QPointF p2;
    QPointF pos;
    QRgb color = 0xff000000;      // fill, pen, frame or text colour
    QRgb brushColor = 0xffffffff; // Rectangle, Ellipse
    bool brushSolid = true;
    int penWidth = 1;      // pixels of the output device
    double frameWidth = 1; // FrameStripe: points
    Side side = Top;       // FrameStripe
    QString text;          // Text
    TextFont font;         // Text
    double textWidth = 0;  // Text: measured advance on the 96 dpi grid, in tenths
    QImage image;          // Picture

    bool operator==(const DrawOp&) const = default;
};

struct StoredPage {
    double width = 2100; // tenths, across the printed page
    double length = 2970;
    std::vector<DrawOp> ops;
    bool operator==(const StoredPage&) const = default;
    bool landscape() const { return width > length; }
};

// The destination of a composition (the preview's pages, or pages handed on to a printer).
class PageStore {
public:
    // 1-based, as the pages are numbered.
    const StoredPage& page(int number) const { return pages_.at(size_t(number - 1)); }
    const std::vector<StoredPage>& pages() const { return pages_; }
    int pageCount() const { return int(pages_.size()); }
    // The number of the last page that composition finished (0 before the first).
    int lastFinishedPage() const { return lastFinished_; }
    bool finished() const { return finished_; }
    // The run was cancelled: the unfinished last page was dropped.
    bool abandoned() const { return abandoned_; }

    // The cancel mark: set by whoever watches the run (progress window, preview window).
    bool cancel = false;
    // Called with the page number whenever a page is finished.
    std::function<void(int)> pageFinished;

    void clear();
    // Approximate memory held by the pages, in bytes (pictures shared between pages count once).
    size_t approxBytes() const;
    bool samePages(const PageStore& other) const { return pages_ == other.pages_; }
    // Pages from elsewhere (a saved preview) replace the pages, as one finished run.
    void setPages(std::vector<StoredPage> pages);

    // Used by composition.
    void beginRun();
    void beginPage(double width, double length);
    // A picture equal to one already in the store shares that one's pixels.
    void add(DrawOp op);
    void finishPage();
    void endRun();
    void abandon();

private:
    std::vector<StoredPage> pages_;
    int lastFinished_ = 0;
    bool finished_ = false;
    bool abandoned_ = false;
    size_t opsHint_ = 0;
    std::vector<QImage> pictures_; // each distinct picture of the pages once
};

} // namespace report
