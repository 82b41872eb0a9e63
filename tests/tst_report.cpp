// The report engine on small hand-built reports: composition, text layout, shapes, pictures,
// frames, the cancel mark and the renderers.
#include "report/Report.h"
#include "report/TextMetrics.h"

#include <QPainter>
#include <QtTest>

using namespace report;

namespace {

// A band filled with its own colour, so that its place on the page can be found.
TRpBand& addBand(TReport& r, TRpBandType type, double height, QRgb color) {
    auto band = std::make_unique<TRpBand>(type);
    band->Height = height;
    band->Color = color;
    return r.addBand(std::move(band));
}

TRpSubDetail& addSubDetail(TReport& r, double height, QRgb color, bool printBefore) {
    auto sub = std::make_unique<TRpSubDetail>();
    sub->Master = &r;
    sub->Height = height;
    sub->Color = color;
    sub->PrintBefore = printBefore;
    sub->PrintIfEmpty = true;
    return r.addBand(std::move(sub));
}

TRpLabel& addLabel(TRpBand& band, const QString& text, QRectF pixels, bool autoSize = true) {
    auto label = std::make_unique<TRpLabel>(QStringLiteral("L"));
    label->AutoSize = autoSize;
    label->setPixelBounds(pixels.x(), pixels.y(), pixels.width(), pixels.height());
    label->setCaption(text);
    return band.add(std::move(label));
}

// (page, top) of every fill in `color`, in drawing order.
QList<QPair<int, double>> placesOf(const PageStore& store, QRgb color) {
    QList<QPair<int, double>> out;
    for (int n = 1; n <= store.pageCount(); ++n)
        for (const DrawOp& op : store.page(n).ops)
            if (op.kind == DrawOp::FillRect && op.color == color)
                out << qMakePair(n, op.rect.top());
    return out;
}

QList<const DrawOp*> textOps(const StoredPage& page) {
    QList<const DrawOp*> out;
    for (const DrawOp& op : page.ops)
        if (op.kind == DrawOp::Text)
            out << &op;
    return out;
}

constexpr QRgb c1 = 0xff000001, c2 = 0xff000002, c3 = 0xff000003, c4 = 0xff000004, c5 = 0xff000005,
               c6 = 0xff000006, c7 = 0xff000007, c8 = 0xff000008;

TextFont times10() {
    return textFont(TRpFont{});
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void bandOrderAndPositions();
    void pageFooterEndsAtBottomMargin();
    void orientationTurnsTheSheet();
    void pageHeaderAndFooterOptions_data();
    void pageHeaderAndFooterOptions();
    void printIfEmptyOff_data();
    void printIfEmptyOff();
    void pageHeaderForceNewPageAddsNoPage();
    void bandThatDoesNotFitStartsNewPage_data();
    void bandThatDoesNotFitStartsNewPage();
    void forceNewPageOnBodyBands();
    void bandTallerThanPageDoesNotLoop();
    void alignToBottom();
    void roundingHalfToEven_data();
    void roundingHalfToEven();
    void autoSizeKeepsEdge_data();
    void autoSizeKeepsEdge();
    void wordWrap_data();
    void wordWrap();
    void linesBeyondHeight_data();
    void linesBeyondHeight();
    void italicRightAlignedShift();
    void shapes();
    void framesAreStripesOfDevicePixels_data();
    void framesAreStripesOfDevicePixels();
    void pictures();
    void cancelMark();
    void composeWhileComposingIsIgnored();
    void rendererOffset();
    void textExport();
};

void TestReport::bandOrderAndPositions() {
    TReport r;
    addBand(r, rbPageHeader, 50, c1);
    addBand(r, rbTitle, 60, c2);
    addBand(r, rbDetail, 70, c3);
    addBand(r, rbSummary, 80, c4);
    auto& after = addSubDetail(r, 90, c5, false);
    auto& before = addSubDetail(r, 20, c6, true);
    after.HeaderBand = &addBand(r, rbGroupHeader, 30, c7);
    after.FooterBand = &addBand(r, rbGroupFooter, 40, c8);
    PageStore store;
    QVERIFY(r.Compose(store));
    QCOMPARE(store.pageCount(), 1);
    QCOMPARE(store.lastFinishedPage(), 1);
    QVERIFY(store.finished());
    // page header, title, before-list, detail, after-list (header, itself, footer), summary
    const QList<QPair<QRgb, double>> expected = {{c1, 100}, {c2, 150}, {c6, 210}, {c3, 230},
                                                 {c7, 300}, {c5, 330}, {c8, 420}, {c4, 460}};
    for (const auto& [color, top] : expected) {
        const auto places = placesOf(store, color);
        QCOMPARE(places.size(), 1);
        QCOMPARE(places[0].second, top);
    }
    // Bands span the margins.
    for (const DrawOp& op : store.page(1).ops)
        if (op.kind == DrawOp::FillRect && op.color == c3)
            QCOMPARE(op.rect, QRectF(100, 230, 1900, 70));
}

void TestReport::pageFooterEndsAtBottomMargin() {
    for (double body : {0.0, 300.0, 1700.0}) {
        TReport r;
        addBand(r, rbPageFooter, pxToTenths(16), c1);
        if (body > 0)
            addBand(r, rbTitle, body, c2);
        PageStore store;
        r.Compose(store);
        QCOMPARE(placesOf(store, c1), (QList<QPair<int, double>>{{1, 2828.0}}));
    }
}

void TestReport::orientationTurnsTheSheet() {
    TReport r;
    addBand(r, rbPageFooter, pxToTenths(16), c1);
    addBand(r, rbTitle, 100, c2);
    r.Page.setOrientation(poLandscape);
    QCOMPARE(r.Page.Values(), (std::array<double, 7>{100, 2100, 100, 2970, 100, 100, 0}));
    QCOMPARE(r.bandWidth(), 2770.0);
    PageStore store;
    r.Compose(store);
    QVERIFY(store.page(1).landscape());
    QCOMPARE(placesOf(store, c1), (QList<QPair<int, double>>{{1, 1958.0}})); // 2100 − 100 − 42.33
    r.Page.setOrientation(poPortrait);
    r.Compose(store);
    QVERIFY(!store.page(1).landscape());
    QCOMPARE(placesOf(store, c1), (QList<QPair<int, double>>{{1, 2828.0}}));
}

void TestReport::pageHeaderAndFooterOptions_data() {
    QTest::addColumn<bool>("firstPageHeader");
    QTest::addColumn<bool>("lastPageFooter");
    QTest::newRow("both") << true << true;
    QTest::newRow("no first header") << false << true;
    QTest::newRow("no last footer") << true << false;
    QTest::newRow("neither") << false << false;
}

void TestReport::pageHeaderAndFooterOptions() {
    QFETCH(bool, firstPageHeader);
    QFETCH(bool, lastPageFooter);
    TReport r;
    r.Options.FirstPageHeader = firstPageHeader;
    r.Options.LastPageFooter = lastPageFooter;
    addBand(r, rbPageHeader, 100, c1);
    addBand(r, rbPageFooter, 100, c2);
    addBand(r, rbTitle, 100, c3);
    PageStore store;
    r.Compose(store);
    QCOMPARE(store.pageCount(), 1);
    QCOMPARE(placesOf(store, c1).size(), firstPageHeader ? 1 : 0);
    QCOMPARE(placesOf(store, c2).size(), lastPageFooter ? 1 : 0);
    // Without the page header the title takes the top margin.
    QCOMPARE(placesOf(store, c3)[0].second, firstPageHeader ? 200.0 : 100.0);

    // On a two-page report only page 1 and the last page are concerned.
    addBand(r, rbDetail, 2600, c4);
    r.Compose(store);
    QCOMPARE(store.pageCount(), 2);
    QCOMPARE(placesOf(store, c1).size(), firstPageHeader ? 2 : 1);
    QCOMPARE(placesOf(store, c2).size(), lastPageFooter ? 2 : 1);
}

void TestReport::printIfEmptyOff_data() {
    QTest::addColumn<bool>("reportPrints");
    QTest::addColumn<bool>("subDetailPrints");
    QTest::newRow("report") << false << true;
    QTest::newRow("sub-detail") << true << false;
}

void TestReport::printIfEmptyOff() {
    QFETCH(bool, reportPrints);
    QFETCH(bool, subDetailPrints);
    TReport r;
    r.PrintIfEmpty = reportPrints;
    addBand(r, rbPageHeader, 100, c1);
    addBand(r, rbTitle, 100, c2);
    auto& sub = addSubDetail(r, 100, c3, false);
    sub.PrintIfEmpty = subDetailPrints;
    sub.HeaderBand = &addBand(r, rbGroupHeader, 100, c5);
    sub.FooterBand = &addBand(r, rbGroupFooter, 100, c6);
    addBand(r, rbSummary, 100, c7);
    addBand(r, rbPageFooter, 100, c4);
    auto shape = std::make_unique<TRpShape>(QStringLiteral("OnPage"));
    r.addPrintable(std::move(shape));
    PageStore store;
    r.Compose(store);
    QCOMPARE(store.pageCount(), 1);
    QCOMPARE(placesOf(store, c1).size(), 1);
    QCOMPARE(placesOf(store, c4).size(), 1);
    QCOMPARE(placesOf(store, c2).size(), reportPrints ? 1 : 0);
    // Neither way prints the sub-detail, its header or its footer, nor leaves room for them:
    // the summary follows the title directly.
    QCOMPARE(placesOf(store, c3).size(), 0);
    QCOMPARE(placesOf(store, c5).size(), 0);
    QCOMPARE(placesOf(store, c6).size(), 0);
    QCOMPARE(placesOf(store, c7).size(), reportPrints ? 1 : 0);
    if (reportPrints)
        QCOMPARE(placesOf(store, c7)[0].second, 300.0);
    // The page-level shape is drawn after the footer, from the paper's corner.
    const DrawOp& last = store.page(1).ops.back();
    QCOMPARE(last.kind, DrawOp::Rectangle);
    QCOMPARE(last.rect.topLeft(), QPointF(0, 0));
}

void TestReport::pageHeaderForceNewPageAddsNoPage() {
    TReport r;
    auto& header = addBand(r, rbPageHeader, 1000, c1);
    header.ForceNewPage = true;
    header.ForceNewColumn = true;
    addBand(r, rbGroupFooter, 100, c2);
    auto& sub = addSubDetail(r, 300, c3, false);
    sub.ForceNewPage = false;
    addBand(r, rbPageFooter, 40, c4);
    PageStore store;
    r.Compose(store);
    QCOMPARE(store.pageCount(), 1);
    QCOMPARE(placesOf(store, c3), (QList<QPair<int, double>>{{1, 1100.0}}));
}

void TestReport::bandThatDoesNotFitStartsNewPage_data() {
    QTest::addColumn<double>("height");
    QTest::addColumn<int>("page");
    // Below the title 2970 − 100 − 100 (footer) − (100 + 200 + 1500) = 970 tenths are left.
    QTest::newRow("far too tall") << 1000.0 << 2;
    QTest::newRow("a tenth too tall") << 971.0 << 2;
    QTest::newRow("exactly fills the room") << 970.0 << 1;
}

void TestReport::bandThatDoesNotFitStartsNewPage() {
    QFETCH(double, height);
    QFETCH(int, page);
    TReport r;
    addBand(r, rbPageHeader, 200, c1);
    addBand(r, rbPageFooter, 100, c2);
    addBand(r, rbTitle, 1500, c3);
    addSubDetail(r, height, c4, false);
    QList<int> startedPages;
    r.OnStartPage = [&](TReport& sender) { startedPages << sender.PageNumber(); };
    PageStore store;
    QList<int> finished;
    store.pageFinished = [&](int n) { finished << n; };
    r.Compose(store);
    QCOMPARE(store.pageCount(), page);
    QList<int> pages;
    QList<QPair<int, double>> headers, footers;
    for (int n = 1; n <= page; ++n) {
        pages << n;
        headers << qMakePair(n, 100.0);
        footers << qMakePair(n, 2770.0);
    }
    // A new page starts again with the page-start event and the page header.
    QCOMPARE(startedPages, pages);
    QCOMPARE(finished, pages);
    QCOMPARE(placesOf(store, c1), headers);
    QCOMPARE(placesOf(store, c2), footers);
    QCOMPARE(placesOf(store, c4), (QList<QPair<int, double>>{{page, page == 1 ? 1800.0 : 300.0}}));
    QCOMPARE(r.PageNumber(), page);
}

void TestReport::forceNewPageOnBodyBands() {
    TReport r;
    auto& first = addSubDetail(r, 100, c1, false);
    auto& second = addSubDetail(r, 100, c2, false);
    auto& column = addSubDetail(r, 100, c3, false);
    auto& column2 = addSubDetail(r, 100, c4, false);
    first.ForceNewPage = second.ForceNewPage = true;       // the first request on page 1 is ignored
    column.ForceNewColumn = column2.ForceNewColumn = true; // one column: a new column is a new page
    PageStore store;
    r.Compose(store);
    QCOMPARE(store.pageCount(), 3);
    QCOMPARE(placesOf(store, c1), (QList<QPair<int, double>>{{1, 100.0}}));
    QCOMPARE(placesOf(store, c2), (QList<QPair<int, double>>{{2, 100.0}}));
    QCOMPARE(placesOf(store, c3), (QList<QPair<int, double>>{{2, 200.0}}));
    QCOMPARE(placesOf(store, c4), (QList<QPair<int, double>>{{3, 100.0}}));
}

void TestReport::bandTallerThanPageDoesNotLoop() {
    TReport r;
    addBand(r, rbPageHeader, 100, c1);
    addBand(r, rbTitle, 100, c2);
    addSubDetail(r, 5000, c3, false);
    auto& late = addSubDetail(r, 3000, c4, false);
    late.ForceNewPage = true; // ignored as the first request; it still must not overflow page 2
    PageStore store;
    r.Compose(store);
    // A band too tall for any page goes to a page of its own once, then the next one follows.
    QCOMPARE(placesOf(store, c3), (QList<QPair<int, double>>{{2, 200.0}}));
    QCOMPARE(placesOf(store, c4), (QList<QPair<int, double>>{{3, 200.0}}));
    QCOMPARE(store.pageCount(), 3);
}

void TestReport::alignToBottom() {
    TReport r;
    addBand(r, rbPageFooter, pxToTenths(16), c1);
    auto& band = addSubDetail(r, 200.4, c2, false);
    band.AlignToBottom = true;
    PageStore store;
    r.Compose(store);
    // 2970 − 100 − 200.4 − 42.33 = 2627.27
    QCOMPARE(placesOf(store, c2), (QList<QPair<int, double>>{{1, 2627.0}}));
}

void TestReport::roundingHalfToEven_data() {
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("next");
    QTest::newRow("half down to even") << 100.5 << 200.0;
    QTest::newRow("half up to even") << 101.5 << 202.0;
    QTest::newRow("below half") << 238.125 << 338.0;
    QTest::newRow("above half") << 1002.77 << 1103.0;
}

void TestReport::roundingHalfToEven() {
    QFETCH(double, height);
    QFETCH(double, next);
    TReport r;
    addBand(r, rbTitle, height, c1);
    addSubDetail(r, 10, c2, false);
    PageStore store;
    r.Compose(store);
    QCOMPARE(placesOf(store, c2)[0].second, next);
}

void TestReport::autoSizeKeepsEdge_data() {
    QTest::addColumn<int>("alignment");
    QTest::newRow("left") << int(taLeftJustify);
    QTest::newRow("right") << int(taRightJustify);
    QTest::newRow("centre") << int(taCenter);
}

void TestReport::autoSizeKeepsEdge() {
    QFETCH(int, alignment);
    TRpLabel label;
    label.Alignment = TAlignment(alignment);
    label.setPixelBounds(100, 10, 45, 5);
    const double left = label.Left, right = label.Left + label.Width, centre = label.Left + label.Width / 2;
    label.setCaption(QStringLiteral("a much longer caption"));
    const TextFont font = times10();
    QCOMPARE(label.Width, pxToTenths(metrics::width(font, label.Caption()) + 1));
    // Raised to one line of text plus a pixel.
    QCOMPARE(label.Height, pxToTenths(metrics::lineHeight(font) + 1));
    switch (label.Alignment) {
    case taLeftJustify:
        QCOMPARE(label.Left, left);
        break;
    case taRightJustify:
        QCOMPARE(label.Left + label.Width, right);
        break;
    case taCenter:
        QCOMPARE(label.Left + label.Width / 2, centre);
        break;
    }
    // Lines end at carriage returns; the widest counts, line feeds are dropped.
    label.setCaption(QStringLiteral("x\r\nwider line"));
    QCOMPARE(label.textLines(), (QStringList{QStringLiteral("x"), QStringLiteral("wider line")}));
    QCOMPARE(label.Width, pxToTenths(metrics::width(font, QStringLiteral("wider line")) + 1));
}

void TestReport::wordWrap_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fits"); // the element is exactly as wide as this
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("two words a line") << "alpha beta gamma"
                                      << "alpha beta " << QStringList{"alpha beta ", "gamma"};
    QTest::newRow("hyphen stays with its word") << "ab-cd-ef"
                                                << "ab-cd-" << QStringList{"ab-cd-", "ef"};
    QTest::newRow("long word cut, rest dropped") << "ab abcdefghijkl cd"
                                                 << "abcdef" << QStringList{"ab ", "abcdef", "cd"};
    QTest::newRow("everything fits") << "one two"
                                     << "one two" << QStringList{"one two"};
    QTest::newRow("carriage return") << "one\rtwo"
                                     << "one two" << QStringList{"one", "two"};
}

void TestReport::wordWrap() {
    QFETCH(QString, text);
    QFETCH(QString, fits);
    QFETCH(QStringList, lines);
    const TextFont font = times10();
    const double width = metrics::width(font, fits);
    TReport r;
    TRpBand& band = addBand(r, rbTitle, 500, c1);
    TRpLabel& label = addLabel(band, text, QRectF(0, 0, width, 200), false);
    QCOMPARE(label.Width, pxToTenths(width));
    PageStore store;
    r.Compose(store);
    QStringList printed;
    for (const DrawOp* op : textOps(store.page(1)))
        printed << op->text;
    QCOMPARE(printed, lines);
}

void TestReport::linesBeyondHeight_data() {
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<int>("lines");
    QTest::newRow("dropped") << false << 2;
    QTest::newRow("stretching") << true << 4;
}

void TestReport::linesBeyondHeight() {
    QFETCH(bool, stretch);
    QFETCH(int, lines);
    const TextFont font = times10();
    const double lineHeight = metrics::lineHeight(font);
    TReport r;
    TRpBand& band = addBand(r, rbTitle, pxToTenths(2.5 * lineHeight), c1);
    auto memo = std::make_unique<TRpMemo>();
    memo->AutoSize = false;
    memo->AutoStretch = stretch;
    memo->Lines = QStringList{"one", "two", "three", "four"};
    memo->setPixelBounds(0, 0, 200, 2.5 * lineHeight);
    band.add(std::move(memo));
    addSubDetail(r, 10, c2, false);
    PageStore store;
    r.Compose(store);
    const auto texts = textOps(store.page(1));
    QCOMPARE(texts.size(), lines);
    for (int i = 0; i < texts.size(); ++i)
        QCOMPARE(texts[i]->pos.y(), 100 + i * pxToTenths(lineHeight));
    // A stretching element takes its band down with it.
    const double bandHeight = stretch ? pxToTenths(4 * lineHeight) : pxToTenths(2.5 * lineHeight);
    QCOMPARE(placesOf(store, c2)[0].second, 100.0 + roundTenths(bandHeight));
}

void TestReport::italicRightAlignedShift() {
    TReport r;
    TRpBand& band = addBand(r, rbTitle, 200, c1);
    TRpLabel& upright = addLabel(band, QStringLiteral("480,36 zł"), QRectF(0, 0, 136, 20), false);
    upright.Alignment = taRightJustify;
    TRpLabel& italic = addLabel(band, QStringLiteral("480,36 zł"), QRectF(0, 30, 136, 20), false);
    italic.Alignment = taRightJustify;
    italic.Font.Italic = true;
    PageStore store;
    r.Compose(store);
    const auto texts = textOps(store.page(1));
    QCOMPARE(texts.size(), 2);
    const double right = 100 + pxToTenths(136);
    QCOMPARE(texts[0]->pos.x() + texts[0]->textWidth, right);
    // Short of the edge by a space and one, in screen pixels counted as tenths.
    const double space = metrics::width(texts[1]->font, QStringLiteral(" "));
    QCOMPARE(texts[1]->pos.x() + texts[1]->textWidth, right - (space + 1));
}

void TestReport::shapes() {
    TReport r;
    TRpBand& band = addBand(r, rbTitle, pxToTenths(100), clWhite);
    auto add = [&](TShapeType kind, QRectF px, int pen = 1) -> TRpShape& {
        auto shape = std::make_unique<TRpShape>();
        shape->Shape = kind;
        shape->Pen.Width = pen;
        shape->setPixelBounds(px.x(), px.y(), px.width(), px.height());
        return band.add(std::move(shape));
    };
    add(shHorLine, QRectF(10, 0, 100, 9));      // line 4.5 px below its top
    add(shRectangle, QRectF(10, 30, 100, 1));   // a 1-pixel-high box: a line
    add(shVertLine, QRectF(200, 0, 1, 50), 2);  // line at the horizontal middle
    add(shHorLine, QRectF(10, 60, 100, 10), 2); // a signature rule
    r.Page.TopMargin = r.Page.LeftMargin = 254; // one inch: whole pixels of the 96 dpi grid
    PageStore store;
    r.Compose(store);
    QList<const DrawOp*> shapes;
    for (const DrawOp& op : store.page(1).ops)
        if (op.kind == DrawOp::Line || op.kind == DrawOp::Rectangle)
            shapes << &op;
    QCOMPARE(shapes.size(), 4);
    QCOMPARE(shapes[0]->kind, DrawOp::Line);
    QCOMPARE(shapes[0]->p1.y(), shapes[0]->p2.y());
    QVERIFY(qFuzzyCompare(shapes[0]->p1.y(), pxToTenths(96 + 4.5)));
    QCOMPARE(shapes[1]->kind, DrawOp::Rectangle);
    QCOMPARE(shapes[2]->penWidth, 2);
    QVERIFY(qFuzzyCompare(shapes[2]->p1.x(), pxToTenths(96 + 200.5)));

    // At 96 dpi the 1-pixel box is one black row, nothing above or below it.
    const QImage image = renderImage(store.page(1), 96);
    QCOMPARE(image.pixel(156, 126), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(156, 125), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(156, 127), qRgb(255, 255, 255));
    // The horizontal line: one row, half way down its 9 pixels.
    QCOMPARE(image.pixel(156, 101), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(156, 100), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(156, 102), qRgb(255, 255, 255));
    // A 2-pixel pen draws two device pixels across the line, whichever way it runs.
    int black = 0;
    for (int x = 290; x < 305; ++x)
        black += image.pixel(x, 130) == qRgb(0, 0, 0);
    QCOMPARE(black, 2);
    black = 0;
    for (int y = 150; y < 170; ++y)
        black += image.pixel(156, y) == qRgb(0, 0, 0);
    QCOMPARE(black, 2);
}

void TestReport::framesAreStripesOfDevicePixels_data() {
    QTest::addColumn<double>("dpi");
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("lines");
    QTest::newRow("1 pt at 96 dpi") << 96.0 << 1.0 << 1;
    QTest::newRow("1 pt at 300 dpi") << 300.0 << 1.0 << 4;
    QTest::newRow("3 pt at 96 dpi") << 96.0 << 3.0 << 4;
    QTest::newRow("-1 still one line") << 96.0 << -1.0 << 1;
}

void TestReport::framesAreStripesOfDevicePixels() {
    QFETCH(double, dpi);
    QFETCH(double, points);
    QFETCH(int, lines);
    TReport r;
    TRpBand& band = addBand(r, rbTitle, 500, clWhite);
    band.Frame.DrawTop = true;
    band.Frame.DrawLeft = true;
    band.Frame.Width = points;
    const QImage image = renderImage(
        [&] {
            PageStore store;
            r.Compose(store);
            return store.page(1);
        }(),
        dpi);
    const int top = int(std::lround(100 * dpi / 254)), left = top;
    auto countDark = [&](int x, int y, int dx, int dy) {
        int n = 0;
        while (image.pixel(x, y) == qRgb(0, 0, 0)) {
            ++n;
            x += dx;
            y += dy;
        }
        return n;
    };
    QCOMPARE(countDark(left + 50, top, 0, 1), lines); // going down from the top edge
    QCOMPARE(countDark(left, top + 50, 1, 0), lines); // going right from the left edge
    QCOMPARE(image.pixel(left + 50, top - 1), qRgb(255, 255, 255));
}

void TestReport::pictures() {
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    TReport r;
    r.Page.TopMargin = r.Page.LeftMargin = pxToTenths(10);
    TRpBand& band = addBand(r, rbTitle, pxToTenths(200), clWhite);
    auto add = [&](QRectF px, bool stretch, bool center, QImage picture) {
        auto image = std::make_unique<TRpImage>();
        image->setPixelBounds(px.x(), px.y(), px.width(), px.height());
        image->Stretch = stretch;
        image->Center = center;
        image->Picture = picture;
        band.add(std::move(image));
    };
    add(QRectF(0, 0, 100, 100), false, false, QImage()); // empty: draws nothing
    add(QRectF(0, 0, 100, 50), true, false, red);        // stretched over the element
    add(QRectF(200, 0, 100, 60), false, true, red);      // natural size, centred
    add(QRectF(400, 0, 30, 10), false, false, red);      // natural size, clipped to the element
    PageStore store;
    r.Compose(store);
    QList<const DrawOp*> pictures;
    for (const DrawOp& op : store.page(1).ops)
        if (op.kind == DrawOp::Picture)
            pictures << &op;
    QCOMPARE(pictures.size(), 3);
    const QImage image = renderImage(store.page(1), 96);
    auto isRed = [&](int x, int y) { return image.pixel(10 + x, 10 + y) == qRgb(255, 0, 0); };
    QVERIFY(isRed(0, 0) && isRed(99, 49) && !isRed(100, 25) && !isRed(50, 50));
    QVERIFY(isRed(230, 20) && isRed(269, 39) && !isRed(229, 30) && !isRed(270, 30) && !isRed(250, 19));
    QVERIFY(isRed(400, 0) && isRed(429, 9) && !isRed(430, 5) && !isRed(410, 10));
}

void TestReport::cancelMark() {
    TReport r;
    addBand(r, rbPageFooter, 100, c1);
    addSubDetail(r, 2000, c2, false);
    addSubDetail(r, 2000, c3, false);
    PageStore store;
    // Cancelled while the run was going: the page being drawn is not finished or kept.
    store.pageFinished = [&](int) { store.cancel = true; };
    r.Compose(store);
    QVERIFY(store.abandoned());
    QVERIFY(!store.finished());
    QCOMPARE(store.pageCount(), 1);
    QCOMPARE(store.lastFinishedPage(), 1);
    QCOMPARE(placesOf(store, c3).size(), 0);
    // A later run starts afresh when the mark is cleared.
    store.cancel = false;
    store.pageFinished = nullptr;
    r.Compose(store);
    QVERIFY(store.finished());
    QCOMPARE(store.pageCount(), 2);
}

void TestReport::composeWhileComposingIsIgnored() {
    TReport r;
    addBand(r, rbTitle, 100, c1);
    bool inner = true;
    PageStore other;
    r.OnStartPage = [&](TReport& sender) { inner = sender.Compose(other); };
    PageStore store;
    QVERIFY(r.Available());
    QVERIFY(r.Compose(store));
    QVERIFY(!inner);
    QCOMPARE(other.pageCount(), 0);
    QVERIFY(r.Available());
    // A handler that throws leaves the report available again.
    r.OnStartPage = [](TReport&) { throw std::runtime_error("handler failed"); };
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, r.Compose(store));
    QVERIFY(r.Available());
}

void TestReport::rendererOffset() {
    StoredPage page;
    DrawOp op;
    op.kind = DrawOp::FillRect;
    op.rect = QRectF(254, 508, 254, 254); // one inch from the left, two from the top
    op.color = 0xff0000ff;
    page.ops.push_back(op);
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        // 100 dpi, with unprintable margins of 0.5 in and 1 in taken off.
        renderPage(painter, page, 100, 100, QPointF(127, 254));
    }
    QCOMPARE(image.pixel(50, 100), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(149, 199), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(49, 100), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(150, 150), qRgb(255, 255, 255));
}

void TestReport::textExport() {
    TReport r;
    TRpBand& band = addBand(r, rbTitle, 600, clWhite);
    addLabel(band, QStringLiteral("Left"), QRectF(0, 0, 10, 10));
    addLabel(band, QStringLiteral("Right"), QRectF(400, 2, 10, 10));
    addLabel(band, QStringLiteral("Below"), QRectF(0, 60, 10, 10));
    addLabel(band, QStringLiteral("Crowded"), QRectF(10, 60, 10, 10)); // would overwrite "Below"
    PageStore store;
    r.Compose(store);
    addBand(r, rbDetail, 2800, clWhite);
    PageStore two;
    r.Compose(two);
    QCOMPARE(two.pageCount(), 2);

    const QStringList lines = exportText(store).split(QLatin1Char('\n'));
    int left = -1, below = -1;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].contains(QLatin1String("Left")))
            left = i;
        if (lines[i].contains(QLatin1String("Below")))
            below = i;
    }
    QVERIFY(left >= 0 && below > left);
    // Same line, in their order, near their columns (12 to the inch; 400 px is 50 columns).
    QVERIFY(lines[left].indexOf(QLatin1String("Right")) >= 45);
    QVERIFY(lines[below].contains(QLatin1String("Below Crowded")));
    QCOMPARE(lines[left].indexOf(QLatin1String("Left")), 5); // the 10 mm margin
    QCOMPARE(exportText(two).count(QLatin1Char('\f')), 1);
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
