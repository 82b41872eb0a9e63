// The four printed documents: vat, rr, bill and transfer, each as .pdf, .png (100 dpi) and .txt.
#include "report/Report.h"
#include "templates/Unit2.h"
#include "templates/Unit3.h"
#include "templates/Unit4.h"
#include "templates/Unit9.h"
#include "tools/snapshot.h"

#include <cstdio>

namespace {

void writeDocument(report::TReport& report, const QString& out, const QString& name) {
    report::PageStore store;
    report.Compose(store);
    const QString base = out + QLatin1Char('/') + name;
    bool ok = report::writePdf(store, base + QStringLiteral(".pdf"));
    ok &= report::writePng(store.page(1), base + QStringLiteral(".png"), 100);
    ok &= report::writeText(store, base + QStringLiteral(".txt"));
    if (!ok)
        std::fprintf(stderr, "%s: not all files written\n", qPrintable(name));
}

void write(const QString& out) {
    TFormVat vat;
    writeDocument(vat.Report1, out, QStringLiteral("vat"));
    TFaktura_RR rr;
    writeDocument(rr.Report1, out, QStringLiteral("rr"));
    TFormRachunek bill;
    writeDocument(bill.Report1, out, QStringLiteral("bill"));
    TPoczta transfer;
    transfer.CopyFormPicture(); // as the main window does before every preview and print
    writeDocument(transfer.Report1, out, QStringLiteral("transfer"));
}

const snapshot::Part part("documents", write);

} // namespace
