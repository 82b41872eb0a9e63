// ledgora-print without a printer: the documents as PDF, text and saved preview, saved
// previews read back, and every failure as one line on standard error with no file left.
#include "report/PreviewFile.h"
#include "report/Render.h"
#include "templates/Unit2.h"
#include "templates/Unit4.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run runPrint(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), QDir::tempPath() + QStringLiteral("/ledgora-no-scheduler"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(LEDGORA_PRINT), args);
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

QString pdfText(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class PrintCommandTest : public QObject {
    Q_OBJECT
private slots:
    void documentsToFiles_data();
    void documentsToFiles();
    void savedPreviewReadBack();
    void failures_data();
    void failures();
};

void PrintCommandTest::documentsToFiles_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("text");
    QTest::newRow("vat") << "vat"
                         << "Faktura VAT";
    QTest::newRow("rr") << "rr"
                        << "Bartolex S.A.";
    QTest::newRow("bill") << "bill"
                          << "Bartolex S.A.";
    QTest::newRow("transfer") << "transfer"
                              << "";
}

void PrintCommandTest::documentsToFiles() {
    QFETCH(QString, document);
    QFETCH(QString, text);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("d.pdf"), txt = dir.filePath("d.txt"), rpv = dir.filePath("d.rpv");
    const Run r = runPrint({document, "--pdf", pdf, "--text", txt, "--save", rpv});
    QCOMPARE(r.err, QString());
    QCOMPARE(r.code, 0);
    QVERIFY(pdfText(pdf).contains(text));
    QFile t(txt);
    QVERIFY(t.open(QIODevice::ReadOnly));
    const QString exported = QString::fromUtf8(t.readAll());
    QVERIFY(exported.contains(text));
    // The saved preview holds what the text export shows.
    report::PageStore loaded;
    loaded.setPages(report::loadPreviewFile(rpv));
    QCOMPARE(report::exportText(loaded), exported);
}

void PrintCommandTest::savedPreviewReadBack() {
    QTemporaryDir dir;
    const QString rpv = dir.filePath("rr.rpv");
    QCOMPARE(runPrint({"rr", "--save", rpv}).code, 0);
    const Run r =
        runPrint({"--load", rpv, "--pdf", dir.filePath("rr.pdf"), "--text", dir.filePath("rr.txt")});
    QCOMPARE(r.err, QString());
    QCOMPARE(r.code, 0);
    TFaktura_RR rr;
    report::PageStore fresh;
    rr.Report1.Compose(fresh);
    QFile t(dir.filePath("rr.txt"));
    QVERIFY(t.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(t.readAll()), report::exportText(fresh));
    QVERIFY(pdfText(dir.filePath("rr.pdf")).contains("Bartolex S.A."));
}

void PrintCommandTest::failures_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing asked") << QStringList{} << "name one document, --load FILE or --list-printers";
    QTest::newRow("unknown document") << QStringList{"invoice", "--pdf", "@/out.pdf"}
                                      << "unknown document \"invoice\" (vat, rr, bill or transfer)";
    QTest::newRow("unwritable folder") << QStringList{"vat", "--pdf", "@/missing/out.pdf"}
                                       << "Cannot write file @/missing/out.pdf: No such file or directory";
    QTest::newRow("missing saved preview")
        << QStringList{"--load", "@/none.rpv", "--pdf", "@/out.pdf"} << "File does not exist: @/none.rpv";
    QTest::newRow("broken saved preview") << QStringList{"--load", "@/broken.rpv", "--text", "@/out.txt"}
                                          << "Cannot read file @/broken.rpv: it is not a saved preview";
    QTest::newRow("load without output")
        << QStringList{"--load", "@/broken.rpv"} << "--load needs --pdf, --text or --printer";
    QTest::newRow("no copies") << QStringList{"vat", "--copies", "0"}
                               << "--copies needs a whole number of at least 1, not \"0\"";
    QTest::newRow("range backwards") << QStringList{"vat", "--from", "3", "--to", "2"}
                                     << "--to 2 is before --from 3";
    QTest::newRow("no printer installed") << QStringList{"vat"} << "no printer is installed";
    QTest::newRow("missing value") << QStringList{"vat", "--pdf"} << "--pdf needs a value";
}

void PrintCommandTest::failures() {
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QFile broken(dir.filePath("broken.rpv"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("GIF89a, not a saved preview at all");
    broken.close();
    for (QString& a : args)
        a.replace(u'@', dir.path());
    const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    const Run r = runPrint(args);
    QCOMPARE(r.code, 1);
    QCOMPARE(r.err, "ledgora-print: " + message.replace(u'@', dir.path()) + u'\n');
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             before); // nothing written, not even in part
}

QTEST_MAIN(PrintCommandTest)
#include "tst_printcommand.moc"
