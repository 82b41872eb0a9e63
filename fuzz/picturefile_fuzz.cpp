// libFuzzer targets: arbitrary bytes loaded as a picture file of one kind (the extension is
// fixed when the target is built), then drawn, as the options page would show it. Any
// outcome but a picture or platform::Error is a fault: a crash, a sanitizer report, a hang
// or unbounded memory.
#include "FuzzQt.h"
#include "platform/Error.h"
#include "platform/PictureFile.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#ifndef LEDGORA_FUZZ_EXTENSION
#error "LEDGORA_FUZZ_EXTENSION names the picture kind to fuzz"
#endif

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::startQt();
    return 0;
}

#ifdef LEDGORA_FUZZ_RECORDS
// Nearly every random file fails the outer checks and never reaches the converters. The
// record targets turn their input into a well-formed metafile instead, so that the records'
// contents are what varies: each record is a type byte (two for WMF), a length byte in
// words and that many words of the input.
namespace {
void put16(QByteArray& b, quint16 v) {
    b.append(char(v & 0xff));
    b.append(char(v >> 8));
}
void put32(QByteArray& b, quint32 v) {
    put16(b, quint16(v & 0xffff));
    put16(b, quint16(v >> 16));
}

QByteArray takeWords(const std::uint8_t*& p, const std::uint8_t* end, std::size_t bytes) {
    const std::size_t have = std::min<std::size_t>(bytes, std::size_t(end - p));
    QByteArray out(reinterpret_cast<const char*>(p), qsizetype(have));
    out.append(QByteArray(qsizetype(bytes - have), '\0'));
    p += have;
    return out;
}

QByteArray metafileFrom(const std::uint8_t* p, const std::uint8_t* end, bool emf) {
    QByteArray b;
    if (emf) {
        put32(b, 1);
        put32(b, 88);
        for (quint32 v : {0u, 0u, 99u, 99u, 0u, 0u, 2646u, 2646u})
            put32(b, v);
        put32(b, 0x464D4520);
        put32(b, 0x10000);
        put32(b, 0);
        put32(b, 0);
        put16(b, 16);
        put16(b, 0);
        for (quint32 v : {0u, 0u, 0u, 1000u, 1000u, 254u, 254u})
            put32(b, v);
        while (end - p >= 2) {
            quint32 type = p[0] % 122 + 1;
            if (type == 1 || type == 14)
                type = 70; // a comment instead of a second header or an early end
            const std::size_t words = p[1];
            p += 2;
            put32(b, type);
            put32(b, quint32(8 + 4 * words));
            b.append(takeWords(p, end, 4 * words));
        }
        for (quint32 v : {14u, 20u, 0u, 16u, 20u})
            put32(b, v);
        const quint32 total = quint32(b.size());
        std::memcpy(b.data() + 48, &total, 4);
        return b;
    }
    put32(b, 0x9AC6CDD7);
    put16(b, 0);
    for (quint16 v : {0, 0, 1000, 1000, 1000})
        put16(b, v);
    put32(b, 0);
    put16(b, 0);
    const qsizetype start = b.size();
    put16(b, 1);
    put16(b, 9);
    put16(b, 0x300);
    put32(b, 0);
    put16(b, 16);
    put32(b, 3);
    put16(b, 0);
    quint32 largest = 3;
    while (end - p >= 3) {
        quint16 function = quint16(p[0] | (p[1] << 8));
        if (function == 0)
            function = 0x0626; // an escape instead of an early end
        const std::size_t words = p[2];
        p += 3;
        put32(b, quint32(3 + words));
        put16(b, function);
        b.append(takeWords(p, end, 2 * words));
        largest = std::max<quint32>(largest, quint32(3 + words));
    }
    put32(b, 3);
    put16(b, 0);
    const quint32 total = quint32((b.size() - start) / 2);
    std::memcpy(b.data() + start + 6, &total, 4);
    std::memcpy(b.data() + start + 12, &largest, 4);
    return b;
}
} // namespace
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
#ifdef LEDGORA_FUZZ_RECORDS
    const QByteArray bytes =
        metafileFrom(data, data + size, QStringLiteral(LEDGORA_FUZZ_EXTENSION) == u"emf");
#else
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
#endif
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
