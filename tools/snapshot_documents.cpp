// The four printed documents: vat, rr, bill and transfer, each as .pdf, .png (100 dpi) and .txt.
#include "report/Report.h"
#include "templates/Documents.h"
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
    templates::Documents documents;
    documents.transfer.CopyFormPicture(); // as the main window does before every preview and print
    for (const char* name : templates::Documents::names)
        writeDocument(*documents.byName(QString::fromLatin1(name)), out, QLatin1String(name));
}

const snapshot::Part part("documents", write);

} // namespace
