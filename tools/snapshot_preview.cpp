// preview-width.png and preview-100.png: the print preview of the VAT invoice, at page width
// as it opens and at 100 %, in a window of 1024 x 768.
#include "report/Preview.h"
#include "templates/Unit2.h"
#include "tools/snapshot.h"

#include <QCoreApplication>

namespace {

void write(const QString& out) {
    TFormVat vat;
    auto* window = new report::TRpStandardPreview(vat.Report1);
    window->resize(1024, 768);
    window->show();
    QCoreApplication::processEvents();
    window->compose();
    QCoreApplication::processEvents();
    window->grab().save(out + QStringLiteral("/preview-width.png"));
    window->ZoomTo100Click();
    window->grab().save(out + QStringLiteral("/preview-100.png"));
    delete window;
}

const snapshot::Part part("preview", write);

} // namespace
