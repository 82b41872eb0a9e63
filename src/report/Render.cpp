#include "report/Render.h"
#include "platform/SaveFile.h"
#include "report/TextMetrics.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <map>

namespace report {

namespace {

struct Device {
    double dpiX, dpiY;
    QPointF offset;
    int x(double tenths) const { return int(std::lround((tenths - offset.x()) * dpiX / 254.0)); }
    int y(double tenths) const { return int(std::lround((tenths - offset.y()) * dpiY / 254.0)); }
    // At least one pixel each way, so that a thin box still shows as a line.
    QRect rect(const QRectF& r) const {
        const int x1 = x(r.left()), y1 = y(r.top());
        return QRect(x1, y1, std::max(1, x(r.right()) - x1), std::max(1, y(r.bottom()) - y1));
    }
};

void outline(QPainter& p, const QRect& r, int w, const QColor& color) {
    const int wx = std::min(w, r.width()), wy = std::min(w, r.height());
    p.fillRect(QRect(r.left(), r.top(), r.width(), wy), color);
    p.fillRect(QRect(r.left(), r.bottom() - wy + 1, r.width(), wy), color);
    p.fillRect(QRect(r.left(), r.top(), wx, r.height()), color);
    p.fillRect(QRect(r.right() - wx + 1, r.top(), wx, r.height()), color);
}

void drawLine(QPainter& p, const Device& d, const DrawOp& op) {
    const QColor color = QColor::fromRgba(op.color);
    const int w = op.penWidth;
    if (op.p1.y() == op.p2.y()) {
        const int x1 = d.x(std::min(op.p1.x(), op.p2.x())), x2 = d.x(std::max(op.p1.x(), op.p2.x()));
        p.fillRect(QRect(x1, d.y(op.p1.y()) - w / 2, std::max(1, x2 - x1), w), color);
    } else if (op.p1.x() == op.p2.x()) {
        const int y1 = d.y(std::min(op.p1.y(), op.p2.y())), y2 = d.y(std::max(op.p1.y(), op.p2.y()));
        p.fillRect(QRect(d.x(op.p1.x()) - w / 2, y1, w, std::max(1, y2 - y1)), color);
    } else {
        p.setPen(QPen(color, w));
        p.drawLine(QPoint(d.x(op.p1.x()), d.y(op.p1.y())), QPoint(d.x(op.p2.x()), d.y(op.p2.y())));
    }
}

void drawStripe(QPainter& p, const Device& d, const DrawOp& op) {
    const QRect r = d.rect(op.rect);
    const double dpi = (op.side == DrawOp::Top || op.side == DrawOp::Bottom) ? d.dpiY : d.dpiX;
    // One-pixel lines going inward, as many as the width in points covers, at least one.
    const int n = std::max(1, int(std::lround(op.frameWidth * dpi / 72.0)));
    const QColor color = QColor::fromRgba(op.color);
    switch (op.side) {
    case DrawOp::Top:
        p.fillRect(QRect(r.left(), r.top(), r.width(), std::min(n, r.height())), color);
        break;
    case DrawOp::Bottom:
        p.fillRect(
            QRect(r.left(), r.bottom() + 1 - std::min(n, r.height()), r.width(), std::min(n, r.height())),
            color);
        break;
    case DrawOp::Left:
        p.fillRect(QRect(r.left(), r.top(), std::min(n, r.width()), r.height()), color);
        break;
    case DrawOp::Right:
        p.fillRect(QRect(r.right() + 1 - std::min(n, r.width()), r.top(), std::min(n, r.width()), r.height()),
                   color);
        break;
    }
}

void drawText(QPainter& p, const Device& d, const DrawOp& op) {
    // The text is drawn in its 96 dpi size and scaled with the painter, so that it keeps the
    // width it was laid out with (fonts sized for the device round to whole pixels).
    p.save();
    // A run that lies inside its box needs no clip (ink beyond the advance is at most the
    // slant of an italic letter, which the layout keeps inside); a clip costs every PDF and
    // every print job a path per run.
    const QRectF run(op.pos, QSizeF(op.textWidth, pxToTenths(metrics::lineHeight(op.font))));
    const QRect clip = d.rect(op.clip);
    if (!clip.contains(d.rect(run)))
        p.setClipRect(clip);
    p.translate(d.x(op.pos.x()), d.y(op.pos.y()));
    p.scale(d.dpiX / 96.0, d.dpiY / 96.0);
    p.setFont(qfont(op.font));
    p.setPen(QColor::fromRgba(op.color));
    p.drawText(QPointF(0, metrics::ascent(op.font)), op.text);
    p.restore();
}

// What an operation may ink, in tenths, with room for the rounding to device pixels and for
// pen widths.
QRectF inkBounds(const DrawOp& op, const Device& d) {
    QRectF r;
    switch (op.kind) {
    case DrawOp::Line:
        r = QRectF(op.p1, op.p2).normalized();
        break;
    case DrawOp::Text:
        r = op.clip;
        break;
    case DrawOp::Picture:
        r = op.rect.intersected(op.clip);
        break;
    default:
        r = op.rect;
        break;
    }
    const double pixel = 254.0 / std::min(d.dpiX, d.dpiY);
    const double margin = (2 + op.penWidth) * pixel;
    return r.adjusted(-margin, -margin, margin, margin);
}

// White filled over paper that nothing has inked yet changes no pixel: the page is white on
// every device. Skipping it keeps PDFs and print jobs small.
std::vector<bool> blankWhiteFills(const StoredPage& page, const Device& d) {
    std::vector<bool> skip(page.ops.size(), false);
    std::vector<QRectF> inked;
    for (size_t i = 0; i < page.ops.size(); ++i) {
        const DrawOp& op = page.ops[i];
        const QRectF bounds = inkBounds(op, d);
        if (op.kind == DrawOp::FillRect && op.color == clWhite &&
            std::none_of(inked.begin(), inked.end(), [&](const QRectF& r) { return r.intersects(bounds); })) {
            skip[i] = true;
            continue;
        }
        inked.push_back(bounds);
    }
    return skip;
}

} // namespace

void renderPage(QPainter& p, const StoredPage& page, double dpiX, double dpiY, QPointF offset,
                const QRectF& visible) {
    const Device d{dpiX, dpiY, offset};
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const std::vector<bool> skip = blankWhiteFills(page, d);
    for (size_t i = 0; i < page.ops.size(); ++i) {
        if (skip[i])
            continue;
        const DrawOp& op = page.ops[i];
        if (!visible.isEmpty() && !inkBounds(op, d).intersects(visible))
            continue;
        switch (op.kind) {
        case DrawOp::FillRect:
            p.fillRect(d.rect(op.rect), QColor::fromRgba(op.color));
            break;
        case DrawOp::Rectangle: {
            const QRect r = d.rect(op.rect);
            if (op.brushSolid)
                p.fillRect(r, QColor::fromRgba(op.brushColor));
            if (op.penWidth > 0)
                outline(p, r, op.penWidth, QColor::fromRgba(op.color));
            break;
        }
        case DrawOp::Ellipse: {
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setPen(op.penWidth > 0 ? QPen(QColor::fromRgba(op.color), op.penWidth) : QPen(Qt::NoPen));
            p.setBrush(op.brushSolid ? QBrush(QColor::fromRgba(op.brushColor)) : QBrush(Qt::NoBrush));
            const QRect r = d.rect(op.rect);
            const double inset = op.penWidth / 2.0;
            p.drawEllipse(QRectF(r).adjusted(inset, inset, -inset, -inset));
            p.setRenderHint(QPainter::Antialiasing, false);
            break;
        }
        case DrawOp::Line:
            drawLine(p, d, op);
            break;
        case DrawOp::FrameStripe:
            drawStripe(p, d, op);
            break;
        case DrawOp::Text:
            drawText(p, d, op);
            break;
        case DrawOp::Picture:
            p.setClipRect(d.rect(op.clip));
            p.drawImage(QRect(d.x(op.rect.left()), d.y(op.rect.top()),
                              d.x(op.rect.right()) - d.x(op.rect.left()),
                              d.y(op.rect.bottom()) - d.y(op.rect.top())),
                        op.image);
            p.setClipping(false);
            break;
        }
    }
    p.restore();
}

QImage renderImage(const StoredPage& page, double dpi) {
    QImage image(int(std::lround(page.width * dpi / 254.0)), int(std::lround(page.length * dpi / 254.0)),
                 QImage::Format_RGB32);
    const int dpm = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderPage(painter, page, dpi, dpi);
    return image;
}

bool writePng(const StoredPage& page, const QString& fileName, double dpi) {
    return renderImage(page, dpi).save(fileName, "PNG");
}

namespace {

QPageLayout layoutFor(const StoredPage& page) {
    const QSizeF portrait(std::min(page.width, page.length) / 10.0, std::max(page.width, page.length) / 10.0);
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch),
                       page.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

} // namespace

bool writePdf(const PageStore& store, QIODevice& device, const PdfOptions& options) {
    std::vector<int> numbers = options.pages;
    if (numbers.empty())
        for (int n = 1; n <= store.pageCount(); ++n)
            numbers.push_back(n);
    for (int n : numbers)
        if (n < 1 || n > store.pageCount())
            return false;
    if (numbers.empty())
        return false;
    QPdfWriter writer(&device);
    writer.setResolution(options.dpi);
    writer.setTitle(options.title);
    writer.setCreator(QStringLiteral("Ledgora"));
    if (options.archive)
        writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    writer.setPageLayout(layoutFor(store.page(numbers.front())));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    // Red hairlines of the transfer forms must not blur: no lossy compression of pictures.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    bool first = true;
    for (int n : numbers) {
        if (options.beforePage && !options.beforePage(n)) {
            painter.end();
            return false;
        }
        if (!first) {
            writer.setPageLayout(layoutFor(store.page(n)));
            writer.newPage();
        }
        first = false;
        renderPage(painter, store.page(n), options.dpi, options.dpi);
    }
    return painter.end();
}

bool writePdf(const PageStore& store, const QString& fileName, const QString& title, int dpi) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return writePdf(store, file, {.title = title, .dpi = dpi}) && file.flush();
}

QString exportText(const PageStore& store) {
    const double cellWidth = 254.0 / 12.0, cellHeight = 254.0 / 8.0;
    QStringList pages;
    for (const StoredPage& page : store.pages()) {
        std::map<int, std::vector<std::pair<int, QString>>> rows;
        for (const DrawOp& op : page.ops) {
            if (op.kind != DrawOp::Text || op.text.trimmed().isEmpty())
                continue;
            const double middle = op.pos.y() + pxToTenths(metrics::lineHeight(op.font)) / 2;
            const int row = std::max(0, int(middle / cellHeight));
            const int column = std::max(0, int(std::lround(op.pos.x() / cellWidth)));
            rows[row].emplace_back(column, op.text);
        }
        QStringList lines;
        for (auto& [row, runs] : rows) {
            while (lines.size() < row)
                lines << QString();
            std::stable_sort(runs.begin(), runs.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
            QString line;
            for (const auto& [column, text] : runs) {
                // A run that would overwrite its neighbour moves right, one blank after it.
                const int at = line.isEmpty() ? column : std::max<int>(column, int(line.size()) + 1);
                line = line.leftJustified(at, QLatin1Char(' ')) + text;
            }
            lines << line;
        }
        for (QString& line : lines) {
            while (line.endsWith(QLatin1Char(' ')))
                line.chop(1);
        }
        pages << lines.join(QLatin1Char('\n'));
    }
    return pages.join(QStringLiteral("\n\f")) + QLatin1Char('\n');
}

bool writeText(const PageStore& store, const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = exportText(store).toUtf8();
    return file.write(bytes) == bytes.size();
}

void savePdfFile(const PageStore& store, const QString& fileName, const QString& title) {
    platform::saveFile(fileName,
                       [&](QIODevice& device) { return writePdf(store, device, {.title = title}); });
}

void saveTextFile(const PageStore& store, const QString& fileName) {
    platform::saveFile(fileName, [&](QIODevice& device) {
        const QByteArray bytes = exportText(store).toUtf8();
        return device.write(bytes) == bytes.size();
    });
}

} // namespace report
