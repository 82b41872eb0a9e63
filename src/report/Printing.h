#pragma once
// Printing a report, its print setup, and the exports that compose it anew.
#include "report/Model.h"

#include <QString>
#include <QStringList>

namespace report {

class PageStore;

enum class PrintResult {
    Printed,        // the job was handed to the printing system
    Busy,           // a run of the report was going on: nothing done
    NoPrinter,      // no printer installed: nothing done, nothing said
    NothingInRange, // no composed page falls in the page range: no job started
    Cancelled,      // Cancel in the progress window: no job started
};

// Composes the report and sends the pages in its page range to its printer with its
// settings (copies, orientation, paper, bin), behind the progress window when the report
// shows progress and `progressWindow` allows it. The report stays busy for the whole
// request. Throws platform::Error when the printing system refuses the job.
PrintResult Print(TReport& report, bool progressWindow = true);

// Sends pages composed earlier (a loaded saved preview) to `printerName` (empty: the default
// printer), in their own paper size and orientation, without a progress window.
PrintResult printPages(const PageStore& store, const QString& printerName, int copies = 1, int firstPage = 0,
                       int lastPage = 0);

// Composes the report anew and writes its text export to `fileName` (all or nothing),
// behind the progress window. Returns false when the report was busy or the run cancelled;
// throws platform::Error when the file cannot be written.
bool exportTextFile(TReport& report, const QString& fileName, bool progressWindow = true);

// The printer a report prints on: its printer index among the installed printers, the
// default printer for -1 or for an index that no longer exists. Empty when none is installed.
QString printerNameFor(const TReport& report);
QStringList installedPrinters();

// What the print setup dialog shows and gives back.
struct PrintSetupValues {
    QStringList printers;
    QString printer;
    int copies = 1;
    bool landscape = false;
    bool allPages = true;
    int fromPage = 0;
    int toPage = 0;
    int minPage = 0; // the range the dialog allows
    int maxPage = 0;
};

class PrintSetupDialog {
public:
    virtual ~PrintSetupDialog() = default;
    // True on OK, with `values` changed as the user chose.
    virtual bool run(PrintSetupValues& values) = 0;
};

// Installs a dialog (nullptr restores the system's print dialog). The caller keeps ownership.
void setPrintSetupDialog(PrintSetupDialog* dialog);

// The print setup of a report whose last finished composition has `composedPages` pages
// (0: none). Does nothing when the report is busy or no printer is installed. On OK the report
// keeps the printer, copies, orientation and page range. Returns true on OK.
bool PrinterSetup(TReport& report, int composedPages);

} // namespace report
