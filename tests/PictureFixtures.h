#pragma once
// Small picture files written byte by byte, so each test shows exactly what a file holds.
// Every drawing is a red rectangle on nothing, placed so that whether the picture is shown at
// its stated bounds or only at what it drew can be told apart.
#include <QByteArray>
#include <QColor>
#include <QString>
#include <QtEndian>

namespace fixtures {

inline void put16(QByteArray& b, quint16 v) {
    b.append(char(v & 0xff));
    b.append(char(v >> 8));
}
inline void put32(QByteArray& b, quint32 v) {
    put16(b, quint16(v & 0xffff));
    put16(b, quint16(v >> 16));
}
inline void set16(QByteArray& b, qsizetype at, quint16 v) {
    qToLittleEndian(v, b.data() + at);
}
inline void set32(QByteArray& b, qsizetype at, quint32 v) {
    qToLittleEndian(v, b.data() + at);
}

inline constexpr QRgb kRed = 0xffff0000;
inline constexpr QRgb kBlue = 0xff0000ff;

// A w × h bitmap, top row red, every other row blue; 24 bits a pixel, or 8 with a palette.
inline QByteArray bmp(int w, int h, int bits) {
    const int rowBytes = ((w * bits / 8) + 3) / 4 * 4;
    const int paletteBytes = bits == 8 ? 256 * 4 : 0;
    const int offset = 14 + 40 + paletteBytes;
    QByteArray b;
    b.append("BM");
    put32(b, quint32(offset + rowBytes * h));
    put32(b, 0);
    put32(b, quint32(offset));
    put32(b, 40);
    put32(b, quint32(w));
    put32(b, quint32(h)); // positive: rows stored bottom-up
    put16(b, 1);
    put16(b, quint16(bits));
    put32(b, 0); // uncompressed
    put32(b, quint32(rowBytes * h));
    put32(b, 3780);
    put32(b, 3780);
    put32(b, bits == 8 ? 256 : 0);
    put32(b, 0);
    if (bits == 8) {
        for (int i = 0; i < 256; ++i) {
            // index 1 red, index 2 blue, the rest grey (B, G, R, 0)
            const QColor c = i == 1 ? QColor(kRed) : i == 2 ? QColor(kBlue) : QColor(i, i, i);
            b.append(char(c.blue()));
            b.append(char(c.green()));
            b.append(char(c.red()));
            b.append(char(0));
        }
    }
    for (int row = h - 1; row >= 0; --row) {
        const QColor c(row == 0 ? kRed : kBlue);
        QByteArray line;
        for (int x = 0; x < w; ++x) {
            if (bits == 8) {
                line.append(char(row == 0 ? 1 : 2));
            } else {
                line.append(char(c.blue()));
                line.append(char(c.green()));
                line.append(char(c.red()));
            }
        }
        line.append(QByteArray(rowBytes - line.size(), '\0'));
        b.append(line);
    }
    return b;
}

// A w × h bitmap of one bit a pixel, all of its first colour (red): the smallest file for a
// large picture.
inline QByteArray bmp1(int w, int h) {
    const qint64 rowBytes = (qint64(w) + 31) / 32 * 4;
    QByteArray b("BM");
    put32(b, quint32(14 + 40 + 8 + rowBytes * h));
    put32(b, 0);
    put32(b, 14 + 40 + 8);
    put32(b, 40);
    put32(b, quint32(w));
    put32(b, quint32(h));
    put16(b, 1);
    put16(b, 1);
    for (int i = 0; i < 6; ++i)
        put32(b, 0);
    put32(b, 0x00ff0000); // red, then blue
    put32(b, 0x000000ff);
    b.append(QByteArray(rowBytes * h, '\0'));
    return b;
}

// The same 5 × 3 bitmap, 8 bits a pixel, run-length encoded; without its end-of-bitmap mark
// when `ended` is false.
inline QByteArray rle8(bool ended) {
    QByteArray b = bmp(5, 3, 8).left(14 + 40 + 256 * 4);
    QByteArray runs;
    for (int row = 2; row >= 0; --row) {
        runs.append(char(5));
        runs.append(char(row == 0 ? 1 : 2));
        runs.append(char(0)); // end of line
        runs.append(char(0));
    }
    if (ended) {
        runs.append(char(0));
        runs.append(char(1));
    }
    set32(b, 30, 1); // BI_RLE8
    set32(b, 34, quint32(runs.size()));
    b.append(runs);
    set32(b, 2, quint32(b.size()));
    return b;
}

// A one-image icon of w × h (at most 256), 32 bits a pixel, all red and opaque.
inline QByteArray ico(int w, int h) {
    const int xorBytes = w * h * 4;
    const int andBytes = ((w + 31) / 32 * 4) * h;
    const int imageBytes = 40 + xorBytes + andBytes;
    QByteArray b;
    put16(b, 0);
    put16(b, 1); // icon
    put16(b, 1); // one image
    b.append(char(w & 0xff));
    b.append(char(h & 0xff));
    b.append(char(0));
    b.append(char(0));
    put16(b, 1);
    put16(b, 32);
    put32(b, quint32(imageBytes));
    put32(b, 22);
    put32(b, 40);
    put32(b, quint32(w));
    put32(b, quint32(2 * h)); // colour and mask together
    put16(b, 1);
    put16(b, 32);
    put32(b, 0);
    put32(b, quint32(xorBytes + andBytes));
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    for (int i = 0; i < w * h; ++i) {
        b.append(char(0));    // B
        b.append(char(0));    // G
        b.append(char(0xff)); // R
        b.append(char(0xff)); // A
    }
    b.append(QByteArray(andBytes, '\0'));
    return b;
}

// The closing EMR_EOF record (no palette), and the file size in the header.
inline void endEmf(QByteArray& b) {
    put32(b, 14); // EMR_EOF
    put32(b, 20);
    put32(b, 0);
    put32(b, 16);
    put32(b, 20);
    set32(b, 48, quint32(b.size()));
}

// Enhanced metafile: reference device of 1000 × 1000 pixels on 254 × 254 mm, a frame of
// one inch (100 device pixels, shown as 96 × 96), a red rectangle from (25, 25) to (75, 75).
// Offsets of the records, for tests that damage them.
inline constexpr qsizetype kEmfRectangleAt = 88 + 24 + 12;
inline QByteArray emf() {
    QByteArray b;
    put32(b, 1); // EMR_HEADER
    put32(b, 88);
    for (quint32 v : {25u, 25u, 75u, 75u}) // bounds, device pixels
        put32(b, v);
    for (quint32 v : {0u, 0u, 2540u, 2540u}) // frame, hundredths of a millimetre
        put32(b, v);
    put32(b, 0x464D4520); // " EMF"
    put32(b, 0x10000);
    put32(b, 0); // size, set below
    put32(b, 5); // records
    put16(b, 2); // handles
    put16(b, 0);
    put32(b, 0); // no description
    put32(b, 0);
    put32(b, 0); // no palette
    put32(b, 1000);
    put32(b, 1000);
    put32(b, 254);
    put32(b, 254);

    put32(b, 39); // EMR_CREATEBRUSHINDIRECT
    put32(b, 24);
    put32(b, 1);
    put32(b, 0);          // solid
    put32(b, 0x000000ff); // red (COLORREF is 0x00BBGGRR)
    put32(b, 0);
    put32(b, 37); // EMR_SELECTOBJECT
    put32(b, 12);
    put32(b, 1);
    put32(b, 43); // EMR_RECTANGLE
    put32(b, 24);
    for (quint32 v : {25u, 25u, 75u, 75u})
        put32(b, v);
    endEmf(b);
    return b;
}

// emf() with one more record before its end record.
inline QByteArray emfWith(const QByteArray& record) {
    QByteArray b = emf();
    b.insert(b.size() - 20, record);
    set32(b, 48, quint32(b.size()));
    set32(b, 52, 6);
    return b;
}

// EMR_POLYLINE16 stating `count` points and holding the two given.
inline QByteArray emfPolyline16(quint32 count) {
    QByteArray r;
    put32(r, 87);
    put32(r, 28 + 8);
    for (quint32 v : {25u, 25u, 75u, 75u})
        put32(r, v);
    put32(r, count);
    for (quint16 v : {25, 25, 75, 75})
        put16(r, v);
    return r;
}

// EMR_GDICOMMENT of `size` bytes stating `count` bytes of comment (the rest is padding).
inline QByteArray emfComment(quint32 size, quint32 count) {
    QByteArray r;
    put32(r, 70);
    put32(r, size);
    put32(r, count);
    r.append(QByteArray(qsizetype(size) - 12, 'c'));
    return r;
}

// EMR_EXTCREATEFONTINDIRECTW for a 12-unit font of the given face, selected as object 2.
inline QByteArray emfFont(const QString& face) {
    QByteArray r;
    put32(r, 82);
    put32(r, 12 + 92);
    put32(r, 2);
    put32(r, quint32(-12));     // height
    for (int i = 0; i < 4; ++i) // width, escapement, orientation, weight
        put32(r, i == 3 ? 400 : 0);
    r.append(QByteArray(8, '\0')); // italic ... pitch and family
    QByteArray name(64, '\0');
    for (qsizetype i = 0; i < face.size() && i < 31; ++i)
        set16(name, 2 * i, face[i].unicode());
    r.append(name);
    put32(r, 37); // EMR_SELECTOBJECT
    put32(r, 12);
    put32(r, 2);
    return r;
}

// EMR_EXTTEXTOUTW stating `chars` characters and holding the two of "Ab", with advances.
inline QByteArray emfText(quint32 chars) {
    QByteArray r;
    put32(r, 84);
    put32(r, 76 + 4 + 8);
    for (quint32 v : {25u, 25u, 75u, 40u}) // bounds
        put32(r, v);
    put32(r, 1); // GM_COMPATIBLE
    put32(r, 0);
    put32(r, 0);
    put32(r, 25); // reference point
    put32(r, 25);
    put32(r, chars);
    put32(r, 76); // the string
    put32(r, 0);  // options
    for (quint32 v : {0u, 0u, 0u, 0u})
        put32(r, v);
    put32(r, 80); // the advances
    r.append("A\0b\0", 4);
    put32(r, 8);
    put32(r, 8);
    return r;
}

// A 2 × 2 red bitmap as a metafile carries it: BITMAPINFOHEADER, then 24-bit rows of 8 bytes.
inline constexpr qsizetype kDibBytes = 40 + 16;
inline QByteArray dib2x2() {
    QByteArray b;
    put32(b, 40);
    put32(b, 2);
    put32(b, 2);
    put16(b, 1);
    put16(b, 24);
    for (int i = 0; i < 6; ++i)
        put32(b, 0);
    for (int row = 0; row < 2; ++row)
        b.append(QByteArray::fromHex("0000ff0000ff0000"));
    return b;
}

// The enhanced metafile of emf(), with the rectangle drawn as a 2 × 2 bitmap stretched over
// (25, 25)-(75, 75) instead: `info` is its header and colours, `bits` its pixels.
inline QByteArray emfStretchDib(const QByteArray& info, const QByteArray& bits) {
    QByteArray b = emf().left(88);
    put32(b, 81); // EMR_STRETCHDIBITS
    put32(b, quint32(80 + info.size() + bits.size()));
    for (quint32 v : {25u, 25u, 75u, 75u}) // bounds
        put32(b, v);
    for (quint32 v : {25u, 25u, 0u, 0u, 2u, 2u}) // destination and source corners, source size
        put32(b, v);
    put32(b, 80); // header and colours
    put32(b, quint32(info.size()));
    put32(b, quint32(80 + info.size())); // pixels
    put32(b, quint32(bits.size()));
    put32(b, 0);          // RGB colours
    put32(b, 0x00CC0020); // SRCCOPY
    put32(b, 50);         // destination size
    put32(b, 50);
    b.append(info);
    b.append(bits);
    endEmf(b);
    set32(b, 52, 3);
    return b;
}

// The 24-bit 2 × 2 red bitmap so; its header starts at kEmfBitmapAt.
inline constexpr qsizetype kEmfBitmapAt = 88 + 80;
inline QByteArray emfBitmap() {
    const QByteArray dib = dib2x2();
    return emfStretchDib(dib.left(40), dib.mid(40));
}

// Windows metafile, with or without the placeable header: logical space 0..1000 both ways,
// 1000 units an inch (so 96 × 96 pixels), a red rectangle from (250, 250) to (750, 750).
inline constexpr qsizetype kPlaceableSize = 22;
inline QByteArray wmf(bool placeable) {
    QByteArray b;
    if (placeable) {
        put32(b, 0x9AC6CDD7);
        put16(b, 0);
        for (quint16 v : {0, 0, 1000, 1000}) // left, top, right, bottom
            put16(b, v);
        put16(b, 1000); // units an inch
        put32(b, 0);
        quint16 sum = 0;
        for (int i = 0; i < 20; i += 2)
            sum ^= quint16(uchar(b[i]) | (uchar(b[i + 1]) << 8));
        put16(b, sum);
    }
    const qsizetype start = b.size();
    put16(b, 1);     // in a file
    put16(b, 9);     // header words
    put16(b, 0x300); // version
    put32(b, 0);     // size in words, set below
    put16(b, 1);     // objects
    put32(b, 7);     // largest record, words
    put16(b, 0);

    put32(b, 5); // SetWindowOrg(0, 0)
    put16(b, 0x020B);
    put16(b, 0);
    put16(b, 0);
    put32(b, 5); // SetWindowExt(1000, 1000)
    put16(b, 0x020C);
    put16(b, 1000);
    put16(b, 1000);
    put32(b, 7); // CreateBrushIndirect(solid, red)
    put16(b, 0x02FC);
    put16(b, 0);
    put32(b, 0x000000ff);
    put16(b, 0);
    put32(b, 4); // SelectObject(0)
    put16(b, 0x012D);
    put16(b, 0);
    put32(b, 7); // Rectangle: bottom, right, top, left
    put16(b, 0x041B);
    for (quint16 v : {750, 750, 250, 250})
        put16(b, v);
    put32(b, 3); // end of file
    put16(b, 0);
    set32(b, start + 6, quint32((b.size() - start) / 2));
    return b;
}

// The placeable metafile of wmf(true), with the rectangle drawn as the 2 × 2 bitmap stretched
// over (250, 250)-(750, 750). The bitmap's header starts at kWmfBitmapAt.
inline constexpr qsizetype kWmfBitmapAt = kPlaceableSize + 18 + 10 + 10 + 28;
inline QByteArray wmfBitmap() {
    QByteArray b = wmf(true).left(kPlaceableSize + 18 + 10 + 10); // headers, window origin and extent
    const quint32 words = quint32(28 + kDibBytes) / 2;
    put32(b, words); // StretchDIB
    put16(b, 0x0F43);
    put32(b, 0x00CC0020);                              // SRCCOPY
    put16(b, 0);                                       // RGB colours
    for (quint16 v : {2, 2, 0, 0, 500, 500, 250, 250}) // source h, w, y, x; destination h, w, y, x
        put16(b, v);
    b.append(dib2x2());
    put32(b, 3);
    put16(b, 0);
    set32(b, kPlaceableSize + 6, quint32((b.size() - kPlaceableSize) / 2));
    set32(b, kPlaceableSize + 12, words);
    return b;
}

} // namespace fixtures
