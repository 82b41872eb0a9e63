// The four printed documents: where their bands print, what the page-start step writes, the
// wrapped headings of the RR invoice, the transfer form's copies, and the PDF read back.
#include "report/Report.h"
#include "templates/Unit2.h"
#include "templates/Unit3.h"
#include "templates/Unit4.h"
#include "templates/Unit9.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace report;

namespace {

// Each template standalone, as the program creates them.
struct Documents {
    TFormVat vat;
    TFaktura_RR rr;
    TFormRachunek bill;
    TPoczta transfer;
    TReport& byName(const QString& name) {
        if (name == QLatin1String("vat"))
            return vat.Report1;
        if (name == QLatin1String("rr"))
            return rr.Report1;
        if (name == QLatin1String("bill"))
            return bill.Report1;
        return transfer.Report1;
    }
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
