// libFuzzer target: arbitrary bytes read as a saved preview. What is read is drawn, as the
// preview would show it, and saved again, which must give the same pages back. Any other
// outcome than pages or platform::Error is a fault: a crash, a sanitizer report, a hang,
// unbounded memory, or pages that cannot be saved as they were read.
#include "FuzzQt.h"
#include "platform/Error.h"
#include "report/PreviewFile.h"
#include "report/Render.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    report::PageStore store;
    try {
        store.setPages(report::readPreview(bytes));
    } catch (const platform::Error&) {
        return 0; // refused: the expected outcome for nearly every input
    }

    // A small canvas at a low resolution: every drawing is replayed, most of it clipped.
    QImage canvas(120, 170, QImage::Format_ARGB32_Premultiplied);
    for (const report::StoredPage& page : store.pages()) {
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        report::renderPage(painter, page, 14, 14);
    }

    QByteArray again;
    QBuffer buffer(&again);
    buffer.open(QIODevice::WriteOnly);
    report::PageStore reread;
    try {
        report::writePreview(store, buffer);
        reread.setPages(report::readPreview(again));
    } catch (const platform::Error&) {
        std::abort(); // read, but cannot be saved and read again
    }
    if (!reread.samePages(store))
        std::abort();
    return 0;
}
