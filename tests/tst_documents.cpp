// The four printed documents: where their bands print, what the page-start step writes, the
// wrapped headings of the RR invoice, the transfer form's copies, how the parts of each page
// stand to one another (columns under their headings, amounts that add up, signature places),
// and the PDF read back.
#include "report/Report.h"
#include "report/TextMetrics.h"
#include "templates/Documents.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <memory>

using namespace report;

namespace {

// Each template standalone, as the program creates them.
struct Documents : templates::Documents {
    TReport& byName(const QString& name) { return *templates::Documents::byName(name); }
};

std::unique_ptr<Documents> documents;

PageStore compose(TReport& report) {
    PageStore store;
    report.Compose(store);
    return store;
}

QList<const DrawOp*> texts(const StoredPage& page, const QString& text = {}) {
    QList<const DrawOp*> out;
    for (const DrawOp& op : page.ops)
        if (op.kind == DrawOp::Text && (text.isEmpty() || op.text == text))
            out << &op;
    return out;
}

// The top of every band, in printing order: bands fill their whole width first.
QList<double> bandTopsOf(const StoredPage& page, double bandWidth) {
    QList<double> out;
    for (const DrawOp& op : page.ops)
        if (op.kind == DrawOp::FillRect && op.rect.left() == 100 && qFuzzyCompare(op.rect.width(), bandWidth))
            out << op.rect.top();
    return out;
}

bool near(double a, double b, double tolerance = 0.01) {
    return std::abs(a - b) <= tolerance;
}

// One pixel of the design grid, give or take the rounding of a position.
const double onePixel = pxToTenths(1) + 0.01;

double lineHeightOf(const DrawOp* op) {
    return pxToTenths(metrics::lineHeight(op->font));
}

// Texts whose line starts in [top, bottom).
QList<const DrawOp*> textsBetween(const StoredPage& page, double top, double bottom) {
    QList<const DrawOp*> out;
    for (const DrawOp* op : texts(page))
        if (op->pos.y() >= top - 0.01 && op->pos.y() < bottom - 0.01)
            out << op;
    return out;
}

const DrawOp* onlyText(const StoredPage& page, const QString& text) {
    const auto found = texts(page, text);
    return found.size() == 1 ? found[0] : nullptr;
}

// "1 234,56 zł" in grosze.
int grosze(const QString& amount) {
    QString digits = amount;
    digits.remove(QStringLiteral(" zł")).remove(QLatin1Char(' ')).remove(QLatin1Char(','));
    return digits.toInt();
}

bool overlaps(double a1, double a2, double b1, double b2) {
    return a1 < b2 - 0.01 && b1 < a2 - 0.01;
}

// A rule drawn across the page: a horizontal line, or a box one pixel high.
struct Rule {
    double x1, x2, y;
};

QList<Rule> horizontalRules(const StoredPage& page, double top, double bottom) {
    QList<Rule> out;
    for (const DrawOp& op : page.ops) {
        Rule rule;
        if (op.kind == DrawOp::Line && op.p1.y() == op.p2.y())
            rule = {std::min(op.p1.x(), op.p2.x()), std::max(op.p1.x(), op.p2.x()), op.p1.y()};
        else if (op.kind == DrawOp::Rectangle && op.rect.height() < onePixel)
            rule = {op.rect.left(), op.rect.right(), op.rect.top()};
        else
            continue;
        if (rule.y >= top && rule.y < bottom)
            out << rule;
    }
    return out;
}

} // namespace

class TestDocuments : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { documents = std::make_unique<Documents>(); }
    void cleanupTestCase() { documents.reset(); }
    void bandTops_data();
    void bandTops();
    void pageNumberLabel_data();
    void pageNumberLabel();
    void correctionTitleLeavesGoodsAlone();
    void rrHeadingsWrapRightAligned();
    void printNotice_data();
    void printNotice();
    void transferFormCopies();
    void transferQuartersRepeat();
    void signaturePlaces_data();
    void signaturePlaces();
    void goodsColumnsUnderHeadings_data();
    void goodsColumnsUnderHeadings();
    void amountsAddUp_data();
    void amountsAddUp();
    void valuesUnderTheirHeadings_data();
    void valuesUnderTheirHeadings();
    void compositionsAreIdentical_data();
    void compositionsAreIdentical();
    void pdfReadBack_data();
    void pdfReadBack();
};

void TestDocuments::bandTops_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QList<double>>("tops");
    QTest::newRow("vat") << "vat" << QList<double>{100, 1103, 1164, 1402, 2828};
    QTest::newRow("rr") << "rr" << QList<double>{100, 1103, 1230, 1468, 2828};
    QTest::newRow("bill") << "bill" << QList<double>{100, 468, 1198, 1494, 2828};
}

void TestDocuments::bandTops() {
    QFETCH(QString, document);
    QFETCH(QList<double>, tops);
    TReport& report = documents->byName(document);
    const PageStore store = compose(report);
    QCOMPARE(store.pageCount(), 1);
    QVERIFY(!store.page(1).landscape());
    QCOMPARE(bandTopsOf(store.page(1), report.bandWidth()), tops);
}

void TestDocuments::pageNumberLabel_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("absent");
    QTest::newRow("vat writes the number") << "vat"
                                           << "strona 1"
                                           << "Strona 1";
    QTest::newRow("rr keeps its design text") << "rr"
                                              << "Strona 1"
                                              << "strona 1";
}

void TestDocuments::pageNumberLabel() {
    QFETCH(QString, document);
    QFETCH(QString, printed);
    QFETCH(QString, absent);
    TReport& report = documents->byName(document);
    for (int run = 0; run < 2; ++run) {
        const PageStore store = compose(report);
        const auto found = texts(store.page(1), printed);
        QCOMPARE(found.size(), 1);
        QVERIFY(texts(store.page(1), absent).isEmpty());
        // At 512 px in the page header, left edge kept.
        QVERIFY(near(found[0]->pos.x(), 100 + pxToTenths(512)));
        QVERIFY(near(found[0]->pos.y(), 100 + pxToTenths(112)));
    }
    QCOMPARE(report.PageNumber(), 1);
}

void TestDocuments::correctionTitleLeavesGoodsAlone() {
    TFormVat vat;
    int reads = 0;
    vat.setCorrectionTitleSource([&] {
        ++reads;
        return QStringLiteral("Tytuł KOrekty");
    });
    const PageStore store = compose(vat.Report1);
    QCOMPARE(reads, 1);
    QCOMPARE(vat.correctionTitle(), QStringLiteral("Tytuł KOrekty"));
    for (const DrawOp* op : texts(store.page(1)))
        QVERIFY2(!op->text.contains(QLatin1String("Tytuł")), qPrintable(op->text));
    // The third goods row's net value, in the "Wart. netto" column (448 to 522 px).
    const TRpLabel* cell = vat.Report1.find<TRpLabel>(QStringLiteral("RpLabel28"));
    QCOMPARE(cell->Caption(), QStringLiteral("23,76 zł"));
    bool printed = false;
    for (const DrawOp* op : texts(store.page(1), QStringLiteral("23,76 zł")))
        printed |= near(op->pos.x() + op->textWidth, 100 + pxToTenths(522));
    QVERIFY(printed);
    QCOMPARE(texts(store.page(1), QStringLiteral("480,36 zł")).size(), 1);

    // Without a source the page start reads nothing and the document is the same.
    TFormVat plain;
    QVERIFY(compose(plain.Report1).samePages(store));
    QVERIFY(plain.correctionTitle().isEmpty());
}

void TestDocuments::rrHeadingsWrapRightAligned() {
    TReport& report = documents->rr.Report1;
    const PageStore store = compose(report);
    const TRpBand* headings = report.findBand(QStringLiteral("RpGroup1"));
    QVERIFY(headings);
    const double bandTop = 1103;
    int wrapped = 0;
    for (const auto& element : headings->Elements) {
        const auto* label = dynamic_cast<const TRpLabel*>(element.get());
        QVERIFY(label);
        const double right = 100 + label->Left + label->Width;
        QList<const DrawOp*> lines;
        for (const DrawOp* op : texts(store.page(1)))
            if (near(op->clip.left(), 100 + label->Left) && near(op->clip.top(), bandTop + label->Top))
                lines << op;
        QVERIFY2(!lines.isEmpty(), qPrintable(label->Name));
        for (const DrawOp* op : lines) {
            QVERIFY2(near(op->pos.x() + op->textWidth, right), qPrintable(op->text));
            QVERIFY(op->pos.y() + pxToTenths(1) <= op->clip.bottom() + 0.01); // within its height
        }
        if (label->AutoSize) {
            QCOMPARE(lines.size(), 1);
        } else {
            QVERIFY2(lines.size() >= 2, qPrintable(label->Name));
            ++wrapped;
        }
    }
    QCOMPARE(wrapped, 7);
    // The auto-sized headings keep their right edges.
    for (const auto& [text, edge] : {std::pair{"Lp", 18}, {"Jm", 354}, {"VAT", 546}}) {
        const auto found = texts(store.page(1), QString::fromLatin1(text));
        QVERIFY(!found.isEmpty());
        QVERIFY(near(found.first()->pos.x() + found.first()->textWidth, 100 + pxToTenths(edge)));
    }
}

void TestDocuments::printNotice_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("edition");
    QTest::newRow("vat") << "vat" << 1 << true;
    QTest::newRow("rr") << "rr" << 1 << true;
    QTest::newRow("bill") << "bill" << 1 << true;
    QTest::newRow("transfer") << "transfer" << 4 << false;
}

void TestDocuments::printNotice() {
    QFETCH(QString, document);
    QFETCH(int, count);
    QFETCH(bool, edition);
    const PageStore store = compose(documents->byName(document));
    QList<const DrawOp*> notices;
    for (const DrawOp* op : texts(store.page(1)))
        if (op->text.startsWith(QLatin1String("Wydruk z programu Ledgora.")))
            notices << op;
    QCOMPARE(notices.size(), count);
    for (const DrawOp* op : notices) {
        // One line: the whole notice is a single run inside its element.
        QCOMPARE(op->text.endsWith(QLatin1String("Wesja Demonstracyjna !")), edition);
        QVERIFY(op->pos.x() + op->textWidth <= op->clip.right() + 0.01);
        if (edition)
            QVERIFY(near(op->pos.y(), 2828 + pxToTenths(1)));
    }
}

void TestDocuments::transferFormCopies() {
    TPoczta transfer;
    const QImage form = transfer.RpImage9->Picture.convertToFormat(QImage::Format_RGB32);
    QCOMPARE(form.size(), QSize(548, 381));
    QCOMPARE(transfer.RpImage9->Picture.format(), QImage::Format_Indexed8);

    auto pictureOps = [](const PageStore& store) {
        QList<const DrawOp*> out;
        for (const DrawOp& op : store.page(1).ops)
            if (op.kind == DrawOp::Picture)
                out << &op;
        return out;
    };
    // Before the copy step: the form picture in the top-left quarter and the side captions.
    PageStore before = compose(transfer.Report1);
    QCOMPARE(before.pageCount(), 1);
    QVERIFY(before.page(1).landscape());
    QCOMPARE(pictureOps(before).size(), 5);

    transfer.CopyFormPicture();
    for (const TRpImage* copy :
         {transfer.RpImage1, transfer.RpImage2, transfer.RpImage3, transfer.RpImage4}) {
        QCOMPARE(copy->Picture.size(), QSize(552, 382));
        QCOMPARE(copy->Picture.copy(0, 0, 548, 381).convertToFormat(QImage::Format_RGB32), form);
        QCOMPARE(copy->Picture.pixel(550, 100), qRgb(255, 255, 255)); // beyond the form picture
    }
    const PageStore after = compose(transfer.Report1);
    const auto pictures = pictureOps(after);
    QCOMPARE(pictures.size(), 9);
    // The top-left quarter shows one copy: the copy lies exactly over the form picture.
    QCOMPARE(pictures[0]->rect.topLeft(), pictures[1]->rect.topLeft());
    QVERIFY(pictures[1]->rect.contains(pictures[0]->rect));

    // Every quarter shows the form at 96 dpi, pixel for pixel, where no caption covers it.
    const QImage page = renderImage(after.page(1), 96);
    const QRect free(420, 10, 100, 270);
    for (const QPoint quarter : {QPoint(9, 11), QPoint(559, 11), QPoint(9, 391), QPoint(559, 391)})
        QCOMPARE(page.copy(free.translated(quarter)), form.copy(free));

    // Repeated copies change nothing.
    transfer.CopyFormPicture();
    QVERIFY(compose(transfer.Report1).samePages(after));
}

void TestDocuments::transferQuartersRepeat() {
    documents->transfer.CopyFormPicture();
    const PageStore store = compose(documents->transfer.Report1);
    const StoredPage& page = store.page(1);
    // The quarter a text or picture starts in: the top-left copy's elements start left of 560 px
    // and above 388 px.
    auto quarterOf = [](QPointF at) {
        return (at.x() >= pxToTenths(560) ? 1 : 0) + (at.y() >= pxToTenths(388) ? 2 : 0);
    };
    QList<const DrawOp*> quarters[4];
    for (const DrawOp* op : texts(page))
        quarters[quarterOf(op->pos)] << op;
    QVERIFY(!quarters[0].isEmpty());
    // Each copy repeats the top-left one 550 px to the right and 380 px lower, a pixel or two
    // either way.
    for (int q = 1; q < 4; ++q) {
        QCOMPARE(quarters[q].size(), quarters[0].size());
        const QPointF shift(pxToTenths(q & 1 ? 550 : 0), pxToTenths(q & 2 ? 380 : 0));
        for (const DrawOp* original : quarters[0]) {
            int copies = 0;
            for (const DrawOp* op : quarters[q])
                copies += op->text == original->text &&
                          near(op->pos.x(), original->pos.x() + shift.x(), 2 * onePixel) &&
                          near(op->pos.y(), original->pos.y() + shift.y(), 2 * onePixel);
            QVERIFY2(copies == 1, qPrintable(QStringLiteral("%1 in quarter %2").arg(original->text).arg(q)));
        }
    }
    // One side caption picture in each quarter, and every caption lies over the pictures.
    int sidePictures[4] = {};
    for (size_t i = 0; i < page.ops.size(); ++i) {
        const DrawOp& op = page.ops[i];
        if (op.kind != DrawOp::Picture)
            continue;
        if (op.clip.width() < pxToTenths(100))
            ++sidePictures[quarterOf(op.clip.topLeft())];
        for (size_t j = 0; j < i; ++j)
            if (page.ops[j].kind == DrawOp::Text)
                QVERIFY2(!op.clip.intersects(page.ops[j].clip), qPrintable(page.ops[j].text));
    }
    for (int q = 0; q < 4; ++q)
        QCOMPARE(sidePictures[q], 1);
}

void TestDocuments::signaturePlaces_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QStringList>("names"); // from left to right
    QTest::newRow("vat") << "vat" << QStringList{"Jerzy Kalinek", "Roman Wiśniak"};
    QTest::newRow("rr names change sides") << "rr" << QStringList{"Roman Wiśniak", "Jerzy Kalinek"};
    QTest::newRow("bill") << "bill" << QStringList{"Zenon Krępacz"};
}

void TestDocuments::signaturePlaces() {
    QFETCH(QString, document);
    QFETCH(QStringList, names);
    TReport& report = documents->byName(document);
    const PageStore store = compose(report);
    const StoredPage& page = store.page(1);
    const QList<double> tops = bandTopsOf(page, report.bandWidth());
    QCOMPARE(tops.size(), 5);
    const QList<Rule> rules = horizontalRules(page, tops[3], tops[4]); // the totals band
    const QList<const DrawOp*> footer = textsBetween(page, tops[3], tops[4]);
    QList<Rule> places;
    for (const QString& name : names) {
        const DrawOp* op = onlyText(page, name);
        QVERIFY2(op, qPrintable(name));
        const double left = op->pos.x(), right = left + op->textWidth,
                     bottom = op->pos.y() + lineHeightOf(op);
        // The rule is the first one below the name that spans it.
        const Rule* rule = nullptr;
        for (const Rule& r : rules)
            if (r.y > op->pos.y() && r.x1 <= left && right <= r.x2 && (!rule || r.y < rule->y))
                rule = &r;
        QVERIFY2(rule, qPrintable(name));
        QVERIFY2(rule->y >= bottom - 0.01 && rule->y < bottom + lineHeightOf(op), qPrintable(name));
        // Centred over it, near enough for the eye.
        QVERIFY2(std::abs((left + right) / 2 - (rule->x1 + rule->x2) / 2) < (rule->x2 - rule->x1) / 10,
                 qPrintable(name));
        // The caption starts under the rule's left end.
        const DrawOp* caption = nullptr;
        for (const DrawOp* text : footer)
            if (near(text->pos.x(), rule->x1, onePixel) && text->pos.y() >= rule->y - 0.01 &&
                (!caption || text->pos.y() < caption->pos.y()))
                caption = text;
        QVERIFY2(caption, qPrintable(name));
        QVERIFY2(caption->text.startsWith(QStringLiteral("Imię i nazwisko")), qPrintable(caption->text));
        QVERIFY(caption->pos.y() - rule->y < lineHeightOf(caption));
        places << *rule;
    }
    // Two places stand level, alike, one at each side of the page.
    if (places.size() == 2) {
        QCOMPARE(places[0].y, places[1].y);
        QVERIFY(near(places[0].x2 - places[0].x1, places[1].x2 - places[1].x1));
        const double middle = 100 + report.bandWidth() / 2;
        QVERIFY(places[0].x2 < middle && places[1].x1 > middle);
    }
}

void TestDocuments::goodsColumnsUnderHeadings_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("headingRow"); // where the headings start in their band, pixels
    QTest::newRow("vat") << "vat" << 4;
    QTest::newRow("rr") << "rr" << 2;
    QTest::newRow("bill") << "bill" << 256;
}

void TestDocuments::goodsColumnsUnderHeadings() {
    QFETCH(QString, document);
    QFETCH(int, headingRow);
    TReport& report = documents->byName(document);
    const PageStore store = compose(report);
    const StoredPage& page = store.page(1);
    const QList<double> tops = bandTopsOf(page, report.bandWidth());
    QCOMPARE(tops.size(), 5);
    const double goodsTop = tops[2], goodsBottom = tops[3];
    const QList<const DrawOp*> headings = textsBetween(page, tops[1] + pxToTenths(headingRow), goodsTop);
    const QList<const DrawOp*> cells = textsBetween(page, goodsTop, goodsBottom);

    // The invoices rule their columns; the bill's columns are its headings.
    QList<double> bounds;
    QList<Rule> rowRules;
    for (const DrawOp& op : page.ops) {
        if (op.kind == DrawOp::Line && op.p1.x() == op.p2.x() && op.p1.y() >= goodsTop &&
            op.p1.y() < goodsBottom)
            bounds << op.p1.x();
    }
    const bool ruled = !bounds.isEmpty();
    if (ruled) {
        bounds << 100 << 100 + report.bandWidth();
        std::sort(bounds.begin(), bounds.end());
        rowRules = horizontalRules(page, goodsTop, goodsBottom);
        QCOMPARE(rowRules.size(), 4); // one between each two of the five rows
    }
    const int columns = ruled ? int(bounds.size()) - 1 : int(headings.size());
    auto columnOf = [&](double left, double right) {
        int found = -1;
        for (int c = 0; c < columns; ++c) {
            const bool in = ruled ? bounds[c] - 0.01 <= left && right <= bounds[c + 1] + 0.01
                                  : overlaps(left, right, headings[c]->pos.x(),
                                             headings[c]->pos.x() + headings[c]->textWidth);
            if (in && found >= 0)
                return -1; // under two headings
            if (in)
                found = c;
        }
        return found;
    };
    // Every column has its heading; a wrapped heading keeps all its lines in its column.
    QSet<int> headed;
    for (const DrawOp* op : headings) {
        const int c = columnOf(op->pos.x(), op->pos.x() + op->textWidth);
        QVERIFY2(c >= 0, qPrintable(op->text));
        headed << c;
    }
    QCOMPARE(int(headed.size()), columns);

    // Five goods rows, each with one cell in every column; a ruled table keeps each cell, box
    // and all, between its rules.
    QMap<double, QList<const DrawOp*>> rows;
    for (const DrawOp* op : cells)
        rows[op->pos.y()] << op;
    QCOMPARE(rows.size(), 5);
    for (const auto& row : std::as_const(rows)) {
        QSet<int> filled;
        for (const DrawOp* op : row) {
            const int c = ruled ? columnOf(op->clip.left(), op->clip.right())
                                : columnOf(op->pos.x(), op->pos.x() + op->textWidth);
            QVERIFY2(c >= 0 && !filled.contains(c), qPrintable(op->text));
            filled << c;
            for (const Rule& rule : rowRules)
                QVERIFY2(!(op->clip.top() + 0.01 < rule.y && rule.y < op->clip.bottom() - 0.01),
                         qPrintable(op->text));
        }
        QCOMPARE(int(filled.size()), columns);
    }

    // The VAT breakdown box below the table carries its rules on down: the box's three column
    // rules stand on the table's rules, and the box closes on one and on the band's right edge.
    if (!ruled)
        return;
    auto onRule = [&](double x) {
        return std::any_of(bounds.begin(), bounds.end(), [&](double b) { return near(x, b); });
    };
    int carried = 0, boxes = 0;
    for (const DrawOp& op : page.ops) {
        if (op.kind != DrawOp::Rectangle || op.rect.top() < goodsBottom - 0.01 || op.rect.top() >= tops[4])
            continue;
        if (op.rect.width() < onePixel) {
            QVERIFY(onRule(op.rect.center().x()));
            ++carried;
        } else if (op.rect.height() >= onePixel) {
            QVERIFY(onRule(op.rect.left() + pxToTenths(0.5)));
            QVERIFY(near(op.rect.right(), bounds.last(), onePixel));
            ++boxes;
        }
    }
    QCOMPARE(carried, 3);
    QCOMPARE(boxes, 1);
}

void TestDocuments::amountsAddUp_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("totalsLabel");
    QTest::addColumn<int>("totals");
    QTest::newRow("vat: net, VAT and gross") << "vat"
                                             << "Razem:" << 3;
    QTest::newRow("rr: net, VAT and gross") << "rr"
                                            << "Razem:" << 3;
    QTest::newRow("bill: the value") << "bill"
                                     << "Razem wartość:" << 1;
}

void TestDocuments::amountsAddUp() {
    QFETCH(QString, document);
    QFETCH(QString, totalsLabel);
    QFETCH(int, totals);
    TReport& report = documents->byName(document);
    const PageStore store = compose(report);
    const StoredPage& page = store.page(1);
    const QList<double> tops = bandTopsOf(page, report.bandWidth());
    QCOMPARE(tops.size(), 5);
    auto isAmount = [](const DrawOp* op) { return op->text.endsWith(QStringLiteral(" zł")); };

    // The goods table's money columns, by the right edge of their boxes, left to right.
    QMap<double, QList<const DrawOp*>> columns;
    for (const DrawOp* op : textsBetween(page, tops[2], tops[3]))
        if (isAmount(op))
            columns[std::round(op->clip.right() * 100) / 100] << op;
    QVERIFY(columns.size() >= 2);
    for (auto& column : columns) {
        QCOMPARE(column.size(), 5);
        std::sort(column.begin(), column.end(),
                  [](const DrawOp* a, const DrawOp* b) { return a->pos.y() < b->pos.y(); });
    }
    // Every quantity is 1: on each row the value equals the unit price, the column before it.
    const QList<const DrawOp*> prices = columns.first(), values = std::next(columns.begin()).value();
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(prices[i]->pos.y(), values[i]->pos.y());
        QCOMPARE(prices[i]->text, values[i]->text);
    }

    // Amounts below the table stand in the goods column they fall under, their boxes ending
    // with its boxes, give or take a pixel.
    const QList<const DrawOp*> below = textsBetween(page, tops[3], tops[4]);
    const DrawOp* label = onlyText(page, totalsLabel);
    QVERIFY(label);
    QList<const DrawOp*> sums;
    for (const DrawOp* op : below) {
        if (!isAmount(op))
            continue;
        const double left = op->pos.x(), right = left + op->textWidth;
        const QList<const DrawOp*>* under = nullptr;
        for (const auto& column : std::as_const(columns))
            for (const DrawOp* cell : column)
                if (overlaps(left, right, cell->pos.x(), cell->pos.x() + cell->textWidth))
                    under = &column;
        if (!under)
            continue;
        QVERIFY2(near(op->clip.right(), under->first()->clip.right(), onePixel), qPrintable(op->text));
        // The totals: right of their caption, on its line or the next.
        if (left > label->pos.x() && op->pos.y() >= label->pos.y() - 0.01 &&
            op->pos.y() < label->pos.y() + lineHeightOf(label)) {
            int sum = 0;
            for (const DrawOp* cell : *under)
                sum += grosze(cell->text);
            QCOMPARE(grosze(op->text), sum);
            sums << op;
        }
    }
    QCOMPARE(int(sums.size()), totals);
    // The amount due is the last total.
    const DrawOp* due = onlyText(page, QStringLiteral("Do zapłaty:"));
    QVERIFY(due);
    int dueAmounts = 0;
    for (const DrawOp* op : below)
        if (isAmount(op) && near(op->pos.y(), due->pos.y()) && op->pos.x() > due->pos.x()) {
            QCOMPARE(op->text, sums.last()->text);
            ++dueAmounts;
        }
    QCOMPARE(dueAmounts, 1);
}

void TestDocuments::valuesUnderTheirHeadings_data() {
    QTest::addColumn<QString>("document");
    for (const char* name : {"vat", "rr", "bill"})
        QTest::newRow(name) << name;
}

void TestDocuments::valuesUnderTheirHeadings() {
    QFETCH(QString, document);
    const PageStore store = compose(documents->byName(document));
    const StoredPage& page = store.page(1);
    const std::pair<const char16_t*, const char16_t*> pairs[] = {
        {u"Miejsce wystawienia", u"Kraków"},    {u"Data sprzedaży", u"08\\08\\2001"},
        {u"Termin płatności", u"01\\09\\2001"}, {u"Forma płatności", u"Karta platnicza"},
        {u"Sprzedawca", u"Bartolex S.A."},      {u"Nabywca", u"Zakład Usługowy WetCoM"},
    };
    for (const auto& [heading, value] : pairs) {
        const DrawOp* op = onlyText(page, QString::fromUtf16(heading));
        QVERIFY(op);
        // The nearest text below the heading that starts where it starts, give or take a pixel.
        const DrawOp* under = nullptr;
        for (const DrawOp* text : texts(page))
            if (text->pos.y() > op->pos.y() && near(text->pos.x(), op->pos.x(), onePixel) &&
                (!under || text->pos.y() < under->pos.y()))
                under = text;
        QVERIFY(under);
        QCOMPARE(under->text, QString::fromUtf16(value));
        QVERIFY(under->pos.y() - op->pos.y() < 2 * lineHeightOf(op));
    }
    // The seller and the buyer are ruled off from their headings.
    const DrawOp* seller = onlyText(page, QStringLiteral("Sprzedawca"));
    const DrawOp* address = onlyText(page, QStringLiteral("Bartolex S.A."));
    QVERIFY(seller && address);
    bool ruled = false;
    for (const Rule& rule : horizontalRules(page, seller->pos.y(), address->pos.y()))
        ruled |= rule.x1 <= seller->pos.x() && rule.y >= seller->pos.y() + lineHeightOf(seller) - 0.01;
    QVERIFY(ruled);
}

void TestDocuments::compositionsAreIdentical_data() {
    QTest::addColumn<QString>("document");
    for (const char* name : {"vat", "rr", "bill", "transfer"})
        QTest::newRow(name) << name;
}

void TestDocuments::compositionsAreIdentical() {
    QFETCH(QString, document);
    documents->transfer.CopyFormPicture();
    TReport& report = documents->byName(document);
    const PageStore first = compose(report);
    documents->transfer.CopyFormPicture();
    const PageStore second = compose(report);
    QVERIFY(first.samePages(second));
    QCOMPARE(renderImage(first.page(1), 50), renderImage(second.page(1), 50));
}

void TestDocuments::pdfReadBack_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QSizeF>("points");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QPointF>("at"); // tenths from the paper's corner
    QTest::addColumn<int>("count");
    QTest::newRow("vat") << "vat" << QSizeF(595.28, 841.89) << "strona"
                         << QPointF(100 + pxToTenths(512), 100 + pxToTenths(112)) << 1;
    QTest::newRow("bill") << "bill" << QSizeF(595.28, 841.89) << "Rachunek"
                          << QPointF(100 + pxToTenths(359.5), 100 + pxToTenths(19)) << 1;
    QTest::newRow("transfer") << "transfer" << QSizeF(841.89, 595.28) << "jeden*dwa*trzy"
                              << QPointF(pxToTenths(35), pxToTenths(147)) << 4;
}

void TestDocuments::pdfReadBack() {
    QFETCH(QString, document);
    QFETCH(QSizeF, points);
    QFETCH(QString, word);
    QFETCH(QPointF, at);
    QFETCH(int, count);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    documents->transfer.CopyFormPicture();
    QVERIFY(writePdf(compose(documents->byName(document)), pdf));

    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());

    const QRegularExpression pageRe(QString::fromLatin1(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    const auto pageMatch = pageRe.match(html);
    QVERIFY(pageMatch.hasMatch());
    QVERIFY(std::abs(pageMatch.captured(1).toDouble() - points.width()) < 0.5);
    QVERIFY(std::abs(pageMatch.captured(2).toDouble() - points.height()) < 0.5);
    QCOMPARE(html.count(QStringLiteral("<page ")), 1);

    const QRegularExpression wordRe(QString::fromLatin1(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<QRectF> boxes;
    for (auto it = wordRe.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(5) == word)
            boxes << QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                            QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
    }
    QCOMPARE(boxes.size(), count);
    const QPointF expected = at * 72.0 / 254.0;
    if (word == QLatin1String("Rachunek")) {
        // Centred on its element's middle.
        QVERIFY2(std::abs(boxes[0].center().x() - expected.x()) < 1.5,
                 qPrintable(QString::number(boxes[0].center().x())));
    } else {
        QVERIFY2(std::abs(boxes[0].left() - expected.x()) < 1.0,
                 qPrintable(QString::number(boxes[0].left())));
    }
    // The word's box starts near the top of its line.
    QVERIFY2(boxes[0].top() > expected.y() - 1 && boxes[0].top() < expected.y() + 4,
             qPrintable(QString::number(boxes[0].top())));
    QVERIFY(html.contains(QStringLiteral("Ledgora.")));
}

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"
