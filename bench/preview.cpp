// Times the print preview and the files it writes, on the offscreen platform:
//  - from the preview request to the first page painted at page width (the real Preview(),
//    its window maximised), for each document;
//  - a repaint of the page view at 100 % and at 2000 % (scrolled to the middle of the page);
//  - saving and loading the saved preview (.rpv) of each document, and its size;
//  - the PDF bytes per page of each document.
// Run by hand: build/bin/ledgora-bench-preview
#include "report/Preview.h"
#include "Median.h"
#include "report/PreviewFile.h"
#include "report/Render.h"
#include "templates/Documents.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace report;

namespace {

// Ends a preview as soon as its page view has painted a page, and notes when that was.
class PageShown : public QObject {
public:
    QElapsedTimer clock;
    double ms = -1;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && ms < 0)
            if (auto* view = qobject_cast<PageView*>(watched->parent()); view && view->page()) {
                // Measured once the paint has been handled.
                QTimer::singleShot(0, view, [this, view] {
                    if (ms < 0)
                        ms = clock.nsecsElapsed() / 1e6;
                    view->window()->close();
                });
            }
        return false;
    }
};

double firstPaint(TReport& report) {
    PageShown watch;
    qApp->installEventFilter(&watch);
    watch.clock.start();
    Preview(report);
    qApp->removeEventFilter(&watch);
    return watch.ms;
}

double repaint(TRpStandardPreview& w, int zoom) {
    w.RpPreview->setZoom(zoom);
    QScrollBar* h = w.RpPreview->horizontalScrollBar();
    QScrollBar* v = w.RpPreview->verticalScrollBar();
    h->setValue(h->maximum() / 2);
    v->setValue(v->maximum() / 2);
    return medianMs(21, [&] { w.RpPreview->viewport()->repaint(); });
}

void document(const char* name, TReport& report, const QString& dir) {
    std::vector<double> paints;
    const double cold = firstPaint(report);
    for (int i = 0; i < 11; ++i)
        paints.push_back(firstPaint(report));

    TRpStandardPreview w(report);
    w.resize(1024, 768);
    w.show();
    QCoreApplication::processEvents();
    w.compose();
    QCoreApplication::processEvents();
    const double at100 = repaint(w, 100);
    const double at2000 = repaint(w, 2000);

    const QString file = dir + QStringLiteral("/bench.rpv");
    const double save = medianMs(21, [&] { savePreviewFile(w.store(), file); });
    const double load = medianMs(21, [&] { loadPreviewFile(file); });
    const qint64 rpvBytes = QFileInfo(file).size();

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    writePdf(w.store(), pdf, {.title = QString::fromLatin1(name)});
    const double pdfPerPage = double(pdf.size()) / w.store().pageCount();

    std::printf("%-9s %9.1f %9.1f %9.2f %9.2f %9.2f %9.2f %9lld %10.0f\n", name, cold, median(paints), at100,
                at2000, save, load, rpvBytes, pdfPerPage);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    std::printf("times in ms (medians); first paint: request to the page painted at page width, maximised\n");
    std::printf("%-9s %9s %9s %9s %9s %9s %9s %9s %10s\n", "document", "paint1st", "paint", "rep100%",
                "rep2000%", "rpv save", "rpv load", "rpv B", "PDF B/pg");
    templates::Documents documents;
    documents.transfer.CopyFormPicture();
    for (const char* name : templates::Documents::names)
        document(name, *documents.byName(QString::fromLatin1(name)), dir.path());
    return 0;
}
