// Print jobs handed to a private scheduler, read back from what its queues wrote.
#include "CupsScheduler.h"
#include "platform/Error.h"
#include "platform/PrintJobs.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cups/cups.h>

namespace {

const QString kWord = QStringLiteral("LEDGORAPAGECHECK");

// A one-page PDF with kWord near its top left corner, the page as the document sets it up.
QString makePdf(const QString& path, QPageSize::PageSizeId size, QPageLayout::Orientation orientation) {
    QPdfWriter writer(path);
    writer.setPageLayout(QPageLayout(QPageSize(size), orientation, QMarginsF()));
    writer.setResolution(720);
    QPainter painter(&writer);
    QFont font("Liberation Sans");
    font.setPointSize(24);
    painter.setFont(font);
    painter.drawText(QPointF(720, 720), kWord); // an inch in from the left and the top
    painter.end();
    return path;
}

struct Box {
    double width = 0, height = 0;
};

// The box of kWord as pdftotext -bbox reads it, on the page as it is shown (rotation applied).
Box wordBox(const QString& bboxHtml) {
    static const QRegularExpression re(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">)re" + kWord + "<");
    const QRegularExpressionMatch m = re.match(bboxHtml);
    if (!m.hasMatch())
        return {};
    return {m.captured(3).toDouble() - m.captured(1).toDouble(),
            m.captured(4).toDouble() - m.captured(2).toDouble()};
}

QString pdftotextBbox(const QString& file) {
    QProcess p;
    p.start("pdftotext", {"-bbox", file, "-"});
    p.waitForFinished(15000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The sheet as it is shown, "W x H" in points, from pdfinfo's page size and rotation.
QString shownSheet(const QString& pdfinfo) {
    static const QRegularExpression size(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)");
    static const QRegularExpression rot(R"(Page rot:\s+(\d+))");
    const QRegularExpressionMatch s = size.match(pdfinfo);
    if (!s.hasMatch())
        return {};
    long w = qRound(s.captured(1).toDouble()), h = qRound(s.captured(2).toDouble());
    if (rot.match(pdfinfo).captured(1).toInt() % 180 == 90)
        std::swap(w, h);
    return QString("%1 x %2").arg(w).arg(h);
}

int pages(const QString& pdfinfo) {
    static const QRegularExpression re(R"(Pages:\s+(\d+))");
    return re.match(pdfinfo).captured(1).toInt();
}

} // namespace

class TestPrintJobs : public QObject {
    Q_OBJECT

    testing::CupsScheduler cups;
    QTemporaryDir work;

    QString a4Portrait() { return makePdf(work.filePath("a4.pdf"), QPageSize::A4, QPageLayout::Portrait); }

    // Submits to `job.printer`, waits for the queue and returns the new job's id (0: none made).
    int print(const platform::PrintJob& job) {
        const QList<int> before = cups.jobIds();
        platform::submitPrintJob(job);
        if (!cups.waitUntilIdle())
            return 0;
        const QList<int> after = cups.jobIds();
        return after.size() == before.size() + 1 ? after.last() : 0;
    }

    // The Generic PDF driver with a paper source the driver writes into its PJL header, so the
    // output shows which tray the driver was given. Middle is the queue's default tray.
    QString traysPpd() {
        QFile generic(testing::CupsScheduler::kGenericPdfFile);
        if (!generic.open(QIODevice::ReadOnly))
            return {};
        QByteArray ppd = generic.readAll();
        QByteArray choices = "*JCLOpenUI *InputSlot/Paper Source: PickOne\n"
                             "*OrderDependency: 100 JCLSetup *InputSlot\n"
                             "*DefaultInputSlot: Middle\n";
        for (const char* slot : {"Auto", "Upper", "Lower", "Middle", "Manual", "Envelope", "Cassette"})
            choices +=
                QByteArray("*InputSlot ") + slot + "/" + slot + ": \"@PJL SET TRAY=" + slot + "<0A>\"\n";
        choices += "*JCLCloseUI: *InputSlot\n";
        const qsizetype at = ppd.indexOf("*CloseGroup: General");
        if (at < 0)
            return {};
        ppd.insert(at, choices);
        QFile out(work.filePath("trays.ppd"));
        if (!out.open(QIODevice::WriteOnly) || out.write(ppd) != ppd.size())
            return {};
        return out.fileName();
    }

private slots:
    void initTestCase() {
        if (!cups.start())
            QSKIP(qPrintable(cups.whyNot()));
        QVERIFY(work.isValid());
        const QString trays = traysPpd();
        QVERIFY(!trays.isEmpty());
        for (const auto& [name, ppd] :
             {std::pair{"Plain", QString()}, {"Trays", trays}, {"Refusing", QString()}})
            QVERIFY2(cups.addQueue(name, ppd), qPrintable(cups.whyNot()));
        QVERIFY2(cups.setDefault("Trays"), qPrintable(cups.whyNot()));
        QString output;
        QVERIFY2(cups.run("cupsreject", {"Refusing"}, &output) == 0, qPrintable(output));
    }

    // The program finds its printers, and whether there are any, through Qt.
    void qtListsTheQueues() {
        const QStringList names = QPrinterInfo::availablePrinterNames();
        QVERIFY2(names.contains("Plain") && names.contains("Trays"), qPrintable(names.join(", ")));
        QCOMPARE(QPrinterInfo::defaultPrinterName(), "Trays");
    }

    void printsTheWholePage_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<QString>("paperSize");
        QTest::addColumn<QString>("sheet"); // as shown, in points
        // The queue's own paper is Letter: an A4 job that lost its paper size is fitted to Letter.
        QTest::newRow("A4 portrait") << "Faktura VAT" << int(QPageSize::A4) << false << "A4"
                                     << "595 x 842";
        QTest::newRow("A4 by its PWG name") << "" << int(QPageSize::A4) << false << "iso_a4_210x297mm"
                                            << "595 x 842";
        QTest::newRow("A4 landscape") << "Przelew" << int(QPageSize::A4) << true << "A4"
                                      << "595 x 842";
        QTest::newRow("Letter") << "Rachunek" << int(QPageSize::Letter) << false << "Letter"
                                << "612 x 792";
    }
    void printsTheWholePage() {
        QFETCH(QString, title);
        QFETCH(int, size);
        QFETCH(bool, landscape);
        QFETCH(QString, paperSize);
        QFETCH(QString, sheet);
        const QString file = makePdf(work.filePath("doc.pdf"), QPageSize::PageSizeId(size),
                                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait);

        const int id = print({.printer = "Plain",
                              .title = title,
                              .file = file,
                              .landscape = landscape,
                              .paperSize = paperSize});
        QVERIFY(id > 0);
        QCOMPARE(cups.jobAttribute(id, "job-state"), "completed");
        QCOMPARE(cups.jobAttribute(id, "orientation-requested"), landscape ? "landscape" : "");
        if (!title.isEmpty())
            QCOMPARE(cups.jobAttribute(id, "job-name"), title);
        else
            QVERIFY(!cups.jobAttribute(id, "job-name").contains(file)); // not the spool file's name

        const QString info = cups.outputInfo("Plain");
        QCOMPARE(pages(info), 1);
        QCOMPARE(shownSheet(info), sheet);
        // Same size on the sheet as in the document: nothing shrunk. A landscape page lies
        // turned on the portrait sheet, so its words run up the sheet.
        const Box in = wordBox(pdftotextBbox(file));
        const Box out = wordBox(cups.outputText("Plain", {"-bbox"}));
        QVERIFY(in.width > 100);
        QCOMPARE(qRound(landscape ? out.height : out.width), qRound(in.width));
        QCOMPARE(qRound(landscape ? out.width : out.height), qRound(in.height));
    }

    // The Generic PDF driver makes copies itself: the job asks for two, the output holds two.
    void copiesReachTheJob() {
        const int id = print({.printer = "Plain", .file = a4Portrait(), .copies = 2, .paperSize = "A4"});
        QVERIFY(id > 0);
        QCOMPARE(cups.jobAttribute(id, "copies"), "2");
        QCOMPARE(pages(cups.outputInfo("Plain")), 2);
        QCOMPARE(cups.outputText("Plain").count(kWord), 2);
    }

    void paperSourceOnlyWhenTheQueueHasIt_data() {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<int>("paperSource");
        QTest::addColumn<QString>("mediaSource"); // in the job; empty: none sent
        QTest::addColumn<QString>("tray");        // the driver's tray; empty: the driver has none
        QTest::newRow("queue without trays") << "Plain" << 2 << ""
                                             << "";
        QTest::newRow("no tray asked") << "Trays" << 0 << ""
                                       << "Middle";
        QTest::newRow("upper") << "Trays" << 1 << "top"
                               << "Upper";
        QTest::newRow("lower") << "Trays" << 2 << "bottom"
                               << "Lower";
        QTest::newRow("auto") << "Trays" << 7 << "auto"
                              << "Auto";
        QTest::newRow("cassette") << "Trays" << 14 << "main"
                                  << "Cassette";
        QTest::newRow("envelope manual: the envelope tray") << "Trays" << 6 << "envelope"
                                                            << "Envelope";
        QTest::newRow("large capacity: not on this printer") << "Trays" << 11 << ""
                                                             << "Middle";
        QTest::newRow("unknown code") << "Trays" << 12 << ""
                                      << "Middle";
    }
    void paperSourceOnlyWhenTheQueueHasIt() {
        QFETCH(QString, printer);
        QFETCH(int, paperSource);
        QFETCH(QString, mediaSource);
        QFETCH(QString, tray);

        const int id =
            print({.printer = printer, .file = a4Portrait(), .paperSize = "A4", .paperSource = paperSource});
        QVERIFY(id > 0);
        const QString col = cups.jobAttribute(id, "media-col");
        if (mediaSource.isEmpty())
            QVERIFY2(!col.contains("media-source"), qPrintable(col));
        else
            QVERIFY2(col.contains("media-source=" + mediaSource), qPrintable(col));
        QVERIFY(cups.jobAttribute(id, "media-source").isEmpty());

        const QByteArray pjl = cups.outputPjl(printer);
        QVERIFY2(pjl.contains("@PJL SET PAPER=A4\n"), pjl.constData()); // the size travels with the tray
        if (tray.isEmpty())
            QVERIFY2(!pjl.contains("TRAY="), pjl.constData());
        else
            QVERIFY2(pjl.contains("@PJL SET TRAY=" + tray.toLatin1() + "\n"), pjl.constData());
        QCOMPARE(shownSheet(cups.outputInfo(printer)), "595 x 842");
    }

    // A failed hand-over says why, names the printer, and leaves no job behind.
    void failuresSayWhy_data() {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<bool>("schedulerReachable");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no such printer") << "NoSuchQueue" << true << true << "does not exist";
        QTest::newRow("queue refuses jobs") << "Refusing" << true << true << "not accepting jobs";
        QTest::newRow("file gone") << "Plain" << false << true << "missing.pdf";
        QTest::newRow("scheduler down") << "Plain" << true << false << "does not answer";
    }
    void failuresSayWhy() {
        QFETCH(QString, printer);
        QFETCH(bool, fileExists);
        QFETCH(bool, schedulerReachable);
        QFETCH(QString, reason);
        const QList<int> before = cups.jobIds();
        const QString file = fileExists ? a4Portrait() : work.filePath("missing.pdf");

        if (!schedulerReachable) {
            qputenv("CUPS_SERVER", QFile::encodeName(work.filePath("nobody-listens.sock")));
            cupsSetServer(nullptr);
        }
        QString message;
        try {
            platform::submitPrintJob({.printer = printer, .file = file, .paperSize = "A4"});
        } catch (const platform::Error& e) {
            message = e.message();
        }
        if (!schedulerReachable) {
            qputenv("CUPS_SERVER", QFile::encodeName(cups.socket()));
            cupsSetServer(nullptr);
        }

        QVERIFY2(message.startsWith("Cannot print to \"" + printer + "\": "), qPrintable(message));
        QVERIFY2(message.contains(reason, Qt::CaseInsensitive), qPrintable(message));
        QVERIFY2(message.size() > QString("Cannot print to \"\": ").size() + printer.size() + 5,
                 qPrintable(message));
        QVERIFY(cups.waitUntilIdle());
        QCOMPARE(cups.jobIds(), before);
    }
};

QTEST_MAIN(TestPrintJobs)
#include "tst_printjobs.moc"
