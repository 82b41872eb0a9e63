#include "app/DocumentRequests.h"
#include "report/Preview.h"
#include "report/Printing.h"

namespace ledgora {
namespace {

DocumentRequests* installed = nullptr;

} // namespace

void DocumentRequests::preview(report::TReport& report) {
    report::Preview(report);
}

void DocumentRequests::print(report::TReport& report) {
    // Busy, no printer, a cancelled run: each is silence, as the toolbar wants it.
    report::Print(report);
}

void setDocumentRequests(DocumentRequests* requests) {
    installed = requests;
}

DocumentRequests& documentRequests() {
    static DocumentRequests real;
    return installed ? *installed : real;
}

} // namespace ledgora
