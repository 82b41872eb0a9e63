// ledgora-print: the printed documents from the command line, on the same code paths as the
// program's print preview.
//
//   ledgora-print vat|rr|bill|transfer [--printer NAME] [--from N] [--to N] [--copies N]
//                 [--pdf FILE] [--text FILE] [--save FILE.rpv]
//   ledgora-print --load FILE.rpv (--pdf FILE | --text FILE | --printer NAME)
//   ledgora-print --list-printers
//
// A document with no output named is printed on the default printer; --help shows the usage. Exit 0 on
// success; on any failure one line on standard error and exit 1, and no output file is left half written.
#include "platform/Error.h"
#include "platform/Fonts.h"
#include "report/PreviewFile.h"
#include "report/Printing.h"
#include "report/Render.h"
#include "templates/Documents.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <optional>

namespace {

const char* const usage = "usage: ledgora-print vat|rr|bill|transfer [--printer NAME] [--from N] [--to N] "
                          "[--copies N] [--pdf FILE] [--text FILE] [--save FILE.rpv]\n"
                          "       ledgora-print --load FILE.rpv (--pdf FILE | --text FILE | --printer NAME)\n"
                          "       ledgora-print --list-printers\n";

struct Options {
    QString document;
    QString load;
    bool listPrinters = false;
    std::optional<QString> printer;
    int from = 0;
    int to = 0;
    int copies = 0;
    QString pdf;
    QString text;
    QString save;
};

int number(const QString& option, const QString& value, int min) {
    bool ok = false;
    const int n = value.toInt(&ok);
    if (!ok || n < min)
        throw platform::Error(QStringLiteral("%1 needs a whole number of at least %2, not \"%3\"")
                                  .arg(option)
                                  .arg(min)
                                  .arg(value));
    return n;
}

Options parse(const QStringList& args) {
    Options o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&]() -> QString {
            if (i + 1 >= args.size())
                throw platform::Error(a + QStringLiteral(" needs a value"));
            return args[++i];
        };
        if (a == u"--printer")
            o.printer = value();
        else if (a == u"--from")
            o.from = number(a, value(), 1);
        else if (a == u"--to")
            o.to = number(a, value(), 1);
        else if (a == u"--copies")
            o.copies = number(a, value(), 1);
        else if (a == u"--pdf")
            o.pdf = value();
        else if (a == u"--text")
            o.text = value();
        else if (a == u"--save")
            o.save = value();
        else if (a == u"--load")
            o.load = value();
        else if (a == u"--list-printers")
            o.listPrinters = true;
        else if (!a.startsWith(u'-') && o.document.isEmpty())
            o.document = a;
        else
            throw platform::Error(QStringLiteral("unknown argument \"%1\"").arg(a));
    }
    const int modes = int(!o.document.isEmpty()) + int(!o.load.isEmpty()) + int(o.listPrinters);
    if (modes != 1)
        throw platform::Error(QStringLiteral("name one document, --load FILE or --list-printers"));
    if (o.from > 0 && o.to > 0 && o.to < o.from)
        throw platform::Error(QStringLiteral("--to %1 is before --from %2").arg(o.to).arg(o.from));
    if (!o.load.isEmpty() && o.pdf.isEmpty() && o.text.isEmpty() && !o.printer)
        throw platform::Error(QStringLiteral("--load needs --pdf, --text or --printer"));
    if (!o.load.isEmpty() && !o.save.isEmpty())
        throw platform::Error(QStringLiteral("--save is for a document, not for --load"));
    return o;
}

void check(report::PrintResult result, const QString& printer, const Options& o) {
    switch (result) {
    case report::PrintResult::Printed:
        return;
    case report::PrintResult::NoPrinter:
        throw platform::Error(printer.isEmpty() ? QStringLiteral("no printer is installed")
                                                : QStringLiteral("no printer named \"%1\"").arg(printer));
    case report::PrintResult::NothingInRange:
        throw platform::Error(QStringLiteral("no page falls in the range %1 to %2: nothing printed")
                                  .arg(o.from > 0 ? QString::number(o.from) : QStringLiteral("the first"),
                                       o.to > 0 ? QString::number(o.to) : QStringLiteral("the last")));
    case report::PrintResult::Busy:
    case report::PrintResult::Cancelled:
        throw platform::Error(QStringLiteral("printing was cancelled"));
    }
}

int run(const Options& o) {
    if (o.listPrinters) {
        for (const QString& name : report::installedPrinters())
            std::printf("%s\n", qPrintable(name));
        std::fflush(stdout);
        return 0;
    }
    if (!o.load.isEmpty()) {
        if (!QFileInfo(o.load).isFile())
            throw platform::Error(QStringLiteral("File does not exist: ") + o.load);
        report::PageStore store;
        store.setPages(report::loadPreviewFile(o.load));
        if (!o.pdf.isEmpty())
            report::savePdfFile(store, o.pdf, QFileInfo(o.load).completeBaseName());
        if (!o.text.isEmpty())
            report::saveTextFile(store, o.text);
        if (o.printer)
            check(report::printPages(store, *o.printer, std::max(1, o.copies), o.from, o.to), *o.printer, o);
        return 0;
    }

    templates::Documents documents;
    report::TReport* found = documents.byName(o.document);
    if (!found)
        throw platform::Error(
            QStringLiteral("unknown document \"%1\" (vat, rr, bill or transfer)").arg(o.document));
    if (found == &documents.transfer.Report1)
        documents.transfer.CopyFormPicture(); // as the main window does before every preview and print
    report::TReport& r = *found;
    const bool print = o.printer || (o.pdf.isEmpty() && o.text.isEmpty() && o.save.isEmpty());
    QString printer;
    if (print && o.printer) {
        printer = *o.printer;
        const qsizetype index = report::installedPrinters().indexOf(printer);
        if (index < 0)
            throw platform::Error(QStringLiteral("no printer named \"%1\"").arg(printer));
        r.PrinterSettings.PrinterIndex = int(index);
    }
    if (o.copies > 0)
        r.PrinterSettings.Copies = o.copies;
    r.PrinterSettings.FirstPage = o.from;
    r.PrinterSettings.LastPage = o.to;

    if (!o.pdf.isEmpty() || !o.save.isEmpty()) {
        report::PageStore store;
        r.Compose(store);
        if (!o.pdf.isEmpty())
            report::savePdfFile(
                store, o.pdf, r.ReportTitle.isEmpty() ? QFileInfo(o.pdf).completeBaseName() : r.ReportTitle);
        if (!o.save.isEmpty())
            report::savePreviewFile(store, o.save);
    }
    if (!o.text.isEmpty())
        report::exportTextFile(r, o.text, false);
    if (print)
        check(report::Print(r, false), printer, o);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Nothing is shown: the documents are composed without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args == QStringList{QStringLiteral("--help")}) {
        std::fputs(usage, stdout);
        return 0;
    }
    // Standard error carries our one line on failure, not the toolkit's notices.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "ledgora-print: %s\n", qPrintable(message));
    });
    int qtArgc = 1;
    QApplication app(qtArgc, argv); // the arguments are ours, not the toolkit's
    platform::loadApplicationFonts();
    try {
        return run(parse(args));
    } catch (const platform::Error& e) {
        std::fprintf(stderr, "ledgora-print: %s\n", qPrintable(e.message()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ledgora-print: %s\n", e.what());
    }
    return 1;
}
