#pragma once
// Where the main window's preview and print requests go: to the print preview and the
// printer, or, in tests, to a recorder.
namespace report {
class TReport;
}

namespace ledgora {

class DocumentRequests {
public:
    virtual ~DocumentRequests() = default;
    // Opens the print preview of `report` and returns once its window has closed.
    virtual void preview(report::TReport& report);
    // Prints `report` behind its progress window.
    virtual void print(report::TReport& report);
};

// Installs where requests go (nullptr restores the preview and the printer). The caller keeps
// ownership.
void setDocumentRequests(DocumentRequests* requests);
DocumentRequests& documentRequests();

} // namespace ledgora
