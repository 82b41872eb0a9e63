#pragma once
// Handing a finished document to the print spooler as one job. The document is drawn into a
// PDF first and handed over only when the run has completed, so that a cancelled run leaves
// no job behind.
#include <QString>

namespace platform {

struct PrintJob {
    QString printer = {}; // queue name
    QString title = {};   // the job's document name (may be empty)
    QString file = {};    // a finished PDF to print
    int copies = 1;
    bool landscape = false; // the document's orientation; a landscape document's pages are landscape-sized
    QString paperSize = {}; // "A4", "Letter", … or a PWG media name ("iso_a4_210x297mm"); empty: the queue's
    int paperSource = 0;    // device-mode paper-source code (1 upper … 14 cassette); 0 none
};

class PrintSpooler {
public:
    virtual ~PrintSpooler() = default;
    virtual void submit(const PrintJob& job) = 0;
};

// Installs a spooler (nullptr restores the real one). The caller keeps ownership.
void setPrintSpooler(PrintSpooler* spooler);

// Submits the job to the scheduler libcups finds (CUPS_SERVER, client.conf, the local one). Throws
// platform::Error, with the spooler's reason, when the printer is unknown, the spooler cannot be reached, the
// file cannot be read or the job is refused.
//
// What the real spooler sends with the job:
// - copies: `copies`;
// - paper: the PWG media name of `paperSize` (PWG, PPD and legacy names are all understood;
//   an unknown name is passed on as given), so an A4 document is not fitted to the queue's
//   default paper;
// - landscape: `orientation-requested=landscape`; the spooler then lays the landscape page on
//   the sheet turned, at full size;
// - paper source: an IPP `media-source` keyword, only when the printer lists it in
//   `media-source-supported`, sent inside `media-col` (a bare `media-source` never reaches the
//   driver), the paper size then going in there too as `media-size`. The keywords tried for each code, first
//   supported one wins: 1 top · 2 bottom · 3 middle · 4 manual, by-pass-tray · 5 envelope · 6 env-manual,
//   envelope, manual · 7 auto · 8 tractor · 9 small-format · 10 large-format · 11 large-capacity · 14 main;
//   other codes send none. A PPD's InputSlot Upper, Lower, Cassette, EnvManual… is listed under these
//   keywords.
void submitPrintJob(const PrintJob& job);

} // namespace platform
