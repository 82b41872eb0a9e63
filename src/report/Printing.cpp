#include "report/Printing.h"
#include "platform/Error.h"
#include "platform/PrintJobs.h"
#include "report/PageStore.h"
#include "report/ProgressForm.h"
#include "report/Render.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTimer>
#include <memory>

namespace report {
namespace {

QPageSize::PageSizeId pageSizeId(TRpPaperSize size) {
    switch (size) {
    case TRpPaperSize::Letter:
    case TRpPaperSize::LetterSmall:
        return QPageSize::Letter;
    case TRpPaperSize::Tabloid:
    case TRpPaperSize::Size11X17:
        return QPageSize::Tabloid;
    case TRpPaperSize::Ledger:
        return QPageSize::Ledger;
    case TRpPaperSize::Legal:
        return QPageSize::Legal;
    case TRpPaperSize::Statement:
        return QPageSize::Statement;
    case TRpPaperSize::Executive:
        return QPageSize::Executive;
    case TRpPaperSize::A3:
        return QPageSize::A3;
    case TRpPaperSize::A4:
    case TRpPaperSize::A4Small:
        return QPageSize::A4;
    case TRpPaperSize::A5:
        return QPageSize::A5;
    case TRpPaperSize::B4:
        return QPageSize::B4;
    case TRpPaperSize::B5:
        return QPageSize::B5;
    case TRpPaperSize::Folio:
        return QPageSize::Folio;
    case TRpPaperSize::Quarto:
        return QPageSize::Quarto;
    case TRpPaperSize::Size10X14:
        return QPageSize::Imperial10x14;
    case TRpPaperSize::Note:
        return QPageSize::Note;
    case TRpPaperSize::Env9:
        return QPageSize::Envelope9;
    case TRpPaperSize::Env10:
        return QPageSize::Comm10E;
    case TRpPaperSize::Env11:
        return QPageSize::Envelope11;
    case TRpPaperSize::Env12:
        return QPageSize::Envelope12;
    case TRpPaperSize::Env14:
        return QPageSize::Envelope14;
    case TRpPaperSize::CSheet:
        return QPageSize::ArchC;
    case TRpPaperSize::DSheet:
        return QPageSize::ArchD;
    case TRpPaperSize::ESheet:
        return QPageSize::ArchE;
    case TRpPaperSize::Default:
    case TRpPaperSize::Custom:
        break;
    }
    return QPageSize::Custom;
}

// The paper the report asks for; a custom size takes the page's own width and length.
QPageSize paperOf(const TRpPage& page) {
    const QPageSize::PageSizeId id = pageSizeId(page.PaperSize);
    if (id != QPageSize::Custom)
        return QPageSize(id);
    const QSizeF portrait(std::min(page.Width, page.Length) / 10.0, std::max(page.Width, page.Length) / 10.0);
    return QPageSize(portrait, QPageSize::Millimeter);
}

QPrinterInfo printerFor(const TReport& report) {
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    if (printers.isEmpty())
        return {};
    const int index = report.PrinterSettings.PrinterIndex;
    if (index >= 0 && index < printers.size())
        return printers[index];
    // The default printer, also when the chosen one has gone since.
    const QPrinterInfo chosen = QPrinterInfo::defaultPrinter();
    return chosen.isNull() ? printers.first() : chosen;
}

// One request behind the progress window: the window (when shown) and the cancel mark.
class Request {
public:
    explicit Request(bool progressWindow) {
        if (progressWindow) {
            progress_ = std::make_unique<TRpProgressForm>();
            QObject::connect(progress_.get(), &TRpProgressForm::cancelRequested,
                             [this] { cancelled_ = true; });
            progress_->show();
            flush();
        }
    }
    // Lets the progress window paint and take a press of Cancel.
    void flush() {
        if (progress_)
            QCoreApplication::processEvents();
    }
    bool cancelled() const { return cancelled_; }

private:
    std::unique_ptr<TRpProgressForm> progress_;
    bool cancelled_ = false;
};

// Composes the report for a request; false when the run was cancelled.
bool composeFor(TReport& report, Request& request, PageStore& store) {
    report.Compose(store);
    request.flush();
    if (request.cancelled())
        store.cancel = true;
    return !store.abandoned() && !store.cancel && store.finished();
}

PrintSetupDialog* installedSetup = nullptr;

// The system's print dialog, limited to what the setup keeps: printer, copies, orientation,
// all pages or a range. It prints nothing, so its confirm button does not say "Print".
class SystemPrintDialog : public PrintSetupDialog {
public:
    bool run(PrintSetupValues& v) override {
        QPrinterInfo info = QPrinterInfo::printerInfo(v.printer);
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setCopyCount(v.copies);
        printer.setPageOrientation(v.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        printer.setFromTo(v.fromPage, v.toPage);
        printer.setPrintRange(v.allPages ? QPrinter::AllPages : QPrinter::PageRange);
        QPrintDialog dialog(&printer);
        dialog.setWindowTitle(QStringLiteral("Printer setup"));
        dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintShowPageSize);
        dialog.setMinMax(v.minPage, v.maxPage);
        auto renameConfirm = [&dialog] {
            for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
                if (QAbstractButton* ok = box->button(QDialogButtonBox::Ok))
                    ok->setText(QStringLiteral("OK"));
        };
        renameConfirm();
        QTimer::singleShot(0, &dialog, renameConfirm); // the dialog names it again when shown
        if (dialog.exec() != QDialog::Accepted)
            return false;
        v.printer = printer.printerName();
        v.copies = printer.copyCount();
        v.landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
        v.allPages = printer.printRange() != QPrinter::PageRange;
        v.fromPage = printer.fromPage();
        v.toPage = printer.toPage();
        return true;
    }
};

// What travels with one job besides its pages.
struct JobSettings {
    QPrinterInfo printer;
    QString title;
    int copies = 1;
    int firstPage = 0;
    int lastPage = 0;
    bool landscape = false;
    QPageSize paper;
    int paperSource = 0;
};

// Sends the composed pages in the job's range as one job.
PrintResult sendPages(const PageStore& store, const JobSettings& settings, Request& request) {
    // Pages outside the range were composed with the others and go no further.
    std::vector<int> pages;
    for (int n = 1; n <= store.pageCount(); ++n)
        if ((settings.firstPage <= 0 || n >= settings.firstPage) &&
            (settings.lastPage <= 0 || n <= settings.lastPage))
            pages.push_back(n);
    if (pages.empty())
        return PrintResult::NothingInRange;

    // The job is drawn into a file first and reaches the printing system only once it is
    // complete: a cancelled run leaves no job behind.
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/ledgora-print-XXXXXX.pdf"));
    if (!file.open())
        throw platform::Error(QStringLiteral("Cannot create the print job: ") + file.errorString());
    const QPrinter printer(settings.printer, QPrinter::HighResolution);
    PdfOptions options;
    options.title = settings.title;
    options.dpi = printer.resolution() > 0 ? printer.resolution() : 600;
    options.archive = false;
    options.pages = pages;
    options.beforePage = [&request](int) {
        request.flush();
        return !request.cancelled();
    };
    const bool written = writePdf(store, file, options) && file.flush();
    request.flush();
    if (request.cancelled())
        return PrintResult::Cancelled;
    if (!written)
        throw platform::Error(QStringLiteral("Cannot create the print job: ") + file.errorString());
    file.close();

    platform::PrintJob job;
    job.printer = settings.printer.printerName();
    job.title = settings.title;
    job.file = file.fileName();
    job.copies = std::max(1, settings.copies);
    job.landscape = settings.landscape;
    job.paperSize = settings.paper.key();
    job.paperSource = settings.paperSource;
    platform::submitPrintJob(job);
    return PrintResult::Printed;
}

} // namespace

QStringList installedPrinters() {
    QStringList names;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        names << info.printerName();
    return names;
}

QString printerNameFor(const TReport& report) {
    return printerFor(report).printerName();
}

PrintResult Print(TReport& report, bool progressWindow) {
    if (!report.Available())
        return PrintResult::Busy;
    const QPrinterInfo info = printerFor(report);
    if (info.isNull())
        return PrintResult::NoPrinter;
    TReport::Hold hold(report);
    Request request(report.ShowProgress && progressWindow);
    PageStore store;
    if (!composeFor(report, request, store))
        return PrintResult::Cancelled;
    const TRpPrinterSettings& s = report.PrinterSettings;
    return sendPages(store,
                     {.printer = info,
                      .title = report.ReportTitle,
                      .copies = s.Copies,
                      .firstPage = s.FirstPage,
                      .lastPage = s.LastPage,
                      .landscape = report.Page.Orientation == poLandscape,
                      .paper = paperOf(report.Page),
                      .paperSource = paperSourceCode(s.OutputBin)},
                     request);
}

PrintResult printPages(const PageStore& store, const QString& printerName, int copies, int firstPage,
                       int lastPage) {
    if (store.pageCount() == 0)
        return PrintResult::NothingInRange;
    const QPrinterInfo info =
        printerName.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        return PrintResult::NoPrinter;
    Request request(false);
    const StoredPage& first = store.page(1);
    const QSizeF portrait(std::min(first.width, first.length) / 10.0,
                          std::max(first.width, first.length) / 10.0);
    return sendPages(store,
                     {.printer = info,
                      .copies = copies,
                      .firstPage = firstPage,
                      .lastPage = lastPage,
                      .landscape = first.landscape(),
                      .paper = QPageSize(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch)},
                     request);
}

bool exportTextFile(TReport& report, const QString& fileName, bool progressWindow) {
    if (!report.Available())
        return false;
    TReport::Hold hold(report);
    Request request(report.ShowProgress && progressWindow);
    PageStore store;
    if (!composeFor(report, request, store))
        return false;
    saveTextFile(store, fileName);
    return true;
}

void setPrintSetupDialog(PrintSetupDialog* dialog) {
    installedSetup = dialog;
}

bool PrinterSetup(TReport& report, int composedPages) {
    if (!report.Available())
        return false;
    const QPrinterInfo info = printerFor(report);
    if (info.isNull())
        return false;
    TReport::Hold hold(report);
    TRpPrinterSettings& settings = report.PrinterSettings;
    PrintSetupValues values;
    values.printers = installedPrinters();
    values.printer = info.printerName();
    values.copies = std::max(1, settings.Copies);
    values.landscape = report.Page.Orientation == poLandscape;
    // Bounded by the pages composed; with no finished composition, by 0 and 9999.
    values.minPage = composedPages > 0 ? 1 : 0;
    values.maxPage = composedPages > 0 ? composedPages : 9999;
    values.allPages = settings.FirstPage <= 0 && settings.LastPage <= 0;
    values.fromPage =
        values.allPages ? values.minPage : std::clamp(settings.FirstPage, values.minPage, values.maxPage);
    values.toPage = values.allPages ? values.maxPage
                                    : std::clamp(settings.LastPage > 0 ? settings.LastPage : values.maxPage,
                                                 values.fromPage, values.maxPage);

    static SystemPrintDialog system;
    PrintSetupDialog& dialog = installedSetup ? *installedSetup : system;
    if (!dialog.run(values))
        return false;
    settings.Copies = std::max(1, values.copies);
    const qsizetype index = values.printers.indexOf(values.printer);
    settings.PrinterIndex = index >= 0 ? int(index) : -1;
    report.Page.setOrientation(values.landscape ? poLandscape : poPortrait);
    settings.FirstPage = values.allPages ? 0 : values.fromPage;
    settings.LastPage = values.allPages ? 0 : values.toPage;
    return true;
}

} // namespace report
