// libFuzzer target: arbitrary bytes loaded as a picture file of one kind (the extension is
// fixed when the target is built), then drawn, as the options page would show it. Any
// outcome but a picture or platform::Error is a fault: a crash, a sanitizer report, a hang
// or unbounded memory.
#include "platform/Error.h"
#include "platform/PictureFile.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>

#ifndef LEDGORA_FUZZ_EXTENSION
#error "LEDGORA_FUZZ_EXTENSION names the picture kind to fuzz"
#endif

namespace {
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    // Qt's own arguments only: libFuzzer's flags are not for it.
    static int argc = 1;
    static char name[] = "picturefile_fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const platform::Picture picture =
            platform::loadPictureData(bytes, QStringLiteral(LEDGORA_FUZZ_EXTENSION));
        QImage canvas(100, 100, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        picture.draw(painter, QRectF(0, 0, 100, 100));
    } catch (const platform::Error&) {
        // refused: the expected outcome for nearly every input
    }
    return 0;
}
