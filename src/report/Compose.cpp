// Composition of a report that has no data attached: one pass that lays the bands down the
// pages and writes every page into the page store.
#include "report/Model.h"
#include "report/PageStore.h"
#include "report/TextMetrics.h"

#include <algorithm>

namespace report {

class Composer {
public:
    Composer(TReport& report, PageStore& store)
        : r(report)
        , s(store) {}

    void run();

private:
    struct Layout {
        QStringList lines; // labels and memos, after wrapping
        double height = 0; // the element's height, grown if it stretches
    };

    TReport& r;
    PageStore& s;
    int y = 0; // current vertical position, whole tenths
    double footerHeight = 0;
    bool pageFresh = true; // nothing but the page header on the page yet
    bool forcePageSeen = false;
    bool forceColumnSeen = false;
    std::vector<TRpBand*> pageHeaders;
    std::vector<TRpBand*> pageFooters;

    double bottomLimit() const { return r.Page.Length - r.Page.BottomMargin - footerHeight; }
    void newPage();
    void finishPage(bool last);
    void printBand(TRpBand* band, bool pageFrame, int depth = 0);
    void printSubDetail(TRpSubDetail* sub);
    Layout layoutElement(TRpPrintable& e) const;
    std::vector<Layout> layout(TRpBand& band, double& height) const;
    void drawElement(TRpPrintable& e, QPointF origin, double width, const Layout* lay);
    void drawLabel(TRpLabel& label, const QRectF& rect, const Layout& lay);
    void drawShape(const TRpShape& shape, const QRectF& rect);
    void drawImage(const TRpImage& image, const QRectF& rect);
    void drawFrame(const TRpFrame& frame, const QRectF& rect);
    void fill(const QRectF& rect, QRgb color);
};

namespace {

TRpBand* firstOfKind(const TReport& r, TRpBandType type) {
    for (const auto& band : r.Bands)
        if (band->BandType == type && band->Enabled)
            return band.get();
    return nullptr;
}

double chainHeight(const TRpBand* band, size_t limit) {
    double height = 0;
    for (size_t n = 0; band && n <= limit; band = band->ChildBand, ++n)
        if (band->Enabled)
            height += band->Height;
    return height;
}

} // namespace

bool TReport::Compose(PageStore& destination) {
    if (composing_)
        return false;
    composing_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{composing_};
    Composer(*this, destination).run();
    return true;
}

void Composer::run() {
    r.pageNumber_ = 0;
    for (const auto& band : r.Bands) {
        if (!band->Enabled)
            continue;
        if (band->BandType == rbPageHeader)
            pageHeaders.push_back(band.get());
        if (band->BandType == rbPageFooter) {
            pageFooters.push_back(band.get());
            footerHeight += chainHeight(band.get(), r.Bands.size());
        }
    }
    TRpBand* header = firstOfKind(r, rbTitle);
    TRpBand* detail = firstOfKind(r, rbDetail);
    TRpBand* footer = firstOfKind(r, rbSummary);
    std::vector<TRpSubDetail*> before, after;
    for (const auto& band : r.Bands)
        if (auto* sub = dynamic_cast<TRpSubDetail*>(band.get()); sub && sub->Master == &r)
            (sub->PrintBefore ? before : after).push_back(sub);

    s.beginRun();
    newPage();
    if (r.PrintIfEmpty) {
        printBand(header, false);
        for (TRpSubDetail* sub : before)
            printSubDetail(sub);
        printBand(detail, false);
        for (TRpSubDetail* sub : after)
            printSubDetail(sub);
        printBand(footer, false);
    }
    if (s.cancel) {
        s.abandon();
        return;
    }
    finishPage(true);
    s.endRun();
}

void Composer::printSubDetail(TRpSubDetail* sub) {
    if (!sub->PrintIfEmpty)
        return;
    printBand(sub->HeaderBand, false);
    printBand(sub, false);
    printBand(sub->FooterBand, false);
}

void Composer::newPage() {
    if (r.pageNumber_ > 0)
        finishPage(false);
    ++r.pageNumber_;
    s.beginPage(r.Page.Width, r.Page.Length);
    y = roundTenths(r.Page.TopMargin);
    pageFresh = true;
    if (r.OnStartPage)
        r.OnStartPage(r);
    if (r.pageNumber_ > 1 || r.Options.FirstPageHeader)
        for (TRpBand* band : pageHeaders)
            printBand(band, true);
}

void Composer::finishPage(bool last) {
    // The footer always ends at the bottom margin.
    y = roundTenths(bottomLimit());
    if (!last || r.Options.LastPageFooter)
        for (TRpBand* band : pageFooters)
            printBand(band, true);
    for (const auto& element : r.Printables)
        drawElement(*element, QPointF(0, 0), r.Page.Width, nullptr);
    const QRectF margins(r.Page.LeftMargin, r.Page.TopMargin,
                         r.Page.Width - r.Page.LeftMargin - r.Page.RightMargin,
                         r.Page.Length - r.Page.TopMargin - r.Page.BottomMargin);
    drawFrame(r.Frame, margins);
    s.finishPage();
}

// `pageFrame`: a page header or footer (or a child of one), placed by the page itself.
void Composer::printBand(TRpBand* band, bool pageFrame, int depth) {
    if (!band || !band->Enabled || depth > int(r.Bands.size()))
        return;
    const TRpBandType type = band->BandType;
    double height = 0;
    std::vector<Layout> lay = layout(*band, height);
    if (!pageFrame) {
        const bool placedByReport = type == rbTitle || type == rbOverlay;
        bool startPage = false;
        if (!placedByReport && band->ForceNewPage) {
            startPage = r.pageNumber_ > 1 || forcePageSeen;
            forcePageSeen = true;
        }
        if (!placedByReport && band->ForceNewColumn) {
            startPage = startPage || forceColumnSeen; // one column: a new column is a new page
            forceColumnSeen = true;
        }
        // A band that does not fit goes to the next page, unless the page holds nothing yet
        // (it would not fit on any page).
        if (!startPage && !pageFresh && height > bottomLimit() - y)
            startPage = true;
        if (startPage) {
            newPage();
            lay = layout(*band, height); // the page-start event may have changed captions
        }
    }
    if (band->AlignToBottom && type != rbPageFooter)
        y = roundTenths(bottomLimit() - height);

    const double width = r.bandWidth();
    const QRectF rect(r.Page.LeftMargin, y, width, height);
    fill(rect, band->Color);
    for (size_t i = 0; i < band->Elements.size(); ++i)
        drawElement(*band->Elements[i], rect.topLeft(), width, &lay[i]);
    drawFrame(band->Frame, rect);
    y += roundTenths(height);
    if (!pageFrame)
        pageFresh = false;
    printBand(band->ChildBand, pageFrame, depth + 1);
}

Composer::Layout Composer::layoutElement(TRpPrintable& e) const {
    Layout out{{}, e.Height};
    auto* label = dynamic_cast<TRpLabel*>(&e);
    if (!label || !e.Enabled)
        return out;
    label->applyAutoSize();
    out.height = label->Height;
    const TextFont font = textFont(label->Font);
    out.lines = label->textLines();
    if (!label->AutoSize && label->WordWrap)
        out.lines = wrapLines(out.lines, font, tenthsToPx(label->Width));
    if (label->AutoStretch) {
        double needed = pxToTenths(metrics::lineHeight(font)) * out.lines.size();
        if (label->Frame.DrawTop)
            needed += pxToTenths(label->Frame.Width);
        out.height = std::max(label->Height, needed);
    }
    return out;
}

std::vector<Composer::Layout> Composer::layout(TRpBand& band, double& height) const {
    std::vector<Layout> out;
    out.reserve(band.Elements.size());
    height = band.Height;
    for (const auto& element : band.Elements) {
        out.push_back(layoutElement(*element));
        // A stretching element takes its band down with it.
        if (element->Enabled && out.back().height > element->Height)
            height = std::max(height, element->Top + out.back().height);
    }
    return out;
}

void Composer::drawElement(TRpPrintable& e, QPointF origin, double width, const Layout* lay) {
    if (!e.Enabled)
        return;
    Layout own;
    if (!lay) {
        own = layoutElement(e); // a page-level element belongs to no band
        lay = &own;
    }
    double left = e.Left;
    if (e.AlignToBand) {
        if (e.Alignment == taLeftJustify)
            left = 0;
        else if (e.Alignment == taRightJustify)
            left = width - e.Width;
        else
            left = (width - e.Width) / 2;
    }
    const QRectF rect(origin.x() + left, origin.y() + e.Top, e.Width, lay->height);
    switch (e.kind()) {
    case TRpPrintable::Kind::Label:
    case TRpPrintable::Kind::Memo:
        drawLabel(static_cast<TRpLabel&>(e), rect, *lay);
        break;
    case TRpPrintable::Kind::Shape:
        drawShape(static_cast<const TRpShape&>(e), rect);
        break;
    case TRpPrintable::Kind::Image:
        drawImage(static_cast<const TRpImage&>(e), rect);
        break;
    }
    drawFrame(e.Frame, rect);
}

void Composer::drawLabel(TRpLabel& label, const QRectF& rect, const Layout& lay) {
    if (!label.Transparent)
        fill(rect, label.Color);
    const TextFont font = textFont(label.Font);
    const double lineHeight = pxToTenths(metrics::lineHeight(font));
    double dx = 0, dy = 0;
    if (!label.AutoSize) {
        if (label.Frame.DrawLeft)
            dx = pxToTenths(label.Frame.Width);
        if (label.Frame.DrawTop)
            dy = pxToTenths(label.Frame.Width);
    }
    // An italic line ends short of the right edge, so its slant stays inside: by a space and
    // one, the screen pixels taken as tenths.
    const double italicShift = font.italic ? metrics::width(font, QStringLiteral(" ")) + 1 : 0;
    const double eps = 1e-6;
    for (int i = 0; i < lay.lines.size(); ++i) {
        const double top = rect.top() + dy + i * lineHeight;
        if (top + lineHeight > rect.bottom() + eps)
            break;
        const QString& line = lay.lines[i];
        if (line.isEmpty())
            continue;
        const double w = pxToTenths(metrics::width(font, line));
        double x = rect.left() + dx;
        if (label.Alignment == taRightJustify)
            x = rect.right() - w - italicShift;
        else if (label.Alignment == taCenter)
            x = rect.center().x() - w / 2;
        DrawOp op;
        op.kind = DrawOp::Text;
        op.pos = QPointF(x, top);
        op.clip = rect;
        op.text = line;
        op.font = font;
        op.color = label.Font.Color;
        op.textWidth = w;
        s.add(std::move(op));
    }
}

void Composer::drawShape(const TRpShape& shape, const QRectF& rect) {
    DrawOp op;
    op.color = shape.Pen.Color;
    op.penWidth = shape.Pen.Style == Qt::NoPen ? 0 : shape.Pen.Width;
    op.brushColor = shape.Brush.Color;
    op.brushSolid = shape.Brush.Style != Qt::NoBrush;
    auto line = [&](QPointF a, QPointF b) {
        if (op.penWidth <= 0)
            return;
        DrawOp l = op;
        l.kind = DrawOp::Line;
        l.p1 = a;
        l.p2 = b;
        s.add(std::move(l));
    };
    switch (shape.Shape) {
    case shRectangle:
        op.kind = DrawOp::Rectangle;
        op.rect = rect;
        s.add(std::move(op));
        break;
    case shCircle:
        op.kind = DrawOp::Ellipse;
        op.rect = rect;
        s.add(std::move(op));
        break;
    case shVertLine: {
        const double x = rect.center().x();
        line({x, rect.top()}, {x, rect.bottom()});
        break;
    }
    case shHorLine: {
        const double y0 = rect.center().y();
        line({rect.left(), y0}, {rect.right(), y0});
        break;
    }
    case shTopAndBottom:
        line(rect.topLeft(), rect.topRight());
        line(rect.bottomLeft(), rect.bottomRight());
        break;
    case shRightAndLeft:
        line(rect.topLeft(), rect.bottomLeft());
        line(rect.topRight(), rect.bottomRight());
        break;
    }
}

void Composer::drawImage(const TRpImage& image, const QRectF& rect) {
    if (image.Picture.isNull())
        return;
    DrawOp op;
    op.kind = DrawOp::Picture;
    op.image = image.Picture;
    op.clip = rect;
    if (image.Stretch) {
        op.rect = rect;
    } else {
        // Natural size: the picture's pixels are pixels of the 96 dpi grid.
        QRectF natural(rect.topLeft(),
                       QSizeF(pxToTenths(image.Picture.width()), pxToTenths(image.Picture.height())));
        if (image.Center)
            natural.moveCenter(rect.center());
        op.rect = natural;
    }
    s.add(std::move(op));
}

void Composer::drawFrame(const TRpFrame& frame, const QRectF& rect) {
    const std::pair<bool, DrawOp::Side> sides[] = {{frame.DrawTop, DrawOp::Top},
                                                   {frame.DrawBottom, DrawOp::Bottom},
                                                   {frame.DrawLeft, DrawOp::Left},
                                                   {frame.DrawRight, DrawOp::Right}};
    for (const auto& [on, side] : sides) {
        if (!on)
            continue;
        DrawOp op;
        op.kind = DrawOp::FrameStripe;
        op.rect = rect;
        op.side = side;
        op.frameWidth = frame.Width;
        op.color = frame.Color;
        s.add(std::move(op));
    }
}

void Composer::fill(const QRectF& rect, QRgb color) {
    DrawOp op;
    op.kind = DrawOp::FillRect;
    op.rect = rect;
    op.color = color;
    s.add(std::move(op));
}

} // namespace report
