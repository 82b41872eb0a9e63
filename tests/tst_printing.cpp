// Printing through a private print scheduler: the documents as the printer receives them, the
// page range, Cancel, copies, the printer chosen, the print setup, and the command line.
#include "CupsScheduler.h"
#include "Support.h"
#include "report/Preview.h"
#include "report/PreviewFile.h"
#include "report/Printing.h"
#include "report/ProgressForm.h"
#include "templates/Unit2.h"
#include "templates/Unit3.h"
#include "templates/Unit9.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// Runs `act` on the first top-level widget of type T that shows up, from the event loop.
template <typename T> void whenOpen(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    auto deadline = std::make_shared<QDeadlineTimer>(10000);
    QObject::connect(timer, &QTimer::timeout, [=] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* t = qobject_cast<T*>(w); t && t->isVisible()) {
                timer->deleteLater();
                act(t);
                return;
            }
        if (deadline->hasExpired())
            timer->deleteLater();
    });
    timer->start(0);
}

bool progressWindowOpen() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<report::TRpProgressForm*>(w) && w->isVisible())
            return true;
    return false;
}

struct SetupStub : report::PrintSetupDialog {
    report::PrintSetupValues seen;
    std::function<bool(report::PrintSetupValues&)> answer;
    SetupStub() { report::setPrintSetupDialog(this); }
    ~SetupStub() override { report::setPrintSetupDialog(nullptr); }
    bool run(report::PrintSetupValues& values) override {
        seen = values;
        return answer(values);
    }
};

int pageCount(const QString& pdfinfo) {
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(pdfinfo).captured(1).toInt();
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { cups.stop(); }
    void init();
    void printsTheDocumentBehindTheProgressWindow_data();
    void printsTheDocumentBehindTheProgressWindow();
    void pageRange_data();
    void pageRange();
    void cancelLeavesNoJob();
    void copiesReachTheJob();
    void printerChosenByIndex_data();
    void printerChosenByIndex();
    void busyReportIsIgnored();
    void printFromThePreview();
    void printSetupKeepsWhatOkSays();
    void printSetupCancelChangesNothing();
    void systemDialogConfirmsWithOk();
    void commandLine();

private:
    testing::CupsScheduler cups;
    QString skip;
};

void PrintingTest::initTestCase() {
    if (!cups.start() || !cups.addQueue(QStringLiteral("Office")) || !cups.addQueue(QStringLiteral("Back")) ||
        !cups.setDefault(QStringLiteral("Office")))
        skip = cups.whyNot();
}

void PrintingTest::init() {
    if (!skip.isEmpty())
        QSKIP(qPrintable(skip));
    QVERIFY(cups.waitUntilIdle());
    QFile::remove(cups.outputFile(QStringLiteral("Office")));
    QFile::remove(cups.outputFile(QStringLiteral("Back")));
}

void PrintingTest::printsTheDocumentBehindTheProgressWindow_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("vat") << "vat" << QStringList{"Faktura VAT", "strona 1", "Bartolex S.A.", "517,67"};
    QTest::newRow("bill") << "bill" << QStringList{"Bartolex S.A."};
    QTest::newRow("transfer") << "transfer" << QStringList{};
}

void PrintingTest::printsTheDocumentBehindTheProgressWindow() {
    QFETCH(QString, document);
    QFETCH(QStringList, texts);
    TFormVat vat;
    TFormRachunek bill;
    TPoczta transfer;
    transfer.CopyFormPicture();
    report::TReport& r = document == u"vat"    ? vat.Report1
                         : document == u"bill" ? bill.Report1
                                               : transfer.Report1;
    const int jobsBefore = int(cups.jobIds().size());
    bool progressShown = false;
    whenOpen<report::TRpProgressForm>([&](report::TRpProgressForm*) { progressShown = true; });
    QCOMPARE(report::Print(r), report::PrintResult::Printed);
    QVERIFY(progressShown);
    QVERIFY(!progressWindowOpen());
    QVERIFY(r.Available());
    QVERIFY(cups.waitUntilIdle());
    QCOMPARE(cups.jobIds().size(), jobsBefore + 1);
    const QString text = cups.outputText(QStringLiteral("Office"));
    for (const QString& t : texts)
        QVERIFY2(text.contains(t), qPrintable(t + " not in: " + text));
    const QString info = cups.outputInfo(QStringLiteral("Office"));
    QCOMPARE(pageCount(info), 1);
    QVERIFY2(info.contains(QStringLiteral("595")) && info.contains(QStringLiteral("842")),
             qPrintable(info));  // A4
    if (document == u"transfer") // the spooler lays the landscape sheet turned on the paper
        QVERIFY2(info.contains(QStringLiteral("Page rot:        90")) ||
                     info.contains(QStringLiteral("Page rot:        270")) ||
                     info.contains(QStringLiteral("842 x 595")),
                 qPrintable(info));
}

void PrintingTest::pageRange_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<bool>("printed");
    QTest::newRow("all pages") << 0 << 0 << true;
    QTest::newRow("from 1") << 1 << 0 << true;
    QTest::newRow("up to 1") << 0 << 1 << true;
    QTest::newRow("from 2: page 1 composed, not sent") << 2 << 0 << false;
    QTest::newRow("3 to 5") << 3 << 5 << false;
}

void PrintingTest::pageRange() {
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(bool, printed);
    TFormVat vat;
    vat.Report1.PrinterSettings.FirstPage = first;
    vat.Report1.PrinterSettings.LastPage = last;
    const QList<int> before = cups.jobIds();
    QCOMPARE(report::Print(vat.Report1),
             printed ? report::PrintResult::Printed : report::PrintResult::NothingInRange);
    QVERIFY(cups.waitUntilIdle());
    // A range with no page in it starts no job at all.
    QCOMPARE(cups.jobIds().size(), before.size() + (printed ? 1 : 0));
    QCOMPARE(QFile::exists(cups.outputFile(QStringLiteral("Office"))), printed);
}

void PrintingTest::cancelLeavesNoJob() {
    TFormVat vat;
    const QList<int> before = cups.jobIds();
    whenOpen<report::TRpProgressForm>([](report::TRpProgressForm* form) { form->CancelButton->click(); });
    QCOMPARE(report::Print(vat.Report1), report::PrintResult::Cancelled);
    QVERIFY(!progressWindowOpen());
    QVERIFY(cups.waitUntilIdle());
    QCOMPARE(cups.jobIds(), before);
    QVERIFY(!QFile::exists(cups.outputFile(QStringLiteral("Office"))));
    QVERIFY(vat.Report1.Available());
}

void PrintingTest::copiesReachTheJob() {
    TFormVat vat;
    vat.Report1.PrinterSettings.Copies = 2;
    QCOMPARE(report::Print(vat.Report1), report::PrintResult::Printed);
    QVERIFY(cups.waitUntilIdle());
    const int job = cups.jobIds().last();
    QCOMPARE(cups.jobAttribute(job, "copies"), QStringLiteral("2"));
    QCOMPARE(pageCount(cups.outputInfo(QStringLiteral("Office"))), 2); // this driver makes the copies
}

void PrintingTest::printerChosenByIndex_data() {
    QTest::addColumn<QString>("printer"); // empty: an index that no longer exists
    QTest::addColumn<QString>("expected");
    QTest::newRow("Back") << "Back"
                          << "Back";
    QTest::newRow("Office") << "Office"
                            << "Office";
    QTest::newRow("gone: the default") << ""
                                       << "Office";
}

void PrintingTest::printerChosenByIndex() {
    QFETCH(QString, printer);
    QFETCH(QString, expected);
    TFormVat vat;
    const QStringList printers = report::installedPrinters();
    vat.Report1.PrinterSettings.PrinterIndex =
        printer.isEmpty() ? int(printers.size()) + 3 : int(printers.indexOf(printer));
    QCOMPARE(report::printerNameFor(vat.Report1), expected);
    QCOMPARE(report::Print(vat.Report1), report::PrintResult::Printed);
    QVERIFY(cups.waitUntilIdle());
    QVERIFY(QFile::exists(cups.outputFile(expected)));
    QCOMPARE(cups.jobAttribute(cups.jobIds().last(), "job-printer-uri").section(u'/', -1), expected);
}

void PrintingTest::busyReportIsIgnored() {
    TFormVat vat;
    const QList<int> before = cups.jobIds();
    {
        report::TReport::Hold busy(vat.Report1);
        QCOMPARE(report::Print(vat.Report1), report::PrintResult::Busy);
    }
    QCOMPARE(cups.jobIds(), before);
    QVERIFY(!progressWindowOpen());
}

void PrintingTest::printFromThePreview() {
    TFormVat vat;
    auto* preview = new report::TRpStandardPreview(vat.Report1);
    preview->show();
    preview->compose();
    QCoreApplication::processEvents();
    const QList<int> before = cups.jobIds();
    preview->control<QAbstractButton>(QStringLiteral("Print"))->click();
    QVERIFY(cups.waitUntilIdle());
    QCOMPARE(cups.jobIds().size(), before.size() + 1);
    QVERIFY(preview->isVisible()); // the preview stays open
    delete preview;
}

void PrintingTest::printSetupKeepsWhatOkSays() {
    TPoczta transfer;
    transfer.CopyFormPicture();
    report::TReport& r = transfer.Report1;
    SetupStub setup;
    setup.answer = [](report::PrintSetupValues& v) {
        v.printer = QStringLiteral("Back");
        v.copies = 3;
        v.landscape = false;
        v.allPages = false;
        v.fromPage = 1;
        v.toPage = 1;
        return true;
    };
    QVERIFY(report::PrinterSetup(r, 1));
    QCOMPARE(setup.seen.printer, QStringLiteral("Office")); // the default for index -1
    QCOMPARE(setup.seen.copies, 1);
    QVERIFY(setup.seen.landscape);
    QVERIFY(setup.seen.allPages);
    QCOMPARE(setup.seen.minPage, 1);
    QCOMPARE(setup.seen.maxPage, 1);
    QCOMPARE(setup.seen.printers, report::installedPrinters());

    QCOMPARE(r.PrinterSettings.PrinterIndex,
             int(report::installedPrinters().indexOf(QStringLiteral("Back"))));
    QCOMPARE(r.PrinterSettings.Copies, 3);
    QCOMPARE(r.PrinterSettings.FirstPage, 1);
    QCOMPARE(r.PrinterSettings.LastPage, 1);
    QCOMPARE(r.Page.Orientation, report::poPortrait);
    // Later compositions are on a portrait page, and the next setup starts from the choice.
    report::PageStore store;
    r.Compose(store);
    QVERIFY(!store.page(1).landscape());
    QVERIFY(report::PrinterSetup(r, 0));
    QCOMPARE(setup.seen.printer, QStringLiteral("Back"));
    QCOMPARE(setup.seen.copies, 3);
    QVERIFY(!setup.seen.landscape);
    QVERIFY(!setup.seen.allPages);
    QCOMPARE(setup.seen.minPage, 0); // no finished composition: 0 to 9999
    QCOMPARE(setup.seen.maxPage, 9999);
    // The dialog printed nothing.
    QVERIFY(cups.waitUntilIdle());
    QVERIFY(!QFile::exists(cups.outputFile(QStringLiteral("Back"))));
}

void PrintingTest::printSetupCancelChangesNothing() {
    TPoczta transfer;
    report::TReport& r = transfer.Report1;
    SetupStub setup;
    setup.answer = [](report::PrintSetupValues& v) {
        v.printer = QStringLiteral("Back");
        v.copies = 7;
        v.landscape = false;
        v.allPages = false;
        return false;
    };
    const QList<int> before = cups.jobIds();
    QVERIFY(!report::PrinterSetup(r, 1));
    QCOMPARE(r.PrinterSettings.PrinterIndex, -1);
    QCOMPARE(r.PrinterSettings.Copies, 1);
    QCOMPARE(r.PrinterSettings.FirstPage, 0);
    QCOMPARE(r.PrinterSettings.LastPage, 0);
    QCOMPARE(r.Page.Orientation, report::poLandscape);
    QCOMPARE(cups.jobIds(), before);
}

void PrintingTest::systemDialogConfirmsWithOk() {
    TFormVat vat;
    QString confirm;
    QAbstractPrintDialog::PrintDialogOptions options;
    int minPage = -1, maxPage = -1;
    whenOpen<QPrintDialog>([&](QPrintDialog* dialog) {
        for (QDialogButtonBox* box : dialog->findChildren<QDialogButtonBox*>())
            if (QAbstractButton* ok = box->button(QDialogButtonBox::Ok))
                confirm = ok->text();
        options = dialog->options();
        minPage = dialog->minPage();
        maxPage = dialog->maxPage();
        dialog->reject();
    });
    const QList<int> before = cups.jobIds();
    QVERIFY(!report::PrinterSetup(vat.Report1, 1));
    QCOMPARE(confirm, QStringLiteral("OK"));
    QVERIFY(options.testFlag(QAbstractPrintDialog::PrintPageRange));
    QVERIFY(!options.testFlag(QAbstractPrintDialog::PrintToFile));
    QVERIFY(!options.testFlag(QAbstractPrintDialog::PrintSelection));
    QCOMPARE(minPage, 1);
    QCOMPARE(maxPage, 1);
    QCOMPARE(vat.Report1.PrinterSettings.PrinterIndex, -1);
    QCOMPARE(cups.jobIds(), before);
}

void PrintingTest::commandLine() {
    QTemporaryDir dir;
    auto run = [](const QStringList& args, QString* err = nullptr) {
        QProcess p;
        p.start(QStringLiteral(LEDGORA_PRINT), args);
        p.waitForFinished(60000);
        if (err)
            *err = QString::fromLocal8Bit(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };
    QString out;
    {
        QProcess p;
        p.start(QStringLiteral(LEDGORA_PRINT), {QStringLiteral("--list-printers")});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(QString::fromLocal8Bit(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
                 report::installedPrinters());
    }
    QList<int> before = cups.jobIds();
    QCOMPARE(run({"bill", "--printer", "Back", "--copies", "2"}), 0);
    QVERIFY(cups.waitUntilIdle());
    QCOMPARE(cups.jobIds().size(), before.size() + 1);
    QCOMPARE(cups.jobAttribute(cups.jobIds().last(), "copies"), QStringLiteral("2"));
    QVERIFY(cups.outputText(QStringLiteral("Back")).contains(QStringLiteral("Bartolex")));

    // A saved preview printed as it is.
    const QString saved = dir.filePath(QStringLiteral("vat.rpv"));
    QCOMPARE(run({"vat", "--save", saved}), 0);
    QCOMPARE(run({"--load", saved, "--printer", "Office"}), 0);
    QVERIFY(cups.waitUntilIdle());
    QVERIFY(cups.outputText(QStringLiteral("Office")).contains(QStringLiteral("Faktura VAT")));

    // Failures: one line naming the reason, exit 1, no job.
    before = cups.jobIds();
    QString err;
    QCOMPARE(run({"vat", "--printer", "Nowhere"}, &err), 1);
    QCOMPARE(err, QStringLiteral("ledgora-print: no printer named \"Nowhere\"\n"));
    QCOMPARE(run({"vat", "--printer", "Office", "--from", "2"}, &err), 1);
    QVERIFY2(err.startsWith(QStringLiteral("ledgora-print: no page falls in the range")) &&
                 err.count(u'\n') == 1,
             qPrintable(err));
    QVERIFY(cups.waitUntilIdle());
    QCOMPARE(cups.jobIds(), before);
}

LEDGORA_TEST_MAIN(PrintingTest)
#include "tst_printing.moc"
